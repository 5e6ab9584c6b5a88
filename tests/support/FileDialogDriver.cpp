#include "tests/support/FileDialogDriver.h"

#include <dlgs.h>

namespace vorlane::testsupport {

namespace {

struct Search {
    DWORD processId;
    const std::wstring* caption;
    HWND found;
};

std::wstring TextOf(HWND window) {
    wchar_t text[1024] = {};
    DWORD_PTR copied = 0;
    if (window == nullptr ||
        !SendMessageTimeoutW(window, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(text),
                             SMTO_ABORTIFHUNG, 2000, &copied)) {
        return {};
    }
    return text;
}

BOOL CALLBACK FindDialog(HWND window, LPARAM data) {
    auto* search = reinterpret_cast<Search*>(data);
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    wchar_t windowClass[16] = {};
    GetClassNameW(window, windowClass, 16);
    if (processId == search->processId && IsWindowVisible(window) &&
        std::wstring(windowClass) == L"#32770" && TextOf(window) == *search->caption) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

// The edit field inside the file-name box (a ComboBoxEx with a combo box with an edit), or
// the plain edit older dialogs have.
HWND FileNameEdit(HWND dialog) {
    if (HWND box = GetDlgItem(dialog, cmb13)) {
        HWND combo = FindWindowExW(box, nullptr, L"ComboBox", nullptr);
        HWND edit = combo != nullptr ? FindWindowExW(combo, nullptr, L"Edit", nullptr) : nullptr;
        return edit != nullptr ? edit : box;
    }
    return GetDlgItem(dialog, edt1);
}

} // namespace

HWND FindFileDialog(DWORD processId, const std::wstring& caption) {
    Search search{processId, &caption, nullptr};
    EnumWindows(FindDialog, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

FileDialogSeen ReadFileDialog(HWND dialog) {
    FileDialogSeen seen;
    seen.fileNameLabel = TextOf(GetDlgItem(dialog, stc3));
    seen.fileName = TextOf(FileNameEdit(dialog));
    seen.fileType = TextOf(GetDlgItem(dialog, cmb1));
    seen.lookIn = TextOf(GetDlgItem(dialog, cmb2));
    seen.owner = GetWindow(dialog, GW_OWNER);
    return seen;
}

bool ConfirmFileDialog(HWND dialog, const std::wstring& path) {
    HWND edit = FileNameEdit(dialog);
    if (edit == nullptr) {
        return false;
    }
    DWORD_PTR result = 0;
    SendMessageTimeoutW(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path.c_str()),
                        SMTO_ABORTIFHUNG, 2000, &result);
    // Posted: the dialog closes and its caller goes on, whoever waits for that.
    return PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                        reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDOK))) != FALSE;
}

void CancelFileDialog(HWND dialog) {
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDCANCEL)));
}

} // namespace vorlane::testsupport
