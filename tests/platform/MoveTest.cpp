// Moving a form's window and dropping files on it: the model follows the window, and the
// form's hooks see every step.
#include "TestForm.h"
#include "platform/headless/RecordingApplication.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace vorlane::testing {
namespace {

class Moves : public ::testing::Test {
protected:
    void SetUp() override {
        form.CreateHandle();
        form.SetBounds(10, 20, 200, 100);
        log.calls.clear();
    }
    Rect Bounds() const { return {form.Left(), form.Top(), form.Width(), form.Height()}; }
    headless::RecordingWindow& window() { return *app.WindowOf(form); }

    headless::CallLog log;
    headless::RecordingApplication app{log};
    TestForm form{"frmTest", app};
};

TEST_F(Moves, AMovedWindowUpdatesTheModelWithoutACallBack) {
    form.Moved(300, 400);
    EXPECT_EQ(Bounds(), (Rect{300, 400, 200, 100}));
    EXPECT_TRUE(log.calls.empty());
}

TEST_F(Moves, TheMovingHookShapesEveryStepOfADrag) {
    std::vector<Rect> proposed;
    // Keeps the window right of the screen's left edge and snaps its top to tens.
    form.OnMoving = [&proposed](TComponent*, Rect& step) {
        proposed.push_back(step);
        step.left = std::max(step.left, 0);
        step.top = (step.top + 5) / 10 * 10;
    };
    window().dragTo = {{-15, 33}, {40, 47}};
    form.DragMove();
    EXPECT_EQ(proposed, (std::vector<Rect>{{-15, 33, 200, 100}, {40, 47, 200, 100}}));
    EXPECT_EQ(Bounds(), (Rect{40, 50, 200, 100}));
    EXPECT_EQ(log.calls, Strings{"drag"});
}

TEST_F(Moves, WithoutAHookTheDragEndsWhereThePointerWent) {
    window().dragTo = {{-15, 33}, {40, 47}};
    form.DragMove();
    EXPECT_EQ(Bounds(), (Rect{40, 47, 200, 100}));
}

TEST_F(Moves, DroppedFilesReachTheHandlerAllAndInOrder) {
    const Strings dropped{"C:\\Musik\\Wecker.mp3", "D:\\Töne\\Gong.wav", "E:\\alt.mid"};
    Strings received;
    const TComponent* sender = nullptr;
    form.OnDropFiles = [&](TComponent* from, const std::vector<std::string>& paths) {
        sender = from;
        received = paths;
    };
    form.FilesDropped(dropped);
    EXPECT_EQ(sender, &form);
    EXPECT_EQ(received, dropped);
}

} // namespace
} // namespace vorlane::testing
