#include "tests/support/FileDialogDriver.h"

#include <commctrl.h>
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

// The entries of a combo box's list; CB_GETLBTEXT is one of the messages the system carries
// across processes.
std::vector<std::wstring> ItemsOf(HWND combo) {
    std::vector<std::wstring> items;
    const LRESULT count = combo != nullptr ? SendMessageW(combo, CB_GETCOUNT, 0, 0) : 0;
    for (LRESULT i = 0; i < count; ++i) {
        const LRESULT length = SendMessageW(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(i), 0);
        if (length < 0) {
            break;
        }
        std::wstring item(static_cast<std::size_t>(length) + 1, L'\0');
        SendMessageW(combo, CB_GETLBTEXT, static_cast<WPARAM>(i),
                     reinterpret_cast<LPARAM>(item.data()));
        item.resize(static_cast<std::size_t>(length));
        items.push_back(item);
    }
    return items;
}

// The first window of a class among the dialog's descendants.
HWND DescendantOfClass(HWND parent, const wchar_t* windowClass) {
    for (HWND child = GetWindow(parent, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        wchar_t name[64] = {};
        GetClassNameW(child, name, 64);
        if (std::wstring(name) == windowClass) {
            return child;
        }
        if (HWND found = DescendantOfClass(child, windowClass)) {
            return found;
        }
    }
    return nullptr;
}

// The names in the dialog's file list, when the list lives in this process.
std::vector<std::wstring> ListedNames(HWND dialog) {
    std::vector<std::wstring> names;
    DWORD processId = 0;
    GetWindowThreadProcessId(dialog, &processId);
    HWND list = DescendantOfClass(dialog, L"SysListView32");
    if (list == nullptr || processId != GetCurrentProcessId()) {
        return names;
    }
    const LRESULT count = SendMessageW(list, LVM_GETITEMCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        wchar_t text[MAX_PATH] = {};
        LVITEMW item{};
        item.iSubItem = 0;
        item.pszText = text;
        item.cchTextMax = MAX_PATH;
        SendMessageW(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(i),
                     reinterpret_cast<LPARAM>(&item));
        names.emplace_back(text);
    }
    return names;
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
    seen.fileTypes = ItemsOf(GetDlgItem(dialog, cmb1));
    seen.listed = ListedNames(dialog);
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
