// End-to-end tests of the alarm sound on the real Vorlane.exe: a sound file chosen in the real
// file dialog (filled and confirmed from here), played with the play button, and played by
// the alarm at zero. The device plays in the program's sound helper; from outside it shows as
// the pressed look of play, which the program keeps while the device plays and lets go when
// the sound has played to its end.
#include "driver.h"

#include "tests/support/FileDialogDriver.h"
#include "tests/support/SoundFiles.h"

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>

#include "app/ControlIds.h"

namespace vorlane::e2e {
namespace {

constexpr milliseconds kStartTimeout(10000);
constexpr wchar_t kDialogCaption[] = L"Musikdatei auswählen";
// Pictures and points in window coordinates.
constexpr RECT kPlay{70, 165, 70 + 32, 165 + 56};
constexpr POINT kOnPlay{86, 195};
constexpr POINT kOnOpen{85, 134};
constexpr POINT kOnSoundLine{85, 84};
constexpr POINT kOnSeconds{103, 57};
constexpr POINT kOnPlusOne{132, 205};
constexpr POINT kOnMinusOne{38, 205};
// The background left of the display: no button, field or other picture lies there.
constexpr POINT kOnBackground{30, 110};

bool SamePixels(const Image& a, const Image& b) {
    return !a.pixels.empty() && a.pixels == b.pixels;
}

class SoundTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = testsupport::FreshTemporaryFolder(L"vorlane-e2e-sound");
        // Twenty seconds: long enough to be seen playing, even on a sound device that plays
        // faster than real time.
        ASSERT_TRUE(testsupport::WriteBytes(folder_ + L"Wecker.wav", testsupport::WaveSound(20.0)));
        ASSERT_TRUE(testsupport::WriteBytes(folder_ + L"Gong.mp3", testsupport::Mp3Silence(20.0)));
    }

    HWND Start(const std::wstring& args) {
        app_ = std::make_unique<VorlaneProcess>(args);
        EXPECT_TRUE(app_->Started()) << Narrow(app_->StartError());
        HWND main = app_->Started() ? app_->WaitForMainWindow(kStartTimeout) : nullptr;
        EXPECT_NE(main, nullptr);
        return main;
    }

    // Clicks the point that opens the file dialog; the dialog once it shows, or nullptr.
    HWND OpenDialogBy(HWND main, POINT opener) {
        ClickAt(main, opener);
        HWND dialog = nullptr;
        WaitUntil(
            [&] {
                dialog = testsupport::FindFileDialog(app_->Pid(), kDialogCaption);
                return dialog != nullptr;
            },
            milliseconds(5000));
        return dialog;
    }

    // Clicks the point that opens the file dialog, fills in the sound file and confirms it;
    // waits until the sound-name line shows the file's name.
    void ChooseSoundThroughTheDialog(HWND main, POINT opener,
                                     const std::wstring& name = L"Wecker.wav") {
        HWND dialog = OpenDialogBy(main, opener);
        ASSERT_NE(dialog, nullptr) << "the file dialog did not open";
        // The dialog fills its boxes once it is shown.
        WaitUntil([&] { return !testsupport::ReadFileDialog(dialog).fileName.empty(); },
                  milliseconds(2000));
        const testsupport::FileDialogSeen seen = testsupport::ReadFileDialog(dialog);
        EXPECT_EQ(seen.fileNameLabel, L"Dateiname:");
        EXPECT_EQ(seen.fileName, L"*.wav;*.mid;*.midi;*.avi;*.mp3");
        EXPECT_EQ(seen.fileType, L"Multimedia-Dateien");
        EXPECT_EQ(seen.fileTypes,
                  (std::vector<std::wstring>{L"Multimedia-Dateien", L"Alle Dateien (*.*)"}));
        EXPECT_EQ(seen.owner, main);
        Sleep(300); // for a screenshot with every part of the dialog painted
        SaveScreenshot(dialog, std::string("SoundTest.") + Test() + ".dialog");
        ASSERT_TRUE(testsupport::ConfirmFileDialog(dialog, folder_ + name));
        EXPECT_TRUE(WaitUntil([&] { return FieldText(main, kIdSecondTextLine) == L" " + name; },
                              milliseconds(5000)))
            << "the sound-name line shows "
            << Narrow(FieldText(main, kIdSecondTextLine).value_or(L"?"));
        EXPECT_EQ(testsupport::FindFileDialog(app_->Pid(), kDialogCaption), nullptr);
    }

    // The play picture once the pointer rests on the background, where every hover look ends
    // and only a pressed look held by the program stays.
    Image PlayLook(HWND main) {
        MovePointerOnto(main, kOnBackground);
        Sleep(150);
        return CaptureWindowArea(main, kPlay);
    }

    // Six seconds left, typed into the seconds field; returns once the display counts them.
    void SixSecondsLeft(HWND main) {
        BringToForeground(main);
        ClickAt(main, kOnSeconds);
        Sleep(200);
        TypeKeys({'6', VK_RETURN});
        ASSERT_TRUE(
            WaitUntil([&] { return FieldText(main, kIdTimeSeconds) == L"05"; }, milliseconds(2000)))
            << "shows " << Narrow(FieldText(main, kIdTimeSeconds).value_or(L"?"));
    }

    static const char* Test() {
        return ::testing::UnitTest::GetInstance()->current_test_info()->name();
    }

    std::unique_ptr<VorlaneProcess> app_;
    std::wstring folder_;
};

TEST_F(SoundTest, AFileChosenInTheDialogPlaysWithThePlayLookHeldUntilItEnds) {
    HWND main = Start(L"-t30");
    ASSERT_NE(main, nullptr);
    ASSERT_TRUE(
        WaitUntil([&] { return FieldText(main, kIdTimeMinutes) == L"29"; }, milliseconds(3000)))
        << "the countdown did not start";
    const Image resting = PlayLook(main);
    ASSERT_FALSE(resting.pixels.empty());

    ChooseSoundThroughTheDialog(main, kOnOpen);
    ClickAt(main, kOnPlay);
    EXPECT_TRUE(WaitUntil([&] { return !SamePixels(PlayLook(main), resting); }, milliseconds(2000)))
        << "the play look is not held while the sound plays";
    SaveScreenshot(main, "SoundTest.playing");

    // Nothing but the end of the sound lets go of the pressed look: the pointer stays put.
    EXPECT_TRUE(WaitUntil([&] { return SamePixels(CaptureWindowArea(main, kPlay), resting); },
                          milliseconds(40000), milliseconds(100)))
        << "the play look stays pressed after the sound has ended";
}

TEST_F(SoundTest, AtZeroTheChosenSoundIsPlayed) {
    HWND main = Start(L"-t0");
    ASSERT_NE(main, nullptr);
    EXPECT_TRUE(WaitUntil([&] { return IsTopmost(main); }, milliseconds(3000))) << "no alarm";
    // With no sound yet the alarm is silent; the sound is chosen from the sound-name line.
    ChooseSoundThroughTheDialog(main, kOnSoundLine);

    // +1 ends the alarm; once the countdown counts again, -1 takes it back to zero.
    ClickAt(main, kOnPlusOne);
    ASSERT_TRUE(
        WaitUntil([&] { return FieldText(main, kIdTimeSeconds) == L"59"; }, milliseconds(3000)))
        << "the countdown does not count after +1";
    const Image resting = PlayLook(main);
    ASSERT_FALSE(resting.pixels.empty());
    ClickAt(main, kOnMinusOne);
    EXPECT_TRUE(WaitUntil([&] { return IsTopmost(main); }, milliseconds(2000))) << "no alarm";
    EXPECT_TRUE(WaitUntil([&] { return !SamePixels(PlayLook(main), resting); }, milliseconds(2000)))
        << "the alarm does not play the sound";
    SaveScreenshot(main, "SoundTest.alarm-playing");
}

// The sound's device is opened only for the alarm, a few seconds ahead of it: an MP3 counted
// down to zero plays there.
TEST_F(SoundTest, AnMp3CountedDownToZeroPlaysAtTheAlarm) {
    HWND main = Start(L"-t1");
    ASSERT_NE(main, nullptr);
    ChooseSoundThroughTheDialog(main, kOnOpen, L"Gong.mp3");
    const Image resting = PlayLook(main);
    ASSERT_FALSE(resting.pixels.empty());
    ASSERT_NO_FATAL_FAILURE(SixSecondsLeft(main));
    EXPECT_TRUE(WaitUntil([&] { return IsTopmost(main); }, milliseconds(8000))) << "no alarm";
    EXPECT_TRUE(WaitUntil([&] { return !SamePixels(PlayLook(main), resting); }, milliseconds(2000)))
        << "the alarm does not play the sound";
}

TEST_F(SoundTest, TheCountdownGoesOnWhileTheDialogIsOpenAndTheAlarmComes) {
    HWND main = Start(L"-t1");
    ASSERT_NE(main, nullptr);
    ASSERT_TRUE(
        WaitUntil([&] { return FieldText(main, kIdTimeMinutes) == L"00"; }, milliseconds(3000)))
        << "the countdown did not start";
    ASSERT_NO_FATAL_FAILURE(SixSecondsLeft(main));

    HWND dialog = OpenDialogBy(main, kOnOpen);
    ASSERT_NE(dialog, nullptr) << "the file dialog did not open";
    EXPECT_TRUE(
        WaitUntil([&] { return FieldText(main, kIdTimeSeconds) == L"02"; }, milliseconds(5000)))
        << "the display stands at " << Narrow(FieldText(main, kIdTimeSeconds).value_or(L"?"))
        << " while the dialog is open";
    EXPECT_TRUE(WaitUntil([&] { return IsTopmost(main); }, milliseconds(5000)))
        << "no alarm while the dialog is open";
    EXPECT_NE(testsupport::FindFileDialog(app_->Pid(), kDialogCaption), nullptr);
    SaveScreenshot(main, "SoundTest.alarm-behind-the-dialog", dialog);
    testsupport::CancelFileDialog(dialog);
    EXPECT_TRUE(WaitUntil(
        [&] { return testsupport::FindFileDialog(app_->Pid(), kDialogCaption) == nullptr; },
        milliseconds(3000)));
}

} // namespace
} // namespace vorlane::e2e
