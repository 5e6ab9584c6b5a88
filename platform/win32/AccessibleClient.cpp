#include "platform/win32/AccessibleClient.h"

#include "platform/win32/NativeForm.h"
#include "platform/win32/Utf16.h"

#include <limits>

namespace vorlane::win32 {

namespace {

// A call on an object whose window has gone.
constexpr HRESULT kGone = RPC_E_DISCONNECTED;

HRESULT ToBstr(const std::string& text, BSTR* out) {
    *out = nullptr;
    if (text.empty()) {
        return S_FALSE;
    }
    *out = SysAllocString(Widen(text).c_str());
    return *out != nullptr ? S_OK : E_OUTOFMEMORY;
}

void SetChildId(VARIANT* out, long id) {
    out->vt = VT_I4;
    out->lVal = id;
}

long RoleOf(AccessibleRole role) {
    switch (role) {
    case AccessibleRole::PushButton:
        return ROLE_SYSTEM_PUSHBUTTON;
    case AccessibleRole::Link:
        return ROLE_SYSTEM_LINK;
    case AccessibleRole::Text:
        break;
    }
    return ROLE_SYSTEM_STATICTEXT;
}

long StateOf(const AccessibleItem& item, bool windowVisible) {
    long state = 0;
    if (item.pressed) {
        state |= STATE_SYSTEM_PRESSED;
    }
    if (item.focusable) {
        state |= STATE_SYSTEM_FOCUSABLE;
    }
    if (item.role == AccessibleRole::Link) {
        state |= STATE_SYSTEM_LINKED;
    }
    if (item.role == AccessibleRole::Text) {
        state |= STATE_SYSTEM_READONLY;
    }
    if (!windowVisible) {
        state |= STATE_SYSTEM_INVISIBLE;
    }
    return state;
}

} // namespace

AccessibleClient::AccessibleClient(NativeForm& form, HWND window) : form_(&form), window_(window) {
    // Without the system's object the window's own answers fail; the parts still work.
    CreateStdAccessibleObject(window, OBJID_CLIENT, __uuidof(IAccessible),
                              reinterpret_cast<void**>(system_.Put()));
}

HRESULT AccessibleClient::QueryInterface(REFIID id, void** object) {
    if (object == nullptr) {
        return E_POINTER;
    }
    if (id == __uuidof(IUnknown) || id == __uuidof(IDispatch) || id == __uuidof(IAccessible)) {
        *object = static_cast<IAccessible*>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

ULONG AccessibleClient::AddRef() {
    return static_cast<ULONG>(InterlockedIncrement(&references_));
}

ULONG AccessibleClient::Release() {
    const LONG left = InterlockedDecrement(&references_);
    if (left == 0) {
        delete this;
    }
    return static_cast<ULONG>(left);
}

HRESULT AccessibleClient::GetTypeInfoCount(UINT* count) {
    if (count == nullptr) {
        return E_INVALIDARG;
    }
    *count = 0;
    return S_OK;
}

HRESULT AccessibleClient::GetTypeInfo(UINT, LCID, ITypeInfo**) {
    return E_NOTIMPL;
}

HRESULT AccessibleClient::GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) {
    return E_NOTIMPL;
}

HRESULT AccessibleClient::Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                                 UINT*) {
    return E_NOTIMPL;
}

std::vector<AccessibleItem> AccessibleClient::Items() {
    return form_ != nullptr ? form_->AccessibleItems() : std::vector<AccessibleItem>{};
}

bool AccessibleClient::Lookup(const VARIANT& child, const std::vector<AccessibleItem>& items,
                              const AccessibleItem** item) {
    *item = nullptr;
    if (child.vt != VT_I4) {
        return false;
    }
    if (child.lVal == CHILDID_SELF) {
        return true;
    }
    if (child.lVal < 1 || static_cast<size_t>(child.lVal) > items.size()) {
        return false;
    }
    *item = &items[static_cast<size_t>(child.lVal) - 1];
    return true;
}

// Each property of a part; the window's own from the system's object. A call for an id that
// names nothing is an invalid argument, one after the window has gone is disconnected.
template <typename OfWindow, typename OfPart>
HRESULT AccessibleClient::ForPart(const VARIANT& child, OfWindow ofWindow, OfPart ofPart) {
    if (form_ == nullptr) {
        return kGone;
    }
    const std::vector<AccessibleItem> items = Items();
    const AccessibleItem* item = nullptr;
    if (!Lookup(child, items, &item)) {
        return E_INVALIDARG;
    }
    if (item == nullptr) {
        return system_.Get() != nullptr ? ofWindow(*system_.Get()) : E_FAIL;
    }
    return ofPart(*item);
}

HRESULT AccessibleClient::get_accParent(IDispatch** parent) {
    if (parent == nullptr) {
        return E_INVALIDARG;
    }
    *parent = nullptr;
    if (form_ == nullptr) {
        return kGone;
    }
    return system_.Get() != nullptr ? system_->get_accParent(parent) : S_FALSE;
}

HRESULT AccessibleClient::get_accChildCount(long* count) {
    if (count == nullptr) {
        return E_INVALIDARG;
    }
    if (form_ == nullptr) {
        return kGone;
    }
    *count = static_cast<long>(Items().size());
    return S_OK;
}

HRESULT AccessibleClient::get_accChild(VARIANT child, IDispatch** object) {
    if (object == nullptr) {
        return E_INVALIDARG;
    }
    *object = nullptr;
    return ForPart(
        child,
        [&](IAccessible&) {
            return QueryInterface(__uuidof(IDispatch), reinterpret_cast<void**>(object));
        },
        [](const AccessibleItem&) { return S_FALSE; }); // a simple element: no object of its own
}

HRESULT AccessibleClient::get_accName(VARIANT child, BSTR* name) {
    if (name == nullptr) {
        return E_INVALIDARG;
    }
    *name = nullptr;
    return ForPart(
        child, [&](IAccessible& system) { return system.get_accName(child, name); },
        [&](const AccessibleItem& part) -> HRESULT { return ToBstr(part.name, name); });
}

HRESULT AccessibleClient::get_accValue(VARIANT child, BSTR* value) {
    if (value == nullptr) {
        return E_INVALIDARG;
    }
    *value = nullptr;
    return ForPart(
        child, [&](IAccessible& system) { return system.get_accValue(child, value); },
        [](const AccessibleItem&) -> HRESULT { return DISP_E_MEMBERNOTFOUND; });
}

HRESULT AccessibleClient::get_accDescription(VARIANT child, BSTR* description) {
    if (description == nullptr) {
        return E_INVALIDARG;
    }
    *description = nullptr;
    return ForPart(
        child, [&](IAccessible& system) { return system.get_accDescription(child, description); },
        [&](const AccessibleItem& part) -> HRESULT {
            return part.description.empty() ? S_FALSE : ToBstr(part.description, description);
        });
}

HRESULT AccessibleClient::get_accRole(VARIANT child, VARIANT* role) {
    if (role == nullptr) {
        return E_INVALIDARG;
    }
    role->vt = VT_EMPTY;
    return ForPart(
        child, [&](IAccessible& system) { return system.get_accRole(child, role); },
        [&](const AccessibleItem& part) -> HRESULT {
            SetChildId(role, RoleOf(part.role));
            return S_OK;
        });
}

HRESULT AccessibleClient::get_accState(VARIANT child, VARIANT* state) {
    if (state == nullptr) {
        return E_INVALIDARG;
    }
    state->vt = VT_EMPTY;
    return ForPart(
        child, [&](IAccessible& system) { return system.get_accState(child, state); },
        [&](const AccessibleItem& part) -> HRESULT {
            SetChildId(state, StateOf(part, IsWindowVisible(window_) != FALSE));
            return S_OK;
        });
}

HRESULT AccessibleClient::get_accHelp(VARIANT child, BSTR* help) {
    if (help == nullptr) {
        return E_INVALIDARG;
    }
    *help = nullptr;
    return ForPart(
        child, [&](IAccessible& system) { return system.get_accHelp(child, help); },
        [](const AccessibleItem&) -> HRESULT { return S_FALSE; });
}

HRESULT AccessibleClient::get_accHelpTopic(BSTR* file, VARIANT child, long* topic) {
    if (file == nullptr || topic == nullptr) {
        return E_INVALIDARG;
    }
    *file = nullptr;
    *topic = 0;
    return ForPart(
        child, [&](IAccessible& system) { return system.get_accHelpTopic(file, child, topic); },
        [](const AccessibleItem&) -> HRESULT { return S_FALSE; });
}

HRESULT AccessibleClient::get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) {
    if (shortcut == nullptr) {
        return E_INVALIDARG;
    }
    *shortcut = nullptr;
    return ForPart(
        child, [&](IAccessible& system) { return system.get_accKeyboardShortcut(child, shortcut); },
        [](const AccessibleItem&) -> HRESULT { return S_FALSE; });
}

HRESULT AccessibleClient::get_accFocus(VARIANT* focused) {
    if (focused == nullptr) {
        return E_INVALIDARG;
    }
    focused->vt = VT_EMPTY;
    if (form_ == nullptr) {
        return kGone;
    }
    // Only child windows take the focus; the system's object knows which has it.
    return system_.Get() != nullptr ? system_->get_accFocus(focused) : S_FALSE;
}

HRESULT AccessibleClient::get_accSelection(VARIANT* selected) {
    if (selected == nullptr) {
        return E_INVALIDARG;
    }
    selected->vt = VT_EMPTY;
    return form_ == nullptr ? kGone : S_FALSE;
}

HRESULT AccessibleClient::get_accDefaultAction(VARIANT child, BSTR* action) {
    if (action == nullptr) {
        return E_INVALIDARG;
    }
    *action = nullptr;
    return ForPart(
        child, [&](IAccessible& system) { return system.get_accDefaultAction(child, action); },
        [&](const AccessibleItem& part) -> HRESULT { return ToBstr(part.defaultAction, action); });
}

HRESULT AccessibleClient::accSelect(long flags, VARIANT child) {
    return ForPart(
        child, [&](IAccessible& system) { return system.accSelect(flags, child); },
        [](const AccessibleItem&) -> HRESULT { return DISP_E_MEMBERNOTFOUND; });
}

HRESULT AccessibleClient::accLocation(long* left, long* top, long* width, long* height,
                                      VARIANT child) {
    if (left == nullptr || top == nullptr || width == nullptr || height == nullptr) {
        return E_INVALIDARG;
    }
    *left = *top = *width = *height = 0;
    return ForPart(
        child,
        [&](IAccessible& system) { return system.accLocation(left, top, width, height, child); },
        [&](const AccessibleItem& part) -> HRESULT {
            POINT corner{part.bounds.left, part.bounds.top};
            ClientToScreen(window_, &corner);
            *left = corner.x;
            *top = corner.y;
            *width = part.bounds.width;
            *height = part.bounds.height;
            return S_OK;
        });
}

HRESULT AccessibleClient::accNavigate(long direction, VARIANT start, VARIANT* end) {
    if (end == nullptr) {
        return E_INVALIDARG;
    }
    end->vt = VT_EMPTY;
    if (form_ == nullptr) {
        return kGone;
    }
    const std::vector<AccessibleItem> items = Items();
    const AccessibleItem* item = nullptr;
    if (!Lookup(start, items, &item)) {
        return E_INVALIDARG;
    }
    const long count = static_cast<long>(items.size());
    if (item == nullptr) {
        if ((direction == NAVDIR_FIRSTCHILD || direction == NAVDIR_LASTCHILD) && count > 0) {
            SetChildId(end, direction == NAVDIR_FIRSTCHILD ? 1 : count);
            return S_OK;
        }
        // To the window's siblings: the system's object knows them.
        return system_.Get() != nullptr ? system_->accNavigate(direction, start, end) : S_FALSE;
    }
    const long id = start.lVal;
    if (direction == NAVDIR_NEXT && id < count) {
        SetChildId(end, id + 1);
        return S_OK;
    }
    if (direction == NAVDIR_PREVIOUS && id > 1) {
        SetChildId(end, id - 1);
        return S_OK;
    }
    return S_FALSE;
}

HRESULT AccessibleClient::accHitTest(long left, long top, VARIANT* child) {
    if (child == nullptr) {
        return E_INVALIDARG;
    }
    child->vt = VT_EMPTY;
    if (form_ == nullptr) {
        return kGone;
    }
    POINT at{left, top};
    ScreenToClient(window_, &at);
    const std::vector<AccessibleItem> items = Items();
    // Where parts overlap, the smallest is the one under the point.
    long found = 0;
    long long foundArea = std::numeric_limits<long long>::max();
    for (size_t i = 0; i < items.size(); ++i) {
        const Rect& bounds = items[i].bounds;
        const long long area = static_cast<long long>(bounds.width) * bounds.height;
        if (bounds.Contains(at.x, at.y) && area < foundArea) {
            found = static_cast<long>(i) + 1;
            foundArea = area;
        }
    }
    if (found != 0) {
        SetChildId(child, found);
        return S_OK;
    }
    // Elsewhere it is a child window, the client area itself, or outside.
    return system_.Get() != nullptr ? system_->accHitTest(left, top, child) : S_FALSE;
}

HRESULT AccessibleClient::accDoDefaultAction(VARIANT child) {
    return ForPart(
        child, [&](IAccessible& system) { return system.accDoDefaultAction(child); },
        [&](const AccessibleItem& part) -> HRESULT {
            if (part.defaultAction.empty() || part.control == nullptr) {
                return DISP_E_MEMBERNOTFOUND;
            }
            // Done once the caller has its answer: a click may open a dialog.
            form_->PostAccessibleAction(*part.control);
            return S_OK;
        });
}

HRESULT AccessibleClient::put_accName(VARIANT, BSTR) {
    return E_NOTIMPL;
}

HRESULT AccessibleClient::put_accValue(VARIANT, BSTR) {
    return E_NOTIMPL;
}

} // namespace vorlane::win32
