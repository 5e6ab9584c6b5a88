#pragma once
#include "platform/Services.h"

#include <windows.h>

namespace vorlane::win32 {

class LocalClock : public Clock {
public:
    double Now() override;
};

// The milliseconds since the system started, sleep and hibernation included.
class TickCountClock : public MonotonicClock {
public:
    std::int64_t NowMs() override;
};

class PrimaryScreen : public Screen {
public:
    int Width() override;
    int Height() override;
    Rect WorkArea() override;
    Rect WorkAreaOf(const Rect& window) override;
    Rect VirtualScreen() override;
};

class Win32Application;

// Message boxes over the main window: while one is open the program's other windows are
// disabled and lose their topmost state, so none can cover it.
class SystemMessageBoxes : public MessageBoxes {
public:
    explicit SystemMessageBoxes(Win32Application& application) : application_(application) {}
    void Show(const std::string& text, const std::string& caption, MessageIcon icon,
              bool keepMainWindowTopmost) override;

private:
    Win32Application& application_;
    int depth_ = 0;
};

// The files on the disks.
// The shell, with the application's hidden window as the parent of what it opens.
class SystemShell : public Shell {
public:
    explicit SystemShell(Win32Application& application) : application_(application) {}
    bool Open(const std::string& file, const std::string& parameters) override;

private:
    Win32Application& application_;
};

} // namespace vorlane::win32
