#pragma once
// The kinds of native child window a form can hold.
#include "platform/win32/ChildPeer.h"

#include <memory>

namespace vorlane::win32 {

// A single-line field without border.
class EditPeer : public ChildPeer {
public:
    EditPeer(NativeForm& form, TControl& control);
    void Command(WORD code) override;

protected:
    void Made() override;
    void ChangedKind(Change what) override;
    // A click on the field: the model hears of it after the field has taken it.
    bool KindInput(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                   LRESULT& result) override;
};

// An editable combo box with a drop-down list.
class ComboBoxPeer : public ChildPeer {
public:
    ComboBoxPeer(NativeForm& form, TControl& control);
    void Command(WORD code) override;

protected:
    void Made() override;
    void ChangedKind(Change what) override;

private:
    void FillItems();
};

class PushButtonPeer : public ChildPeer {
public:
    PushButtonPeer(NativeForm& form, TControl& control);
    void Command(WORD code) override;
};

// The media player's window: never seen, it takes the keyboard focus away from the fields.
class MediaPlayerPeer : public ChildPeer {
public:
    MediaPlayerPeer(NativeForm& form, TControl& control);

protected:
    bool KindInput(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                   LRESULT& result) override;
};

// The peer for a control of a kind that has a child window; null for painted ones.
std::unique_ptr<ChildPeer> MakeChildPeer(NativeForm& form, TControl& control);

} // namespace vorlane::win32
