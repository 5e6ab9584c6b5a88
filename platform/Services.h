#pragma once
#include "platform/Color.h"

#include <string>

namespace vorlane {

class TControl;

// The local wall clock, as a date-time: days since 1899-12-30, the fraction the time of day.
class Clock {
public:
    virtual ~Clock() = default;
    virtual double Now() = 0;
};

// The primary screen in pixels.
class Screen {
public:
    virtual ~Screen() = default;
    virtual int Width() = 0;
    virtual int Height() = 0;
};

enum class MessageIcon { Error, Information };

// Modal message boxes. Returns when the user has closed the box.
class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    // keepMainWindowTopmost: the main window keeps its topmost state while the box is open.
    virtual void Show(const std::string& text, const std::string& caption, MessageIcon icon,
                      bool keepMainWindowTopmost) = 0;
};

// The window system's side of the main window and of the application that owns it.
class WindowSystem {
public:
    virtual ~WindowSystem() = default;

    // Main window.
    virtual void SetWindowBounds(int left, int top, int width, int height) = 0;
    virtual void SetEllipticRegion(int left, int top, int right, int bottom) = 0;
    virtual void SetTopmost(bool topmost) = 0;
    virtual void SetWindowStateNormal() = 0;
    virtual void HideMainWindow() = 0;
    virtual void BringToForeground() = 0;
    virtual void SetFocus(TControl& control) = 0;
    virtual void Close() = 0;
    virtual void AcceptDroppedFiles(bool accept) = 0;
    // Removes one waiting character message, so a consumed key types nothing.
    virtual void RemovePendingChar() = 0;
    // Whether the pointer is now over one of the program's windows (the main window, its
    // fields and buttons, the info dialog).
    virtual bool PointerOverProgramWindows() = 0;

    // Application.
    virtual void HideOwnerWindow() = 0;
    virtual void MinimizeApplication() = 0;
    // If the application is minimised: restores and shows the main window and raises
    // the restore event; otherwise nothing.
    virtual void RestoreApplication() = 0;
    virtual bool ApplicationMinimized() = 0;
    virtual void SetHintStyle(Color background, int delayMs, int displayMs) = 0;
    virtual void ProcessMessages() = 0;
    virtual void Terminate() = 0;
};

} // namespace vorlane
