// A form's window for screen readers: the accessible object of its client area, made when a
// reader first asks for it; the parts' actions; the events that tell readers of a changed
// name and of an alert.
#include "platform/win32/AccessibleClient.h"
#include "platform/win32/Com.h"
#include "platform/win32/NativeForm.h"

#include "platform/Dispatch.h"

#include <algorithm>

namespace vorlane::win32 {

namespace {

// The child id of the part the control stands for (1-based), or CHILDID_SELF.
LONG ChildIdOf(const std::vector<AccessibleItem>& items, const TControl* control) {
    const auto found = std::find_if(items.begin(), items.end(), [&](const AccessibleItem& item) {
        return control != nullptr && item.control == control;
    });
    return found == items.end() ? CHILDID_SELF : static_cast<LONG>(found - items.begin()) + 1;
}

} // namespace

std::vector<AccessibleItem> NativeForm::AccessibleItems() {
    std::vector<AccessibleItem> items;
    if (form_ != nullptr) {
        Dispatch([&] { items = form_->AccessibleItems(); });
    }
    return items;
}

LRESULT NativeForm::AccessibleObject(WPARAM wParam, LPARAM lParam) {
    // Only the client area is ours to describe, and only where the model describes it.
    if (static_cast<DWORD>(lParam) != static_cast<DWORD>(OBJID_CLIENT) ||
        AccessibleItems().empty()) {
        return DefWindowProcW(Hwnd(), WM_GETOBJECT, wParam, lParam);
    }
    if (accessible_.Get() == nullptr) {
        // The reference handed over goes through COM.
        UseCom();
        *accessible_.Put() = new AccessibleClient(*this, Hwnd());
    }
    return LresultFromObject(__uuidof(IAccessible), wParam, accessible_.Get());
}

void NativeForm::ForgetAccessible() {
    if (accessible_.Get() != nullptr) {
        accessible_->Disconnect();
        accessible_.Reset();
    }
}

void NativeForm::PostAccessibleAction(TControl& control) {
    PostMessageW(Hwnd(), kAccessibleAction, 0, reinterpret_cast<LPARAM>(&control));
}

void NativeForm::RunAccessibleAction(LPARAM lParam) {
    // The control is one of the form's, unless the form has changed since the post.
    const auto& controls = form_->Controls();
    const auto found =
        std::find(controls.begin(), controls.end(), reinterpret_cast<TControl*>(lParam));
    if (found != controls.end()) {
        Dispatch([control = *found] { control->Click(); });
    }
}

void NativeForm::AccessibleNameChanged(const TControl& control) {
    const LONG child = ChildIdOf(form_->AccessibleItems(), &control);
    if (child != CHILDID_SELF && window_.Valid()) {
        NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, Hwnd(), OBJID_CLIENT, child);
    }
}

void NativeForm::Alert(const TControl* about) {
    if (window_.Valid()) {
        NotifyWinEvent(EVENT_SYSTEM_ALERT, Hwnd(), OBJID_CLIENT,
                       ChildIdOf(form_->AccessibleItems(), about));
    }
}

} // namespace vorlane::win32
