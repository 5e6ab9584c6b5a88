#pragma once
#include "platform/Application.h"
#include "platform/Menu.h"
#include "platform/headless/RecordingWindow.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace vorlane::headless {

// The application as state: the forms' windows, the minimised state, the pointer, the
// popup menus opened, and the shared log of every call.
class RecordingApplication : public Application {
public:
    explicit RecordingApplication(CallLog& log) : log_(log) {}

    void SetTitle(const std::string& text) override { title = text; }
    void CreateWindowOf(TForm& form) override;
    void HideOwnerWindow() override;
    void Minimize() override;
    void Restore() override;
    bool Minimized() override { return minimized; }
    void SetHintStyle(Color background, int delayMs, int displayMs) override;
    // Records the menu; picks the item named in `choose` (if it can be picked) and clears it.
    void PopupMenu(TPopupMenu& menu, int x, int y) override;
    std::optional<Point> PointerPosition() override { return pointer; }
    bool PointerOverProgramWindows() override { return pointerOverProgram; }
    void ProcessMessages() override;
    void RemovePendingChar() override;
    void Terminate() override;

    // The window of a form made here; null for others.
    RecordingWindow* WindowOf(const TForm& form);
    RecordingWindow& MainWindow() { return *windows.front(); }

    std::string title;
    bool minimized = false;
    bool terminated = false;
    int pendingChars = 0;
    bool pointerOverProgram = true;
    std::optional<Point> pointer = Point{100, 100};
    std::vector<std::unique_ptr<RecordingWindow>> windows;
    // The DPI of the monitor a new window appears on, which its form takes at once.
    int dpi = kDesignDpi;

    // The menus opened, in order, with where they opened.
    struct OpenedMenu {
        TPopupMenu* menu;
        Point at;
        // The visible entries' names as the user saw them, submenus as "parent/child".
        std::vector<std::string> shown;
    };
    std::vector<OpenedMenu> menusOpened;
    // The name of the item the user picks in the next menu that opens; empty: none.
    std::string choose;

private:
    CallLog& log_;
};

} // namespace vorlane::headless
