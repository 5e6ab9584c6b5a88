#include "platform/win32/MainWindow.h"

#include "platform/Dispatch.h"
#include "platform/win32/ControlIds.h"
#include "platform/win32/Utf16.h"

#include <commctrl.h>
#include <shellapi.h>
#include <uxtheme.h>
#include <windowsx.h>

#include <algorithm>

namespace vorlane::win32 {

namespace {

constexpr wchar_t kFormClass[] = L"TFormVorlane";
constexpr wchar_t kOwnerClass[] = L"TVorlaneApplication";
constexpr wchar_t kMediaPlayerClass[] = L"TMediaPlayer";
constexpr UINT kTrayMessage = WM_APP + 1;
constexpr UINT kTrayIconId = 1;

COLORREF ToColorRef(Color color) {
    return RGB(color.red, color.green, color.blue);
}

ShiftState ShiftFromKeys(WPARAM keys) {
    return ShiftState{(keys & MK_LBUTTON) != 0, (keys & MK_RBUTTON) != 0, (keys & MK_MBUTTON) != 0};
}

void RegisterClasses(HINSTANCE instance, WNDPROC formProc, WNDPROC childProc) {
    WNDCLASSEXW form{};
    form.cbSize = sizeof(form);
    form.lpfnWndProc = formProc;
    form.hInstance = instance;
    form.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512)); // IDC_ARROW
    form.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(1));
    form.lpszClassName = kFormClass;
    RegisterClassExW(&form);

    WNDCLASSEXW owner = form;
    owner.lpfnWndProc = DefWindowProcW;
    owner.lpszClassName = kOwnerClass;
    RegisterClassExW(&owner);

    WNDCLASSEXW player = form;
    player.lpfnWndProc = childProc;
    player.hIcon = nullptr;
    player.lpszClassName = kMediaPlayerClass;
    RegisterClassExW(&player);
}

} // namespace

MainWindow::MainWindow(HINSTANCE instance) : instance_(instance) {
    RegisterClasses(instance, WindowProc, ChildProc);
    owner_ = CreateWindowExW(0, kOwnerClass, L"Vorlane", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                             instance, nullptr);
    taskbarCreated_ = RegisterWindowMessageW(L"TaskbarCreated");
}

MainWindow::~MainWindow() {
    // The model may be gone already: from here on the window answers nothing itself.
    form_ = nullptr;
    RemoveTrayIcon();
    if (window_ != nullptr && IsWindow(window_)) {
        DestroyWindow(window_);
    }
    if (owner_ != nullptr) {
        DestroyWindow(owner_);
    }
    for (auto& [key, font] : fonts_) {
        DeleteObject(font);
    }
    for (auto& [key, brush] : brushes_) {
        DeleteObject(brush);
    }
    if (backDc_ != nullptr) {
        DeleteDC(backDc_);
        DeleteObject(backBitmap_);
    }
    if (pictureDc_ != nullptr) {
        DeleteDC(pictureDc_);
    }
}

void MainWindow::SetTitle(const std::string& title) {
    SetWindowTextW(owner_, Widen(title).c_str());
}

void MainWindow::Create(TForm& form) {
    form_ = &form;
    // Owned by the hidden owner window; the form decides the rest of the extended style.
    WindowParams params;
    form.CreateParams(params);
    const DWORD exStyle = (params.toolWindow ? WS_EX_TOOLWINDOW : 0) |
                          (params.appWindow ? WS_EX_APPWINDOW : 0) |
                          (form.StayOnTop ? WS_EX_TOPMOST : 0);
    window_ = CreateWindowExW(exStyle, kFormClass, Widen(form.Caption).c_str(),
                              WS_POPUP | WS_CLIPCHILDREN, form.Left(), form.Top(),
                              std::max(form.Width(), 1), std::max(form.Height(), 1), owner_,
                              nullptr, instance_, this);
    tooltip_ =
        CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                        WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP, CW_USEDEFAULT, CW_USEDEFAULT,
                        CW_USEDEFAULT, CW_USEDEFAULT, window_, nullptr, instance_, nullptr);
    // Without the visual style the tip takes the program's own background colour.
    SetWindowTheme(tooltip_, L"", L"");
    SendMessageW(tooltip_, TTM_SETMAXTIPWIDTH, 0, 400);
    pictureDc_ = CreateCompatibleDC(nullptr);

    for (TControl* control : form.Controls()) {
        control->AttachPeer(this);
        if (control->Kind() != ControlKind::Image) {
            CreateChild(*control);
        }
        UpdateHintTool(*control);
    }
    for (TTimer* timer : form.Timers()) {
        timer->AttachPeer(this);
    }
    if (form.TrayIconOf() != nullptr) {
        form.TrayIconOf()->AttachPeer(this);
    }
}

void MainWindow::CreateChild(TControl& control) {
    DWORD style =
        WS_CHILD | (control.Visible() ? WS_VISIBLE : 0) | (control.TabStop ? WS_TABSTOP : 0);
    const wchar_t* windowClass = L"EDIT";
    switch (control.Kind()) {
    case ControlKind::Edit:
        style |= ES_AUTOHSCROLL | (control.ReadOnly ? ES_READONLY : 0);
        style |= control.Alignment == TextAlign::Right    ? ES_RIGHT
                 : control.Alignment == TextAlign::Center ? ES_CENTER
                                                          : ES_LEFT;
        break;
    case ControlKind::ComboBox:
        windowClass = L"COMBOBOX";
        style |= CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL;
        break;
    case ControlKind::PushButton:
        windowClass = L"BUTTON";
        style |= BS_PUSHBUTTON | BS_NOTIFY;
        break;
    case ControlKind::MediaPlayer:
        windowClass = kMediaPlayerClass;
        break;
    case ControlKind::Image:
        return;
    }
    const int id = ControlIdFor(control.Name());
    HWND child =
        CreateWindowExW(0, windowClass, Widen(control.Text()).c_str(), style, control.Left(),
                        control.Top(), control.Width(), control.Height(), window_,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance_, nullptr);
    children_[&control] = child;
    controlsByWindow_[child] = &control;
    if (control.Kind() == ControlKind::ComboBox) {
        SendMessageW(child, CB_SETMINVISIBLE, static_cast<WPARAM>(control.DropDownCount), 0);
    }
    if (control.Kind() != ControlKind::MediaPlayer) {
        SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(FontFor(control.GetFont())),
                     FALSE);
    }
}

void MainWindow::ShowAtStart() {
    ShowWindow(window_, SW_SHOWNORMAL);
    UpdateWindow(window_);
}

TControl* MainWindow::ControlOf(HWND child) const {
    auto found = controlsByWindow_.find(child);
    return found == controlsByWindow_.end() ? nullptr : found->second;
}

HWND MainWindow::ChildOf(const TControl& control) const {
    auto found = children_.find(&control);
    return found == children_.end() ? nullptr : found->second;
}

HFONT MainWindow::FontFor(const Font& font) {
    const auto key = std::make_tuple(font.name, font.points, font.bold);
    auto found = fonts_.find(key);
    if (found != fonts_.end()) {
        return found->second;
    }
    HDC screen = GetDC(nullptr);
    const int height = -MulDiv(font.points, GetDeviceCaps(screen, LOGPIXELSY), 72);
    ReleaseDC(nullptr, screen);
    HFONT made = CreateFontW(height, 0, 0, 0, font.bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE,
                             DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                             CLEARTYPE_QUALITY, DEFAULT_PITCH, Widen(font.name).c_str());
    fonts_[key] = made;
    return made;
}

HBRUSH MainWindow::BrushFor(Color color) {
    const COLORREF value = ToColorRef(color);
    auto found = brushes_.find(value);
    if (found != brushes_.end()) {
        return found->second;
    }
    return brushes_[value] = CreateSolidBrush(value);
}

void MainWindow::UpdateHintTool(TControl& control) {
    if (tooltip_ == nullptr) {
        return;
    }
    HWND child = ChildOf(control);
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof(tool);
    tool.hwnd = window_;
    // Fields are watched by the tip itself; the window relays its own mouse messages for the
    // pictures (see Handle), so removing one picture's tip never unhooks the others.
    tool.uFlags = child != nullptr ? (TTF_SUBCLASS | TTF_IDISHWND) : 0;
    tool.uId =
        child != nullptr ? reinterpret_cast<UINT_PTR>(child) : reinterpret_cast<UINT_PTR>(&control);
    SendMessageW(tooltip_, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    // A picture's hint belongs to its rectangle only while the picture is shown.
    if (!control.ShowHint || control.Hint().empty() || !control.Visible()) {
        return;
    }
    std::wstring text = Widen(control.Hint());
    tool.lpszText = text.data();
    tool.rect = RECT{control.Left(), control.Top(), control.Left() + control.Width(),
                     control.Top() + control.Height()};
    SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

void MainWindow::Invalidate(const Rect& bounds) {
    RECT rect{bounds.left, bounds.top, bounds.left + bounds.width, bounds.top + bounds.height};
    InvalidateRect(window_, &rect, FALSE);
}

void MainWindow::Changed(TControl& control, Change what) {
    if (window_ == nullptr || !IsWindow(window_)) {
        return;
    }
    HWND child = ChildOf(control);
    if (child == nullptr) {
        // A picture: repaint where it lies.
        if (what == Change::Bounds) {
            InvalidateRect(window_, nullptr, FALSE);
        } else if (what == Change::Visible) {
            Invalidate(control.Bounds());
        }
        if (what == Change::Visible || what == Change::Hint || what == Change::Bounds) {
            UpdateHintTool(control);
        }
        return;
    }
    switch (what) {
    case Change::Bounds:
        MoveWindow(child, control.Left(), control.Top(), control.Width(), control.Height(), TRUE);
        UpdateHintTool(control);
        break;
    case Change::Visible:
        ShowWindow(child, control.Visible() ? SW_SHOWNA : SW_HIDE);
        UpdateHintTool(control);
        break;
    case Change::Text:
        settingText_ = true;
        SetWindowTextW(child, Widen(control.Text()).c_str());
        settingText_ = false;
        break;
    case Change::Hint:
        UpdateHintTool(control);
        break;
    case Change::Colors:
        InvalidateRect(child, nullptr, TRUE);
        break;
    case Change::Font:
        SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(FontFor(control.GetFont())), TRUE);
        break;
    case Change::Items:
        SendMessageW(child, CB_RESETCONTENT, 0, 0);
        for (const std::string& item : control.Items()) {
            SendMessageW(child, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Widen(item).c_str()));
        }
        break;
    }
}

void MainWindow::Changed(TTimer& timer) {
    if (window_ == nullptr || !IsWindow(window_)) {
        return;
    }
    const auto& timers = form_->Timers();
    const auto at = std::find(timers.begin(), timers.end(), &timer);
    const UINT_PTR id = static_cast<UINT_PTR>(at - timers.begin()) + 1;
    if (timer.Enabled()) {
        SetTimer(window_, id, static_cast<UINT>(std::max(timer.Interval(), 1)), nullptr);
    } else {
        KillTimer(window_, id);
    }
}

void MainWindow::AddTrayIcon() {
    TTrayIcon* icon = form_->TrayIconOf();
    NOTIFYICONDATAW data{};
    data.cbSize = sizeof(data);
    data.hWnd = window_;
    data.uID = kTrayIconId;
    data.uFlags = NIF_ICON | NIF_TIP | NIF_MESSAGE;
    data.uCallbackMessage = kTrayMessage;
    data.hIcon = static_cast<HICON>(LoadImageW(instance_, MAKEINTRESOURCEW(1), IMAGE_ICON,
                                               GetSystemMetrics(SM_CXSMICON),
                                               GetSystemMetrics(SM_CYSMICON), LR_SHARED));
    lstrcpynW(data.szTip, Widen(icon->Hint()).c_str(), ARRAYSIZE(data.szTip));
    trayAdded_ = Shell_NotifyIconW(NIM_ADD, &data) != FALSE;
}

void MainWindow::RemoveTrayIcon() {
    if (!trayAdded_) {
        return;
    }
    NOTIFYICONDATAW data{};
    data.cbSize = sizeof(data);
    data.hWnd = window_;
    data.uID = kTrayIconId;
    Shell_NotifyIconW(NIM_DELETE, &data);
    trayAdded_ = false;
}

void MainWindow::Changed(TTrayIcon& icon) {
    if (window_ == nullptr || !IsWindow(window_)) {
        return;
    }
    if (!trayAdded_) {
        AddTrayIcon();
        return;
    }
    NOTIFYICONDATAW data{};
    data.cbSize = sizeof(data);
    data.hWnd = window_;
    data.uID = kTrayIconId;
    data.uFlags = NIF_TIP;
    lstrcpynW(data.szTip, Widen(icon.Hint()).c_str(), ARRAYSIZE(data.szTip));
    Shell_NotifyIconW(NIM_MODIFY, &data);
}

void MainWindow::TrayMessage(LPARAM event) {
    TTrayIcon* icon = form_->TrayIconOf();
    if (event == WM_LBUTTONUP && icon != nullptr && icon->OnClick) {
        Dispatch([icon] { icon->OnClick(icon); });
    }
    // The popup menu on a right click comes with the tray menu.
}

void MainWindow::Paint() {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window_, &paint);
    RECT client;
    GetClientRect(window_, &client);
    if (backDc_ == nullptr) {
        backDc_ = CreateCompatibleDC(dc);
        backBitmap_ = CreateCompatibleBitmap(dc, client.right, client.bottom);
        SelectObject(backDc_, backBitmap_);
    }
    // Compose off-screen, only inside the part that needs it, then copy once: no flicker.
    const RECT& area = paint.rcPaint;
    HRGN clip = CreateRectRgnIndirect(&area);
    SelectClipRgn(backDc_, clip);
    DeleteObject(clip);
    FillRect(backDc_, &area, BrushFor(form_->BackgroundColor));
    const BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    for (TControl* image : form_->ImagesBottomUp()) {
        if (!image->Visible()) {
            continue;
        }
        RECT bounds{image->Left(), image->Top(), image->Left() + image->Width(),
                    image->Top() + image->Height()};
        RECT overlap;
        if (!IntersectRect(&overlap, &bounds, &area)) {
            continue;
        }
        const Picture& picture = pictures_.Get(image->Picture);
        if (picture.bitmap == nullptr) {
            continue;
        }
        // Unscaled at the top-left, clipped to the control's rectangle.
        const int width = std::min(picture.width, image->Width());
        const int height = std::min(picture.height, image->Height());
        SelectObject(pictureDc_, picture.bitmap);
        if (picture.opaque) {
            BitBlt(backDc_, image->Left(), image->Top(), width, height, pictureDc_, 0, 0, SRCCOPY);
        } else {
            AlphaBlend(backDc_, image->Left(), image->Top(), width, height, pictureDc_, 0, 0, width,
                       height, blend);
        }
    }
    SelectClipRgn(backDc_, nullptr);
    BitBlt(dc, area.left, area.top, area.right - area.left, area.bottom - area.top, backDc_,
           area.left, area.top, SRCCOPY);
    EndPaint(window_, &paint);
}

LRESULT CALLBACK MainWindow::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
        auto* created = static_cast<MainWindow*>(create->lpCreateParams);
        created->window_ = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(created));
    }
    auto* self = reinterpret_cast<MainWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self == nullptr || self->form_ == nullptr) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    return self->Handle(message, wParam, lParam);
}

LRESULT CALLBACK MainWindow::ChildProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    // The media player's window: it only tells the main window when it takes the focus.
    if (message == WM_SETFOCUS) {
        auto* self =
            reinterpret_cast<MainWindow*>(GetWindowLongPtrW(GetParent(window), GWLP_USERDATA));
        if (self != nullptr && self->form_ != nullptr) {
            TControl* control = self->ControlOf(window);
            Dispatch([self, control] { self->form_->FocusChanged(control); });
        }
        return 0;
    }
    if (message == WM_GETDLGCODE) {
        return DLGC_WANTALLKEYS;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

LRESULT MainWindow::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    TForm& form = *form_;
    const int x = GET_X_LPARAM(lParam);
    const int y = GET_Y_LPARAM(lParam);
    if (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST && tooltip_ != nullptr) {
        MSG relayed{window_, message, wParam, lParam, 0, {x, y}};
        SendMessageW(tooltip_, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&relayed));
    }
    switch (message) {
    case WM_PAINT:
        Paint();
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_MOUSEMOVE:
        if (!trackingLeave_) {
            TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, window_, 0};
            trackingLeave_ = TrackMouseEvent(&track) != FALSE;
        }
        Dispatch([&] { form.MouseMove(x, y, ShiftFromKeys(wParam)); });
        return 0;
    case WM_MOUSELEAVE:
        trackingLeave_ = false;
        Dispatch([&] { form.MouseLeave(); });
        return 0;
    case WM_LBUTTONDOWN:
        SetCapture(window_);
        Dispatch([&] { form.MouseDown(MouseButton::Left, x, y, ShiftFromKeys(wParam)); });
        return 0;
    case WM_RBUTTONDOWN:
        Dispatch([&] { form.MouseDown(MouseButton::Right, x, y, ShiftFromKeys(wParam)); });
        return 0;
    case WM_MBUTTONDOWN:
        Dispatch([&] { form.MouseDown(MouseButton::Middle, x, y, ShiftFromKeys(wParam)); });
        return 0;
    case WM_LBUTTONUP:
        if (GetCapture() == window_) {
            ReleaseCapture();
        }
        Dispatch([&] { form.MouseUp(MouseButton::Left, x, y); });
        return 0;
    case WM_RBUTTONUP:
        Dispatch([&] { form.MouseUp(MouseButton::Right, x, y); });
        return 0;
    case WM_MBUTTONUP:
        Dispatch([&] { form.MouseUp(MouseButton::Middle, x, y); });
        return 0;
    case WM_SETFOCUS: {
        // Coming back to the window gives the focus back to the control that had it.
        TControl* focused = form.Focused();
        HWND child = focused != nullptr ? ChildOf(*focused) : nullptr;
        if (child != nullptr && IsWindowVisible(child)) {
            ::SetFocus(child);
        }
        return 0;
    }
    case WM_COMMAND: {
        HWND child = reinterpret_cast<HWND>(lParam);
        TControl* control = ControlOf(child);
        if (control == nullptr) {
            break;
        }
        const WORD code = HIWORD(wParam);
        if ((control->Kind() == ControlKind::Edit && code == EN_SETFOCUS) ||
            (control->Kind() == ControlKind::ComboBox && code == CBN_SETFOCUS) ||
            (control->Kind() == ControlKind::PushButton && code == BN_SETFOCUS)) {
            Dispatch([&] { form.FocusChanged(control); });
        } else if (control->Kind() == ControlKind::Edit && code == EN_CHANGE && !settingText_) {
            const int length = GetWindowTextLengthW(child);
            std::wstring text(static_cast<size_t>(length) + 1, L'\0');
            GetWindowTextW(child, text.data(), length + 1);
            text.resize(static_cast<size_t>(length));
            control->TextTyped(Narrow(text));
        } else if (control->Kind() == ControlKind::PushButton && code == BN_CLICKED &&
                   control->OnClick) {
            Dispatch([control] { control->OnClick(control); });
        }
        return 0;
    }
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC: {
        TControl* control = ControlOf(reinterpret_cast<HWND>(lParam));
        if (control == nullptr) {
            break;
        }
        HDC dc = reinterpret_cast<HDC>(wParam);
        SetTextColor(dc, ToColorRef(control->FontColor()));
        SetBkColor(dc, ToColorRef(control->BackgroundColor()));
        return reinterpret_cast<LRESULT>(BrushFor(control->BackgroundColor()));
    }
    case WM_TIMER: {
        const auto& timers = form.Timers();
        if (wParam >= 1 && wParam <= timers.size()) {
            TTimer* timer = timers[wParam - 1];
            Dispatch([timer] { timer->Fire(); });
        }
        return 0;
    }
    case WM_DROPFILES:
        // Dropped sound files are taken up with the alarm sound; until then they are let go.
        DragFinish(reinterpret_cast<HDROP>(wParam));
        return 0;
    case kTrayMessage:
        TrayMessage(lParam);
        return 0;
    case WM_CLOSE: {
        bool canClose = true;
        Dispatch([&] { canClose = form.CloseQuery(); });
        if (canClose) {
            DestroyWindow(window_);
        }
        return 0;
    }
    case WM_DESTROY:
        RemoveTrayIcon();
        PostQuitMessage(0);
        return 0;
    default:
        if (message == taskbarCreated_ && taskbarCreated_ != 0) {
            // The taskbar was restarted: the icon must be added again.
            trayAdded_ = false;
            AddTrayIcon();
            return 0;
        }
        break;
    }
    return DefWindowProcW(window_, message, wParam, lParam);
}

bool MainWindow::PreviewKey(const MSG& message) {
    if (message.message != WM_KEYDOWN && message.message != WM_SYSKEYDOWN) {
        return true;
    }
    if (window_ == nullptr || (message.hwnd != window_ && !IsChild(window_, message.hwnd))) {
        return true;
    }
    bool passOn = true;
    const auto key = static_cast<std::uint16_t>(message.wParam);
    Dispatch([&] { passOn = form_->KeyDown(key, ShiftState{}); });
    return passOn;
}

void MainWindow::HandleMessage(MSG& message) {
    if (!PreviewKey(message)) {
        return;
    }
    if (message.message == WM_KEYDOWN && message.wParam == VK_TAB && IsWindow(window_) &&
        (message.hwnd == window_ || IsChild(window_, message.hwnd))) {
        const bool backwards = (GetKeyState(VK_SHIFT) & 0x8000) != 0;
        if (TControl* next = form_->NextTabStop(form_->Focused(), backwards)) {
            SetFocus(*next);
        }
        return;
    }
    TranslateMessage(&message);
    DispatchMessageW(&message);
}

void MainWindow::SetWindowBounds(int left, int top, int width, int height) {
    if (window_ != nullptr) {
        SetWindowPos(window_, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

void MainWindow::SetEllipticRegion(int left, int top, int right, int bottom) {
    // The region belongs to the window system from here on.
    SetWindowRgn(window_, CreateEllipticRgn(left, top, right, bottom), TRUE);
}

void MainWindow::SetTopmost(bool topmost) {
    // Raised without taking the keyboard focus from the program the user is typing in.
    SetWindowPos(window_, topmost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void MainWindow::SetWindowStateNormal() {
    if (IsIconic(window_)) {
        ShowWindow(window_, SW_SHOWNOACTIVATE);
    }
}

void MainWindow::HideMainWindow() {
    ShowWindow(window_, SW_HIDE);
}

void MainWindow::BringToForeground() {
    SetForegroundWindow(window_);
}

void MainWindow::SetFocus(TControl& control) {
    HWND child = ChildOf(control);
    // Only the active window moves the native focus; otherwise the choice is kept and
    // given to the control when the window is next activated.
    if (child != nullptr && GetActiveWindow() == window_) {
        ::SetFocus(child);
    } else {
        form_->FocusChanged(&control);
    }
}

void MainWindow::Close() {
    SendMessageW(window_, WM_CLOSE, 0, 0);
}

void MainWindow::AcceptDroppedFiles(bool accept) {
    DragAcceptFiles(window_, accept);
}

void MainWindow::RemovePendingChar() {
    MSG pending;
    PeekMessageW(&pending, nullptr, WM_CHAR, WM_CHAR, PM_REMOVE);
}

bool MainWindow::PointerOverProgramWindows() {
    POINT at;
    GetCursorPos(&at);
    HWND under = WindowFromPoint(at);
    if (under == nullptr) {
        return false;
    }
    DWORD process = 0;
    GetWindowThreadProcessId(under, &process);
    return process == GetCurrentProcessId();
}

void MainWindow::HideOwnerWindow() {
    ShowWindow(owner_, SW_HIDE);
}

void MainWindow::MinimizeApplication() {
    // Recorded only: the window is hidden to the tray right afterwards, and an iconic
    // window would otherwise show as an icon on desktops without a window manager.
    minimized_ = true;
}

void MainWindow::RestoreApplication() {
    if (!minimized_) {
        return;
    }
    minimized_ = false;
    ShowWindow(window_, SW_SHOWNOACTIVATE);
    HideOwnerWindow();
}

void MainWindow::SetHintStyle(Color background, int delayMs, int displayMs) {
    SendMessageW(tooltip_, TTM_SETTIPBKCOLOR, ToColorRef(background), 0);
    SendMessageW(tooltip_, TTM_SETDELAYTIME, TTDT_INITIAL, delayMs);
    SendMessageW(tooltip_, TTM_SETDELAYTIME, TTDT_AUTOPOP, displayMs);
}

void MainWindow::ProcessMessages() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(message.wParam));
            return;
        }
        HandleMessage(message);
    }
}

void MainWindow::Terminate() {
    PostQuitMessage(0);
}

} // namespace vorlane::win32
