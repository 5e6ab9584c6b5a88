// When the window system refuses: a call of the program's windows is made to fail through its
// import, and what the user would be left with is checked. Nothing fails silently: a main
// window that cannot be made ends the program with the error box, a field without its window
// leaves the rest working, a window without a buffer still paints, a region the window did not
// take is not kept.
#include "ClientPixels.h"
#include "PatchedImport.h"
#include "Win32Fixture.h"

#include "platform/Dispatch.h"
#include "platform/Errors.h"
#include "platform/win32/Utf16.h"

#include <string>
#include <vector>

namespace vorlane::testing {
namespace {

using CreateWindowFunction = HWND(WINAPI*)(DWORD, LPCWSTR, LPCWSTR, DWORD, int, int, int, int, HWND,
                                           HMENU, HINSTANCE, LPVOID);
CreateWindowFunction originalCreateWindow = nullptr;
// Windows of this class are refused.
std::wstring refusedClass;

HWND WINAPI CreateWindowRefusingOneClass(DWORD exStyle, LPCWSTR className, LPCWSTR caption,
                                         DWORD style, int x, int y, int width, int height,
                                         HWND parent, HMENU menu, HINSTANCE instance,
                                         LPVOID parameter) {
    const bool named = className != nullptr && !IS_INTRESOURCE(className);
    if (named && _wcsicmp(className, refusedClass.c_str()) == 0) {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return nullptr;
    }
    return originalCreateWindow(exStyle, className, caption, style, x, y, width, height, parent,
                                menu, instance, parameter);
}

using SetTimerFunction = UINT_PTR(WINAPI*)(HWND, UINT_PTR, UINT, TIMERPROC);
SetTimerFunction originalSetTimer = nullptr;

// Timers of windows are refused; the test's own thread timers still run.
UINT_PTR WINAPI SetTimerRefusingWindows(HWND window, UINT_PTR id, UINT elapse, TIMERPROC proc) {
    if (window != nullptr) {
        SetLastError(ERROR_NO_SYSTEM_RESOURCES);
        return 0;
    }
    return originalSetTimer(window, id, elapse, proc);
}

using SetWindowRgnFunction = int(WINAPI*)(HWND, HRGN, BOOL);
SetWindowRgnFunction originalSetWindowRgn = nullptr;
std::vector<HRGN> refusedRegions;

int WINAPI SetWindowRgnRefusing(HWND, HRGN region, BOOL) {
    refusedRegions.push_back(region);
    return 0;
}

using CreateBitmapFunction = HBITMAP(WINAPI*)(HDC, int, int);
CreateBitmapFunction originalCreateCompatibleBitmap = nullptr;

HBITMAP WINAPI CreateCompatibleBitmapRefusing(HDC, int, int) {
    SetLastError(ERROR_NOT_ENOUGH_MEMORY);
    return nullptr;
}

using RegisterClassFunction = ATOM(WINAPI*)(const WNDCLASSEXW*);
RegisterClassFunction originalRegisterClass = nullptr;

ATOM WINAPI RegisterClassRefusing(const WNDCLASSEXW*) {
    SetLastError(ERROR_NOT_ENOUGH_MEMORY);
    return 0;
}

// The errors that reach the program's error handler while this lives, instead of its box.
class CaughtErrors {
public:
    CaughtErrors() {
        SetExceptionHandler(
            [this](const std::exception& error) { messages.push_back(ErrorDescription(error)); });
    }
    ~CaughtErrors() { SetExceptionHandler(nullptr); }
    CaughtErrors(const CaughtErrors&) = delete;
    CaughtErrors& operator=(const CaughtErrors&) = delete;
    std::vector<std::string> messages;
};

bool Mentions(const std::vector<std::string>& messages, const std::string& part) {
    for (const std::string& message : messages) {
        if (message.find(part) != std::string::npos &&
            message.find("EWindowSystemError") != std::string::npos) {
            return true;
        }
    }
    return false;
}

// A form with one picture over its whole client area.
class PictureForm : public TForm {
public:
    PictureForm(Application& application, const std::string& name) : TForm(name, application) {
        picture.Picture = "btnArdewayIconNormal";
        picture.SetBounds(0, 0, 77, 90);
        AddControl(picture);
        SetBounds(100, 600, 77, 90);
    }
    TControl picture{"imgPicture", ControlKind::Image};
};

std::vector<COLORREF> Shown(HWND window) {
    ShowWindow(window, SW_SHOWNOACTIVATE);
    UpdateWindow(window);
    return ClientPixels(window, 77, 90);
}

class WindowSystemFailure : public Win32Window {
protected:
    void SetUp() override {
        Win32Window::SetUp();
        Pump(1000); // start-up finished, the countdown runs
    }
};

TEST_F(WindowSystemFailure, AFieldWithoutItsWindowIsReportedAndTheRestGoesOn) {
    CaughtErrors caught;
    {
        refusedClass = L"COMBOBOX";
        const PatchedImport patch("user32.dll", "CreateWindowExW", &CreateWindowRefusingOneClass,
                                  originalCreateWindow);
        ASSERT_TRUE(patch.Active());
        Dispatch([&] {
            form->cmbEndTimeComboBox.SetText("12:34");
            form->cmbEndTimeComboBox.Show();
        });
    }
    EXPECT_EQ(Field(kIdEndTimeComboBox), nullptr);
    EXPECT_TRUE(Mentions(caught.messages, "cmbEndTimeComboBox")) << caught.messages.size();
    // A command that comes from no control (a menu, an accelerator) is not taken for the
    // field's.
    SendMessageW(window, WM_COMMAND, MAKEWPARAM(0, CBN_SELCHANGE), 0);
    EXPECT_EQ(form->cmbEndTimeComboBox.Text(), "12:34");
    // The window goes on, and the field gets its window when it is shown again.
    const std::string seconds = form->edtTimeSeconds.Text();
    Pump(1200);
    EXPECT_NE(form->edtTimeSeconds.Text(), seconds) << "the countdown goes on";
    Dispatch([&] {
        form->cmbEndTimeComboBox.Hide();
        form->cmbEndTimeComboBox.Show();
    });
    EXPECT_NE(Field(kIdEndTimeComboBox), nullptr);
}

TEST_F(WindowSystemFailure, ATimerTheSystemRefusesIsReported) {
    CaughtErrors caught;
    const PatchedImport patch("user32.dll", "SetTimer", &SetTimerRefusingWindows, originalSetTimer);
    ASSERT_TRUE(patch.Active());
    Dispatch([&] { form->tmrFirstStart.SetEnabled(true); });
    EXPECT_TRUE(Mentions(caught.messages, "tmrFirstStart")) << caught.messages.size();
    form->tmrFirstStart.SetEnabled(false);
}

TEST_F(WindowSystemFailure, ARegionTheWindowDidNotTakeIsDeleted) {
    refusedRegions.clear();
    {
        const PatchedImport patch("user32.dll", "SetWindowRgn", &SetWindowRgnRefusing,
                                  originalSetWindowRgn);
        ASSERT_TRUE(patch.Active());
        Dispatch([&] { form->Window().SetEllipticRegion(0, 0, 100, 120); });
    }
    ASSERT_EQ(refusedRegions.size(), 1u);
    EXPECT_EQ(GetObjectType(refusedRegions[0]), 0u) << "the region is still there";
}

TEST_F(WindowSystemFailure, AWindowWithoutItsPaintBufferStillShowsItsPictures) {
    PictureForm buffered(host->App(), "BufferedPicture");
    buffered.CreateHandle();
    const std::vector<COLORREF> expected = Shown(FindWindowW(L"TBufferedPicture", nullptr));

    const PatchedImport patch("gdi32.dll", "CreateCompatibleBitmap",
                              &CreateCompatibleBitmapRefusing, originalCreateCompatibleBitmap);
    ASSERT_TRUE(patch.Active());
    PictureForm unbuffered(host->App(), "UnbufferedPicture");
    unbuffered.CreateHandle();
    EXPECT_EQ(Shown(FindWindowW(L"TUnbufferedPicture", nullptr)), expected);
}

TEST_F(WindowSystemFailure, ASecondFormWhoseClassCannotBeRegisteredIsReported) {
    CaughtErrors caught;
    PictureForm second(host->App(), "UnregisteredForm");
    {
        const PatchedImport patch("user32.dll", "RegisterClassExW", &RegisterClassRefusing,
                                  originalRegisterClass);
        ASSERT_TRUE(patch.Active());
        Dispatch([&] { second.CreateHandle(); });
    }
    EXPECT_EQ(FindWindowW(L"TUnregisteredForm", nullptr), nullptr);
    EXPECT_TRUE(Mentions(caught.messages, "UnregisteredForm")) << caught.messages.size();
    // The main window goes on.
    const std::string seconds = form->edtTimeSeconds.Text();
    Pump(1200);
    EXPECT_NE(form->edtTimeSeconds.Text(), seconds);
}

// The error box of a program without its main window: read and closed once it is open. A
// message loop that runs without any window is ended after two seconds without a box.
std::wstring boxText;
int ticksWithoutBox = 0;

void CALLBACK ReadAndCloseTheBox(HWND, UINT, UINT_PTR id, DWORD) {
    HWND box = FindWindowW(L"#32770", nullptr);
    if (box == nullptr || !IsWindowVisible(box)) {
        if (++ticksWithoutBox == 40) {
            PostQuitMessage(7);
        }
        return;
    }
    KillTimer(nullptr, id);
    wchar_t text[512] = {};
    GetDlgItemTextW(box, 0xFFFF, text, 512); // the message's static text
    boxText = text;
    PostMessageW(GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
}

// Without the fixture: the program is started as the entry starts it.
TEST(MainWindowFailure, TheErrorBoxSaysSoAndTheProgramEndsWithoutALoop) {
    wchar_t folder[MAX_PATH] = {};
    GetCurrentDirectoryW(MAX_PATH, folder);
    refusedClass = L"TFormVorlane";
    const PatchedImport patch("user32.dll", "CreateWindowExW", &CreateWindowRefusingOneClass,
                              originalCreateWindow);
    ASSERT_TRUE(patch.Active());
    boxText.clear();
    ticksWithoutBox = 0;
    const UINT_PTR timer = SetTimer(nullptr, 0, 50, ReadAndCloseTheBox);
    bool ended = false;
    int looped = -1;
    {
        win32::Win32Host host(GetModuleHandleW(nullptr));
        try {
            looped = RunVorlane(host);
        } catch (const EWindowSystemError&) {
            ended = true;
        }
    }
    KillTimer(nullptr, timer);
    SetCurrentDirectoryW(folder);
    EXPECT_TRUE(ended) << "the message loop ran without a window and returned " << looped;
    EXPECT_NE(boxText.find(L"FormVorlane"), std::wstring::npos) << win32::Narrow(boxText);
    EXPECT_NE(boxText.find(L"EWindowSystemError"), std::wstring::npos) << win32::Narrow(boxText);
}

} // namespace
} // namespace vorlane::testing
