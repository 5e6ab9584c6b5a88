#pragma once
// The simple services in memory: hand-driven clocks, a fixed screen, message boxes that
// are only recorded, a file dialog that answers as a test says, and the one log of
// window-system calls every recording object writes.
#include "platform/FileDialog.h"
#include "platform/Services.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <functional>
#include <new>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace vorlane::headless {

// Every call the program made of the window system, in order. A call of the name in failOn
// fails with an error, to test the error paths.
struct CallLog {
    std::vector<std::string> calls;
    std::string failOn;
    void Record(const std::string& call);
    bool Contains(const std::string& call) const;
};

// The local clock as a date-time; UTC lies utcLeadMs behind it (a time zone east of
// Greenwich leads). Setting `now` sets the clock; changing the time zone moves `now` and
// utcLeadMs together.
class ManualClock : public Clock {
public:
    double Now() override { return now; }
    std::int64_t UtcMs() override { return std::llround((now - 25569.0) * 86400000.0) - utcLeadMs; }
    void AdvanceMs(double ms) { now += ms / 86400000.0; }
    double now = 0.0;
    std::int64_t utcLeadMs = 0;
};

// Moves only when a test says time passes; the wall clock above can then be set apart from it.
class ManualMonotonicClock : public MonotonicClock {
public:
    std::int64_t NowMs() override { return nowMs; }
    void AdvanceMs(std::int64_t ms) { nowMs += ms; }
    std::int64_t nowMs = 0;
};

class FixedScreen : public Screen {
public:
    int Width() override { return width; }
    int Height() override { return height; }
    // The screen less a taskbar of 40 pixels at the bottom, unless a test sets another.
    Rect WorkArea() override {
        return workArea.width > 0 ? workArea : Rect{0, 0, width, height - 40};
    }
    // The monitor the window covers most among those a test set; the primary's work area
    // when it covers none.
    Rect WorkAreaOf(const Rect& window) override {
        const Rect* best = nullptr;
        long long bestArea = 0;
        for (const Monitor& monitor : monitors) {
            const long long area =
                Overlap(window.left, window.width, monitor.bounds.left, monitor.bounds.width) *
                Overlap(window.top, window.height, monitor.bounds.top, monitor.bounds.height);
            if (area > bestArea) {
                bestArea = area;
                best = &monitor.workArea;
            }
        }
        return best != nullptr ? *best : WorkArea();
    }
    // The primary screen alone, unless a test sets more monitors.
    Rect VirtualScreen() override {
        return virtualScreen.width > 0 ? virtualScreen : Rect{0, 0, width, height};
    }
    // The monitors a test set, or the primary screen alone.
    std::vector<Rect> Monitors() override {
        if (monitors.empty()) {
            return {Rect{0, 0, width, height}};
        }
        std::vector<Rect> bounds;
        for (const Monitor& monitor : monitors) {
            bounds.push_back(monitor.bounds);
        }
        return bounds;
    }
    int width = 1920;
    int height = 1080;
    Rect workArea;
    Rect virtualScreen;
    // The monitors, when a test sets them (the primary among them): where each lies and its
    // work area.
    struct Monitor {
        Rect bounds;
        Rect workArea;
    };
    std::vector<Monitor> monitors;

private:
    static long long Overlap(int start, int size, int otherStart, int otherSize) {
        const long long from = std::max<long long>(start, otherStart);
        const long long to = std::min<long long>(static_cast<long long>(start) + size,
                                                 static_cast<long long>(otherStart) + otherSize);
        return to > from ? to - from : 0;
    }
};

struct ShownBox {
    std::string text;
    std::string caption;
    MessageIcon icon;
};

class RecordingMessageBoxes : public MessageBoxes {
public:
    void Show(const std::string& text, const std::string& caption, MessageIcon icon,
              bool keepMainWindowTopmost) override;
    std::vector<ShownBox> shown;
    // What happens while a box is open (its own message loop delivers timer events).
    std::function<void()> whileOpen;
};

// Remembers what the program asked the shell to open, in order.
class RecordingShell : public Shell {
public:
    struct Request {
        std::string file;
        std::string parameters;
        friend bool operator==(const Request&, const Request&) = default;
    };
    bool Open(const std::string& file, const std::string& parameters) override {
        if (outOfMemory) {
            throw std::bad_alloc();
        }
        opened.push_back({file, parameters});
        return accepts;
    }
    std::vector<Request> opened;
    bool accepts = true;
    // Opening runs out of memory: the one way the shell's Open fails other than refusing.
    bool outOfMemory = false;
};

// Remembers what the program asked Windows to restart it with; nothing while it asked for
// no restart.
class RecordingRestart : public RestartRegistration {
public:
    void Register(const std::string& arguments) override {
        registered = arguments;
        ++calls;
    }
    void Withdraw() override {
        registered.reset();
        ++calls;
    }
    std::optional<std::string> registered;
    // Registrations and withdrawals, to see that ticks make none.
    int calls = 0;
};

// Remembers every failure the program traced, in order.
class RecordingTrace : public FailureTrace {
public:
    struct Traced {
        std::string where;
        std::string what;
    };
    void Failure(std::string_view where, std::string_view what) override {
        traced.push_back({std::string(where), std::string(what)});
    }
    std::vector<Traced> traced;
};

// Remembers the settings of every opening and answers with the file a test chose.
class RecordingFileDialog : public FileDialog {
public:
    std::optional<std::string> Open(const OpenDialogSettings& settings) override {
        shown.push_back(settings);
        if (whileOpen) {
            whileOpen();
        }
        return answer;
    }
    std::vector<OpenDialogSettings> shown;
    // The file the user chooses; nothing: the user cancels.
    std::optional<std::string> answer;
    // Runs while the dialog is open, to look at the program meanwhile.
    std::function<void()> whileOpen;
};

} // namespace vorlane::headless
