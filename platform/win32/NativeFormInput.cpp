// A form's input on its way to the model: mouse messages with the capture that a left press
// takes, the pointer leaving and the move given after a modal box, keys for the key preview
// and tab order, and dropped files.
#include "platform/win32/NativeForm.h"

#include "platform/Dispatch.h"
#include "platform/win32/Handles.h"
#include "platform/win32/Utf16.h"

#include <shellapi.h>
#include <windowsx.h>

#include <string>
#include <utility>
#include <vector>

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

// The buttons and keys held now, as a mouse message carries them.
WPARAM MouseKeysNow() {
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
    return keys;
}

// The paths of the files dropped on a window; the drop is let go as soon as they are read,
// before the model sees them.
std::vector<std::string> TakeDroppedPaths(UniqueDrop drop) {
    std::vector<std::string> paths;
    const UINT count = DragQueryFileW(drop.Get(), 0xFFFFFFFF, nullptr, 0);
    for (UINT i = 0; i < count; ++i) {
        const UINT length = DragQueryFileW(drop.Get(), i, nullptr, 0);
        std::wstring path(length + 1, L'\0');
        DragQueryFileW(drop.Get(), i, path.data(), length + 1);
        path.resize(length);
        paths.push_back(Narrow(path));
    }
    return paths;
}

} // namespace

void NativeForm::Mouse(UINT message, WPARAM wParam, LPARAM lParam) {
    TForm& form = *form_;
    HWND window = Hwnd();
    const int x = GET_X_LPARAM(lParam);
    const int y = GET_Y_LPARAM(lParam);
    const ShiftState shift = ShiftFromKeys(wParam);
    switch (message) {
    case WM_MOUSEMOVE: {
        TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, window, 0};
        TrackMouseEvent(&track);
        Dispatch([&] { form.MouseMove(x, y, shift); });
        break;
    }
    case WM_LBUTTONDOWN:
        SetCapture(window);
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
        if (GetCapture() == window) {
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
    if (hints_ != nullptr && window_.Valid() && IsWindow(Hwnd())) {
        hints_->Relay(message, wParam, lParam);
    }
}

void NativeForm::PointerNow() {
    HWND window = Hwnd();
    POINT at;
    if (form_ == nullptr || !IsWindowVisible(window) || !GetCursorPos(&at) ||
        WindowFromPoint(at) != window) {
        return;
    }
    ScreenToClient(window, &at);
    Mouse(WM_MOUSEMOVE, MouseKeysNow(), MAKELPARAM(at.x, at.y));
}

void NativeForm::PointerLeft() {
    if (form_ != nullptr) {
        Dispatch([this] { form_->MouseLeave(); });
    }
}

void NativeForm::DroppedFiles(HDROP drop) {
    const std::vector<std::string> paths = TakeDroppedPaths(UniqueDrop(drop));
    Dispatch([&] { form_->FilesDropped(paths); });
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

} // namespace vorlane::win32
