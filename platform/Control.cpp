#include "platform/Control.h"

namespace vorlane {

void TControl::Notify(Change what) {
    if (peer_ != nullptr) {
        peer_->Changed(*this, what);
    }
}

void TControl::PropertyChanged(Change what) {
    if (what == Change::AutoSize && !AutoSize) {
        Place(); // back to the design size
        return;
    }
    Notify(what);
}

void TControl::SetBounds(int left, int top, int width, int height) {
    design_ = Rect{left, top, width, height};
    Place();
}

void TControl::SetDpi(int dpi) {
    if (dpi == dpi_) {
        return;
    }
    dpi_ = dpi;
    Place();
    Notify(Change::Font); // the same points are more pixels
}

void TControl::Place() {
    const ScreenRect scaled =
        ScaleRect(ScreenRect{design_.left, design_.top, design_.width, design_.height}, dpi_);
    Rect next{scaled.left, scaled.top, scaled.width, scaled.height};
    if (AutoSize) { // the size is the text's, measured at the window's DPI
        next.width = bounds_.width;
        next.height = bounds_.height;
    }
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

void TControl::SelectAll() {
    allSelected_ = true;
    Notify(Change::SelectAll);
}

void TControl::TextTyped(const std::string& text) {
    if (text == text_) {
        return;
    }
    allSelected_ = false;
    text_ = text;
    if (OnChange) {
        OnChange(this);
    }
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

void TControl::SetFont(const Font& font) {
    if (font == font_) {
        return;
    }
    font_ = font;
    Notify(Change::Font);
}

void TControl::SetFontPoints(int points) {
    Font font = font_;
    font.points = points;
    SetFont(font);
}

void TControl::SetItems(std::vector<std::string> items) {
    if (items == items_ && itemIndex_ == -1) {
        return;
    }
    items_ = std::move(items);
    itemIndex_ = -1;
    Notify(Change::Items);
}

void TControl::SetItemIndex(int index) {
    if (index < -1 || index >= static_cast<int>(items_.size())) {
        index = -1;
    }
    // Choosing an entry shows it as the text and choosing none clears the text, as the
    // native list does.
    std::string shown = index >= 0 ? items_[static_cast<std::size_t>(index)] : std::string();
    if (index == itemIndex_ && shown == text_) {
        return;
    }
    itemIndex_ = index;
    text_ = std::move(shown);
    Notify(Change::ItemIndex);
}

void TControl::ItemChosen(int index, const std::string& text) {
    itemIndex_ = index;
    text_ = text;
    if (OnChange) {
        OnChange(this);
    }
}

void TControl::DropDownChanged(bool dropped) {
    if (dropped == droppedDown_) {
        return;
    }
    droppedDown_ = dropped;
    const TNotifyEvent& event = dropped ? OnDropDown : OnCloseUp;
    if (event) {
        event(this);
    }
}

void TControl::Click() {
    if (OnClick) {
        OnClick(this);
    }
}

char16_t TControl::KeyPress(char16_t key) {
    if (OnKeyPress) {
        OnKeyPress(this, key);
    }
    return key;
}

bool TControl::ContextPopup(int x, int y) {
    bool handled = false;
    if (OnContextPopup) {
        OnContextPopup(this, x, y, handled);
    }
    return handled;
}

} // namespace vorlane
