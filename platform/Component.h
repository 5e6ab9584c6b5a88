#pragma once
#include <functional>
#include <string>

namespace vorlane {

class TComponent;
using TNotifyEvent = std::function<void(TComponent* sender)>;

// Anything of the window that has a name and a tag: controls, menu items, timers.
class TComponent {
public:
    explicit TComponent(std::string name) : name_(std::move(name)) {}
    virtual ~TComponent() = default;
    TComponent(const TComponent&) = delete;
    TComponent& operator=(const TComponent&) = delete;

    const std::string& Name() const { return name_; }
    int Tag = 0;

private:
    std::string name_;
};

} // namespace vorlane
