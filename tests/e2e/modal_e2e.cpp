// End-to-end tests of the window after a modal box that a press opened: the next click on the
// window is the user's again, with the real pointer on the real Vorlane.exe.
#include "ProgramTest.h"

#include <gtest/gtest.h>

#include <string>

#include "app/ControlIds.h"

namespace vorlane::e2e {
namespace {

constexpr POINT kOnColon{85, 57};
constexpr POINT kOnPlusOne{132, 205};

// The centre of a child window, in the client coordinates of its parent.
POINT CentreInParent(HWND parent, HWND child) {
    RECT r{};
    GetWindowRect(child, &r);
    POINT centre{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    ScreenToClient(parent, &centre);
    return centre;
}

class ModalTest : public ProgramTest {};

// A clock time more than 16 hours ahead, confirmed with a real click on the OK button: the
// error box comes up while the button is being pressed. Once the box is closed, a click on +1
// adds a minute, and the focus does not land on the hidden OK button.
TEST_F(ModalTest, AfterTheBoxOfAPressedButtonTheNextClickIsTheUsers) {
    HWND main = Start(L"-t30");
    ASSERT_NE(main, nullptr);
    // Start-up is over when the countdown runs (the first start of a fresh Wine may be slow).
    const std::string first = FieldUtf8(main, kIdTimeSeconds);
    ASSERT_TRUE(
        WaitUntil([&] { return FieldUtf8(main, kIdTimeSeconds) != first; }, milliseconds(5000)));
    BringToForeground(main);
    Sleep(200);

    ClickAt(main, kOnColon);
    ASSERT_TRUE(
        WaitUntil([&] { return FieldShown(main, kIdEndTimeComboBox); }, milliseconds(1500)));
    // Two minutes ago is almost a day ahead.
    SYSTEMTIME now{};
    GetLocalTime(&now);
    const int minuteOfDay = (now.wHour * 60 + now.wMinute + 24 * 60 - 2) % (24 * 60);
    const int hour = minuteOfDay / 60;
    const int minute = minuteOfDay % 60;
    TypeKeys({static_cast<WORD>('0' + hour / 10), static_cast<WORD>('0' + hour % 10),
              static_cast<WORD>('0' + minute / 10), static_cast<WORD>('0' + minute % 10)});
    Sleep(200);
    HWND okay = GetDlgItem(main, kIdTimeSelectionOkay);
    ASSERT_TRUE(okay != nullptr && IsWindowVisible(okay));
    ClickAt(main, CentreInParent(main, okay));

    HWND box = nullptr;
    ASSERT_TRUE(
        WaitUntil([&] { return (box = FindVisibleWindowOf(app_->Pid(), L"#32770")) != nullptr; },
                  milliseconds(2000)));
    HWND boxOkay = GetDlgItem(box, IDOK);
    ASSERT_NE(boxOkay, nullptr);
    ClickAt(box, CentreInParent(box, boxOkay));
    ASSERT_TRUE(
        WaitUntil([&] { return !IsWindow(box) || !IsWindowVisible(box); }, milliseconds(2000)));
    // The confirmation goes on after the box: the time shows again, the OK button goes.
    ASSERT_TRUE(WaitUntil(
        [&] { return FieldShown(main, kIdTimeMinutes) && !FieldShown(main, kIdTimeSelectionOkay); },
        milliseconds(1500)));
    Sleep(300);

    const int minutes = std::stoi(FieldUtf8(main, kIdTimeMinutes));
    ClickAt(main, kOnPlusOne);
    EXPECT_TRUE(WaitUntil(
        [&] {
            const std::string m = FieldUtf8(main, kIdTimeMinutes);
            return m != "?" && std::stoi(m) >= minutes + 1;
        },
        milliseconds(1500)))
        << "the click on +1 was swallowed: still " << FieldUtf8(main, kIdTimeMinutes) << ":"
        << FieldUtf8(main, kIdTimeSeconds);
    EXPECT_NE(FocusedWindowOf(main), okay) << "the focus landed on the hidden OK button";
}

} // namespace
} // namespace vorlane::e2e
