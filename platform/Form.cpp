#include "platform/Form.h"

#include "platform/Errors.h"

#include <algorithm>

namespace vorlane {

TForm::~TForm() {
    if (window_ != nullptr) {
        window_->ModelDestroyed();
    }
}

FormWindow& TForm::Window() {
    if (window_ == nullptr) {
        throw EWindowSystemError("Das Fenster \"" + Name() + "\" ist nicht erstellt");
    }
    return *window_;
}

void TForm::AddControl(TControl& control) {
    control.SetDpi(dpi_);
    controls_.push_back(&control);
}

std::vector<TControl*> TForm::GraphicsBottomUp() const {
    std::vector<TControl*> graphics;
    for (TControl* control : controls_) {
        if (control->IsGraphic()) {
            graphics.push_back(control);
        }
    }
    return graphics;
}

TControl* TForm::NextTabStop(const TControl* from, bool backwards) const {
    std::vector<TControl*> stops;
    for (TControl* control : controls_) {
        if (control->TabStop && control->Visible() && !control->IsGraphic()) {
            stops.push_back(control);
        }
    }
    if (stops.empty()) {
        return nullptr;
    }
    std::stable_sort(stops.begin(), stops.end(), [](const TControl* a, const TControl* b) {
        return a->TabOrder < b->TabOrder;
    });
    auto at = std::find(stops.begin(), stops.end(), from);
    if (at == stops.end()) {
        return backwards ? stops.back() : stops.front();
    }
    if (backwards) {
        return at == stops.begin() ? stops.back() : *(at - 1);
    }
    return (at + 1) == stops.end() ? stops.front() : *(at + 1);
}

void TForm::SetBounds(int left, int top, int width, int height) {
    left_ = left;
    top_ = top;
    designWidth_ = width;
    designHeight_ = height;
    width_ = Scaled(width);
    height_ = Scaled(height);
    if (window_ != nullptr) {
        window_->SetBounds(left_, top_, width_, height_);
    }
}

void TForm::SetDpi(int dpi) {
    if (dpi == dpi_ || dpi <= 0) {
        return;
    }
    dpi_ = dpi;
    for (TControl* control : controls_) {
        control->SetDpi(dpi);
    }
    SetBounds(left_, top_, designWidth_, designHeight_);
}

void TForm::DpiChanged(int dpi, const Rect& suggested) {
    if (dpi == dpi_ || dpi <= 0) {
        return;
    }
    left_ = suggested.left;
    top_ = suggested.top;
    SetDpi(dpi);
    if (OnDpiChanged) {
        OnDpiChanged(this);
    }
}

void TForm::SetCaption(const std::string& caption) {
    caption_ = caption;
    if (window_ != nullptr) {
        window_->SetCaption(caption);
    }
}

void TForm::Moved(int left, int top) {
    left_ = left;
    top_ = top;
}

void TForm::Moving(Rect& proposed) {
    if (OnMoving) {
        OnMoving(this, proposed);
    }
}

void TForm::FilesDropped(const std::vector<std::string>& paths) {
    if (OnDropFiles) {
        OnDropFiles(this, paths);
    }
}

void TForm::DragMove() {
    // The move takes the mouse: the press that started it never gets its release.
    pressed_ = nullptr;
    Window().DragMove();
}

TControl* TForm::ControlAt(int x, int y) const {
    for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
        TControl* control = *it;
        if (control->IsGraphic() && control->Visible() && control->Bounds().Contains(x, y)) {
            return control;
        }
    }
    return nullptr;
}

void TForm::MouseMove(int x, int y, ShiftState shift) {
    // A move without the button held means the release went elsewhere: nothing stays pressed.
    if (pressed_ != nullptr && !shift.left) {
        pressed_ = nullptr;
    }
    // A pressed picture keeps the mouse until the button is released.
    TControl* target = pressed_ != nullptr ? pressed_ : ControlAt(x, y);
    if (target != nullptr && target->OnMouseMove) {
        target->OnMouseMove(target, shift, x - target->Left(), y - target->Top());
    }
}

void TForm::MouseDown(MouseButton button, int x, int y, ShiftState shift) {
    TControl* target = ControlAt(x, y);
    if (target == nullptr) {
        if (OnMouseDown) {
            OnMouseDown(this, button, shift, x, y);
        }
        return;
    }
    if (button == MouseButton::Left) {
        pressed_ = target;
    }
    if (target->OnMouseDown) {
        target->OnMouseDown(target, button, shift, x - target->Left(), y - target->Top());
    }
}

void TForm::MouseUp(MouseButton button, int x, int y) {
    if (button != MouseButton::Left || pressed_ == nullptr) {
        return;
    }
    TControl* pressed = pressed_;
    pressed_ = nullptr;
    // A click needs the release inside the picture that took the press.
    if (pressed->Bounds().Contains(x, y) && pressed->OnClick) {
        pressed->OnClick(pressed);
    }
}

void TForm::MouseLeave() {
    if (OnMouseLeave) {
        OnMouseLeave(this);
    }
}

bool TForm::KeyDown(std::uint16_t key, ShiftState shift) {
    if (KeyPreview && OnKeyDown) {
        OnKeyDown(this, key, shift);
    }
    return key != 0;
}

bool TForm::CloseQuery() {
    bool canClose = true;
    if (OnCloseQuery) {
        OnCloseQuery(this, canClose);
    }
    return canClose;
}

void TForm::FocusChanged(TControl* focused) {
    if (focused == focused_) {
        return;
    }
    TControl* previous = focused_;
    // Between the exit and the enter nothing has the focus: an exit handler that moves the
    // focus on raises that move's events only, and its move wins.
    focused_ = nullptr;
    if (previous != nullptr && previous->OnExit) {
        previous->OnExit(previous);
        if (focused_ != nullptr) {
            return;
        }
    }
    focused_ = focused;
    if (focused != nullptr && focused->OnEnter) {
        focused->OnEnter(focused);
    }
}

namespace {
void Raise(const TNotifyEvent& event, TComponent* sender) {
    if (event) {
        event(sender);
    }
}
} // namespace

void TForm::SessionEnding() {
    Raise(OnSessionEnd, this);
}

void TForm::DisplayChanged() {
    Raise(OnDisplayChange, this);
}

void TForm::ClockChanged() {
    Raise(OnClockChange, this);
}

void TForm::Resumed() {
    Raise(OnResume, this);
}

} // namespace vorlane
