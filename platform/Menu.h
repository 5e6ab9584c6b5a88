#pragma once
#include "platform/Component.h"

#include <memory>
#include <string>
#include <vector>

namespace vorlane {

class Application;

// An entry of a popup menu; a separator has the caption "-". Items with items of their own
// open a submenu.
class TMenuItem : public TComponent {
public:
    TMenuItem(std::string name, std::string caption)
        : TComponent(std::move(name)), Caption(std::move(caption)) {}

    std::string Caption;
    bool Visible = true;
    bool Checked = false;
    // A picture's resource name, shown beside the caption; empty for none.
    std::string Picture;
    TNotifyEvent OnClick;

    bool IsSeparator() const { return Caption == "-"; }

    TMenuItem& Add(std::unique_ptr<TMenuItem> item) {
        items_.push_back(std::move(item));
        return *items_.back();
    }
    const std::vector<std::unique_ptr<TMenuItem>>& Items() const { return items_; }
    // The item of this name in the tree below, or null.
    TMenuItem* Find(const std::string& name);

    // The item was chosen.
    void Click() {
        if (OnClick) {
            OnClick(this);
        }
    }

private:
    std::vector<std::unique_ptr<TMenuItem>> items_;
};

// A menu that opens at a point of the screen: its popup event runs first, so the program can
// show, hide and tick items by its state; the window system then shows the visible items and
// runs the click of the one the user chooses.
class TPopupMenu : public TMenuItem {
public:
    TPopupMenu(std::string name, Application& application)
        : TMenuItem(std::move(name), ""), application_(application) {}

    TNotifyEvent OnPopup;
    // Opens the menu at the screen point and returns when it has closed.
    void Popup(int x, int y);

private:
    Application& application_;
};

} // namespace vorlane
