#pragma once
// The main window on the headless platform with a hand-driven clock and timers.
#include "app/AlarmSound.h"
#include "app/ButtonLooks.h"
#include "app/ClockTimeSelection.h"
#include "app/Countdown.h"
#include "app/KeyCommands.h"
#include "app/SettingsStore.h"
#include "app/TimeDisplay.h"
#include "app/Vorlane.h"
#include "app/WindowAndTray.h"
#include "core/DateTime.h"
#include "info/ShowInfoSRC.h"
#include "platform/Dispatch.h"
#include "platform/headless/Headless.h"

#include <algorithm>
#include <cstdint>
#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

namespace vorlane {
// A failed comparison shows the notification's words, not its bytes.
inline void PrintTo(const TrayNotification& notification, std::ostream* out) {
    *out << '"' << notification.title << "\" \"" << notification.text << '"';
}
} // namespace vorlane

namespace vorlane::testing {

class App {
public:
    explicit App(std::vector<std::string> arguments = {}, int screenWidth = 1920,
                 int screenHeight = 1080)
        : App(std::move(arguments), [&](headless::HeadlessHost& machine) {
              machine.screen.width = screenWidth;
              machine.screen.height = screenHeight;
          }) {}

    // A start on a machine the test prepares first: its disk, its screens.
    App(std::vector<std::string> arguments,
        const std::function<void(headless::HeadlessHost&)>& prepare)
        : host(std::move(arguments)) {
        host.clock.now = EncodeDateTime(2026, 12, 10, 14, 0, 0, 0);
        prepare(host);
        form = CreateApplication(host, info);
        // The message loop shows the main window before it runs.
        host.RunMessageLoop();
    }

    TFormVorlane& f() { return *form; }
    headless::RecordingWindow& window() { return host.application.MainWindow(); }
    headless::RecordingApplication& application() { return host.application; }

    // A timer event as the message loop delivers it.
    void Fire(TTimer& timer) {
        Dispatch([&timer] { timer.Fire(); });
    }

    // Time passes: the wall clock and the monotonic clock move on together. A test that sets
    // only the wall clock (host.clock.now) sets the system clock, and no time passes.
    void TimePasses(std::int64_t ms) {
        host.clock.AdvanceMs(static_cast<double>(ms));
        host.monotonicClock.AdvanceMs(ms);
    }

    // Stages B and C, as the loop runs them after the window is shown.
    void FinishStartUp() {
        Fire(form->tmrFirstStart);
        TimePasses(300);
        Fire(form->tmrStartAfter300ms);
    }

    // Whether start-up, once finished, ends with the info dialog (a first run, a failed read).
    bool StartUpEndsWithTheInfoDialog() {
        FinishStartUp();
        return std::ranges::any_of(host.application.windows, [](const auto& window) {
            return window->params.className == "TShowInfoDialog" && window->visible;
        });
    }

    void Tick(std::int64_t afterMs = 300) {
        TimePasses(afterMs);
        Fire(form->tmrCountdown);
    }

    // Start-up finished and the first tick taken (it sets the time base).
    void Running() {
        FinishStartUp();
        Tick(1);
    }

    // A left click in the middle of a control, pressed and released on the same spot.
    void Click(TControl& control) {
        ClickAt(control.Left() + control.Width() / 2, control.Top() + control.Height() / 2);
    }
    void ClickAt(int x, int y) {
        Dispatch([&] { form->MouseDown(MouseButton::Left, x, y, ShiftState{true, false, false}); });
        Dispatch([&] { form->MouseUp(MouseButton::Left, x, y); });
    }

    // Returns whether the key went on to the focused control.
    bool Key(std::uint16_t key) {
        bool passed = true;
        Dispatch([&] { passed = form->KeyDown(key, ShiftState{}); });
        return passed;
    }

    std::string Display() {
        return form->edtTimeMinutes.Text() + ":" + form->edtTimeSeconds.Text();
    }

    bool Logged(const std::string& call) { return host.log.Contains(call); }

    // A sound file that exists, dropped on the window: it is open and ready to play.
    void OpenSound(const std::string& path = "C:\\Musik\\Wecker.mp3") {
        host.files.AddFile(path, "");
        Dispatch([&] { form->sound().WMDropFiles(form.get(), {path}); });
    }

    // The settings as the exit writes them: afterwards nothing counts as changed.
    void SettingsSaved() {
        Dispatch([&] { form->settings().saveMP3(); });
    }

    headless::HeadlessHost host;
    ShowInfoModule info{host.Services()};
    std::unique_ptr<TFormVorlane> form;
};

} // namespace vorlane::testing
