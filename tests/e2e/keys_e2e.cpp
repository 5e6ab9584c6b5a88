// The buttons' keys on the real Vorlane.exe, pressed as a user presses them: they reach the
// window's key preview and act; in a time field they are the field's.
#include "ProgramTest.h"

#include <gtest/gtest.h>

#include <string>

#include "app/ControlIds.h"

namespace vorlane::e2e {
namespace {

class KeysTest : public ProgramTest {};

TEST_F(KeysTest, UpAndPageUpAddMinutesAndZOpensTheClockTimeSelection) {
    HWND main = Start(L"-t30");
    ASSERT_NE(main, nullptr);
    ASSERT_TRUE(
        WaitUntil([&] { return FieldText(main, kIdTimeMinutes) == L"29"; }, milliseconds(3000)));
    PressKey(main, VK_UP);
    EXPECT_TRUE(
        WaitUntil([&] { return FieldText(main, kIdTimeMinutes) == L"30"; }, milliseconds(2000)))
        << FieldUtf8(main, kIdTimeMinutes);
    PressKey(main, VK_PRIOR);
    EXPECT_TRUE(
        WaitUntil([&] { return FieldText(main, kIdTimeMinutes) == L"35"; }, milliseconds(2000)))
        << FieldUtf8(main, kIdTimeMinutes);
    PressKey(main, 'Z');
    EXPECT_TRUE(WaitUntil([&] { return FieldShown(main, kIdEndTimeComboBox); }, milliseconds(2000)))
        << "the clock-time list did not open";
}

} // namespace
} // namespace vorlane::e2e
