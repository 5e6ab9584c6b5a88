#pragma once

// Ids of the main window's native fields and buttons. Outside tools (and the end-to-end
// tests) find the fields by them, so they are part of the program's observable surface.
namespace vorlane {
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
} // namespace vorlane
