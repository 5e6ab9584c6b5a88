// Focus moves between the fields of a form: the enter and exit events and their order.
#include "TestForm.h"
#include "platform/headless/RecordingApplication.h"

#include <gtest/gtest.h>

namespace vorlane::testing {
namespace {

class Focus : public ::testing::Test {
protected:
    void SetUp() override {
        form.CreateHandle();
        for (TControl* field : form.Fields()) {
            field->OnEnter = [this](TComponent* sender) {
                events.push_back("enter " + sender->Name());
            };
            field->OnExit = [this](TComponent* sender) {
                events.push_back("exit " + sender->Name());
            };
        }
    }

    headless::CallLog log;
    headless::RecordingApplication app{log};
    TestForm form{"frmTest", app};
    Strings events;
};

TEST_F(Focus, EachMoveRaisesTheOldFieldsExitBeforeTheNewFieldsEnter) {
    const struct {
        TControl& to;
        Strings events;
    } moves[] = {
        {form.edtFirst, {"enter edtFirst"}},
        {form.edtSecond, {"exit edtFirst", "enter edtSecond"}},
        {form.cmbChoice, {"exit edtSecond", "enter cmbChoice"}},
        {form.edtFirst, {"exit cmbChoice", "enter edtFirst"}},
    };
    for (const auto& move : moves) {
        SCOPED_TRACE(move.to.Name());
        events.clear();
        form.FocusControl(move.to);
        EXPECT_EQ(events, move.events);
        EXPECT_EQ(form.Focused(), &move.to);
    }
}

TEST_F(Focus, FocusingTheFocusedFieldAgainRaisesNothing) {
    form.FocusControl(form.edtSecond);
    events.clear();
    form.FocusControl(form.edtSecond);
    EXPECT_TRUE(events.empty());
    EXPECT_EQ(form.Focused(), &form.edtSecond);
}

TEST_F(Focus, TheFocusLeavingEveryFieldRaisesOnlyTheExit) {
    form.FocusControl(form.cmbChoice);
    events.clear();
    form.FocusChanged(nullptr);
    EXPECT_EQ(events, Strings{"exit cmbChoice"});
    EXPECT_EQ(form.Focused(), nullptr);
}

// An exit handler may move the focus on (the program parks it away from a field it leaves):
// that move wins, and the field the focus was first heading for neither enters nor exits.
TEST_F(Focus, AMoveMadeByAnExitHandlerRaisesOnlyItsOwnEvents) {
    form.FocusControl(form.edtFirst);
    form.edtFirst.OnExit = [this](TComponent* sender) {
        events.push_back("exit " + sender->Name());
        form.FocusControl(form.cmbChoice);
    };
    events.clear();
    form.FocusControl(form.edtSecond);
    EXPECT_EQ(events, (Strings{"exit edtFirst", "enter cmbChoice"}));
    EXPECT_EQ(form.Focused(), &form.cmbChoice);
    // The next move leaves the combo box, not the field that never entered.
    events.clear();
    form.FocusControl(form.edtSecond);
    EXPECT_EQ(events, (Strings{"exit cmbChoice", "enter edtSecond"}));
}

TEST_F(Focus, AnExitHandlerFocusingTheSameTargetEntersItOnce) {
    form.FocusControl(form.edtFirst);
    form.edtFirst.OnExit = [this](TComponent* sender) {
        events.push_back("exit " + sender->Name());
        form.FocusControl(form.edtSecond);
    };
    events.clear();
    form.FocusControl(form.edtSecond);
    EXPECT_EQ(events, (Strings{"exit edtFirst", "enter edtSecond"}));
    EXPECT_EQ(form.Focused(), &form.edtSecond);
}

} // namespace
} // namespace vorlane::testing
