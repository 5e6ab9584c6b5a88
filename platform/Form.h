#pragma once
#include "platform/Control.h"
#include "platform/Services.h"
#include "platform/Timer.h"
#include "platform/TrayIcon.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace vorlane {

// Window-creation parameters the native window asks for before it creates the window.
struct WindowParams {
    bool toolWindow = false; // no taskbar button, not in the task switcher
    bool appWindow = true;   // represents the application on the taskbar
};

using TKeyEvent = std::function<void(TComponent* sender, std::uint16_t& key, ShiftState shift)>;
using TCloseQueryEvent = std::function<void(TComponent* sender, bool& canClose)>;

// The main window's model: its controls, the stacking order of its pictures and the
// routing of mouse and key input to them. The native window reports its input here
// (through Dispatch) and draws what the model holds.
class TForm : public TComponent {
public:
    TForm(std::string name, WindowSystem& windows)
        : TComponent(std::move(name)), windows_(windows) {}

    WindowSystem& Windows() { return windows_; }

    // Controls are registered once; pictures in their stacking order, bottom first.
    void AddControl(TControl& control);
    const std::vector<TControl*>& Controls() const { return controls_; }
    std::vector<TControl*> ImagesBottomUp() const;
    void AddTimer(TTimer& timer) { timers_.push_back(&timer); }
    const std::vector<TTimer*>& Timers() const { return timers_; }
    void SetTrayIcon(TTrayIcon& icon) { trayIcon_ = &icon; }
    TTrayIcon* TrayIconOf() const { return trayIcon_; }

    // The next visible tab stop after (or before) the given control, in tab order,
    // wrapping around; null when there is none.
    TControl* NextTabStop(const TControl* from, bool backwards) const;

    std::string Caption;
    Color BackgroundColor = kGrey;
    bool KeyPreview = true;
    // The window is created above all ordinary windows.
    bool StayOnTop = false;

    // The window-creation hook: a form changes the defaults it is given.
    virtual void CreateParams(WindowParams& params) { (void)params; }

    int Left() const { return left_; }
    int Top() const { return top_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    void SetBounds(int left, int top, int width, int height);
    void SetPosition(int left, int top) { SetBounds(left, top, width_, height_); }
    void SetSize(int width, int height) { SetBounds(left_, top_, width, height); }

    // The topmost visible picture under the point, or null.
    TControl* ImageAt(int x, int y) const;

    TControl* Focused() const { return focused_; }
    void FocusControl(TControl& control) { windows_.SetFocus(control); }

    // Input, as the native window reports it.
    void MouseMove(int x, int y, ShiftState shift);
    void MouseDown(MouseButton button, int x, int y, ShiftState shift);
    void MouseUp(MouseButton button, int x, int y);
    void MouseLeave();
    // Returns false when the key was consumed by the preview.
    bool KeyDown(std::uint16_t key, ShiftState shift);
    // Runs the close query; returns whether the window may close.
    bool CloseQuery();
    void FocusChanged(TControl* focused);

    TKeyEvent OnKeyDown;
    TCloseQueryEvent OnCloseQuery;
    TNotifyEvent OnMouseLeave;
    TMouseDownEvent OnMouseDown;

private:
    WindowSystem& windows_;
    std::vector<TControl*> controls_;
    std::vector<TTimer*> timers_;
    TTrayIcon* trayIcon_ = nullptr;
    TControl* pressed_ = nullptr;
    TControl* focused_ = nullptr;
    int left_ = 0;
    int top_ = 0;
    int width_ = 0;
    int height_ = 0;
};

} // namespace vorlane
