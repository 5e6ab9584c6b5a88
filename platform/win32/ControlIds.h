#pragma once
#include <string_view>

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

// The ID of the child window that shows the named control; 0 for others.
inline int ControlIdFor(std::string_view name) {
    constexpr struct {
        std::string_view name;
        int id;
    } ids[] = {{"edtFirstTextLine", kIdFirstTextLine},
               {"edtSecondTextLine", kIdSecondTextLine},
               {"edtTimeMinutes", kIdTimeMinutes},
               {"edtTimeColon", kIdTimeColon},
               {"edtTimeSeconds", kIdTimeSeconds},
               {"edtHinweiseLabel", kIdHinweiseLabel},
               {"cmbEndTimeComboBox", kIdEndTimeComboBox},
               {"btnTimeSelectionOkay", kIdTimeSelectionOkay},
               {"btnTerminVerschieben", kIdTerminVerschieben},
               {"mplMediaPlayer", kIdMediaPlayer}};
    for (const auto& entry : ids) {
        if (entry.name == name) {
            return entry.id;
        }
    }
    return 0;
}
} // namespace vorlane::win32
