#pragma once
// The common file-open dialog driven from outside its thread or process, as a user fills it:
// found by its caption, read, given a file name and confirmed.
#include <windows.h>

#include <string>
#include <vector>

namespace vorlane::testsupport {

// The visible dialog (class #32770) with this caption of the process, or nullptr.
HWND FindFileDialog(DWORD processId, const std::wstring& caption);

// What the dialog shows.
struct FileDialogSeen {
    std::wstring fileNameLabel;
    std::wstring fileName;               // the text of the file-name box
    std::wstring fileType;               // the chosen entry of the file-type list
    std::vector<std::wstring> fileTypes; // every entry of the file-type list, in order
    // The names the dialog lists in the folder it shows; read only in the dialog's own process,
    // since the list view's items cannot be asked for from another one.
    std::vector<std::wstring> listed;
    std::wstring lookIn; // the folder the dialog shows
    HWND owner = nullptr;
};
FileDialogSeen ReadFileDialog(HWND dialog);

// Types the path into the file-name box and presses Open; false when the box is not found.
bool ConfirmFileDialog(HWND dialog, const std::wstring& path);
void CancelFileDialog(HWND dialog);

} // namespace vorlane::testsupport
