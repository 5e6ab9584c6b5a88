#pragma once
#include "platform/Color.h"
#include "platform/Component.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace vorlane {

enum class ControlKind { Image, Edit, ComboBox, PushButton, MediaPlayer };
enum class TextAlign { Left, Right, Center };
enum class MouseButton { Left, Right, Middle };

// Which mouse buttons are held (the only parts of the shift state the program reads).
struct ShiftState {
    bool left = false;
    bool right = false;
    bool middle = false;
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
    friend bool operator==(const Font&, const Font&) = default;
};

class TControl;

// What changed on a control, for the native peer that mirrors it.
enum class Change { Bounds, Visible, Text, Hint, Colors, Font, Items };

// The native side of a control (a child window, or the window that paints a picture).
class ControlPeer {
public:
    virtual ~ControlPeer() = default;
    virtual void Changed(TControl& control, Change what) = 0;
};

using TMouseMoveEvent = std::function<void(TComponent* sender, ShiftState shift, int x, int y)>;
using TMouseDownEvent =
    std::function<void(TComponent* sender, MouseButton button, ShiftState shift, int x, int y)>;

// A visible part of the main window: what it shows and the events it raises. Setting a
// property tells the native peer, when one is attached, and nothing else.
class TControl : public TComponent {
public:
    TControl(std::string name, ControlKind kind) : TComponent(std::move(name)), kind_(kind) {}

    ControlKind Kind() const { return kind_; }

    const Rect& Bounds() const { return bounds_; }
    int Left() const { return bounds_.left; }
    int Top() const { return bounds_.top; }
    int Width() const { return bounds_.width; }
    int Height() const { return bounds_.height; }
    void SetBounds(int left, int top, int width, int height);
    void SetTop(int top) { SetBounds(bounds_.left, top, bounds_.width, bounds_.height); }

    bool Visible() const { return visible_; }
    void SetVisible(bool visible);
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }

    // The field's text or the button's caption. The native peer reports typing back
    // through TextTyped, which does not echo to the peer.
    const std::string& Text() const { return text_; }
    void SetText(const std::string& text);
    void TextTyped(const std::string& text) { text_ = text; }

    const std::string& Hint() const { return hint_; }
    void SetHint(const std::string& hint);
    bool ShowHint = false;

    Color BackgroundColor() const { return background_; }
    Color FontColor() const { return fontColor_; }
    void SetColors(Color background, Color text);

    const Font& GetFont() const { return font_; }
    void SetFontPoints(int points);

    TextAlign Alignment = TextAlign::Left;
    bool ReadOnly = false;
    int TabOrder = 0;
    bool TabStop = false;

    std::vector<std::string>& Items() { return items_; }
    int DropDownCount = 8;

    void AttachPeer(ControlPeer* peer) { peer_ = peer; }
    ControlPeer* Peer() const { return peer_; }

    // Events. Pictures raise the mouse events and clicks; fields raise enter and exit.
    TNotifyEvent OnClick;
    TMouseMoveEvent OnMouseMove;
    TMouseDownEvent OnMouseDown;
    TNotifyEvent OnEnter;
    TNotifyEvent OnExit;

    // A picture's resource name (images only).
    std::string Picture;

protected:
    void Notify(Change what);

private:
    ControlKind kind_;
    Rect bounds_;
    bool visible_ = true;
    std::string text_;
    std::string hint_;
    Color background_ = kWhite;
    Color fontColor_ = kBlack;
    Font font_;
    std::vector<std::string> items_;
    ControlPeer* peer_ = nullptr;
};

} // namespace vorlane
