#pragma once
#include "platform/Component.h"
#include "platform/Menu.h"

#include <string>

namespace vorlane {

class TTrayIcon;

class TrayIconPeer {
public:
    virtual ~TrayIconPeer() = default;
    virtual void Changed(TTrayIcon& icon) = 0;
};

// The program's icon in the notification area with the remaining time as its tip. It is
// shown from the moment it gets its icon until the program ends.
class TTrayIcon : public TComponent {
public:
    using TComponent::TComponent;

    const std::string& Hint() const { return hint_; }
    void SetHint(const std::string& hint) {
        if (hint != hint_) {
            hint_ = hint;
            Notify();
        }
    }
    // The icon's resource number; 0 while none is set (then nothing is shown).
    int Icon() const { return icon_; }
    void SetIcon(int icon) {
        if (icon != icon_) {
            icon_ = icon;
            Notify();
        }
    }
    void AttachPeer(TrayIconPeer* peer) { peer_ = peer; }

    TNotifyEvent OnClick;
    // Opened by a right click on the icon, at the pointer.
    TPopupMenu* PopupMenu = nullptr;

    // What the notification area reports.
    void Click() {
        if (OnClick) {
            OnClick(this);
        }
    }
    void ContextMenu(int x, int y) {
        if (PopupMenu != nullptr) {
            PopupMenu->Popup(x, y);
        }
    }

private:
    void Notify() {
        if (peer_ != nullptr) {
            peer_->Changed(*this);
        }
    }
    std::string hint_;
    int icon_ = 0;
    TrayIconPeer* peer_ = nullptr;
};

} // namespace vorlane
