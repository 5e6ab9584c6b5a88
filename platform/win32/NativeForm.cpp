#include "platform/win32/NativeForm.h"

#include "assets/ResourceIds.h"
#include "platform/Dispatch.h"
#include "platform/win32/ChildPeers.h"
#include "platform/win32/Utf16.h"
#include "platform/win32/Win32Application.h"

#include <shellapi.h>
#include <windowsx.h>

#include <algorithm>
#include <string>
#include <utility>

namespace vorlane::win32 {

namespace {

ShiftState ShiftFromKeys(WPARAM keys) {
    ShiftState shift;
    shift.left = (keys & MK_LBUTTON) != 0;
    shift.right = (keys & MK_RBUTTON) != 0;
    shift.middle = (keys & MK_MBUTTON) != 0;
    shift.shift = (keys & MK_SHIFT) != 0;
    shift.ctrl = (keys & MK_CONTROL) != 0;
    shift.alt = GetKeyState(VK_MENU) < 0;
    return shift;
}

// The modifier keys and mouse buttons held now, for key messages.
ShiftState ShiftNow() {
    ShiftState shift;
    shift.left = GetKeyState(VK_LBUTTON) < 0;
    shift.right = GetKeyState(VK_RBUTTON) < 0;
    shift.middle = GetKeyState(VK_MBUTTON) < 0;
    shift.shift = GetKeyState(VK_SHIFT) < 0;
    shift.ctrl = GetKeyState(VK_CONTROL) < 0;
    shift.alt = GetKeyState(VK_MENU) < 0;
    return shift;
}

void RegisterFormClass(HINSTANCE instance, const std::wstring& name, int icon, WNDPROC proc) {
    WNDCLASSEXW existing{};
    existing.cbSize = sizeof(existing);
    if (GetClassInfoExW(instance, name.c_str(), &existing)) {
        return;
    }
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = proc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512)); // IDC_ARROW
    windowClass.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(icon));
    windowClass.lpszClassName = name.c_str();
    RegisterClassExW(&windowClass);
}

RECT ToRECT(const Rect& bounds) {
    return RECT{bounds.left, bounds.top, bounds.left + bounds.width, bounds.top + bounds.height};
}

} // namespace

NativeForm::NativeForm(Win32Application& application, TForm& form, bool isMain)
    : application_(application), form_(&form), isMain_(isMain),
      painter_(application.Pictures(), application.Gdi()),
      taskbarCreated_(RegisterWindowMessageW(L"TaskbarCreated")) {
    WindowParams params;
    params.className = "T" + form.Name();
    form.CreateParams(params);
    const std::wstring className = Widen(params.className);
    RegisterFormClass(Instance(), className, params.icon != 0 ? params.icon : VORLANE_ICON_APP,
                      WindowProc);

    DWORD style = WS_POPUP | WS_CLIPCHILDREN;
    if (params.border == FormBorder::Dialog) {
        style |= WS_CAPTION | WS_SYSMENU;
    }
    const DWORD exStyle = (params.toolWindow ? WS_EX_TOOLWINDOW : 0U) |
                          (params.appWindow ? WS_EX_APPWINDOW : 0U) |
                          (form.StayOnTop ? WS_EX_TOPMOST : 0U);
    // Owned by the application's hidden window, so none of the forms has a taskbar button of
    // its own unless it asks for one.
    CreateWindowExW(exStyle, className.c_str(), Widen(form.Caption()).c_str(), style, form.Left(),
                    form.Top(), std::max(form.Width(), 1), std::max(form.Height(), 1),
                    application.OwnerHandle(), nullptr, Instance(), this);

    form.AttachWindow(this);
    for (TControl* control : form.Controls()) {
        if (control->IsGraphic()) {
            control->AttachPeer(this);
            if (control->AutoSize) {
                Measure(*control);
            }
            continue;
        }
        std::unique_ptr<ChildPeer> peer = MakeChildPeer(*this, *control);
        control->AttachPeer(peer.get());
        children_.push_back(std::move(peer));
    }
    for (TTimer* timer : form.Timers()) {
        timer->AttachPeer(this);
    }
}

void NativeForm::MakeHintsAndTrayIcon() {
    if (hints_ != nullptr || form_ == nullptr) {
        return;
    }
    hints_ = std::make_unique<HintTool>(window_, Instance());
    if (application_.CurrentHintStyle()) {
        hints_->SetStyle(*application_.CurrentHintStyle());
    }
    for (TControl* control : form_->Controls()) {
        const ChildPeer* peer = PeerOf(*control);
        if (peer != nullptr && peer->Handle() == nullptr) {
            continue; // its hint comes with its window
        }
        hints_->Update(*control, peer != nullptr ? peer->Handle() : nullptr);
    }
    if (TTrayIcon* icon = form_->TrayIconOf()) {
        trayIcon_ = std::make_unique<TrayIcon>(window_, Instance(), *icon);
        trayIcon_->Changed(*icon);
    }
}

void NativeForm::UpdateHint(const TControl& control, HWND child) {
    if (hints_ != nullptr) {
        hints_->Update(control, child);
    }
}

void NativeForm::ApplyHintStyle(const HintStyle& style) {
    if (hints_ != nullptr) {
        hints_->SetStyle(style);
    }
}

NativeForm::~NativeForm() {
    ModelDestroyed();
}

void NativeForm::ModelDestroyed() {
    if (form_ != nullptr) {
        for (TControl* control : form_->Controls()) {
            control->AttachPeer(nullptr);
        }
        for (TTimer* timer : form_->Timers()) {
            timer->AttachPeer(nullptr);
        }
        form_->AttachWindow(nullptr);
    }
    // From here on the window answers nothing itself.
    form_ = nullptr;
    trayIcon_.reset();
    if (window_ != nullptr && IsWindow(window_)) {
        DestroyWindow(window_);
    }
    window_ = nullptr;
}

HINSTANCE NativeForm::Instance() const {
    return application_.Instance();
}

GdiCache& NativeForm::Gdi() {
    return application_.Gdi();
}

bool NativeForm::Owns(HWND window) const {
    return window_ != nullptr && (window == window_ || IsChild(window_, window));
}

void NativeForm::Register(HWND window, ChildPeer* peer) {
    peersByWindow_[window] = peer;
}

HWND NativeForm::ChildWindowBefore(const TControl& control) const {
    HWND before = HWND_TOP;
    for (const auto& peer : children_) {
        if (&peer->Control() == &control) {
            break;
        }
        if (peer->Handle() != nullptr) {
            before = peer->Handle();
        }
    }
    return before;
}

ChildPeer* NativeForm::PeerOf(HWND window) const {
    auto found = peersByWindow_.find(window);
    return found == peersByWindow_.end() ? nullptr : found->second;
}

ChildPeer* NativeForm::PeerOf(const TControl& control) const {
    for (const auto& peer : children_) {
        if (&peer->Control() == &control) {
            return peer.get();
        }
    }
    return nullptr;
}

void NativeForm::PointerLeft() {
    if (form_ != nullptr) {
        Dispatch([this] { form_->MouseLeave(); });
    }
}

void NativeForm::Measure(TControl& label) {
    const SIZE size = painter_.MeasureText(label);
    label.SizeMeasured(size.cx, size.cy);
}

void NativeForm::Invalidate(const Rect& bounds) {
    const RECT rect = ToRECT(bounds);
    painter_.Stale(rect);
    InvalidateRect(window_, &rect, FALSE);
}

void NativeForm::Changed(TControl& control, Change what) {
    if (window_ == nullptr) {
        return;
    }
    switch (what) {
    case Change::Bounds: {
        // What the control uncovered is not known here: everything is composed again.
        RECT client;
        GetClientRect(window_, &client);
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
        if (control.AutoSize) {
            Invalidate(control.Bounds());
            Measure(control);
            UpdateHint(control, nullptr);
        }
        Invalidate(control.Bounds());
        break;
    case Change::Colors:
    case Change::ZOrder:
        Invalidate(control.Bounds());
        break;
    default:
        break;
    }
}

void NativeForm::Changed(TTimer& timer) {
    if (window_ == nullptr) {
        return;
    }
    // The timer's own address is its id: no other timer of the window can have it.
    const auto id = reinterpret_cast<UINT_PTR>(&timer);
    if (timer.Enabled()) {
        SetTimer(window_, id, static_cast<UINT>(std::max(timer.Interval(), 1)), nullptr);
    } else {
        KillTimer(window_, id);
    }
}

LRESULT CALLBACK NativeForm::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
        auto* created = static_cast<NativeForm*>(create->lpCreateParams);
        created->window_ = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(created));
    }
    auto* self = reinterpret_cast<NativeForm*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self == nullptr || self->form_ == nullptr || self->window_ != window) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    return self->Handle(message, wParam, lParam);
}

void NativeForm::Mouse(UINT message, WPARAM wParam, LPARAM lParam) {
    TForm& form = *form_;
    const int x = GET_X_LPARAM(lParam);
    const int y = GET_Y_LPARAM(lParam);
    const ShiftState shift = ShiftFromKeys(wParam);
    switch (message) {
    case WM_MOUSEMOVE: {
        TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, window_, 0};
        TrackMouseEvent(&track);
        Dispatch([&] { form.MouseMove(x, y, shift); });
        break;
    }
    case WM_LBUTTONDOWN:
        SetCapture(window_);
        Dispatch([&] { form.MouseDown(MouseButton::Left, x, y, shift); });
        break;
    case WM_RBUTTONDOWN:
        Dispatch([&] { form.MouseDown(MouseButton::Right, x, y, shift); });
        break;
    case WM_MBUTTONDOWN:
        Dispatch([&] { form.MouseDown(MouseButton::Middle, x, y, shift); });
        break;
    case WM_LBUTTONUP:
        // The click first: letting the capture go raises "capture lost", which ends the press.
        Dispatch([&] { form.MouseUp(MouseButton::Left, x, y); });
        if (GetCapture() == window_) {
            ReleaseCapture();
        }
        break;
    case WM_RBUTTONUP:
        Dispatch([&] { form.MouseUp(MouseButton::Right, x, y); });
        break;
    case WM_MBUTTONUP:
        Dispatch([&] { form.MouseUp(MouseButton::Middle, x, y); });
        break;
    default:
        break;
    }
    // The tip hears of the move after the model: a hint the move has just shown is known.
    if (hints_ != nullptr && window_ != nullptr && IsWindow(window_)) {
        hints_->Relay(message, wParam, lParam);
    }
}

void NativeForm::PointerNow() {
    POINT at;
    if (form_ == nullptr || !IsWindowVisible(window_) || !GetCursorPos(&at) ||
        WindowFromPoint(at) != window_) {
        return;
    }
    ScreenToClient(window_, &at);
    WPARAM keys = 0;
    for (const auto& [key, flag] : {std::pair<int, WPARAM>{VK_LBUTTON, MK_LBUTTON},
                                    {VK_RBUTTON, MK_RBUTTON},
                                    {VK_MBUTTON, MK_MBUTTON},
                                    {VK_SHIFT, MK_SHIFT},
                                    {VK_CONTROL, MK_CONTROL}}) {
        if (GetKeyState(key) < 0) {
            keys |= flag;
        }
    }
    Mouse(WM_MOUSEMOVE, keys, MAKELPARAM(at.x, at.y));
}

void NativeForm::DroppedFiles(HDROP drop) {
    std::vector<std::string> paths;
    const UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
    for (UINT i = 0; i < count; ++i) {
        const UINT length = DragQueryFileW(drop, i, nullptr, 0);
        std::wstring path(length + 1, L'\0');
        DragQueryFileW(drop, i, path.data(), length + 1);
        path.resize(length);
        paths.push_back(Narrow(path));
    }
    DragFinish(drop);
    Dispatch([&] { form_->FilesDropped(paths); });
}

LRESULT NativeForm::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    TForm& form = *form_;
    if ((message >= WM_MOUSEFIRST && message <= WM_MOUSELAST) && message != WM_MOUSEWHEEL) {
        Mouse(message, wParam, lParam);
        return 0;
    }
    switch (message) {
    case WM_PAINT:
        painter_.Paint(window_, form);
        if (!firstPaintDone_) {
            firstPaintDone_ = true;
            PostMessageW(window_, kAfterFirstPaint, 0, 0);
        }
        return 0;
    case kAfterFirstPaint:
        MakeHintsAndTrayIcon();
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
        if (peer != nullptr && IsWindowVisible(peer->Handle())) {
            ::SetFocus(peer->Handle());
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
        Rect bounds{proposed->left, proposed->top, proposed->right - proposed->left,
                    proposed->bottom - proposed->top};
        Dispatch([&] { form.Moving(bounds); });
        *proposed = ToRECT(bounds);
        return TRUE;
    }
    case WM_MOVE: {
        RECT outer;
        GetWindowRect(window_, &outer);
        Dispatch([&] { form.Moved(outer.left, outer.top); });
        return 0;
    }
    case TrayIcon::kCallbackMessage:
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
            DestroyWindow(window_);
        } else {
            Hide();
            form.WindowClosed();
        }
        return 0;
    }
    case WM_DESTROY:
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
    return DefWindowProcW(window_, message, wParam, lParam);
}

bool NativeForm::PreviewKey(const MSG& message) {
    bool passOn = true;
    const auto key = static_cast<std::uint16_t>(message.wParam);
    Dispatch([&] { passOn = form_->KeyDown(key, ShiftNow()); });
    return passOn;
}

void NativeForm::Tab(bool backwards) {
    if (TControl* next = form_->NextTabStop(form_->Focused(), backwards)) {
        SetFocus(*next);
    }
}

void NativeForm::SetBounds(int left, int top, int width, int height) {
    SetWindowPos(window_, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void NativeForm::SetCaption(const std::string& caption) {
    SetWindowTextW(window_, Widen(caption).c_str());
}

void NativeForm::SetEllipticRegion(int left, int top, int right, int bottom) {
    // The region belongs to the window system from here on.
    SetWindowRgn(window_, CreateEllipticRgn(left, top, right, bottom), TRUE);
}

void NativeForm::SetTopmost(bool topmost) {
    // Raised without taking the keyboard focus from the program the user is typing in.
    SetWindowPos(window_, topmost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void NativeForm::SetWindowStateNormal() {
    if (IsIconic(window_)) {
        ShowWindow(window_, SW_SHOWNOACTIVATE);
    }
}

void NativeForm::Show() {
    form_->WindowShown();
    ShowWindow(window_, SW_SHOW);
    SetForegroundWindow(window_);
}

void NativeForm::Hide() {
    // A window hidden before its first paint (started in the tray) still needs its icon there.
    MakeHintsAndTrayIcon();
    ShowWindow(window_, SW_HIDE);
    painter_.Release();
}

void NativeForm::BringToForeground() {
    SetForegroundWindow(window_);
}

void NativeForm::Update() {
    UpdateWindow(window_);
}

void NativeForm::SetFocus(TControl& control) {
    ChildPeer* peer = PeerOf(control);
    // Only the active window moves the native focus; otherwise the choice is kept and given
    // to the control when the window is next activated.
    if (peer != nullptr && peer->Handle() != nullptr && GetActiveWindow() == window_) {
        ::SetFocus(peer->Handle());
    } else {
        form_->FocusChanged(&control);
    }
}

void NativeForm::Close() {
    SendMessageW(window_, WM_CLOSE, 0, 0);
}

void NativeForm::AcceptDroppedFiles(bool accept) {
    // The style bit is all that accepting files means to the window system; setting it here
    // spares loading the shell before the window is on the screen.
    const LONG_PTR style = GetWindowLongPtrW(window_, GWL_EXSTYLE);
    SetWindowLongPtrW(window_, GWL_EXSTYLE,
                      accept ? (style | WS_EX_ACCEPTFILES)
                             : (style & ~LONG_PTR{WS_EX_ACCEPTFILES}));
}

void NativeForm::DragMove() {
    // As a press on a title bar: the window system moves the window until the release.
    ReleaseCapture();
    SendMessageW(window_, WM_NCLBUTTONDOWN, HTCAPTION, 0);
}

} // namespace vorlane::win32
