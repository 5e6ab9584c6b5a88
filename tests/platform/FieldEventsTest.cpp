// What fields raise from the native side: key presses, context menus, typing and the combo
// box's list.
#include "RecordingPeer.h"
#include "platform/Application.h"

#include <gtest/gtest.h>

#include <string>

namespace vorlane::testing {
namespace {

using Strings = std::vector<std::string>;

TEST(KeyPress, TheHandlerCanSwallowOrChangeTheCharacter) {
    TControl edit{"edtFirst", ControlKind::Edit};
    const TComponent* sender = nullptr;
    // Letters are swallowed and a comma becomes a colon; the rest passes.
    edit.OnKeyPress = [&sender](TComponent* from, char16_t& key) {
        sender = from;
        if (key >= u'a' && key <= u'z') {
            key = 0;
        } else if (key == u',') {
            key = u':';
        }
    };
    const struct {
        char16_t typed;
        char16_t taken;
    } cases[] = {{u'q', 0}, {u',', u':'}, {u'7', u'7'}, {u'\u00e4', u'\u00e4'}};
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.typed));
        sender = nullptr;
        EXPECT_EQ(edit.KeyPress(c.typed), c.taken);
        EXPECT_EQ(sender, &edit);
    }
}

TEST(KeyPress, WithoutAHandlerTheFieldTakesTheCharacter) {
    TControl edit{"edtFirst", ControlKind::Edit};
    EXPECT_EQ(edit.KeyPress(u'q'), u'q');
}

TEST(ContextPopup, TheFieldsOwnMenuStaysClosedOnlyWhenTheHandlerSaysSo) {
    const struct {
        const char* what;
        TContextPopupEvent handler;
        bool handled;
    } cases[] = {
        {"handled", [](TComponent*, int, int, bool& handled) { handled = true; }, true},
        {"let through", [](TComponent*, int, int, bool&) {}, false},
        {"no handler", nullptr, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TControl edit{"edtFirst", ControlKind::Edit};
        edit.OnContextPopup = c.handler;
        EXPECT_EQ(edit.ContextPopup(12, 7), c.handled);
    }
}

TEST(ContextPopup, TheHandlerGetsThePointInTheField) {
    TControl edit{"edtFirst", ControlKind::Edit};
    Point at;
    edit.OnContextPopup = [&at](TComponent*, int x, int y, bool&) { at = {x, y}; };
    edit.ContextPopup(12, 7);
    EXPECT_EQ(at, (Point{12, 7}));
}

TEST(Typing, RaisesChangeOnlyForARealChangeAndIsNotEchoed) {
    TControl edit{"edtFirst", ControlKind::Edit};
    edit.SetText("12");
    RecordingPeer peer(edit);
    Strings changes;
    edit.OnChange = [&changes](TComponent* sender) {
        changes.push_back(static_cast<TControl*>(sender)->Text());
    };
    for (const char* typed : {"12", "123", "123", "", "9"}) {
        edit.TextTyped(typed);
    }
    EXPECT_EQ(changes, (Strings{"123", "", "9"}));
    EXPECT_EQ(edit.Text(), "9");
    EXPECT_TRUE(peer.changes.empty());
}

class ComboBox : public ::testing::Test {
protected:
    void SetUp() override {
        combo.SetItems({"09:00", "09:15", "09:30"});
        combo.SetText("08:52");
    }
    TControl combo{"cmbChoice", ControlKind::ComboBox};
};

TEST_F(ComboBox, NewItemsResetTheChosenEntryAndKeepTheText) {
    combo.SetItemIndex(1);
    combo.SetText("09:20");
    combo.SetItems({"10:00", "10:15"});
    EXPECT_EQ(combo.ItemIndex(), -1);
    EXPECT_EQ(combo.Text(), "09:20");
    EXPECT_EQ(combo.Items(), (Strings{"10:00", "10:15"}));
}

TEST_F(ComboBox, AChosenEntryIsShownAsTheText) {
    const struct {
        int index;
        int chosen;
        const char* text;
    } cases[] = {
        {0, 0, "09:00"},
        {2, 2, "09:30"},
        // No entry, as the native list does: nothing chosen, the text part cleared.
        {-1, -1, ""},
        {3, -1, ""},
        {-2, -1, ""},
        {100, -1, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.index);
        combo.SetItemIndex(1);
        combo.SetItemIndex(c.index);
        EXPECT_EQ(combo.ItemIndex(), c.chosen);
        EXPECT_EQ(combo.Text(), c.text);
    }
}

TEST_F(ComboBox, AnEntryChosenInTheListRaisesChangeWithTheEntryInPlace) {
    RecordingPeer peer(combo);
    Strings changes;
    combo.OnChange = [&changes](TComponent* sender) {
        auto* box = static_cast<TControl*>(sender);
        changes.push_back(std::to_string(box->ItemIndex()) + " " + box->Text());
    };
    combo.ItemChosen(2, "09:30");
    combo.ItemChosen(0, "09:00");
    EXPECT_EQ(changes, (Strings{"2 09:30", "0 09:00"}));
    EXPECT_TRUE(peer.changes.empty());
}

TEST_F(ComboBox, OpeningAndClosingTheListRaiseTheirEventsOncePerChange) {
    RecordingPeer peer(combo);
    Strings events;
    combo.OnDropDown = [&events](TComponent*) { events.push_back("drop down"); };
    combo.OnCloseUp = [&events](TComponent*) { events.push_back("close up"); };
    for (const bool dropped : {true, true, false, false, true}) {
        combo.DropDownChanged(dropped);
    }
    EXPECT_EQ(events, (Strings{"drop down", "close up", "drop down"}));
    EXPECT_TRUE(combo.DroppedDown());
    EXPECT_TRUE(peer.changes.empty());
}

} // namespace
} // namespace vorlane::testing
