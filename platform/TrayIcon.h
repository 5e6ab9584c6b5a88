#pragma once
#include "platform/Component.h"
#include "platform/Menu.h"

#include <optional>
#include <string>
#include <utility>

namespace vorlane {

class TTrayIcon;

// A short message beside the icon. Windows shows it as a notification and keeps it in its
// notification centre; its quiet hours and focus settings decide whether it pops up.
struct TrayNotification {
    std::string title;
    std::string text;
    bool operator==(const TrayNotification&) const = default;
};

class TrayIconPeer {
public:
    virtual ~TrayIconPeer() = default;
    virtual void Changed(TTrayIcon& icon) = 0;
    virtual void ShowNotification(const TrayNotification& notification) = 0;
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
    // A notification asked for before the icon has its native side is shown once it has.
    void AttachPeer(TrayIconPeer* peer) {
        peer_ = peer;
        if (peer_ != nullptr && waitingNotification_) {
            const TrayNotification notification = std::move(*waitingNotification_);
            waitingNotification_.reset();
            peer_->ShowNotification(notification);
        }
    }
    void ShowNotification(TrayNotification notification) {
        if (peer_ != nullptr) {
            peer_->ShowNotification(notification);
        } else {
            waitingNotification_ = std::move(notification);
        }
    }

    TNotifyEvent OnClick;
    // A click on the notification the icon showed.
    TNotifyEvent OnNotificationClick;
    // Opened by a right click on the icon, at the pointer.
    TPopupMenu* PopupMenu = nullptr;

    // What the notification area reports.
    void Click() {
        if (OnClick) {
            OnClick(this);
        }
    }
    void NotificationClicked() {
        if (OnNotificationClick) {
            OnNotificationClick(this);
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
    std::optional<TrayNotification> waitingNotification_;
};

} // namespace vorlane
