#pragma once
// A native peer that only listens: every change it is told of, with the control as the peer
// would read it at that moment.
#include "platform/Control.h"

#include <ostream>
#include <string>
#include <vector>

namespace vorlane {

// Readable changes in failure messages.
inline void PrintTo(Change what, std::ostream* out) {
    static const char* const names[] = {"Bounds",        "Visible", "Text",     "Hint",
                                        "Colors",        "Font",    "Items",    "ItemIndex",
                                        "SelectAll",     "ZOrder",  "ReadOnly", "TabStop",
                                        "DropDownCount", "Picture", "AutoSize"};
    *out << names[static_cast<int>(what)];
}

namespace testing {

// Everything of a control that a peer mirrors.
struct PeerView {
    Rect bounds;
    bool visible;
    std::string text;
    std::string hint;
    Color background;
    Color fontColor;
    Font font;
    std::vector<std::string> items;
    int itemIndex;
    bool droppedDown;
    bool readOnly;
    bool tabStop;
    int dropDownCount;
    bool showHint;
    std::string picture;
    bool autoSize;
    friend bool operator==(const PeerView&, const PeerView&) = default;
};

inline PeerView ViewOf(const TControl& control) {
    return {control.Bounds(),          control.Visible(),     control.Text(),    control.Hint(),
            control.BackgroundColor(), control.FontColor(),   control.GetFont(), control.Items(),
            control.ItemIndex(),       control.DroppedDown(), control.ReadOnly,  control.TabStop,
            control.DropDownCount,     control.ShowHint,      control.Picture,   control.AutoSize};
}

class RecordingPeer : public ControlPeer {
public:
    explicit RecordingPeer(TControl& control) { control.AttachPeer(this); }
    void Changed(TControl& control, Change what) override {
        changes.push_back(what);
        seen.push_back(ViewOf(control));
    }
    std::vector<Change> changes;
    std::vector<PeerView> seen;
};

} // namespace testing
} // namespace vorlane
