#include "platform/Control.h"

namespace vorlane {

void TControl::Notify(Change what) {
    if (peer_ != nullptr) {
        peer_->Changed(*this, what);
    }
}

void TControl::SetBounds(int left, int top, int width, int height) {
    Rect next{left, top, width, height};
    if (next == bounds_) {
        return;
    }
    bounds_ = next;
    Notify(Change::Bounds);
}

void TControl::SetVisible(bool visible) {
    if (visible == visible_) {
        return;
    }
    visible_ = visible;
    Notify(Change::Visible);
}

void TControl::SetText(const std::string& text) {
    if (text == text_) {
        return;
    }
    text_ = text;
    Notify(Change::Text);
}

void TControl::SetHint(const std::string& hint) {
    if (hint == hint_) {
        return;
    }
    hint_ = hint;
    Notify(Change::Hint);
}

void TControl::SetColors(Color background, Color text) {
    if (background == background_ && text == fontColor_) {
        return;
    }
    background_ = background;
    fontColor_ = text;
    Notify(Change::Colors);
}

void TControl::SetFontPoints(int points) {
    if (points == font_.points) {
        return;
    }
    font_.points = points;
    Notify(Change::Font);
}

} // namespace vorlane
