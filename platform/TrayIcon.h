#pragma once
#include "platform/Component.h"

#include <string>

namespace vorlane {

class TTrayIcon;

class TrayIconPeer {
public:
    virtual ~TrayIconPeer() = default;
    virtual void Changed(TTrayIcon& icon) = 0;
};

// The program's icon in the notification area with the remaining time as its tip.
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
    const std::string& Icon() const { return icon_; }
    void SetIcon(const std::string& icon) {
        icon_ = icon;
        Notify();
    }
    void AttachPeer(TrayIconPeer* peer) { peer_ = peer; }
    TNotifyEvent OnClick;

private:
    void Notify() {
        if (peer_ != nullptr) {
            peer_->Changed(*this);
        }
    }
    std::string hint_;
    std::string icon_;
    TrayIconPeer* peer_ = nullptr;
};

} // namespace vorlane
