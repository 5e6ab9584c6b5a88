#include "platform/win32/ChildPeer.h"

#include "platform/Dispatch.h"
#include "platform/win32/NativeForm.h"
#include "platform/win32/Utf16.h"
#include "platform/win32/WindowSystem.h"

#include <commctrl.h>
#include <windowsx.h>

namespace vorlane::win32 {

namespace {
constexpr UINT_PTR kSubclassId = 1;
}

ChildPeer::ChildPeer(NativeForm& form, TControl& control) : form_(form), control_(control) {}

ChildPeer::~ChildPeer() {
    for (HWND window : {window_, inner_}) {
        if (window != nullptr && IsWindow(window)) {
            RemoveWindowSubclass(window, SubclassProc, kSubclassId);
        }
    }
}

void ChildPeer::Create(const wchar_t* windowClass, DWORD style) {
    windowClass_ = windowClass;
    style_ = style;
    MakeIfShown();
}

void ChildPeer::ShowText() {
    textPending_ = false;
    settingText_ = true;
    SetWindowTextW(window_, Widen(control_.Text()).c_str());
    settingText_ = false;
}

void ChildPeer::FormShown() {
    if (window_ == nullptr) {
        MakeIfShown();
    } else if (textPending_) {
        ShowText();
    }
}

void ChildPeer::MakeIfShown() {
    if (window_ == nullptr && control_.Visible() && form_.ChildrenMayShow() && Make()) {
        form_.UpdateHint(control_, window_);
    }
}

bool ChildPeer::Make() {
    const DWORD style = style_ | WS_CHILD | (control_.Visible() ? WS_VISIBLE : 0U) |
                        (control_.TabStop ? WS_TABSTOP : 0U);
    window_ =
        CreateWindowExW(0, windowClass_, Widen(control_.Text()).c_str(), style, control_.Left(),
                        control_.Top(), control_.Width(), control_.Height(), form_.Hwnd(),
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(control_.ControlId)),
                        form_.Instance(), nullptr);
    if (window_ == nullptr) {
        // The form goes on without it; the next showing tries again.
        ReportWindowSystemError("Das Steuerelement \"" + control_.Name() + "\" ist nicht erstellt");
        return false;
    }
    // Stacked as if made with the form: below the children made before it.
    SetWindowPos(window_, form_.ChildWindowBefore(control_), 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    SendMessageW(window_, WM_SETFONT,
                 reinterpret_cast<WPARAM>(form_.Gdi().FontFor(control_.GetFont(), control_.Dpi())),
                 FALSE);
    Subclass(window_);
    form_.Register(window_, this);
    Made();
    return true;
}

void ChildPeer::SubclassInner(HWND inner) {
    inner_ = inner;
    Subclass(inner);
    form_.Register(inner, this);
}

void ChildPeer::Subclass(HWND window) {
    SetWindowSubclass(window, SubclassProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this));
}

void ChildPeer::Report(const std::function<void()>& handler) {
    if (form_.Model() != nullptr) {
        Dispatch(handler);
    }
}

std::string ChildPeer::WindowText() const {
    const int length = GetWindowTextLengthW(window_);
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    GetWindowTextW(window_, text.data(), length + 1);
    text.resize(static_cast<size_t>(length));
    return Narrow(text);
}

HBRUSH ChildPeer::Colors(HDC dc) {
    SetTextColor(dc, ToColorRef(control_.FontColor()));
    SetBkColor(dc, ToColorRef(control_.BackgroundColor()));
    return form_.Gdi().BrushFor(control_.BackgroundColor());
}

void ChildPeer::Changed(TControl& /*control*/, Change what) {
    if (window_ == nullptr && what == Change::Visible) {
        MakeIfShown();
        return;
    }
    // A window not made yet takes the control as it is then.
    if (window_ == nullptr || !IsWindow(window_)) {
        return;
    }
    switch (what) {
    case Change::Bounds:
        MoveWindow(window_, control_.Left(), control_.Top(), control_.Width(), control_.Height(),
                   TRUE);
        form_.UpdateHint(control_, window_);
        break;
    case Change::Visible:
        ShowWindow(window_, control_.Visible() ? SW_SHOWNA : SW_HIDE);
        form_.UpdateHint(control_, window_);
        break;
    case Change::Text:
        // Nobody reads a field of a hidden window: in the tray the countdown's texts wait
        // for the window to come back instead of costing a round of messages every second.
        if (!IsWindowVisible(form_.Hwnd())) {
            textPending_ = true;
            break;
        }
        ShowText();
        break;
    case Change::Hint:
        form_.UpdateHint(control_, window_);
        break;
    case Change::Colors:
        InvalidateRect(window_, nullptr, TRUE);
        if (inner_ != nullptr) {
            InvalidateRect(inner_, nullptr, TRUE);
        }
        break;
    case Change::TabStop: {
        const LONG_PTR style = GetWindowLongPtrW(window_, GWL_STYLE);
        SetWindowLongPtrW(window_, GWL_STYLE,
                          control_.TabStop ? (style | WS_TABSTOP)
                                           : (style & ~LONG_PTR{WS_TABSTOP}));
        break;
    }
    case Change::ZOrder:
        SetWindowPos(window_, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        break;
    case Change::Font:
        SendMessageW(
            window_, WM_SETFONT,
            reinterpret_cast<WPARAM>(form_.Gdi().FontFor(control_.GetFont(), control_.Dpi())),
            TRUE);
        break;
    default:
        ChangedKind(what);
        break;
    }
}

LRESULT CALLBACK ChildPeer::SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                         UINT_PTR /*id*/, DWORD_PTR data) {
    return reinterpret_cast<ChildPeer*>(data)->Input(window, message, wParam, lParam);
}

LRESULT ChildPeer::Input(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (form_.Model() != nullptr && KindInput(window, message, wParam, lParam, result)) {
        return result;
    }
    switch (message) {
    case WM_MOUSEMOVE: {
        // Each field watches for the pointer leaving it: leaving the window straight from a
        // field must end an edit just as leaving from the background does.
        TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, window, 0};
        TrackMouseEvent(&track);
        break;
    }
    case WM_MOUSELEAVE:
        form_.PointerLeft();
        break;
    case WM_CHAR: {
        auto key = static_cast<char16_t>(wParam);
        Report([&] { key = control_.KeyPress(key); });
        if (key == 0) {
            return 0;
        }
        wParam = key;
        break;
    }
    case WM_CONTEXTMENU: {
        POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        if (at.x == -1 && at.y == -1) {
            // From the keyboard: the middle of the field.
            at = POINT{control_.Width() / 2, control_.Height() / 2};
        } else {
            ScreenToClient(window_, &at);
        }
        bool handled = false;
        Report([&] { handled = control_.ContextPopup(at.x, at.y); });
        if (handled) {
            return 0;
        }
        break;
    }
    case WM_NCDESTROY:
        RemoveWindowSubclass(window, SubclassProc, kSubclassId);
        break;
    default:
        break;
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

} // namespace vorlane::win32
