#include "platform/headless/RecordingApplication.h"

#include "platform/Dispatch.h"
#include "platform/Form.h"

#include <utility>

namespace vorlane::headless {

namespace {

void CollectShown(const TMenuItem& menu, const std::string& path, std::vector<std::string>& shown) {
    for (const auto& item : menu.Items()) {
        if (!item->Visible) {
            continue;
        }
        const std::string name = path + item->Name();
        shown.push_back(name);
        CollectShown(*item, name + "/", shown);
    }
}

// The visible, choosable item of this name: the user can only reach what is shown.
TMenuItem* Reachable(TMenuItem& menu, const std::string& name) {
    for (const auto& item : menu.Items()) {
        if (!item->Visible || item->IsSeparator()) {
            continue;
        }
        if (item->Name() == name) {
            return item->Items().empty() ? item.get() : nullptr;
        }
        if (TMenuItem* below = Reachable(*item, name)) {
            return below;
        }
    }
    return nullptr;
}

} // namespace

void RecordingApplication::CreateWindowOf(TForm& form) {
    windows.push_back(std::make_unique<RecordingWindow>(form, log_, windows.empty()));
    form.SetDpi(dpi);
    form.AttachWindow(windows.back().get());
}

RecordingWindow* RecordingApplication::WindowOf(const TForm& form) {
    for (const auto& window : windows) {
        // A form made where a destroyed one was must not find that one's window.
        if (!window->modelDestroyed && &window->form == &form) {
            return window.get();
        }
    }
    return nullptr;
}

void RecordingApplication::HideOwnerWindow() {
    log_.Record("hide owner");
}

void RecordingApplication::Minimize() {
    minimized = true;
    log_.Record("minimize");
}

void RecordingApplication::Restore() {
    log_.Record("restore");
    if (!minimized) {
        return;
    }
    minimized = false;
    if (!windows.empty()) {
        MainWindow().visible = true;
    }
    if (OnRestore) {
        OnRestore(nullptr);
    }
}

void RecordingApplication::SetHintStyle(Color /*background*/, int delayMs, int displayMs) {
    log_.Record("hints " + std::to_string(delayMs) + " " + std::to_string(displayMs));
}

void RecordingApplication::PopupMenu(TPopupMenu& menu, int x, int y) {
    log_.Record("popup " + menu.Name());
    OpenedMenu opened{&menu, {x, y}, {}};
    CollectShown(menu, "", opened.shown);
    menusOpened.push_back(opened);
    const std::string picked = std::exchange(choose, std::string());
    if (TMenuItem* item = picked.empty() ? nullptr : Reachable(menu, picked)) {
        Dispatch([item] { item->Click(); });
    }
}

void RecordingApplication::ProcessMessages() {
    log_.Record("process messages");
}

void RecordingApplication::RemovePendingChar() {
    if (pendingChars > 0) {
        --pendingChars;
    }
    log_.Record("remove char");
}

void RecordingApplication::Terminate() {
    terminated = true;
    log_.Record("terminate");
}

} // namespace vorlane::headless
