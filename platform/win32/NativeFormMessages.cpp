// A form's window procedure: it only routes. Mouse messages go to the input routing, commands
// and colour questions to the child peers, timers to the model's timers, moves, dropped files,
// the tray callback, closing and what the system tells every window (the session's end, a
// changed display, a set clock, waking up) to the form; painting to the painter.
#include "platform/win32/NativeForm.h"

#include "platform/Dispatch.h"
#include "platform/win32/RectConversions.h"
#include "platform/win32/WindowSystem.h"

namespace vorlane::win32 {

LRESULT CALLBACK NativeForm::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = WindowOwner(window, message, lParam, &NativeForm::window_);
    if (self == nullptr || self->form_ == nullptr || self->Hwnd() != window) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    return self->HandleMessage(message, wParam, lParam);
}

LRESULT NativeForm::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    TForm& form = *form_;
    HWND window = Hwnd();
    if ((message >= WM_MOUSEFIRST && message <= WM_MOUSELAST) && message != WM_MOUSEWHEEL) {
        Mouse(message, wParam, lParam);
        return 0;
    }
    switch (message) {
    case WM_PAINT:
        painter_.Paint(window, form);
        if (!firstPaintDone_) {
            firstPaintDone_ = true;
            PostMessageW(window, kAfterFirstPaint, 0, 0);
        }
        return 0;
    case kAfterFirstPaint:
        MakeHintsAndTrayIcon();
        return 0;
    case WM_GETOBJECT:
        return AccessibleObject(wParam, lParam);
    case kAccessibleAction:
        RunAccessibleAction(lParam);
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_WINDOWPOSCHANGING:
        if ((reinterpret_cast<const WINDOWPOS*>(lParam)->flags & SWP_SHOWWINDOW) != 0) {
            childrenMayShow_ = true;
            for (const auto& child : children_) {
                child->FormShown();
            }
        }
        break;
    case WM_MOUSELEAVE:
        PointerLeft();
        return 0;
    case WM_CAPTURECHANGED:
        Dispatch([&] { form.CaptureLost(); });
        return 0;
    case WM_SETFOCUS: {
        // Coming back to the window gives the focus back to the control that had it.
        ChildPeer* peer = form.Focused() != nullptr ? PeerOf(*form.Focused()) : nullptr;
        if (peer != nullptr && IsWindowVisible(peer->Hwnd())) {
            ::SetFocus(peer->Hwnd());
        }
        return 0;
    }
    case WM_COMMAND:
        if (ChildPeer* peer = PeerOf(reinterpret_cast<HWND>(lParam))) {
            peer->Command(HIWORD(wParam));
            return 0;
        }
        break;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORLISTBOX:
        if (ChildPeer* peer = PeerOf(reinterpret_cast<HWND>(lParam))) {
            return reinterpret_cast<LRESULT>(peer->Colors(reinterpret_cast<HDC>(wParam)));
        }
        break;
    case WM_TIMER:
        for (TTimer* timer : form.Timers()) {
            if (reinterpret_cast<UINT_PTR>(timer) == wParam) {
                Dispatch([timer] { timer->Fire(); });
                return 0;
            }
        }
        break;
    case WM_DROPFILES:
        DroppedFiles(reinterpret_cast<HDROP>(wParam));
        return 0;
    case WM_MOVING: {
        auto* proposed = reinterpret_cast<RECT*>(lParam);
        Rect bounds = FromRECT(*proposed);
        Dispatch([&] { form.Moving(bounds); });
        *proposed = ToRECT(bounds);
        return TRUE;
    }
    case WM_DPICHANGED:
        DpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
        return 0;
    case WM_MOVE: {
        RECT outer;
        GetWindowRect(window, &outer);
        Dispatch([&] { form.Moved(outer.left, outer.top); });
        return 0;
    }
    case NotifyIcon::kCallbackMessage:
        if (trayIcon_ != nullptr) {
            trayIcon_->Callback(wParam, lParam);
        }
        return 0;
    case WM_CLOSE: {
        bool canClose = true;
        Dispatch([&] { canClose = form.CloseQuery(); });
        if (!canClose) {
            return 0;
        }
        // Closing the main form ends the program; any other form is only hidden.
        if (isMain_) {
            DestroyWindow(window);
        } else {
            Hide();
            form.WindowClosed();
        }
        return 0;
    }
    case WM_QUERYENDSESSION:
        // Never holds up a log-off, a shut-down or an installer that closes the program:
        // what is worth keeping is saved when the end comes.
        return TRUE;
    case WM_ENDSESSION:
        if (wParam != FALSE && isMain_) {
            // The process may be ended as soon as this is answered, and nobody is left to
            // close a box: what the form's handler lets escape is dropped instead of shown.
            try {
                form.SessionEnding();
            } catch (...) {
            }
            // Whatever the handler did, the program ends now, so that an installer sees it go
            // and can replace its file: without the main window the message loop ends.
            DestroyWindow(window);
        }
        return 0;
    case WM_DISPLAYCHANGE:
        Dispatch([&] { form.DisplayChanged(); });
        return 0;
    case WM_SETTINGCHANGE:
        if (wParam == SPI_SETWORKAREA) {
            Dispatch([&] { form.DisplayChanged(); });
        }
        break;
    case WM_TIMECHANGE:
        Dispatch([&] { form.ClockChanged(); });
        return 0;
    case WM_POWERBROADCAST:
        if (wParam == PBT_APMRESUMEAUTOMATIC || wParam == PBT_APMRESUMESUSPEND) {
            Dispatch([&] { form.Resumed(); });
        }
        return TRUE;
    case WM_DESTROY:
        ForgetAccessible();
        if (trayIcon_ != nullptr) {
            trayIcon_->Remove();
        }
        if (isMain_) {
            PostQuitMessage(0);
        }
        return 0;
    default:
        if (message == taskbarCreated_ && taskbarCreated_ != 0 && trayIcon_ != nullptr) {
            trayIcon_->TaskbarCreated();
            return 0;
        }
        break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

} // namespace vorlane::win32
