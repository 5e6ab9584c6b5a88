#pragma once
#include "platform/Component.h"

namespace vorlane {

class TTimer;

// The native side of a timer: starts, restarts or stops its periodic event.
class TimerPeer {
public:
    virtual ~TimerPeer() = default;
    virtual void Changed(TTimer& timer) = 0;
};

// A periodic timer of the main window; created switched off.
class TTimer : public TComponent {
public:
    TTimer(std::string name, int intervalMs) : TComponent(std::move(name)), interval_(intervalMs) {}

    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled) {
        if (enabled != enabled_) {
            enabled_ = enabled;
            Notify();
        }
    }
    int Interval() const { return interval_; }
    void SetInterval(int intervalMs) {
        if (intervalMs != interval_) {
            interval_ = intervalMs;
            Notify();
        }
    }

    void AttachPeer(TimerPeer* peer) { peer_ = peer; }
    TNotifyEvent OnTimer;

    // The timer's event, as the message loop delivers it.
    void Fire() {
        if (enabled_ && OnTimer) {
            OnTimer(this);
        }
    }

private:
    void Notify() {
        if (peer_ != nullptr) {
            peer_->Changed(*this);
        }
    }
    bool enabled_ = false;
    int interval_;
    TimerPeer* peer_ = nullptr;
};

} // namespace vorlane
