#pragma once
#include "platform/Component.h"

#include <memory>
#include <string>
#include <vector>

namespace vorlane {

// An item of the tray's popup menu; a separator has the caption "-".
class TMenuItem : public TComponent {
public:
    TMenuItem(std::string name, std::string caption)
        : TComponent(std::move(name)), Caption(std::move(caption)) {}

    std::string Caption;
    bool Visible = true;
    bool Checked = false;
    std::string Picture;
    TNotifyEvent OnClick;

    TMenuItem& Add(std::unique_ptr<TMenuItem> item) {
        items_.push_back(std::move(item));
        return *items_.back();
    }
    const std::vector<std::unique_ptr<TMenuItem>>& Items() const { return items_; }

    void Click() {
        if (OnClick) {
            OnClick(this);
        }
    }

private:
    std::vector<std::unique_ptr<TMenuItem>> items_;
};

} // namespace vorlane
