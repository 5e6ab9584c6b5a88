#pragma once
#include "platform/Form.h"
#include "platform/win32/AccessibleClient.h"
#include "platform/win32/ChildPeer.h"
#include "platform/win32/Handles.h"
#include "platform/win32/HintTool.h"
#include "platform/win32/NotifyIcon.h"
#include "platform/win32/Painter.h"

#include <windows.h>

#include <shellapi.h>

#include <map>
#include <memory>
#include <vector>

namespace vorlane::win32 {

class Win32Application;

// The native window of one form: made from the form's window parameters, it paints the
// form's pictures and labels, holds a peer per field, runs the form's timers and tray icon,
// and reports every input back to the model through Dispatch. Its window procedure only
// routes; the behaviour lives in the model. Its parts: NativeForm.cpp (making and letting go,
// the peers), NativeFormMessages.cpp (the window procedure), NativeFormInput.cpp (mouse,
// capture, keys, dropped files), NativeFormModel.cpp (what the model asks of the window).
class NativeForm : public FormWindow, public ControlPeer, public TimerPeer {
public:
    // EWindowSystemError when the window cannot be made.
    NativeForm(Win32Application& application, TForm& form, bool isMain);
    ~NativeForm() override;
    NativeForm(const NativeForm&) = delete;
    NativeForm& operator=(const NativeForm&) = delete;

    HWND Hwnd() const { return window_.Get(); }
    HINSTANCE Instance() const;
    GdiCache& Gdi();
    // The hint of a control (child: its own window, or null for a painted control); nothing
    // before the hints exist, which take every control's hint when they are made.
    void UpdateHint(const TControl& control, HWND child);
    // The model; null once it has been destroyed.
    TForm* Model() const { return form_; }
    bool IsMain() const { return isMain_; }
    // The window itself or one of its children.
    bool Owns(HWND window) const;

    // Peers tell the form which windows are theirs, and when the pointer has left them.
    void Register(HWND window, ChildPeer* peer);
    // Where a child window made later goes in the stacking order: right below the window of
    // the nearest control before it in the form's order, or on top when there is none.
    HWND ChildWindowBefore(const TControl& control) const;
    // Whether a shown control's child window may be made now: not before the window is first
    // shown.
    bool ChildrenMayShow() const { return childrenMayShow_; }
    void PointerLeft();
    // A move to where the pointer is now, when it rests on the window itself (not on one of
    // its fields): after a modal box the looks follow the pointer again.
    void PointerNow();

    // Key preview for a key message of this window or a child; false when it was consumed.
    bool PreviewKey(const MSG& message);
    // Moves the focus to the next (or previous) tab stop.
    void Tab(bool backwards);
    void ApplyHintStyle(const HintStyle& style);
    // The window came to a monitor of another DPI (WM_DPICHANGED): the model lays it out
    // again at the suggested place; the hints and the tray icon are made for the new DPI.
    void DpiChanged(int dpi, const RECT& suggested);
    // The model's description of the painted parts (empty once the model is gone), and a
    // part's action, run after the caller that asked for it has its answer.
    std::vector<AccessibleItem> AccessibleItems();
    void PostAccessibleAction(TControl& control);

    // FormWindow.
    void SetBounds(int left, int top, int width, int height) override;
    void SetCaption(const std::string& caption) override;
    void SetEllipticRegion(int left, int top, int right, int bottom) override;
    void SetTopmost(bool topmost) override;
    void SetWindowStateNormal() override;
    void Show() override;
    void Hide() override;
    void BringToForeground() override;
    void Update() override;
    void SetFocus(TControl& control) override;
    void Close() override;
    void AcceptDroppedFiles(bool accept) override;
    void DragMove() override;
    void AccessibleNameChanged(const TControl& control) override;
    void Alert(const TControl* about) override;
    void ModelDestroyed() override;

    // The painted controls' peer.
    void Changed(TControl& control, Change what) override;
    // The timers' peer.
    void Changed(TTimer& timer) override;

private:
    // Posted by the first paint: the hints and the tray icon, which the first paint does not
    // need, are made after it.
    static constexpr UINT kAfterFirstPaint = NotifyIcon::kCallbackMessage + 1;
    // Posted by a reader's default action, with the control to click.
    static constexpr UINT kAccessibleAction = NotifyIcon::kCallbackMessage + 2;

    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void Mouse(UINT message, WPARAM wParam, LPARAM lParam);
    void DroppedFiles(HDROP drop);
    ChildPeer* PeerOf(HWND window) const;
    ChildPeer* PeerOf(const TControl& control) const;
    void Measure(TControl& label);
    void Invalidate(const Rect& bounds);
    void MakeHintsAndTrayIcon();
    // The hint tool for the window's DPI, with every control's hint.
    void MakeHints();
    // WM_GETOBJECT: the client area's accessible object, made on the first request.
    LRESULT AccessibleObject(WPARAM wParam, LPARAM lParam);
    void RunAccessibleAction(LPARAM lParam);
    // The window is going: readers holding the object are told it is gone.
    void ForgetAccessible();

    Win32Application& application_;
    TForm* form_;
    bool isMain_;
    UniqueWindow window_;
    bool firstPaintDone_ = false;
    // Child windows are made once the window is first shown, by then with the bounds, fonts
    // and texts that start-up gave them.
    bool childrenMayShow_ = false;
    std::unique_ptr<HintTool> hints_;
    Painter painter_;
    std::vector<std::unique_ptr<ChildPeer>> children_;
    std::map<HWND, ChildPeer*> peersByWindow_;
    std::unique_ptr<NotifyIcon> trayIcon_;
    UINT taskbarCreated_ = 0;
    ComPtr<AccessibleClient> accessible_;
};

} // namespace vorlane::win32
