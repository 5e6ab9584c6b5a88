#include "platform/Menu.h"

#include "platform/Application.h"

namespace vorlane {

TMenuItem* TMenuItem::Find(const std::string& name) {
    for (const auto& item : items_) {
        if (item->Name() == name) {
            return item.get();
        }
        if (TMenuItem* below = item->Find(name)) {
            return below;
        }
    }
    return nullptr;
}

void TPopupMenu::Popup(int x, int y) {
    if (OnPopup) {
        OnPopup(this);
    }
    application_.PopupMenu(*this, x, y);
}

} // namespace vorlane
