#pragma once
#include <string>

namespace vorlane {

class TControl;

// The native window behind one form: what a form asks of the window system for itself.
class FormWindow {
public:
    virtual ~FormWindow() = default;

    // Outer position and size on the screen.
    virtual void SetBounds(int left, int top, int width, int height) = 0;
    virtual void SetCaption(const std::string& caption) = 0;
    virtual void SetEllipticRegion(int left, int top, int right, int bottom) = 0;
    // Raised above (or released from above) all ordinary windows, without taking the focus.
    virtual void SetTopmost(bool topmost) = 0;
    // Out of the minimised state, if the window is in it.
    virtual void SetWindowStateNormal() = 0;
    // Shown, in front and active.
    virtual void Show() = 0;
    virtual void Hide() = 0;
    virtual void BringToForeground() = 0;
    // Paints what waits to be painted now, before the message loop would.
    virtual void Update() = 0;
    virtual void SetFocus(TControl& control) = 0;
    // A close request: the form's close query decides.
    virtual void Close() = 0;
    virtual void AcceptDroppedFiles(bool accept) = 0;
    // Moves the window with the pointer as if its title bar had been grabbed; returns when
    // the move has ended. The form's moving hook may adjust each step.
    virtual void DragMove() = 0;
    // The spoken name of the part the control stands for has changed (see AccessibleItem).
    virtual void AccessibleNameChanged(const TControl& control) = 0;
    // Something the user must notice at once, wherever the focus is; about the part the
    // control stands for, or the whole window when null.
    virtual void Alert(const TControl* about) = 0;
    // The form is going away: from here on the window reports nothing to it.
    virtual void ModelDestroyed() = 0;
};

} // namespace vorlane
