// What the model asks of a form's window: its place, caption, region, stacking, showing and
// hiding, focus, closing, dropped files and drag; the repaint of painted controls that
// changed; the form's timers.
#include "platform/win32/NativeForm.h"

#include "platform/win32/RectConversions.h"
#include "platform/win32/Utf16.h"
#include "platform/win32/WindowSystem.h"

#include <algorithm>

namespace vorlane::win32 {

void NativeForm::Measure(TControl& label) {
    const SIZE size = painter_.MeasureText(label);
    label.SizeMeasured(size.cx, size.cy);
}

void NativeForm::Invalidate(const Rect& bounds) {
    const RECT rect = ToRECT(bounds);
    painter_.Stale(rect);
    InvalidateRect(Hwnd(), &rect, FALSE);
}

void NativeForm::Changed(TControl& control, Change what) {
    if (!window_.Valid()) {
        return;
    }
    switch (what) {
    case Change::Bounds: {
        // What the control uncovered is not known here: everything is composed again.
        RECT client;
        GetClientRect(Hwnd(), &client);
        Invalidate(Rect{0, 0, client.right, client.bottom});
        UpdateHint(control, nullptr);
        break;
    }
    case Change::Visible:
        Invalidate(control.Bounds());
        UpdateHint(control, nullptr);
        break;
    case Change::Hint:
        UpdateHint(control, nullptr);
        break;
    case Change::Text:
    case Change::Font:
    case Change::AutoSize:
        if (control.AutoSize) {
            Invalidate(control.Bounds());
            Measure(control);
            UpdateHint(control, nullptr);
        }
        Invalidate(control.Bounds());
        break;
    case Change::Colors:
    case Change::ZOrder:
    case Change::Picture:
        Invalidate(control.Bounds());
        break;
    default:
        break;
    }
}

void NativeForm::Changed(TTimer& timer) {
    if (!window_.Valid()) {
        return;
    }
    // The timer's own address is its id: no other timer of the window can have it.
    const auto id = reinterpret_cast<UINT_PTR>(&timer);
    if (!timer.Enabled()) {
        KillTimer(Hwnd(), id);
    } else if (SetTimer(Hwnd(), id, static_cast<UINT>(std::max(timer.Interval(), 1)), nullptr) ==
               0) {
        ReportWindowSystemError("Der Zeitgeber \"" + timer.Name() + "\" läuft nicht");
    }
}

void NativeForm::SetBounds(int left, int top, int width, int height) {
    SetWindowPos(Hwnd(), nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void NativeForm::SetCaption(const std::string& caption) {
    SetWindowTextW(Hwnd(), Widen(caption).c_str());
}

void NativeForm::SetEllipticRegion(int left, int top, int right, int bottom) {
    UniqueGdiObject<HRGN> region(CreateEllipticRgn(left, top, right, bottom));
    // A region the window took belongs to the window system; one it refused stays ours.
    if (region.Valid() && SetWindowRgn(Hwnd(), region.Get(), TRUE) != 0) {
        region.Release();
    }
}

void NativeForm::SetTopmost(bool topmost) {
    // Raised without taking the keyboard focus from the program the user is typing in.
    SetWindowPos(Hwnd(), topmost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void NativeForm::SetWindowStateNormal() {
    if (IsIconic(Hwnd())) {
        ShowWindow(Hwnd(), SW_SHOWNOACTIVATE);
    }
}

void NativeForm::Show() {
    form_->WindowShown();
    ShowWindow(Hwnd(), SW_SHOW);
    SetForegroundWindow(Hwnd());
}

void NativeForm::Hide() {
    // A window hidden before its first paint (started in the tray) still needs its icon there.
    MakeHintsAndTrayIcon();
    ShowWindow(Hwnd(), SW_HIDE);
    painter_.Release();
}

void NativeForm::BringToForeground() {
    SetForegroundWindow(Hwnd());
}

void NativeForm::Update() {
    UpdateWindow(Hwnd());
}

void NativeForm::SetFocus(TControl& control) {
    ChildPeer* peer = PeerOf(control);
    // Only the active window moves the native focus; otherwise the choice is kept and given
    // to the control when the window is next activated.
    if (peer != nullptr && peer->Hwnd() != nullptr && GetActiveWindow() == Hwnd()) {
        ::SetFocus(peer->Hwnd());
    } else {
        form_->FocusChanged(&control);
    }
}

void NativeForm::Close() {
    SendMessageW(Hwnd(), WM_CLOSE, 0, 0);
}

void NativeForm::AcceptDroppedFiles(bool accept) {
    // The style bit is all that accepting files means to the window system; setting it here
    // spares loading the shell before the window is on the screen.
    const LONG_PTR style = GetWindowLongPtrW(Hwnd(), GWL_EXSTYLE);
    SetWindowLongPtrW(Hwnd(), GWL_EXSTYLE,
                      accept ? (style | WS_EX_ACCEPTFILES)
                             : (style & ~LONG_PTR{WS_EX_ACCEPTFILES}));
}

void NativeForm::DragMove() {
    // As a press on a title bar: the window system moves the window until the release.
    ReleaseCapture();
    SendMessageW(Hwnd(), WM_NCLBUTTONDOWN, HTCAPTION, 0);
}

} // namespace vorlane::win32
