// The application around the forms: restoring from the minimised state, and a form asked
// for its native window before it has one.
#include "CaughtErrors.h"
#include "TestForm.h"
#include "platform/Errors.h"
#include "platform/headless/RecordingApplication.h"

#include <gtest/gtest.h>

#include <functional>

namespace vorlane::testing {
namespace {

TEST(Restore, RaisesOnRestoreOnlyWhenTheApplicationWasMinimised) {
    for (const bool minimised : {true, false}) {
        SCOPED_TRACE(minimised ? "minimised" : "shown");
        headless::CallLog log;
        headless::RecordingApplication app{log};
        TestForm form{"frmTest", app};
        form.CreateHandle();
        int restores = 0;
        app.OnRestore = [&restores](TComponent*) { ++restores; };
        if (minimised) {
            app.Minimize();
            form.Window().Hide();
        }
        app.Restore();
        EXPECT_EQ(restores, minimised ? 1 : 0);
        EXPECT_FALSE(app.Minimized());
        // Restoring shows the main window again; otherwise nothing changes.
        EXPECT_EQ(app.MainWindow().visible, minimised);
        app.Restore();
        EXPECT_EQ(restores, minimised ? 1 : 0);
    }
}

TEST(FormWithoutWindow, WhatNeedsTheWindowIsAWindowSystemError) {
    headless::CallLog log;
    headless::RecordingApplication app{log};
    TestForm form{"frmTest", app};
    const struct {
        const char* what;
        std::function<void()> use;
    } uses[] = {
        {"the window", [&form] { form.Window(); }},
        {"a focus move", [&form] { form.FocusControl(form.edtFirst); }},
        {"a drag", [&form] { form.DragMove(); }},
    };
    for (const auto& use : uses) {
        SCOPED_TRACE(use.what);
        CaughtErrors caught;
        Dispatch(use.use);
        EXPECT_EQ(caught.typeNames, Strings{"EWindowSystemError"});
        EXPECT_EQ(form.Focused(), nullptr);
    }
    EXPECT_TRUE(log.calls.empty());
}

TEST(FormWithoutWindow, KeepsItsPropertiesUntilTheWindowIsMade) {
    headless::CallLog log;
    headless::RecordingApplication app{log};
    TestForm form{"frmTest", app};
    form.SetCaption("Vorher");
    form.SetBounds(5, 6, 70, 80);
    EXPECT_TRUE(log.calls.empty());
    form.CreateHandle();
    EXPECT_EQ(app.WindowOf(form)->caption, "Vorher");
    EXPECT_EQ((Rect{form.Left(), form.Top(), form.Width(), form.Height()}), (Rect{5, 6, 70, 80}));
}

} // namespace
} // namespace vorlane::testing
