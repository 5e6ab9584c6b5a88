#pragma once
// The platform in memory: the services record what the program asked of them, and the disk
// is a map of files, so a test can fire events at the model and read back what a user would
// see.
#include "platform/OnDemandMediaPlayer.h"
#include "platform/ProgramHost.h"
#include "platform/headless/InMemoryFiles.h"
#include "platform/headless/Recording.h"
#include "platform/headless/RecordingApplication.h"
#include "platform/headless/RecordingMediaPlayer.h"
#include "platform/headless/RecordingWindow.h"

#include <string>
#include <vector>

namespace vorlane::headless {

// A process on the headless platform: services, arguments and a loop that only shows the
// main form and returns, so the test drives the timers itself.
class HeadlessHost : public ProgramHost {
public:
    explicit HeadlessHost(std::vector<std::string> arguments = {})
        : arguments_(std::move(arguments)) {}
    PlatformServices Services() override {
        return {application, clock,   monotonicClock, screen, messageBoxes, shell,
                files,       Sound(), fileDialog,     trace,  restart};
    }
    std::vector<std::string> Arguments() override { return arguments_; }
    int RunMessageLoop() override {
        application.MainWindow().visible = true;
        return 0;
    }

    CallLog log;
    RecordingTrace trace;
    RecordingApplication application{log};
    ManualClock clock;
    ManualMonotonicClock monotonicClock;
    FixedScreen screen;
    RecordingMessageBoxes messageBoxes;
    RecordingShell shell;
    InMemoryFiles files{trace};
    RecordingMediaPlayer mediaPlayer;
    // The program plays through the sound device directly, or, as on Windows, through a
    // player that opens the device only while the sound plays.
    bool soundOnDemand = false;
    OnDemandMediaPlayer onDemandSound{mediaPlayer};
    RecordingFileDialog fileDialog;
    RecordingRestart restart;

private:
    MediaPlayer& Sound() {
        return soundOnDemand ? static_cast<MediaPlayer&>(onDemandSound) : mediaPlayer;
    }

    std::vector<std::string> arguments_;
};

} // namespace vorlane::headless
