#pragma once
#include "platform/Application.h"
#include "platform/FileDialog.h"
#include "platform/Files.h"
#include "platform/MediaPlayer.h"
#include "platform/Services.h"

#include <string>
#include <vector>

namespace vorlane {

// What the program needs of the platform for the life of the process.
struct PlatformServices {
    Application& application;
    Clock& clock;
    MonotonicClock& monotonicClock;
    Screen& screen;
    MessageBoxes& messageBoxes;
    Shell& shell;
    Files& files;
    MediaPlayer& mediaPlayer;
    FileDialog& fileDialog;
    FailureTrace& trace;
    RestartRegistration& restart;
};

// The process around the forms: its arguments, its services and the message loop.
class ProgramHost {
public:
    virtual ~ProgramHost() = default;
    virtual PlatformServices Services() = 0;
    // Arguments after the program name, as UTF-8.
    virtual std::vector<std::string> Arguments() = 0;
    // Shows the main form and runs the message loop until the program ends.
    virtual int RunMessageLoop() = 0;
};

} // namespace vorlane
