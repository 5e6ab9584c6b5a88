#include "platform/win32/ChildPeers.h"

#include "platform/win32/NativeForm.h"
#include "platform/win32/Utf16.h"
#include "platform/win32/WindowSystem.h"

#include <commctrl.h>

#include <algorithm>

namespace vorlane::win32 {

namespace {

constexpr wchar_t kMediaPlayerClass[] = L"TMediaPlayer";

DWORD AlignmentStyle(TextAlign align) {
    switch (align) {
    case TextAlign::Right:
        return ES_RIGHT;
    case TextAlign::Center:
        return ES_CENTER;
    case TextAlign::Left:
        break;
    }
    return ES_LEFT;
}

} // namespace

EditPeer::EditPeer(NativeForm& form, TControl& control) : ChildPeer(form, control) {
    Create(L"EDIT", ES_AUTOHSCROLL | AlignmentStyle(control.Alignment));
}

void EditPeer::Made() {
    SendMessageW(window_, EM_SETREADONLY, control_.ReadOnly ? TRUE : FALSE, 0);
}

void EditPeer::ChangedKind(Change what) {
    if (what == Change::SelectAll) {
        SendMessageW(window_, EM_SETSEL, 0, -1);
    } else if (what == Change::ReadOnly) {
        SendMessageW(window_, EM_SETREADONLY, control_.ReadOnly ? TRUE : FALSE, 0);
    }
}

bool EditPeer::KindInput(HWND window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (message != WM_LBUTTONUP) {
        return false;
    }
    result = DefSubclassProc(window, message, wParam, lParam);
    Report([this] { control_.Click(); });
    return true;
}

void EditPeer::Command(WORD code) {
    if (code == EN_SETFOCUS) {
        Report([this] { form_.Model()->FocusChanged(&control_); });
    } else if (code == EN_CHANGE && !settingText_) {
        const std::string typed = WindowText();
        Report([this, &typed] { control_.TextTyped(typed); });
    }
}

ComboBoxPeer::ComboBoxPeer(NativeForm& form, TControl& control) : ChildPeer(form, control) {
    Create(L"COMBOBOX", CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL);
}

void ComboBoxPeer::Made() {
    SendMessageW(window_, CB_SETMINVISIBLE, static_cast<WPARAM>(control_.DropDownCount), 0);
    settingText_ = true;
    FillItems();
    if (control_.ItemIndex() >= 0) {
        SendMessageW(window_, CB_SETCURSEL, static_cast<WPARAM>(control_.ItemIndex()), 0);
    }
    SetWindowTextW(window_, Widen(control_.Text()).c_str());
    settingText_ = false;
    // The text part is an edit of its own: its keys, mouse and colours belong to the combo box.
    COMBOBOXINFO info{};
    info.cbSize = sizeof(info);
    if (GetComboBoxInfo(window_, &info) && info.hwndItem != nullptr) {
        SubclassInner(info.hwndItem);
    }
}

void ComboBoxPeer::FillItems() {
    SendMessageW(window_, CB_RESETCONTENT, 0, 0);
    for (const std::string& item : control_.Items()) {
        SendMessageW(window_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Widen(item).c_str()));
    }
}

void ComboBoxPeer::ChangedKind(Change what) {
    switch (what) {
    case Change::Items:
        settingText_ = true;
        FillItems();
        SetWindowTextW(window_, Widen(control_.Text()).c_str());
        settingText_ = false;
        break;
    case Change::ItemIndex:
        SendMessageW(window_, CB_SETCURSEL, static_cast<WPARAM>(control_.ItemIndex()), 0);
        break;
    case Change::DropDownCount:
        SendMessageW(window_, CB_SETMINVISIBLE, static_cast<WPARAM>(control_.DropDownCount), 0);
        break;
    case Change::SelectAll:
        // From the first character to the end (-1) of the text part.
        SendMessageW(window_, CB_SETEDITSEL, 0, MAKELPARAM(0, -1));
        break;
    default:
        break;
    }
}

void ComboBoxPeer::Command(WORD code) {
    switch (code) {
    case CBN_SETFOCUS:
        Report([this] { form_.Model()->FocusChanged(&control_); });
        break;
    case CBN_EDITCHANGE: {
        const std::string typed = WindowText();
        Report([this, &typed] { control_.TextTyped(typed); });
        break;
    }
    case CBN_SELCHANGE: {
        const auto index = static_cast<int>(SendMessageW(window_, CB_GETCURSEL, 0, 0));
        if (index < 0) {
            break;
        }
        const auto length =
            static_cast<int>(SendMessageW(window_, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0));
        std::wstring text(static_cast<size_t>(std::max(length, 0)) + 1, L'\0');
        SendMessageW(window_, CB_GETLBTEXT, static_cast<WPARAM>(index),
                     reinterpret_cast<LPARAM>(text.data()));
        text.resize(static_cast<size_t>(std::max(length, 0)));
        const std::string chosen = Narrow(text);
        Report([this, index, &chosen] { control_.ItemChosen(index, chosen); });
        break;
    }
    case CBN_DROPDOWN:
        Report([this] { control_.DropDownChanged(true); });
        break;
    case CBN_CLOSEUP:
        Report([this] { control_.DropDownChanged(false); });
        break;
    default:
        break;
    }
}

PushButtonPeer::PushButtonPeer(NativeForm& form, TControl& control) : ChildPeer(form, control) {
    Create(L"BUTTON", BS_PUSHBUTTON | BS_NOTIFY);
}

void PushButtonPeer::Command(WORD code) {
    if (code == BN_CLICKED) {
        Report([this] { control_.Click(); });
    } else if (code == BN_SETFOCUS) {
        Report([this] { form_.Model()->FocusChanged(&control_); });
    }
}

MediaPlayerPeer::MediaPlayerPeer(NativeForm& form, TControl& control) : ChildPeer(form, control) {
    // Registered by the first player; later ones find the class there. Without it the window
    // is not made, which Create reports.
    RegisterWindowClass(form.Instance(), kMediaPlayerClass, DefWindowProcW);
    Create(kMediaPlayerClass, 0);
}

bool MediaPlayerPeer::KindInput(HWND /*window*/, UINT message, WPARAM /*wParam*/, LPARAM /*lParam*/,
                                LRESULT& result) {
    if (message == WM_SETFOCUS) {
        Report([this] { form_.Model()->FocusChanged(&control_); });
        result = 0;
        return true;
    }
    if (message == WM_GETDLGCODE) {
        result = DLGC_WANTALLKEYS;
        return true;
    }
    return false;
}

std::unique_ptr<ChildPeer> MakeChildPeer(NativeForm& form, TControl& control) {
    switch (control.Kind()) {
    case ControlKind::Edit:
        return std::make_unique<EditPeer>(form, control);
    case ControlKind::ComboBox:
        return std::make_unique<ComboBoxPeer>(form, control);
    case ControlKind::PushButton:
        return std::make_unique<PushButtonPeer>(form, control);
    case ControlKind::MediaPlayer:
        return std::make_unique<MediaPlayerPeer>(form, control);
    case ControlKind::Image:
    case ControlKind::Label:
        break;
    }
    return nullptr;
}

} // namespace vorlane::win32
