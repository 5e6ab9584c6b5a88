// Two forms on one application at once: each keeps its own window, state and input.
#include "TestForm.h"
#include "platform/headless/RecordingApplication.h"

#include <gtest/gtest.h>

namespace vorlane::testing {
namespace {

// The first form made is the main one; the second one's calls carry its name.
struct TwoFormsOnOneApplication {
    TwoFormsOnOneApplication() {
        first.CreateHandle();
        second.CreateHandle();
        log.calls.clear();
    }
    headless::RecordingWindow& WindowOf(const TForm& form) { return *app.WindowOf(form); }

    headless::CallLog log;
    headless::RecordingApplication app{log};
    TestForm first{"frmFirst", app};
    TestForm second{"frmSecond", app};
};

class TwoForms : public ::testing::Test, protected TwoFormsOnOneApplication {};

TEST_F(TwoForms, EachHasItsOwnWindow) {
    ASSERT_EQ(app.windows.size(), 2u);
    EXPECT_EQ(&first.Window(), &WindowOf(first));
    EXPECT_EQ(&second.Window(), &WindowOf(second));
    EXPECT_NE(&WindowOf(first), &WindowOf(second));
    EXPECT_EQ(&app.MainWindow(), &WindowOf(first));
    EXPECT_EQ(WindowOf(first).params.className, "TfrmFirst");
    EXPECT_EQ(WindowOf(second).params.className, "TfrmSecond");
}

TEST_F(TwoForms, BoundsAndCaptionsStayApartAndTheSecondFormsCallsCarryItsName) {
    first.SetBounds(10, 20, 300, 200);
    second.SetBounds(400, 500, 150, 100);
    first.SetCaption("Erste");
    second.SetCaption("Zweite");
    second.Moved(420, 530);

    EXPECT_EQ((Rect{first.Left(), first.Top(), first.Width(), first.Height()}),
              (Rect{10, 20, 300, 200}));
    EXPECT_EQ((Rect{second.Left(), second.Top(), second.Width(), second.Height()}),
              (Rect{420, 530, 150, 100}));
    EXPECT_EQ(first.Caption(), "Erste");
    EXPECT_EQ(WindowOf(first).caption, "Erste");
    EXPECT_EQ(second.Caption(), "Zweite");
    EXPECT_EQ(WindowOf(second).caption, "Zweite");
    EXPECT_EQ(log.calls, (Strings{"bounds 10,20,300,200", "frmSecond: bounds 400,500,150,100",
                                  "caption Erste", "frmSecond: caption Zweite"}));
}

TEST_F(TwoForms, EachFormHasItsOwnFocus) {
    Strings events;
    for (TestForm* form : {&first, &second}) {
        for (TControl* field : form->Fields()) {
            field->OnEnter = [&events, form](TComponent* sender) {
                events.push_back(form->Name() + " enter " + sender->Name());
            };
            field->OnExit = [&events, form](TComponent* sender) {
                events.push_back(form->Name() + " exit " + sender->Name());
            };
        }
    }
    first.FocusControl(first.edtFirst);
    second.FocusControl(second.cmbChoice);
    second.FocusControl(second.edtFirst);

    EXPECT_EQ(first.Focused(), &first.edtFirst);
    EXPECT_EQ(second.Focused(), &second.edtFirst);
    EXPECT_EQ(events, (Strings{"frmFirst enter edtFirst", "frmSecond enter cmbChoice",
                               "frmSecond exit cmbChoice", "frmSecond enter edtFirst"}));
    EXPECT_EQ(log.calls, (Strings{"focus edtFirst", "frmSecond: focus cmbChoice",
                                  "frmSecond: focus edtFirst"}));
}

TEST_F(TwoForms, EachFormPaintsAndHitTestsOnlyItsOwnPictures) {
    TControl imgCover{"imgCover", ControlKind::Image};
    imgCover.SetBounds(0, 0, 200, 100);
    second.AddControl(imgCover);
    first.lblTitle.Hide();

    EXPECT_EQ(NamesOf(first.GraphicsBottomUp()), (Strings{"imgBack", "imgButton", "lblTitle"}));
    EXPECT_EQ(NamesOf(second.GraphicsBottomUp()),
              (Strings{"imgBack", "imgButton", "lblTitle", "imgCover"}));
    const struct {
        Point at;
        TControl* onFirst;
        TControl* onSecond;
    } hits[] = {
        {kLabelOverButton, &first.imgButton, &imgCover},
        {kLabelOnly, &first.imgBack, &imgCover},
        {kButtonOnly, &first.imgButton, &imgCover},
        {kOutside, nullptr, nullptr},
    };
    for (const auto& hit : hits) {
        SCOPED_TRACE(::testing::Message() << hit.at.x << "," << hit.at.y);
        EXPECT_EQ(first.ControlAt(hit.at.x, hit.at.y), hit.onFirst);
        EXPECT_EQ(second.ControlAt(hit.at.x, hit.at.y), hit.onSecond);
    }
}

TEST(TwoFormsClosing, TheSecondFormsCloseQueryDecidesAndTheFirstStaysAsItWas) {
    for (const bool allowed : {true, false}) {
        SCOPED_TRACE(allowed ? "allowed" : "refused");
        TwoFormsOnOneApplication forms;
        forms.first.Window().Show();
        forms.second.Window().Show();
        forms.first.FocusControl(forms.first.edtSecond);
        forms.log.calls.clear();
        Strings queries;
        for (TestForm* form : {&forms.first, &forms.second}) {
            form->OnCloseQuery = [&queries, form, allowed](TComponent*, bool& canClose) {
                queries.push_back(form->Name());
                canClose = allowed;
            };
        }

        forms.second.Window().Close();

        EXPECT_EQ(queries, Strings{"frmSecond"});
        EXPECT_EQ(forms.WindowOf(forms.second).closed, allowed);
        EXPECT_EQ(forms.WindowOf(forms.second).visible, !allowed);
        EXPECT_FALSE(forms.WindowOf(forms.first).closed);
        EXPECT_TRUE(forms.WindowOf(forms.first).visible);
        EXPECT_EQ(forms.first.Focused(), &forms.first.edtSecond);
        EXPECT_EQ(forms.log.calls, Strings{"frmSecond: close"});
    }
}

} // namespace
} // namespace vorlane::testing
