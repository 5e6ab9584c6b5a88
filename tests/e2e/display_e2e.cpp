// End-to-end tests of a screen that shrinks under the running Vorlane.exe (a monitor taken away,
// a smaller resolution set): the window, left where only the larger screen reached, must come
// fully onto the screen that remains, whether it is shown at the change, brought back from the
// tray, or brought up by the alarm. The driver sets the smaller size the Windows way
// (ChangeDisplaySettingsEx); Wine then resizes the X screen and tells every top-level window
// of the change (WM_DISPLAYCHANGE).
#include "ProgramTest.h"

#include "app/ControlIds.h"
#include "tests/support/WineHost.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

namespace vorlane::e2e {
namespace {

constexpr SIZE kSmallScreen{1024, 768};
// A place on the 1920 x 1080 screen where the whole window lies outside 1024 x 768.
constexpr POINT kFarPlace{1600, 800};
// The background left of the display: no button, field or other picture lies there.
constexpr POINT kOnBackground{30, 110};
constexpr POINT kOnSeconds{103, 57};

RECT WindowRect(HWND w) {
    RECT r{};
    GetWindowRect(w, &r);
    return r;
}

std::string Describe(const RECT& r) {
    std::ostringstream text;
    text << "(" << r.left << "," << r.top << ")-(" << r.right << "," << r.bottom << ")";
    return text.str();
}

SIZE ScreenSize() {
    return SIZE{GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

// Starts a shell command on the machine Wine runs on (Wine starts its programs too, but gives
// no handle to wait on: the caller waits for what the command does); false when it could not
// be started.
bool StartOnTheHost(const std::string& script) {
    std::wstring line = L"\"" + testsupport::ToWindowsPath(L"/bin/sh") + L"\" -c \"" +
                        std::wstring(script.begin(), script.end()) + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
        return false;
    }
    for (HANDLE handle : {process.hThread, process.hProcess}) {
        if (handle != nullptr && handle != INVALID_HANDLE_VALUE) {
            CloseHandle(handle);
        }
    }
    return true;
}

// The X display (Xvfb) offers only the size it was started with. While this lives it offers
// another one too, added with xrandr a moment after this is made. The display keeps an added
// size only while Wine's desktop is connected to it, that is while a program of the session
// runs. (Wine's own list of sizes, kept from earlier runs, is no sign of what the display offers
// now.)
class OfferedSize {
public:
    explicit OfferedSize(SIZE size)
        : name_(std::to_string(size.cx) + "x" + std::to_string(size.cy)) {
        const std::string w = std::to_string(size.cx);
        const std::string h = std::to_string(size.cy);
        // A mode without timings (the virtual display shows no signal); one that is there
        // already is added to the output all the same.
        started_ = StartOnTheHost(kOutput + "xrandr --newmode " + name_ + " 0 " + w + " " + w +
                                  " " + w + " " + w + " " + h + " " + h + " " + h + " " + h +
                                  "; xrandr --addmode $out " + name_);
    }
    ~OfferedSize() {
        if (started_) {
            StartOnTheHost(kOutput + "xrandr --delmode $out " + name_ + "; xrandr --rmmode " +
                           name_);
        }
    }
    OfferedSize(const OfferedSize&) = delete;
    OfferedSize& operator=(const OfferedSize&) = delete;

    bool Started() const { return started_; }

private:
    // The display's output, for the commands after it.
    inline static const std::string kOutput = "out=$(xrandr | sed -n 's/ connected.*//p'); ";
    std::string name_;
    bool started_ = false;
};

LONG SetScreenSize(SIZE size) {
    DEVMODEW mode{};
    mode.dmSize = sizeof mode;
    mode.dmPelsWidth = static_cast<DWORD>(size.cx);
    mode.dmPelsHeight = static_cast<DWORD>(size.cy);
    mode.dmFields = DM_PELSWIDTH | DM_PELSHEIGHT;
    return ChangeDisplaySettingsExW(nullptr, &mode, nullptr, 0, nullptr);
}

// The screen at another size while this lives; the size it had comes back in any case.
class ScreenSizeChange {
public:
    // A size just offered may not be there yet: it is asked for again for a few seconds.
    explicit ScreenSizeChange(SIZE size) : before_(ScreenSize()) {
        WaitUntil(
            [&] {
                result_ = SetScreenSize(size);
                return result_ != DISP_CHANGE_BADMODE;
            },
            milliseconds(3000), milliseconds(100));
    }
    ~ScreenSizeChange() {
        if (result_ == DISP_CHANGE_SUCCESSFUL) {
            SetScreenSize(before_);
        }
    }
    ScreenSizeChange(const ScreenSizeChange&) = delete;
    ScreenSizeChange& operator=(const ScreenSizeChange&) = delete;

    LONG Result() const { return result_; }

private:
    SIZE before_;
    LONG result_ = DISP_CHANGE_FAILED;
};

// Whether the whole window lies on one monitor.
bool OnAMonitor(HWND w) {
    const RECT r = WindowRect(w);
    MONITORINFO info{};
    info.cbSize = sizeof info;
    if (!GetMonitorInfoW(MonitorFromRect(&r, MONITOR_DEFAULTTONEAREST), &info)) {
        return false;
    }
    const RECT& m = info.rcMonitor;
    return r.left >= m.left && r.top >= m.top && r.right <= m.right && r.bottom <= m.bottom;
}

// How the window shows again after the screen has shrunk.
enum class Return {
    StaysShown, // it was shown all the time
    TrayIcon,   // it was in the tray; a click on the icon brings it back
    Alarm       // it was in the tray; the alarm brings it up
};

struct Case {
    const char* name;
    Return back;
};

const Case kCases[] = {
    {"ShownAtTheChange", Return::StaysShown},
    {"BroughtBackFromTheTray", Return::TrayIcon},
    {"BroughtUpByTheAlarm", Return::Alarm},
};

void PrintTo(const Case& way, std::ostream* out) {
    *out << way.name;
}

class DisplayTest : public ProgramTest, public ::testing::WithParamInterface<Case> {};

TEST_P(DisplayTest, AWindowLeftOutsideTheShrunkenScreenComesFullyOntoIt) {
    if (!testsupport::RunningUnderWine()) {
        GTEST_SKIP() << "the screen's size is changed only on the virtual display of a Wine "
                        "session (and the tray icon is found in Wine's stand-alone tray)";
    }
    const SIZE screen = ScreenSize();
    ASSERT_GE(screen.cx, 1920);
    ASSERT_GE(screen.cy, 1080);

    const Return back = GetParam().back;
    HWND main = Start(back == Return::Alarm ? L"-t1" : L"-t30");
    ASSERT_NE(main, nullptr);
    const OfferedSize offered(kSmallScreen);
    ASSERT_TRUE(offered.Started()) << "/bin/sh could not be started";
    const std::wstring minutes = back == Return::Alarm ? L"00" : L"29";
    ASSERT_TRUE(
        WaitUntil([&] { return FieldText(main, kIdTimeMinutes) == minutes; }, milliseconds(3000)))
        << "the countdown did not start";

    const RECT placed = WindowRect(main);
    BringToForeground(main);
    const POINT grab{placed.left + kOnBackground.x, placed.top + kOnBackground.y};
    DragPointer(grab, POINT{grab.x + kFarPlace.x - placed.left, grab.y + kFarPlace.y - placed.top});
    ASSERT_EQ(WindowRect(main).left, kFarPlace.x);
    ASSERT_EQ(WindowRect(main).top, kFarPlace.y);

    if (back == Return::Alarm) {
        // Nine seconds left, typed into the seconds field.
        ClickAt(main, kOnSeconds);
        Sleep(200);
        TypeKeys({'9', VK_RETURN});
        ASSERT_TRUE(
            WaitUntil([&] { return FieldText(main, kIdTimeSeconds) == L"08"; }, milliseconds(2000)))
            << "shows " << FieldUtf8(main, kIdTimeSeconds);
    }
    if (back != Return::StaysShown) {
        PressKey(main, VK_F12);
        ASSERT_TRUE(WaitUntil([&] { return !IsWindowVisible(main); }, milliseconds(2000)));
    }

    const ScreenSizeChange smaller(kSmallScreen);
    ASSERT_EQ(smaller.Result(), DISP_CHANGE_SUCCESSFUL)
        << "the display offers no " << kSmallScreen.cx << " x " << kSmallScreen.cy
        << " (xrandr, Debian package x11-xserver-utils, adds it)";
    ASSERT_EQ(ScreenSize().cx, kSmallScreen.cx);

    if (back == Return::TrayIcon) {
        HWND icon = FindTrayIcon();
        ASSERT_NE(icon, nullptr) << "no icon in the notification area";
        ClickScreen(CentreOf(icon));
    }
    const milliseconds showing(back == Return::Alarm ? 12000 : 2000);
    ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(main) != FALSE; }, showing))
        << "the window did not show again";
    if (back == Return::Alarm) {
        EXPECT_TRUE(IsTopmost(main)) << "shown, but not by the alarm";
    }
    EXPECT_TRUE(WaitUntil([&] { return OnAMonitor(main); }, milliseconds(2000)))
        << "the window lies at " << Describe(WindowRect(main)) << " on a screen of "
        << ScreenSize().cx << " x " << ScreenSize().cy;
    Sleep(500); // for a screenshot of the window painted where it came
    SaveScreenshot(main, std::string("DisplayTest.") + GetParam().name);
}

INSTANTIATE_TEST_SUITE_P(Returns, DisplayTest, ::testing::ValuesIn(kCases),
                         [](const auto& way) { return std::string(way.param.name); });

} // namespace
} // namespace vorlane::e2e
