#pragma once
#include "platform/Control.h"

#include <windows.h>

#include <functional>
#include <string>

namespace vorlane::win32 {

class NativeForm;

// The native child window of one field, list or button: it mirrors the control's properties
// and reports the child's input to the model through Dispatch. One subclass per kind adds
// what only that kind does.
class ChildPeer : public ControlPeer {
public:
    ChildPeer(NativeForm& form, TControl& control);
    ~ChildPeer() override;
    ChildPeer(const ChildPeer&) = delete;
    ChildPeer& operator=(const ChildPeer&) = delete;

    // Null while the child window has not been made (the control or the form was never shown).
    HWND Hwnd() const { return window_; }
    // Makes the child window if the control is shown and the form lets children be made.
    void MakeIfShown();
    // The form is being shown: the window is made, or takes the text it missed while hidden.
    void FormShown();
    TControl& Control() { return control_; }

    void Changed(TControl& control, Change what) override;
    // A notification of the child through WM_COMMAND.
    virtual void Command(WORD code) { (void)code; }
    // The colours of the field, when it asks for them (WM_CTLCOLOR...).
    HBRUSH Colors(HDC dc);

protected:
    // Makes the child window when both the control and the form are first shown: a field that
    // start-up keeps hidden costs nothing before the window is on the screen, and a shown one
    // is made once, as start-up left it. Every child is subclassed for the mouse and keys.
    void Create(const wchar_t* windowClass, DWORD style);
    // Kind-specific set-up of the window just made, from the control as it is now.
    virtual void Made() {}
    // Also route the input of a window inside the child (a combo box's edit).
    void SubclassInner(HWND inner);
    // Kind-specific property changes.
    virtual void ChangedKind(Change what) { (void)what; }
    // The text the user has typed now.
    std::string WindowText() const;
    // Runs a handler of the model through Dispatch, while the form's model is alive.
    void Report(const std::function<void()>& handler);
    // Input only this kind answers; true when it has answered with result.
    virtual bool KindInput(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                           LRESULT& result) {
        (void)window;
        (void)message;
        (void)wParam;
        (void)lParam;
        (void)result;
        return false;
    }

    NativeForm& form_;
    TControl& control_;
    HWND window_ = nullptr;
    bool settingText_ = false;

private:
    static LRESULT CALLBACK SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                         UINT_PTR id, DWORD_PTR data);
    LRESULT Input(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void Subclass(HWND window);
    // False, reported, when the system refuses the window.
    bool Make();
    void ShowText();
    const wchar_t* windowClass_ = nullptr;
    DWORD style_ = 0;
    bool textPending_ = false;
    HWND inner_ = nullptr;
};

} // namespace vorlane::win32
