#pragma once
// Dialog-item IDs of the main window's native child windows. The end-to-end driver
// finds the fields by these IDs, so they are part of the program's observable surface.
namespace vorlane::win32 {
inline constexpr int kIdFirstTextLine = 101;
inline constexpr int kIdSecondTextLine = 102;
inline constexpr int kIdTimeMinutes = 103;
inline constexpr int kIdTimeColon = 104;
inline constexpr int kIdTimeSeconds = 105;
inline constexpr int kIdHinweiseLabel = 106;
inline constexpr int kIdEndTimeComboBox = 107;
inline constexpr int kIdTimeSelectionOkay = 108;
inline constexpr int kIdTerminVerschieben = 109;
inline constexpr int kIdMediaPlayer = 110;
} // namespace vorlane::win32
