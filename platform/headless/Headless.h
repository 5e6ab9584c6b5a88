#pragma once
// The platform in memory: the services record what the program asked of them, so a test
// can fire events at the model and read back what a user would see.
#include "platform/Form.h"
#include "platform/ProgramHost.h"

#include <string>
#include <vector>

namespace vorlane::headless {

class ManualClock : public Clock {
public:
    double Now() override { return now; }
    void AdvanceMs(double ms) { now += ms / 86400000.0; }
    double now = 0.0;
};

class FixedScreen : public Screen {
public:
    int Width() override { return width; }
    int Height() override { return height; }
    int width = 1920;
    int height = 1080;
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
};

// The main window and the application as state: position, region, topmost, minimised,
// hidden, focus, closed, and a log of every call in order.
class RecordingWindows : public WindowSystem {
public:
    void Attach(TForm& form) { form_ = &form; }

    void SetWindowBounds(int left, int top, int width, int height) override;
    void SetEllipticRegion(int left, int top, int right, int bottom) override;
    void SetTopmost(bool on) override;
    void SetWindowStateNormal() override;
    void HideMainWindow() override;
    void BringToForeground() override;
    void SetFocus(TControl& control) override;
    void Close() override;
    void AcceptDroppedFiles(bool accept) override;
    void RemovePendingChar() override;
    bool PointerOverProgramWindows() override { return pointerOverProgram; }
    void HideOwnerWindow() override;
    void MinimizeApplication() override;
    void RestoreApplication() override;
    bool ApplicationMinimized() override { return minimized; }
    void SetHintStyle(Color background, int delayMs, int displayMs) override;
    void ProcessMessages() override;
    void Terminate() override;

    bool topmost = true; // a new window starts with the stay-on-top style of start-up
    bool minimized = false;
    bool mainVisible = true;
    bool closed = false;
    bool terminated = false;
    bool acceptsDrops = false;
    int pendingChars = 0;
    bool pointerOverProgram = true;
    struct {
        int left = 0, top = 0, right = 0, bottom = 0;
    } region;
    std::vector<std::string> log;
    // A call of this name (as logged) fails with an error, to test the error paths.
    std::string failOn;

private:
    void Record(const std::string& call);
    TForm* form_ = nullptr;
};

// A process on the headless platform: services, arguments and a loop that returns at
// once, so the test drives the timers itself.
class HeadlessHost : public ProgramHost {
public:
    explicit HeadlessHost(std::vector<std::string> arguments = {})
        : arguments_(std::move(arguments)) {}
    PlatformServices Services() override { return {windows, clock, screen, messageBoxes}; }
    std::vector<std::string> Arguments() override { return arguments_; }
    void SetApplicationTitle(const std::string& text) override { title = text; }
    void CreateNativeWindow(TForm& form) override { windows.Attach(form); }
    int RunMessageLoop(TForm& form) override;

    RecordingWindows windows;
    ManualClock clock;
    FixedScreen screen;
    RecordingMessageBoxes messageBoxes;
    std::string title;

private:
    std::vector<std::string> arguments_;
};

} // namespace vorlane::headless
