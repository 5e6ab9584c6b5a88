#pragma once
#include "platform/Services.h"

#include <string>
#include <vector>

namespace vorlane {

class TForm;

// What the program needs of the platform for the life of the process.
struct PlatformServices {
    WindowSystem& windows;
    Clock& clock;
    Screen& screen;
    MessageBoxes& messageBoxes;
};

// The process around the main window: its arguments, the native window behind the
// model and the message loop.
class ProgramHost {
public:
    virtual ~ProgramHost() = default;
    virtual PlatformServices Services() = 0;
    // Arguments after the program name, as UTF-8.
    virtual std::vector<std::string> Arguments() = 0;
    virtual void SetApplicationTitle(const std::string& title) = 0;
    // Creates the native window and its controls for the model (hidden until the loop runs).
    virtual void CreateNativeWindow(TForm& form) = 0;
    // Shows the main window and runs the message loop until the program ends.
    virtual int RunMessageLoop(TForm& form) = 0;
};

} // namespace vorlane
