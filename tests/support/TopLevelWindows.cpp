#include "tests/support/TopLevelWindows.h"

namespace vorlane::testsupport {
namespace {

struct Search {
    DWORD pid;
    const wchar_t* windowClass;
    Visibility visibility;
    HWND found;
};

BOOL CALLBACK Consider(HWND window, LPARAM data) {
    auto* search = reinterpret_cast<Search*>(data);
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    if (pid != search->pid ||
        (search->visibility == Visibility::Shown && !IsWindowVisible(window))) {
        return TRUE;
    }
    wchar_t name[256] = {};
    GetClassNameW(window, name, 256);
    if (_wcsicmp(name, search->windowClass) != 0) {
        return TRUE;
    }
    search->found = window;
    return FALSE;
}

} // namespace

HWND FindTopLevelWindow(DWORD pid, const wchar_t* windowClass, Visibility visibility) {
    Search search{pid, windowClass, visibility, nullptr};
    EnumWindows(Consider, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

} // namespace vorlane::testsupport
