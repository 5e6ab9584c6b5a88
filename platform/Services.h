#pragma once
#include "platform/Control.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vorlane {

// The local wall clock, as a date-time: days since 1899-12-30, the fraction the time of day.
class Clock {
public:
    virtual ~Clock() = default;
    virtual double Now() = 0;
    // The same clock as milliseconds since 1970-01-01 00:00 UTC: a change of the time zone or
    // of daylight saving does not move it; setting the clock does.
    virtual std::int64_t UtcMs() = 0;
};

// Milliseconds from an arbitrary start, counted on through sleep and hibernation and never
// set: setting the wall clock or a daylight-saving switch leaves it alone, so the countdown
// measures elapsed time on it.
class MonotonicClock {
public:
    virtual ~MonotonicClock() = default;
    virtual std::int64_t NowMs() = 0;
};

// The primary screen in pixels, the part of it that windows may cover (without the
// taskbar), and the virtual screen: the rectangle around all monitors, in the primary
// screen's coordinates.
class Screen {
public:
    virtual ~Screen() = default;
    virtual int Width() = 0;
    virtual int Height() = 0;
    virtual Rect WorkArea() = 0;
    // The work area of the monitor a window at that outer rectangle is on (the one it covers
    // most, else the nearest).
    virtual Rect WorkAreaOf(const Rect& window) = 0;
    virtual Rect VirtualScreen() = 0;
    // Every monitor's rectangle, the primary's among them; a window is seen only where it
    // lies on one of these, not everywhere in the box around them.
    virtual std::vector<Rect> Monitors() = 0;
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

// The shell: opens a file, folder, program or web page the way the desktop would.
class Shell {
public:
    virtual ~Shell() = default;
    // The "open" verb, shown normally, owned by the application; parameters may be empty.
    // Returns whether the shell took the request.
    virtual bool Open(const std::string& file, const std::string& parameters) = 0;
};

// Windows starts the program again with these arguments after it ended for an update, a
// crash or a hang (once it has run for a minute), until the registration is withdrawn.
class RestartRegistration {
public:
    virtual ~RestartRegistration() = default;
    // Arguments as they follow the program's name on a command line.
    virtual void Register(const std::string& arguments) = 0;
    virtual void Withdraw() = 0;
};

// Where a failure that the user is not told of leaves a trace, for a bug report: the function
// it happened in and what failed there (the call and the system's error, or the error's text).
class FailureTrace {
public:
    virtual ~FailureTrace() = default;
    virtual void Failure(std::string_view where, std::string_view what) = 0;
};

} // namespace vorlane
