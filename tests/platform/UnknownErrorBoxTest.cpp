// A throw that is no standard error, from a handler of the main window: the error box the
// user gets for it.
#include "tests/behaviour/AppFixture.h"

#include <gtest/gtest.h>

#include <functional>

namespace vorlane::testing {
namespace {

struct PlainStruct {};

TEST(UnknownErrors, AreShownInTheErrorBoxAndTheProgramRunsOn) {
    const struct {
        const char* what;
        std::function<void(App&)> fire;
    } cases[] = {
        {"an int from a click",
         [](App& app) {
             app.f().btnPlay.Normal.OnClick = [](TComponent*) { throw 42; };
             app.Click(app.f().btnPlay.Normal);
         }},
        {"a plain struct from a timer",
         [](App& app) {
             app.f().tmrCountdown.OnTimer = [](TComponent*) { throw PlainStruct{}; };
             app.Tick(300);
         }},
        {"a text from a menu item",
         [](App& app) {
             app.f().mnuInfo->OnClick = [](TComponent*) { throw "Info"; };
             app.application().choose = app.f().mnuInfo->Name();
             Dispatch([&app] { app.f().pmnPopupSymbol.Popup(1800, 1040); });
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        App app;
        app.Running();
        c.fire(app);
        ASSERT_EQ(app.host.messageBoxes.shown.size(), 1u);
        const auto& box = app.host.messageBoxes.shown[0];
        EXPECT_EQ(box.text,
                  "Ein unbekannte Fehler ist aufgetreten:\r\nUnbekannter Fehler (Exception)");
        EXPECT_EQ(box.caption, "Fehler");
        EXPECT_EQ(box.icon, MessageIcon::Error);
        // Still running: a quick button works, and nothing else was reported.
        app.Click(app.f().btnPlusOne.Normal);
        EXPECT_EQ(app.Display(), "13:00");
        EXPECT_EQ(app.host.messageBoxes.shown.size(), 1u);
    }
}

} // namespace
} // namespace vorlane::testing
