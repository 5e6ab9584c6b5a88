// One form's native window: its class and the window made from the form's window parameters,
// the peers of its controls and timers, what the first paint does not need (hints, tray
// icon) made after it, the registry of its child windows, and letting it all go with the
// model.
#include "platform/win32/NativeForm.h"

#include "assets/ResourceIds.h"
#include "platform/Dispatch.h"
#include "platform/win32/ChildPeers.h"
#include "platform/win32/Dpi.h"
#include "platform/win32/RectConversions.h"
#include "platform/win32/Utf16.h"
#include "platform/win32/Win32Application.h"
#include "platform/win32/WindowSystem.h"

#include <algorithm>
#include <string>

namespace vorlane::win32 {

NativeForm::NativeForm(Win32Application& application, TForm& form, bool isMain)
    : application_(application), form_(&form), isMain_(isMain),
      painter_(application.Pictures(), application.Gdi()),
      taskbarCreated_(RegisterWindowMessageW(L"TaskbarCreated")) {
    WindowParams params;
    params.className = "T" + form.Name();
    form.CreateParams(params);
    const std::wstring className = Widen(params.className);
    const int icon = params.icon != 0 ? params.icon : VORLANE_ICON_APP;
    if (!RegisterWindowClass(Instance(), className.c_str(), WindowProc,
                             LoadIconW(Instance(), MAKEINTRESOURCEW(icon)),
                             LoadCursorW(nullptr, MAKEINTRESOURCEW(32512)))) { // IDC_ARROW
        throw WindowSystemError("Die Fensterklasse \"" + params.className +
                                "\" ist nicht registriert");
    }

    DWORD style = WS_POPUP | WS_CLIPCHILDREN;
    if (params.border == FormBorder::Dialog) {
        style |= WS_CAPTION | WS_SYSMENU;
    }
    const DWORD exStyle = (params.toolWindow ? WS_EX_TOOLWINDOW : 0U) |
                          (params.appWindow ? WS_EX_APPWINDOW : 0U) |
                          (form.StayOnTop ? WS_EX_TOPMOST : 0U);
    // Owned by the application's hidden window, so none of the forms has a taskbar button of
    // its own unless it asks for one. The window procedure takes the handle on WM_NCCREATE.
    if (CreateWindowExW(exStyle, className.c_str(), Widen(form.Caption()).c_str(), style,
                        form.Left(), form.Top(), std::max(form.Width(), 1),
                        std::max(form.Height(), 1), application.OwnerHandle(), nullptr, Instance(),
                        this) == nullptr) {
        // A window the system let go again during its creation is not ours to destroy.
        window_.Release();
        throw WindowSystemError("Das Fenster \"" + form.Name() + "\" ist nicht erstellt");
    }

    // The layout takes the DPI of the monitor the window was made on before anything is
    // mirrored; a later move to another monitor brings WM_DPICHANGED.
    form.SetDpi(WindowDpi(Hwnd()));
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
    MakeHints();
    if (TTrayIcon* icon = form_->TrayIconOf()) {
        trayIcon_ = std::make_unique<NotifyIcon>(Hwnd(), Instance(), *icon);
        trayIcon_->Changed(*icon);
    }
}

void NativeForm::MakeHints() {
    hints_ = std::make_unique<HintTool>(Hwnd(), Instance(), form_->Dpi());
    if (application_.CurrentHintStyle()) {
        hints_->SetStyle(*application_.CurrentHintStyle());
    }
    for (TControl* control : form_->Controls()) {
        const ChildPeer* peer = PeerOf(*control);
        if (peer != nullptr && peer->Hwnd() == nullptr) {
            continue; // its hint comes with its window
        }
        hints_->Update(*control, peer != nullptr ? peer->Hwnd() : nullptr);
    }
}

void NativeForm::DpiChanged(int dpi, const RECT& suggested) {
    const Rect place = FromRECT(suggested);
    // The model places every control again and tells its peers; fonts and pictures follow the
    // controls' DPI when they are next drawn.
    Dispatch([&] { form_->DpiChanged(dpi, place); });
    if (form_ == nullptr) {
        return;
    }
    if (hints_ != nullptr) { // its tools' rectangles and its width are the old DPI's
        MakeHints();
    }
    if (trayIcon_ != nullptr) {
        trayIcon_->DpiChanged();
    }
    RECT client;
    GetClientRect(Hwnd(), &client);
    Invalidate(Rect{0, 0, client.right, client.bottom});
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
    ForgetAccessible();
    form_ = nullptr;
    trayIcon_.reset();
    window_.Reset();
}

HINSTANCE NativeForm::Instance() const {
    return application_.Instance();
}

GdiCache& NativeForm::Gdi() {
    return application_.Gdi();
}

bool NativeForm::Owns(HWND window) const {
    return window_.Valid() && (window == Hwnd() || IsChild(Hwnd(), window));
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
        if (peer->Hwnd() != nullptr) {
            before = peer->Hwnd();
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

} // namespace vorlane::win32
