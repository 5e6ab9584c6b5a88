#pragma once
#include "core/DisplayScale.h"
#include "platform/Color.h"
#include "platform/Component.h"

#include <cstdint>
#include <functional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace vorlane {

// Pictures and labels are painted by their form; the other kinds are native child windows.
enum class ControlKind { Image, Label, Edit, ComboBox, PushButton, MediaPlayer };
enum class TextAlign { Left, Right, Center };
enum class MouseButton { Left, Right, Middle };

// The mouse buttons and modifier keys held while an event happened.
struct ShiftState {
    bool left = false;
    bool right = false;
    bool middle = false;
    bool shift = false;
    bool ctrl = false;
    bool alt = false;
    friend bool operator==(const ShiftState&, const ShiftState&) = default;
};

struct Rect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool Contains(int x, int y) const {
        return x >= left && y >= top && x < left + width && y < top + height;
    }
    friend bool operator==(const Rect&, const Rect&) = default;
};

struct Font {
    std::string name = "Tahoma";
    int points = 8;
    bool bold = true;
    bool underline = false;
    friend bool operator==(const Font&, const Font&) = default;
};

class TControl;

// What changed on a control, for the native peer that mirrors it.
enum class Change {
    Bounds,
    Visible,
    Text,
    Hint,
    Colors,
    Font,
    Items,
    ItemIndex,
    SelectAll, // the whole text selected, so typing replaces it
    ZOrder,    // brought in front of the other child windows
    ReadOnly,
    TabStop,
    DropDownCount,
    Picture,
    AutoSize // switched on: the native side measures the text
};

// The native side of a control (a child window, or the form that paints a picture or label).
class ControlPeer {
public:
    virtual ~ControlPeer() = default;
    virtual void Changed(TControl& control, Change what) = 0;
};

// A property the native side mirrors at any time: assigning a new value tells the peer, as
// the setters do. Reads as its value.
template <typename T> class RunTimeProperty {
public:
    RunTimeProperty(TControl& owner, Change change, T value)
        : owner_(owner), change_(change), value_(std::move(value)) {}
    RunTimeProperty(const RunTimeProperty&) = delete;
    RunTimeProperty& operator=(const RunTimeProperty&) = delete;
    RunTimeProperty& operator=(T value);
    operator const T&() const { return value_; }
    const T& Get() const { return value_; }
    friend bool operator==(const RunTimeProperty& property, const T& value) {
        return property.value_ == value;
    }

private:
    TControl& owner_;
    Change change_;
    T value_;
};

// A property the native side takes when it makes the child window and that the window cannot
// change afterwards: it is given before the control has its peer, and assigning it later
// throws std::logic_error instead of being lost.
template <typename T> class DesignProperty {
public:
    DesignProperty(const TControl& owner, T value) : owner_(owner), value_(std::move(value)) {}
    DesignProperty(const DesignProperty&) = delete;
    DesignProperty& operator=(const DesignProperty&) = delete;
    DesignProperty& operator=(T value);
    operator const T&() const { return value_; }
    const T& Get() const { return value_; }
    friend bool operator==(const DesignProperty& property, const T& value) {
        return property.value_ == value;
    }

private:
    const TControl& owner_;
    T value_;
};

using TMouseMoveEvent = std::function<void(TComponent* sender, ShiftState shift, int x, int y)>;
using TMouseDownEvent =
    std::function<void(TComponent* sender, MouseButton button, ShiftState shift, int x, int y)>;
// A typed character (one UTF-16 unit) before the field takes it: set it to 0 to swallow it,
// or change it.
using TKeyPressEvent = std::function<void(TComponent* sender, char16_t& key)>;
// A request for the field's context menu at a point of the field; set handled to keep the
// field's own menu closed.
using TContextPopupEvent = std::function<void(TComponent* sender, int x, int y, bool& handled)>;

// A visible part of a form: what it shows and the events it raises. Every setter and every
// RunTimeProperty tells the native peer, when one is attached, so a change made at any time
// reaches the screen; a DesignProperty is fixed once the peer is there. TabOrder is the
// form's own and read at each tab key.
class TControl : public TComponent {
public:
    TControl(std::string name, ControlKind kind) : TComponent(std::move(name)), kind_(kind) {}

    ControlKind Kind() const { return kind_; }
    // Painted by the form (pictures, labels) rather than shown by a child window.
    bool IsGraphic() const { return kind_ == ControlKind::Image || kind_ == ControlKind::Label; }

    // The place on the form in its window's pixels: the design place at the form's DPI.
    const Rect& Bounds() const { return bounds_; }
    int Left() const { return bounds_.left; }
    int Top() const { return bounds_.top; }
    int Width() const { return bounds_.width; }
    int Height() const { return bounds_.height; }
    // The place as designed, in pixels at 96 DPI; the setters below take design pixels.
    const Rect& DesignBounds() const { return design_; }
    void SetBounds(int left, int top, int width, int height);
    void SetBounds(const Rect& design) {
        SetBounds(design.left, design.top, design.width, design.height);
    }
    void SetTop(int top) { SetBounds(design_.left, top, design_.width, design_.height); }
    void SetPosition(int left, int top) { SetBounds(left, top, design_.width, design_.height); }
    // The DPI of the form's window; the form sets it on every control it holds.
    int Dpi() const { return dpi_; }
    void SetDpi(int dpi);
    // A label that takes the size of its text: the native side measures it and reports
    // the size back here, without echo. Its design size is not used while this is on.
    RunTimeProperty<bool> AutoSize{*this, Change::AutoSize, false};
    void SizeMeasured(int width, int height) {
        bounds_.width = width;
        bounds_.height = height;
    }

    bool Visible() const { return visible_; }
    void SetVisible(bool visible);
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }

    // The field's text or the button's or label's caption. The native peer reports typing
    // back through TextTyped, which does not echo to the peer.
    const std::string& Text() const { return text_; }
    void SetText(const std::string& text);
    void TextTyped(const std::string& text);
    // Selects the field's whole text; true until the user types.
    void SelectAll();
    bool AllSelected() const { return allSelected_; }
    // Puts the control in front of the form's other native controls.
    void BringToFront() { Notify(Change::ZOrder); }

    const std::string& Hint() const { return hint_; }
    void SetHint(const std::string& hint);
    RunTimeProperty<bool> ShowHint{*this, Change::Hint, false};

    Color BackgroundColor() const { return background_; }
    Color FontColor() const { return fontColor_; }
    void SetColors(Color background, Color text);
    void SetFontColor(Color text) { SetColors(background_, text); }

    const Font& GetFont() const { return font_; }
    void SetFont(const Font& font);
    void SetFontPoints(int points);

    // A field's alignment: the native field takes it only when it is made.
    DesignProperty<TextAlign> Alignment{*this, TextAlign::Left};
    RunTimeProperty<bool> ReadOnly{*this, Change::ReadOnly, false};
    int TabOrder = 0;
    RunTimeProperty<bool> TabStop{*this, Change::TabStop, false};

    // The native child window's id, which outside tools find the field by for the life of the
    // window (0: none).
    DesignProperty<int> ControlId{*this, 0};

    // Combo box: the list, the chosen entry (-1: none), whether the list is open and how many
    // entries it shows at once.
    const std::vector<std::string>& Items() const { return items_; }
    void SetItems(std::vector<std::string> items);
    int ItemIndex() const { return itemIndex_; }
    void SetItemIndex(int index);
    bool DroppedDown() const { return droppedDown_; }
    RunTimeProperty<int> DropDownCount{*this, Change::DropDownCount, 8};
    // What the native list reports: an entry chosen, the list opened or closed.
    void ItemChosen(int index, const std::string& text);
    void DropDownChanged(bool dropped);

    void AttachPeer(ControlPeer* peer) { peer_ = peer; }

    // Events. Pictures and labels raise the mouse events and clicks; fields raise enter,
    // exit, key press, change, context popup and clicks; combo boxes also drop-down and
    // close-up.
    TNotifyEvent OnClick;
    TMouseMoveEvent OnMouseMove;
    TMouseDownEvent OnMouseDown;
    TNotifyEvent OnEnter;
    TNotifyEvent OnExit;
    TKeyPressEvent OnKeyPress;
    TNotifyEvent OnChange;
    TContextPopupEvent OnContextPopup;
    TNotifyEvent OnDropDown;
    TNotifyEvent OnCloseUp;

    // Raise the events above from the native side.
    void Click();
    // Returns the character the field is to take (0: none).
    char16_t KeyPress(char16_t key);
    // Returns whether the program handled the request (the field's own menu stays closed).
    bool ContextPopup(int x, int y);

    // A picture's resource name (images only).
    RunTimeProperty<std::string> Picture{*this, Change::Picture, std::string()};

protected:
    void Notify(Change what);

private:
    template <typename T> friend class RunTimeProperty;
    template <typename T> friend class DesignProperty;
    // A RunTimeProperty took a new value.
    void PropertyChanged(Change what);
    // Scales the design place to the DPI and tells the peer when the place changed.
    void Place();

    ControlKind kind_;
    Rect design_;
    Rect bounds_;
    int dpi_ = kDesignDpi;
    bool visible_ = true;
    std::string text_;
    std::string hint_;
    Color background_ = kWhite;
    Color fontColor_ = kBlack;
    Font font_;
    std::vector<std::string> items_;
    int itemIndex_ = -1;
    bool droppedDown_ = false;
    bool allSelected_ = false;
    ControlPeer* peer_ = nullptr;
};

template <typename T> RunTimeProperty<T>& RunTimeProperty<T>::operator=(T value) {
    if (!(value_ == value)) {
        value_ = std::move(value);
        owner_.PropertyChanged(change_);
    }
    return *this;
}

template <typename T> DesignProperty<T>& DesignProperty<T>::operator=(T value) {
    if (owner_.peer_ != nullptr) {
        throw std::logic_error("\"" + owner_.Name() +
                               "\": Eigenschaft nach dem Erstellen des Fensters geändert");
    }
    value_ = std::move(value);
    return *this;
}

} // namespace vorlane
