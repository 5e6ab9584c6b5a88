#pragma once
#include "platform/Control.h"

#include <string>

namespace vorlane {

// What a part of a painted window is to assistive technology.
enum class AccessibleRole {
    Text,       // read-only text
    PushButton, // a button; its action is its click
    Link        // a text whose action opens something
};

// One part of a form that the window paints itself (or shows as one text over several
// fields), described for screen readers: the native side only translates it.
struct AccessibleItem {
    AccessibleRole role = AccessibleRole::Text;
    std::string name;
    // In the form's client coordinates.
    Rect bounds;
    // A button that stays down while its function is on (the playing sound, the open
    // clock-time selection).
    bool pressed = false;
    // Takes the keyboard focus itself (a native button); painted parts never do.
    bool focusable = false;
    // What the action is called; empty when the part has none.
    std::string defaultAction;
    // The control that stands for the part: its click is the action, and the form names it
    // when the part's name changes.
    TControl* control = nullptr;
    // Said after the name (its accessible description); empty when the part has none.
    std::string description;
};

} // namespace vorlane
