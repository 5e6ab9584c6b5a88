#pragma once
#include "platform/Color.h"
#include "platform/Component.h"

#include <optional>
#include <string>

namespace vorlane {

class TForm;
class TPopupMenu;

struct Point {
    int x = 0;
    int y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

// The application around the forms: the hidden owner window, the minimised state of the
// whole program, the hint look, the message loop and the native windows of the forms.
class Application {
public:
    virtual ~Application() = default;

    virtual void SetTitle(const std::string& title) = 0;
    // Makes the form's native window and its controls, hidden. The first form made is the
    // main form.
    virtual void CreateWindowOf(TForm& form) = 0;

    virtual void HideOwnerWindow() = 0;
    virtual void Minimize() = 0;
    // If the application is minimised: shows the main form again and raises OnRestore;
    // otherwise nothing.
    virtual void Restore() = 0;
    virtual bool Minimized() = 0;
    TNotifyEvent OnRestore;

    // The look and timing of every form's hints.
    virtual void SetHintStyle(Color background, int delayMs, int displayMs) = 0;

    // Opens the menu at the screen point and returns when it has closed; the chosen item's
    // click runs through Dispatch.
    virtual void PopupMenu(TPopupMenu& menu, int x, int y) = 0;
    // Where the pointer is on the screen, if the window system can tell.
    virtual std::optional<Point> PointerPosition() = 0;
    // Whether the pointer is now over one of the program's windows (a form, its fields and
    // buttons).
    virtual bool PointerOverProgramWindows() = 0;

    // Handles what waits in the message queue and returns.
    virtual void ProcessMessages() = 0;
    // Removes one waiting character message, so a consumed key types nothing.
    virtual void RemovePendingChar() = 0;
    // Ends the message loop.
    virtual void Terminate() = 0;
};

} // namespace vorlane
