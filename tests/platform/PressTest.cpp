// A press on a picture: the click needs the release over it, and whatever takes the mouse
// away in between ends the press.
#include "TestForm.h"
#include "platform/headless/RecordingApplication.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace vorlane::testing {
namespace {

constexpr ShiftState kLeftHeld{true, false, false};
constexpr ShiftState kNothingHeld{};

class Press : public ::testing::Test {
protected:
    void SetUp() override {
        form.CreateHandle();
        for (TControl* picture : form.Graphics()) {
            picture->OnClick = [this](TComponent* sender) {
                events.push_back("click " + sender->Name());
            };
            picture->OnMouseMove = [this](TComponent* sender, ShiftState, int x, int y) {
                events.push_back("move " + sender->Name() + " " + std::to_string(x) + "," +
                                 std::to_string(y));
            };
        }
    }
    void PressAt(Point at) { form.MouseDown(MouseButton::Left, at.x, at.y, kLeftHeld); }
    void ReleaseAt(Point at) { form.MouseUp(MouseButton::Left, at.x, at.y); }
    void MoveTo(Point at, ShiftState held) { form.MouseMove(at.x, at.y, held); }

    headless::CallLog log;
    headless::RecordingApplication app{log};
    TestForm form{"frmTest", app};
    Strings events;
};

TEST_F(Press, TheClickGoesToThePressedPictureOnlyWhenReleasedOverIt) {
    const struct {
        Point release;
        Strings events;
    } cases[] = {
        {kButtonOnly, {"click imgButton"}},
        // Under the label, but still inside the pressed picture's rectangle.
        {kLabelOverButton, {"click imgButton"}},
        {kLabelOnly, {}},
        {kOutside, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.release.x << "," << c.release.y);
        events.clear();
        PressAt(kButtonOnly);
        ReleaseAt(c.release);
        EXPECT_EQ(events, c.events);
    }
}

TEST_F(Press, WhatTakesTheMouseAwayEndsThePress) {
    const struct {
        const char* what;
        std::function<void(TestForm&)> interrupt;
    } cases[] = {
        {"capture lost", [](TestForm& f) { f.CaptureLost(); }},
        {"a move without the left button",
         [](TestForm& f) { f.MouseMove(kButtonOnly.x, kButtonOnly.y, kNothingHeld); }},
        {"a drag of the form", [](TestForm& f) { f.DragMove(); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        PressAt(kButtonOnly);
        c.interrupt(form);
        events.clear();
        ReleaseAt(kButtonOnly);
        EXPECT_TRUE(events.empty());
        // The next press works as ever.
        PressAt(kButtonOnly);
        ReleaseAt(kButtonOnly);
        EXPECT_EQ(events, Strings{"click imgButton"});
    }
}

TEST_F(Press, WhileTheButtonIsHeldThePressedPictureKeepsTheMouse) {
    PressAt(kButtonOnly);
    MoveTo(kLabelOnly, kLeftHeld);
    // In the pressed picture's own coordinates, though the pointer is over the label.
    EXPECT_EQ(events, Strings{"move imgButton 60,-5"});
}

TEST_F(Press, AMoveWithoutTheButtonReachesThePictureUnderThePointer) {
    PressAt(kButtonOnly);
    MoveTo(kLabelOnly, kNothingHeld);
    MoveTo(kButtonOnly, kLeftHeld);
    ReleaseAt(kButtonOnly);
    EXPECT_EQ(events, (Strings{"move lblTitle 30,5", "move imgButton 10,20"}));
}

TEST_F(Press, APressOnNoPictureGoesToTheForm) {
    Strings formPresses;
    form.OnMouseDown = [&formPresses](TComponent* sender, MouseButton, ShiftState, int x, int y) {
        formPresses.push_back(sender->Name() + " " + std::to_string(x) + "," + std::to_string(y));
    };
    form.imgBack.Hide();
    PressAt(kBackgroundOnly);
    PressAt(kButtonOnly);
    ReleaseAt(kButtonOnly);
    EXPECT_EQ(formPresses, Strings{"frmTest 150,30"});
    EXPECT_EQ(events, Strings{"click imgButton"});
}

TEST_F(Press, OnlyPicturesAreHitAndTheTopmostVisibleOneWins) {
    const struct {
        Point at;
        TControl* hit;
    } hits[] = {
        {kLabelOverButton, &form.lblTitle}, {kLabelOnly, &form.lblTitle},
        {kButtonOnly, &form.imgButton},     {kBackgroundOnly, &form.imgBack},
        {kOverFirstEdit, &form.imgBack},    {kOutside, nullptr},
    };
    for (const auto& h : hits) {
        SCOPED_TRACE(::testing::Message() << h.at.x << "," << h.at.y);
        EXPECT_EQ(form.ControlAt(h.at.x, h.at.y), h.hit);
    }
    form.lblTitle.Hide();
    EXPECT_EQ(form.ControlAt(kLabelOverButton.x, kLabelOverButton.y), &form.imgButton);
    EXPECT_EQ(NamesOf(form.GraphicsBottomUp()), (Strings{"imgBack", "imgButton", "lblTitle"}));
}

} // namespace
} // namespace vorlane::testing
