#pragma once
#include "platform/Accessible.h"
#include "platform/win32/Handles.h"

#include <windows.h>

#include <oleacc.h>

#include <vector>

namespace vorlane::win32 {

class NativeForm;

// The client area of a form's window as MSAA sees it: its children are the parts the model
// describes (AccessibleItem), as simple elements numbered from 1 in the model's order; the
// window itself is the system's client object, which answers for the whole area and for the
// child windows. Made on the first WM_GETOBJECT; once the window is gone it answers that it
// is no longer there. Interface ids are taken with __uuidof: MinGW's oleacc import library
// has IID_IAccessible as a call thunk of the DLL's export, whose bytes are no interface id.
class AccessibleClient final : public IAccessible {
public:
    AccessibleClient(NativeForm& form, HWND window);
    AccessibleClient(const AccessibleClient&) = delete;
    AccessibleClient& operator=(const AccessibleClient&) = delete;
    // The window is going: every later call fails as disconnected.
    void Disconnect() { form_ = nullptr; }

    // IUnknown.
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;
    // IDispatch: no type information; clients call IAccessible directly.
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override;
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override;
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                                     UINT*) override;
    // IAccessible.
    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override;
    HRESULT STDMETHODCALLTYPE get_accChildCount(long* count) override;
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override;
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override;
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override;
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* description) override;
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override;
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override;
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override;
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, long* topic) override;
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override;
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* focused) override;
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* selected) override;
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override;
    HRESULT STDMETHODCALLTYPE accSelect(long flags, VARIANT child) override;
    HRESULT STDMETHODCALLTYPE accLocation(long* left, long* top, long* width, long* height,
                                          VARIANT child) override;
    HRESULT STDMETHODCALLTYPE accNavigate(long direction, VARIANT start, VARIANT* end) override;
    HRESULT STDMETHODCALLTYPE accHitTest(long left, long top, VARIANT* child) override;
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override;
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT child, BSTR name) override;
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) override;

private:
    ~AccessibleClient() = default;
    // The parts now, read from the model; empty once the window is gone.
    std::vector<AccessibleItem> Items();
    // The part a child id names (1-based), or null for the window itself; false when the id
    // names nothing.
    bool Lookup(const VARIANT& child, const std::vector<AccessibleItem>& items,
                const AccessibleItem** item);
    // Answers for the window itself through ofWindow (given the system's object), for a part
    // through ofPart.
    template <typename OfWindow, typename OfPart>
    HRESULT ForPart(const VARIANT& child, OfWindow ofWindow, OfPart ofPart);

    LONG references_ = 1;
    NativeForm* form_;
    HWND window_;
    ComPtr<IAccessible> system_; // the system's object for the client area
};

} // namespace vorlane::win32
