#include "AppFixture.h"
#include "platform/Errors.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace vorlane::testing {
namespace {

TEST(Errors, AnUncaughtErrorInAClickIsShownAndTheProgramRunsOn) {
    App app;
    app.Running();
    auto& f = app.f();
    f.btnPlay.Normal.OnClick = [](TComponent*) { throw EWindowSystemError("Gerät nicht bereit"); };
    app.Click(f.btnPlay.Normal);
    ASSERT_EQ(app.host.messageBoxes.shown.size(), 1u);
    const auto& box = app.host.messageBoxes.shown[0];
    EXPECT_EQ(box.text,
              "Ein unbekannte Fehler ist aufgetreten:\r\nGerät nicht bereit (EWindowSystemError)");
    EXPECT_EQ(box.caption, "Fehler");
    EXPECT_EQ(box.icon, MessageIcon::Error);
    // Still running: the countdown ticks and the buttons work.
    app.Tick(1000);
    EXPECT_EQ(app.Display(), "11:59");
    app.Click(f.btnPlusOne.Normal);
    EXPECT_EQ(app.Display(), "12:59");
}

TEST(Errors, TypeNamesOfOtherErrors) {
    const struct {
        std::exception_ptr error;
        const char* name;
    } cases[] = {
        {std::make_exception_ptr(std::out_of_range("x")), "ERangeError"},
        {std::make_exception_ptr(std::invalid_argument("x")), "EConvertError"},
        {std::make_exception_ptr(std::runtime_error("x")), "Exception"},
        {std::make_exception_ptr(VorlaneError("x")), "EVorlaneError"},
    };
    for (const auto& c : cases) {
        try {
            std::rethrow_exception(c.error);
        } catch (const std::exception& e) {
            EXPECT_EQ(ErrorTypeName(e), c.name);
        }
    }
}

TEST(Errors, AFailedExitRequestIsReported) {
    App app;
    app.Running();
    app.host.log.failOn = "close";
    app.Click(app.f().btnExit.Normal);
    ASSERT_EQ(app.host.messageBoxes.shown.size(), 1u);
    EXPECT_EQ(app.host.messageBoxes.shown[0].text, "Es ist ein Fehler beim Beenden aufgetreten!");
}

TEST(Errors, AFailureWhileClosingIsReportedAndTheWindowStillCloses) {
    App app;
    app.Running();
    app.host.log.failOn = "process messages";
    app.Key(0x1B);
    ASSERT_EQ(app.host.messageBoxes.shown.size(), 1u);
    EXPECT_EQ(app.host.messageBoxes.shown[0].text,
              "Es ist ein Fehler beim Beenden des Vorlanes aufgetreten!");
    EXPECT_EQ(app.host.messageBoxes.shown[0].caption, "Fehler");
    EXPECT_TRUE(app.window().closed);
}

TEST(Errors, AnErrorInATimerEventIsShownToo) {
    App app;
    app.Running();
    app.f().tmrCountdown.OnTimer = [](TComponent*) { throw std::runtime_error("Uhr"); };
    app.Tick(300);
    ASSERT_EQ(app.host.messageBoxes.shown.size(), 1u);
    EXPECT_EQ(app.host.messageBoxes.shown[0].text,
              "Ein unbekannte Fehler ist aufgetreten:\r\nUhr (Exception)");
}

} // namespace
} // namespace vorlane::testing
