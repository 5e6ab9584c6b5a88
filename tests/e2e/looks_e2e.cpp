// End-to-end tests of the image buttons' looks and hints on the real Vorlane.exe: the real
// pointer moves over the buttons, the screen shows which picture is on top, and the hint is
// the program's own tooltip window, found and read from outside.
#include "ProgramTest.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <cstdint>
#include <cstdio>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/ControlIds.h"

namespace vorlane::e2e {
namespace {

using std::chrono::duration_cast;

// Rectangles of the buttons' pictures in window coordinates, and points the pointer rests
// on. The +5 point lies low in its picture, so the hint, which opens below the pointer,
// does not cover the picture.
constexpr RECT kPlusFive{113, 130, 113 + 56, 130 + 56};
constexpr POINT kOnPlusFive{141, 170};
constexpr RECT kPlusOne{107, 179, 107 + 50, 179 + 53};
constexpr POINT kOnPlusOne{132, 205};
constexpr RECT kPlay{70, 165, 70 + 32, 165 + 56};
constexpr POINT kOnPlay{86, 195};
// The background picture left and right of the display: no button, field or other picture
// lies there.
constexpr POINT kOnBackground{30, 110};
constexpr POINT kOnBackgroundRight{140, 110};

// A number the program's window answers with (a tooltip's settings), or nullopt when it
// does not answer.
std::optional<LRESULT> Ask(HWND w, UINT message, WPARAM wParam = 0) {
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutW(w, message, wParam, 0, SMTO_ABORTIFHUNG, 2000, &result))
        return std::nullopt;
    return static_cast<LRESULT>(result);
}

std::optional<int> Minutes(HWND main) {
    const auto text = FieldText(main, kIdTimeMinutes);
    if (!text || text->empty())
        return std::nullopt;
    try {
        return std::stoi(*text);
    } catch (...) {
        return std::nullopt;
    }
}

// The pixels of one button's rectangle, without what a hint window covers of it (the hint
// is a window of its own over the picture, not part of the button's look).
struct ButtonPixels {
    Image image;
    std::vector<bool> masked; // per pixel: covered by a visible hint while captured
};

ButtonPixels CaptureButton(HWND main, DWORD pid, const RECT& button) {
    ButtonPixels shot;
    RECT tipBefore{};
    if (HWND tip = FindVisibleTooltip(pid))
        GetWindowRect(tip, &tipBefore);
    shot.image = CaptureWindowArea(main, button);
    RECT tipAfter{};
    if (HWND tip = FindVisibleTooltip(pid))
        GetWindowRect(tip, &tipAfter);
    shot.masked.assign(shot.image.pixels.size(), false);
    POINT origin{button.left, button.top};
    ClientToScreen(main, &origin);
    for (const RECT& tip : {tipBefore, tipAfter}) {
        for (int y = 0; y < shot.image.height; ++y)
            for (int x = 0; x < shot.image.width; ++x) {
                const POINT at{origin.x + x, origin.y + y};
                if (PtInRect(&tip, at))
                    shot.masked[static_cast<size_t>(y * shot.image.width + x)] = true;
            }
    }
    return shot;
}

struct Difference {
    int compared = 0;
    int differing = 0;
};

Difference Compare(const ButtonPixels& a, const ButtonPixels& b) {
    Difference d;
    if (a.image.pixels.size() != b.image.pixels.size() || a.image.pixels.empty())
        return d;
    for (size_t i = 0; i < a.image.pixels.size(); ++i) {
        if (a.masked[i] || b.masked[i])
            continue;
        ++d.compared;
        d.differing += a.image.pixels[i] != b.image.pixels[i];
    }
    return d;
}

std::string Describe(const Difference& d) {
    return std::to_string(d.differing) + " of " + std::to_string(d.compared) +
           " compared pixels differ";
}

// A look counts as painted once two captures 40 ms apart agree.
ButtonPixels SettledLook(HWND main, DWORD pid, const RECT& button) {
    ButtonPixels last = CaptureButton(main, pid, button);
    WaitUntil(
        [&] {
            ButtonPixels next = CaptureButton(main, pid, button);
            const Difference d = Compare(last, next);
            last = std::move(next);
            return d.compared > 0 && d.differing == 0;
        },
        milliseconds(1500), milliseconds(40));
    return last;
}

// Waits (bounded) until the button shows a look other than `from`, then lets it settle.
ButtonPixels LookChangedFrom(HWND main, DWORD pid, const RECT& button, const ButtonPixels& from) {
    WaitUntil([&] { return Compare(from, CaptureButton(main, pid, button)).differing > 0; },
              milliseconds(2000), milliseconds(20));
    return SettledLook(main, pid, button);
}

class LooksTest : public ProgramTest {
protected:
    HWND Start(const std::wstring& args) {
        HWND main = ProgramTest::Start(args);
        foundAt_ = Clock::now();
        if (main != nullptr) {
            // Painted, the pointer on the background, the window in front: every button rests.
            WaitUntil([&] { return DisplayLook(main) != Look::Unknown; }, milliseconds(2000));
            BringToForeground(main);
            MovePointerOnto(main, kOnBackground);
        }
        return main;
    }

    // Screenshot named after the running test and the step.
    void Screenshot(HWND main, const std::string& step, HWND alsoShow = nullptr) {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        SaveScreenshot(main, std::string(info->test_suite_name()) + "." + info->name() + "." + step,
                       alsoShow);
    }

    // The countdown has made its first step (the window's start-up is over by then).
    std::optional<int> MinutesAfterFirstTick(HWND main, int startMinutes) {
        std::optional<int> minutes;
        WaitUntil(
            [&] {
                minutes = Minutes(main);
                return minutes && *minutes < startMinutes;
            },
            milliseconds(3000));
        return minutes;
    }

    Clock::time_point foundAt_;
};

// --- Looks ------------------------------------------------------------------------------

using ButtonLookTest = LooksTest;

TEST_F(ButtonLookTest, PlusFiveHoverThenPressedThenRestingAfterReleaseOutside) {
    HWND main = Start(L"-t30");
    ASSERT_NE(main, nullptr);
    const DWORD pid = app_->Pid();
    const std::optional<int> before = MinutesAfterFirstTick(main, 30);
    ASSERT_TRUE(before) << "no minutes shown";
    ASSERT_EQ(*before, 29) << "the countdown did not start";

    const ButtonPixels resting = SettledLook(main, pid, kPlusFive);
    Screenshot(main, "1-resting");

    MovePointerOnto(main, kOnPlusFive);
    const ButtonPixels hover = LookChangedFrom(main, pid, kPlusFive, resting);
    Screenshot(main, "2-hover");
    const Difference restingToHover = Compare(resting, hover);
    EXPECT_GT(restingToHover.compared, 56 * 56 / 2) << "most of the picture must be compared";
    EXPECT_GT(restingToHover.differing, 0) << "no hover look: " << Describe(restingToHover);

    PressLeftButton();
    const ButtonPixels pressed = LookChangedFrom(main, pid, kPlusFive, hover);
    Screenshot(main, "3-pressed");
    const Difference hoverToPressed = Compare(hover, pressed);
    const Difference restingToPressed = Compare(resting, pressed);
    EXPECT_GT(hoverToPressed.differing, 0) << "no pressed look: " << Describe(hoverToPressed);
    EXPECT_GT(restingToPressed.differing, 0)
        << "the pressed look equals the resting one: " << Describe(restingToPressed);
    RecordProperty("hover_pixels_changed", restingToHover.differing);
    RecordProperty("pressed_pixels_changed", hoverToPressed.differing);

    // Release over the background, then cross it: no click, and the button rests again.
    MovePointerOnto(main, kOnBackground);
    ReleaseLeftButton();
    Sleep(50);
    MovePointerOnto(main, kOnBackgroundRight);
    MovePointerOnto(main, kOnBackground);
    ButtonPixels back = resting;
    const bool rests = WaitUntil(
        [&] {
            back = CaptureButton(main, pid, kPlusFive);
            return Compare(resting, back).differing == 0;
        },
        milliseconds(2000), milliseconds(20));
    Screenshot(main, "4-released-outside");
    const Difference restingToBack = Compare(resting, back);
    EXPECT_TRUE(rests) << "not the resting look after leaving: " << Describe(restingToBack);
    EXPECT_GT(restingToBack.compared, 56 * 56 / 2);

    // +5 would have added five minutes; the countdown only goes down.
    const std::optional<int> after = Minutes(main);
    ASSERT_TRUE(after);
    EXPECT_LE(*after, *before) << "releasing outside the button ran its click";
}

TEST_F(ButtonLookTest, PlusOneClickWorksWhileItsHoverLookShows) {
    HWND main = Start(L"-t30");
    ASSERT_NE(main, nullptr);
    const DWORD pid = app_->Pid();
    const std::optional<int> before = MinutesAfterFirstTick(main, 30);
    ASSERT_TRUE(before);
    ASSERT_EQ(*before, 29) << "the countdown did not start";

    const ButtonPixels resting = SettledLook(main, pid, kPlusOne);
    MovePointerOnto(main, kOnPlusOne);
    const ButtonPixels hover = LookChangedFrom(main, pid, kPlusOne, resting);
    Screenshot(main, "hover");
    ASSERT_GT(Compare(resting, hover).differing, 0)
        << "no hover look on +1: " << Describe(Compare(resting, hover));

    PressLeftButton();
    Sleep(50);
    ReleaseLeftButton();
    std::optional<int> after;
    const bool grew = WaitUntil(
        [&] {
            after = Minutes(main);
            return after && *after == *before + 1;
        },
        milliseconds(1500));
    Screenshot(main, "clicked");
    EXPECT_TRUE(grew) << "minutes before " << *before << ", after "
                      << (after ? std::to_string(*after) : std::string("none"));
}

// --- Hints ------------------------------------------------------------------------------

using HintTest = LooksTest;

TEST_F(HintTest, PlusFiveShowsGermanHintOnWhitePlayShowsNone) {
    HWND main = Start(L"-t30");
    ASSERT_NE(main, nullptr);
    const DWORD pid = app_->Pid();
    // The German texts are set at start-up; a second after the window showed that is done.
    ASSERT_TRUE(MinutesAfterFirstTick(main, 30));
    while (Clock::now() < foundAt_ + milliseconds(1100))
        Sleep(20);
    ASSERT_EQ(FindVisibleTooltip(pid), nullptr) << "a hint shows before the pointer rests";

    const auto rested = Clock::now();
    MovePointerOnto(main, kOnPlusFive);
    HWND tip = nullptr;
    const bool shown = WaitUntil([&] { return (tip = FindVisibleTooltip(pid)) != nullptr; },
                                 milliseconds(2000), milliseconds(10));
    const auto delay = duration_cast<milliseconds>(Clock::now() - rested).count();
    RecordProperty("hint_delay_ms", static_cast<int>(delay));
    ASSERT_TRUE(shown) << "no visible hint 2 s after resting on +5";
    Sleep(100); // drawn
    Screenshot(main, "plus-five-hint", tip);

    const std::optional<std::wstring> text = TooltipText(tip);
    ASSERT_TRUE(text) << "the hint window did not answer WM_GETTEXT";
    EXPECT_EQ(Narrow(*text), Narrow(L"\"Countdown\" um f\u00fcnf Minuten verl\u00e4ngern"));

    // The settings the hint window was given: white, 400 ms until it shows, 25 s it stays.
    EXPECT_EQ(Ask(tip, TTM_GETTIPBKCOLOR), std::optional<LRESULT>(RGB(255, 255, 255)));
    EXPECT_EQ(Ask(tip, TTM_GETDELAYTIME, TTDT_INITIAL), std::optional<LRESULT>(400));
    EXPECT_EQ(Ask(tip, TTM_GETDELAYTIME, TTDT_AUTOPOP), std::optional<LRESULT>(25000));
    // It cannot have shown sooner than its delay after the pointer came to rest.
    EXPECT_GE(delay, 300) << "the hint showed " << delay << " ms after the pointer arrived";

    // And what the screen shows: inside the one-pixel frame a white margin all round, and
    // the text in a dark colour.
    RECT tipRect{};
    ASSERT_TRUE(GetWindowRect(tip, &tipRect));
    const Image pixels = CaptureScreen(tipRect);
    ASSERT_GT(pixels.width, 4);
    ASSERT_GT(pixels.height, 4);
    int margin = 0, marginWhite = 0, dark = 0;
    for (int y = 1; y < pixels.height - 1; ++y) {
        for (int x = 1; x < pixels.width - 1; ++x) {
            const std::uint32_t px = pixels.At(x, y);
            if (x == 1 || y == 1 || x == pixels.width - 2 || y == pixels.height - 2) {
                ++margin;
                marginWhite += px == 0xFFFFFF;
            }
            const int r = static_cast<int>(px >> 16), g = static_cast<int>((px >> 8) & 0xFF),
                      b = static_cast<int>(px & 0xFF);
            dark += r + g + b < 3 * 96;
        }
    }
    char sample[16];
    std::snprintf(sample, sizeof sample, "%06X", static_cast<unsigned>(pixels.At(1, 1)));
    EXPECT_EQ(std::string(sample), "FFFFFF") << "the pixel inside the hint's top-left corner";
    EXPECT_EQ(marginWhite, margin) << "not every pixel just inside the hint's frame is white";
    EXPECT_GT(dark, 0) << "no text in the hint";

    // Play's hint is switched off: its hover look shows, but no hint within 1.5 s.
    MovePointerOnto(main, kOnBackground);
    EXPECT_TRUE(WaitUntil([&] { return FindVisibleTooltip(pid) == nullptr; }, milliseconds(2000)))
        << "the +5 hint stays after the pointer left";
    const ButtonPixels playResting = SettledLook(main, pid, kPlay);
    MovePointerOnto(main, kOnPlay);
    const ButtonPixels playHover = LookChangedFrom(main, pid, kPlay, playResting);
    EXPECT_GT(Compare(playResting, playHover).differing, 0) << "the pointer is not over play";
    const auto end = Clock::now() + milliseconds(1500);
    HWND playTip = nullptr;
    while (Clock::now() < end && playTip == nullptr) {
        playTip = FindVisibleTooltip(pid);
        Sleep(20);
    }
    Screenshot(main, "play-no-hint");
    EXPECT_EQ(playTip, nullptr) << "play shows a hint: \""
                                << (playTip ? Narrow(TooltipText(playTip).value_or(L"")) : "")
                                << "\"";
}

} // namespace
} // namespace vorlane::e2e
