#pragma once
#include "platform/Accessible.h"
#include "platform/Application.h"
#include "platform/Control.h"
#include "platform/FormWindow.h"
#include "platform/Timer.h"
#include "platform/TrayIcon.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace vorlane {

// How a form's window is framed.
enum class FormBorder {
    None,  // no frame and no title bar: the form paints all of itself
    Dialog // a fixed single border and a title bar with only the close box
};

// Window-creation parameters the native window asks for before it creates the window.
struct WindowParams {
    std::string className; // "T" followed by the form's name unless a form says otherwise
    FormBorder border = FormBorder::None;
    bool toolWindow = false; // no taskbar button, not in the task switcher
    bool appWindow = true;   // represents the application on the taskbar
    int icon = 0;            // the icon resource; 0 for the program's icon
};

using TKeyEvent = std::function<void(TComponent* sender, std::uint16_t& key, ShiftState shift)>;
using TCloseQueryEvent = std::function<void(TComponent* sender, bool& canClose)>;
// A step of a move of the window: the proposed outer rectangle, which the handler may change.
using TMovingEvent = std::function<void(TComponent* sender, Rect& proposed)>;
using TDropFilesEvent =
    std::function<void(TComponent* sender, const std::vector<std::string>& paths)>;

// A window's model: its controls, the stacking order of its pictures and labels and the
// routing of mouse and key input to them. The native window reports its input here
// (through Dispatch) and draws what the model holds.
class TForm : public TComponent {
public:
    TForm(std::string name, Application& application)
        : TComponent(std::move(name)), application_(application) {}
    ~TForm() override;

    Application& App() { return application_; }
    // Makes the native window (hidden) for the controls, timers and tray icon added so far.
    void CreateHandle() { application_.CreateWindowOf(*this); }
    void AttachWindow(FormWindow* window) { window_ = window; }
    // The native window; an error while there is none.
    FormWindow& Window();

    // Controls are registered once; pictures and labels in their stacking order, bottom
    // first.
    void AddControl(TControl& control);
    const std::vector<TControl*>& Controls() const { return controls_; }
    // Pictures and labels, bottom first: the order they are painted in.
    std::vector<TControl*> GraphicsBottomUp() const;
    void AddTimer(TTimer& timer) { timers_.push_back(&timer); }
    const std::vector<TTimer*>& Timers() const { return timers_; }
    void SetTrayIcon(TTrayIcon& icon) { trayIcon_ = &icon; }
    TTrayIcon* TrayIconOf() const { return trayIcon_; }

    // The next visible tab stop after (or before) the given control, in tab order,
    // wrapping around; null when there is none.
    TControl* NextTabStop(const TControl* from, bool backwards) const;

    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& caption);
    Color BackgroundColor = kGrey;
    bool KeyPreview = true;
    // The window is created above all ordinary windows.
    bool StayOnTop = false;

    // The window-creation hook: a form changes the defaults it is given.
    virtual void CreateParams(WindowParams& params) { (void)params; }
    // The parts the window paints, as screen readers are to find them, in reading order;
    // empty for a form that leaves its window to the system's description.
    virtual std::vector<AccessibleItem> AccessibleItems() { return {}; }

    // The outer place on the screen in screen pixels; the size is the design size at the
    // window's DPI.
    int Left() const { return left_; }
    int Top() const { return top_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    // left and top in screen pixels, width and height in design pixels (96 DPI).
    void SetBounds(int left, int top, int width, int height);
    void SetPosition(int left, int top) { SetBounds(left, top, designWidth_, designHeight_); }
    void SetSize(int width, int height) { SetBounds(left_, top_, width, height); }

    // The DPI of the monitor the window is on (96 until the native window tells). Every
    // control's place and the window's size follow it.
    int Dpi() const { return dpi_; }
    // A design length at the window's DPI.
    int Scaled(int length) const { return ScaleLength(length, dpi_); }
    // The window starts at, or has moved to, a monitor of this DPI: everything is laid out
    // again for it, once. suggested is where the window goes (screen pixels); the handler
    // then sees the new DPI in place.
    void SetDpi(int dpi);
    void DpiChanged(int dpi, const Rect& suggested);

    // The topmost visible picture or label under the point, or null.
    TControl* ControlAt(int x, int y) const;

    TControl* Focused() const { return focused_; }
    void FocusControl(TControl& control) { Window().SetFocus(control); }
    // Moves the window with the pointer until the button is released (see FormWindow).
    void DragMove();

    // Input, as the native window reports it.
    void MouseMove(int x, int y, ShiftState shift);
    void MouseDown(MouseButton button, int x, int y, ShiftState shift);
    void MouseUp(MouseButton button, int x, int y);
    void MouseLeave();
    // The window lost the mouse (a drag, a menu, a dialog took it): no picture stays pressed.
    void CaptureLost() { pressed_ = nullptr; }
    // Returns false when the key was consumed by the preview.
    bool KeyDown(std::uint16_t key, ShiftState shift);
    // Runs the close query; returns whether the window may close.
    bool CloseQuery();
    // The window was closed (hidden, for any form but the main one) or shown again. A closed
    // form may be let go by whoever made it.
    void WindowClosed() { closed_ = true; }
    void WindowShown() { closed_ = false; }
    bool Closed() const { return closed_; }
    void FocusChanged(TControl* focused);
    // The native window was moved to this outer position; the model follows, no echo.
    void Moved(int left, int top);
    // A step of a move: the hook may change where the window goes.
    void Moving(Rect& proposed);
    void FilesDropped(const std::vector<std::string>& paths);

    // What the system tells every top-level window, as the native window reports it.
    // The user's session ends (log off, shut down) or an installer asks the program to close
    // for an update: the process ends right after this returns, with no time for a question.
    void SessionEnding();
    // Monitors came or went, changed their size or their work area (the taskbar moved).
    void DisplayChanged();
    // The wall clock was set or the time zone changed.
    void ClockChanged();
    // The computer woke from sleep or hibernation.
    void Resumed();

    TKeyEvent OnKeyDown;
    TCloseQueryEvent OnCloseQuery;
    TNotifyEvent OnMouseLeave;
    TMouseDownEvent OnMouseDown;
    TMovingEvent OnMoving;
    TDropFilesEvent OnDropFiles;
    TNotifyEvent OnDpiChanged;
    TNotifyEvent OnSessionEnd;
    TNotifyEvent OnDisplayChange;
    TNotifyEvent OnClockChange;
    TNotifyEvent OnResume;

private:
    Application& application_;
    FormWindow* window_ = nullptr;
    std::vector<TControl*> controls_;
    std::vector<TTimer*> timers_;
    TTrayIcon* trayIcon_ = nullptr;
    TControl* pressed_ = nullptr;
    bool closed_ = false;
    TControl* focused_ = nullptr;
    std::string caption_;
    int left_ = 0;
    int top_ = 0;
    int width_ = 0;
    int height_ = 0;
    int designWidth_ = 0;
    int designHeight_ = 0;
    int dpi_ = kDesignDpi;
};

} // namespace vorlane
