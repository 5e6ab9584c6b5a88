#include "platform/win32/Win32Application.h"

#include "assets/ResourceIds.h"
#include "platform/Dispatch.h"
#include "platform/win32/Dpi.h"
#include "platform/win32/ModalLoop.h"
#include "platform/win32/ShowPopupMenu.h"
#include "platform/win32/Utf16.h"
#include "platform/win32/WindowSystem.h"

namespace vorlane::win32 {

namespace {
constexpr wchar_t kOwnerClass[] = L"TVorlaneApplication";
}

Win32Application::Win32Application(HINSTANCE instance) : instance_(instance) {
    if (RegisterWindowClass(instance, kOwnerClass, OwnerProc,
                            LoadIconW(instance, MAKEINTRESOURCEW(VORLANE_ICON_APP)))) {
        owner_.Reset(CreateWindowExW(0, kOwnerClass, L"Vorlane", WS_POPUP, 0, 0, 0, 0, nullptr,
                                     nullptr, instance, nullptr));
    }
    if (!owner_.Valid()) {
        // Reported with the main window, which cannot be made without it.
        ownerFailure_ =
            WindowSystemError("Das Fenster \"TVorlaneApplication\" ist nicht erstellt").what();
        return;
    }
    SetWindowLongPtrW(owner_.Get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

LRESULT CALLBACK Win32Application::OwnerProc(HWND window, UINT message, WPARAM wParam,
                                             LPARAM lParam) {
    if (message == kAfterModalLoop) {
        if (auto* self =
                reinterpret_cast<Win32Application*>(GetWindowLongPtrW(window, GWLP_USERDATA))) {
            self->SettleAfterModalLoop();
        }
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

HWND Win32Application::MainHandle() const {
    return forms_.empty() ? nullptr : forms_.front()->Hwnd();
}

void Win32Application::SetTitle(const std::string& title) {
    SetWindowTextW(owner_.Get(), Widen(title).c_str());
}

void Win32Application::CreateWindowOf(TForm& form) {
    // The windows of forms let go since (closed dialogs) go with their painters now; never
    // from inside one of their own messages, as this runs for another form.
    std::erase_if(forms_, [](const std::unique_ptr<NativeForm>& made) {
        return made->Model() == nullptr && !made->IsMain();
    });
    const bool isMain = forms_.empty();
    try {
        if (!owner_.Valid()) {
            throw EWindowSystemError(ownerFailure_);
        }
        forms_.push_back(std::make_unique<NativeForm>(*this, form, isMain));
    } catch (const EWindowSystemError& error) {
        Dispatch([&error] { throw error; });
        if (isMain) {
            throw;
        }
    }
}

NativeForm* Win32Application::FormOf(HWND window) const {
    for (const auto& form : forms_) {
        if (form->Model() != nullptr && form->Owns(window)) {
            return form.get();
        }
    }
    return nullptr;
}

void Win32Application::HideOwnerWindow() {
    ShowWindow(owner_.Get(), SW_HIDE);
}

void Win32Application::Minimize() {
    // Recorded only: the window is hidden to the tray right afterwards, and an iconic
    // window would otherwise show as an icon on desktops without a window manager.
    minimized_ = true;
}

void Win32Application::Restore() {
    if (!minimized_) {
        return;
    }
    minimized_ = false;
    ShowWindow(MainHandle(), SW_SHOWNOACTIVATE);
    HideOwnerWindow();
    if (OnRestore) {
        OnRestore(nullptr);
    }
}

void Win32Application::SetHintStyle(Color background, int delayMs, int displayMs) {
    hintStyle_ = HintStyle{background, delayMs, displayMs};
    for (const auto& form : forms_) {
        if (form->Model() != nullptr) {
            form->ApplyHintStyle(*hintStyle_);
        }
    }
}

void Win32Application::PopupMenu(TPopupMenu& menu, int x, int y) {
    const ModalLoop modal(*this);
    HWND owner = MainHandle() != nullptr ? MainHandle() : owner_.Get();
    ShowPopupMenu(menu, owner, x, y, pictures_, WindowDpi(owner));
}

std::optional<Point> Win32Application::PointerPosition() {
    POINT at;
    if (!GetCursorPos(&at)) {
        return std::nullopt;
    }
    return Point{at.x, at.y};
}

bool Win32Application::PointerOverProgramWindows() {
    const std::optional<Point> at = PointerPosition();
    // Where the pointer cannot be read (a locked or secure desktop) it counts as ours, so
    // nothing is taken from the user on a guess.
    if (!at) {
        return true;
    }
    HWND under = WindowFromPoint(POINT{at->x, at->y});
    if (under == nullptr) {
        return false;
    }
    DWORD process = 0;
    GetWindowThreadProcessId(under, &process);
    return process == GetCurrentProcessId();
}

void Win32Application::ProcessMessages() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(message.wParam));
            return;
        }
        HandleMessage(message);
    }
}

void Win32Application::RemovePendingChar() {
    MSG pending;
    PeekMessageW(&pending, nullptr, WM_CHAR, WM_CHAR, PM_REMOVE);
}

void Win32Application::Terminate() {
    PostQuitMessage(0);
}

void Win32Application::HandleMessage(MSG& message) {
    if (message.message == WM_KEYDOWN || message.message == WM_SYSKEYDOWN) {
        if (NativeForm* form = FormOf(message.hwnd)) {
            if (!form->PreviewKey(message)) {
                return;
            }
            if (message.message == WM_KEYDOWN && message.wParam == VK_TAB &&
                form->Model() != nullptr) {
                form->Tab(GetKeyState(VK_SHIFT) < 0);
                return;
            }
        }
    }
    TranslateMessage(&message);
    DispatchMessageW(&message);
}

void Win32Application::ModalLoopStarts() {
    // A press that opens a box ends there: its release goes to the box. Letting the capture
    // go tells the window holding it (a form ends its press, a button its pushed state).
    if (modalDepth_++ == 0 && GetCapture() != nullptr) {
        ReleaseCapture();
    }
}

void Win32Application::ModalLoopEnded() {
    // The settling waits until the message that opened the box is done: a button pressed
    // with the pointer takes the mouse only after the focus move that opened the box.
    if (--modalDepth_ == 0 && owner_.Valid()) {
        PostMessageW(owner_.Get(), kAfterModalLoop, 0, 0);
    }
}

void Win32Application::SettleAfterModalLoop() {
    if (modalDepth_ != 0) {
        return;
    }
    // The release of that press went to the box: nothing of ours may keep the mouse now.
    if (GetCapture() != nullptr && GetKeyState(VK_LBUTTON) >= 0) {
        ReleaseCapture();
    }
    for (const auto& form : forms_) {
        if (form->Model() != nullptr) {
            form->PointerNow();
        }
    }
}

int Win32Application::RunMessageLoop() {
    if (HWND main = MainHandle()) {
        ShowWindow(main, SW_SHOWNORMAL);
        UpdateWindow(main);
    }
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        HandleMessage(message);
    }
    return static_cast<int>(message.wParam);
}

} // namespace vorlane::win32
