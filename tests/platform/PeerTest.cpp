// What a control tells its native peer: each real change once, with the new value already in
// place, nothing for an unchanged value, and nothing back for what the peer itself reported.
#include "RecordingPeer.h"

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>

namespace vorlane::testing {
namespace {

constexpr Color kRed{200, 0, 0};
constexpr Color kBlue{0, 0, 200};

// A combo box carries every property a peer mirrors.
struct ComboBox {
    ComboBox() { control.SetItems({"09:00", "09:15", "09:30"}); }
    TControl control{"cmbChoice", ControlKind::ComboBox};
};

TEST(PeerChanges, OnlyTheTextColourChangedReachesThePeerAsColours) {
    ComboBox box;
    RecordingPeer peer(box.control);
    box.control.SetFontColor(kRed);
    ASSERT_EQ(peer.changes, std::vector<Change>{Change::Colors});
    EXPECT_EQ(peer.seen[0].fontColor, kRed);
    EXPECT_EQ(peer.seen[0].background, kWhite);
}

TEST(PeerChanges, EachRealChangeIsToldOnceAndTheSameValueAgainNothing) {
    const struct {
        const char* what;
        std::function<void(TControl&)> set;
        Change change;
    } cases[] = {
        {"text colour", [](TControl& c) { c.SetFontColor(kRed); }, Change::Colors},
        {"background", [](TControl& c) { c.SetColors(kBlue, c.FontColor()); }, Change::Colors},
        {"bounds", [](TControl& c) { c.SetBounds(5, 6, 70, 20); }, Change::Bounds},
        {"top", [](TControl& c) { c.SetTop(30); }, Change::Bounds},
        {"position", [](TControl& c) { c.SetPosition(1, 2); }, Change::Bounds},
        {"visibility", [](TControl& c) { c.Hide(); }, Change::Visible},
        {"text", [](TControl& c) { c.SetText("Zehn"); }, Change::Text},
        {"hint", [](TControl& c) { c.SetHint("Minuten"); }, Change::Hint},
        {"font",
         [](TControl& c) {
             c.SetFont(Font{"Arial", 9, false, true});
         },
         Change::Font},
        {"font size", [](TControl& c) { c.SetFontPoints(12); }, Change::Font},
        {"items",
         [](TControl& c) {
             c.SetItems({"10:00", "10:15"});
         },
         Change::Items},
        {"item index", [](TControl& c) { c.SetItemIndex(1); }, Change::ItemIndex},
        {"read only", [](TControl& c) { c.ReadOnly = true; }, Change::ReadOnly},
        {"tab stop", [](TControl& c) { c.TabStop = true; }, Change::TabStop},
        {"list length", [](TControl& c) { c.DropDownCount = 14; }, Change::DropDownCount},
        {"hint shown", [](TControl& c) { c.ShowHint = true; }, Change::Hint},
        {"picture", [](TControl& c) { c.Picture = "btnPlayActive"; }, Change::Picture},
        {"auto size", [](TControl& c) { c.AutoSize = true; }, Change::AutoSize},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ComboBox box;
        RecordingPeer peer(box.control);
        const PeerView before = ViewOf(box.control);
        c.set(box.control);
        const PeerView after = ViewOf(box.control);
        EXPECT_NE(after, before);
        EXPECT_EQ(peer.changes, std::vector<Change>{c.change});
        // The peer reads the control when told: the new value must already be there.
        EXPECT_EQ(peer.seen, std::vector<PeerView>{after});

        c.set(box.control);
        EXPECT_EQ(peer.changes.size(), 1u);
        EXPECT_EQ(ViewOf(box.control), after);
    }
}

// The native side reports what the user did; telling it back would undo typing or reopen a
// list the user just closed.
TEST(PeerChanges, WhatThePeerReportsIsNeverEchoedToIt) {
    const struct {
        const char* what;
        std::function<void(TControl&)> report;
    } reports[] = {
        {"typing", [](TControl& c) { c.TextTyped("09:4"); }},
        {"an entry chosen", [](TControl& c) { c.ItemChosen(2, "09:30"); }},
        {"list opened", [](TControl& c) { c.DropDownChanged(true); }},
        {"size measured", [](TControl& c) { c.SizeMeasured(48, 13); }},
    };
    for (const auto& r : reports) {
        SCOPED_TRACE(r.what);
        ComboBox box;
        RecordingPeer peer(box.control);
        const PeerView before = ViewOf(box.control);
        r.report(box.control);
        EXPECT_NE(ViewOf(box.control), before);
        EXPECT_TRUE(peer.changes.empty());
    }
}

TEST(PeerChanges, AutoSizeSwitchedOffGivesTheLabelItsDesignSizeBack) {
    TControl label{"lblLabel", ControlKind::Label};
    label.SetBounds(10, 10, 200, 30);
    RecordingPeer peer(label);
    label.AutoSize = true;
    label.SizeMeasured(48, 13);
    label.AutoSize = false;
    EXPECT_EQ(label.Bounds(), (Rect{10, 10, 200, 30}));
    EXPECT_EQ(peer.changes, (std::vector<Change>{Change::AutoSize, Change::Bounds}));
}

// The alignment and the child window's id are taken when the window is made; a later change
// could not reach it, so it is refused instead of being lost.
TEST(PeerChanges, AlignmentAndIdAreFixedOnceThePeerIsThere) {
    TControl field{"edtField", ControlKind::Edit};
    field.Alignment = TextAlign::Right;
    field.ControlId = 7;
    RecordingPeer peer(field);
    EXPECT_THROW(field.Alignment = TextAlign::Center, std::logic_error);
    EXPECT_THROW(field.ControlId = 8, std::logic_error);
    EXPECT_EQ(field.Alignment, TextAlign::Right);
    EXPECT_EQ(field.ControlId, 7);
}

TEST(PeerChanges, NewItemsWithTheSameEntriesStillClearTheChosenOne) {
    ComboBox box;
    box.control.SetItemIndex(2);
    RecordingPeer peer(box.control);
    box.control.SetItems({"09:00", "09:15", "09:30"});
    EXPECT_EQ(box.control.ItemIndex(), -1);
    EXPECT_EQ(peer.changes, std::vector<Change>{Change::Items});
}

} // namespace
} // namespace vorlane::testing
