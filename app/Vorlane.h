#pragma once
#include "app/VorlaneSRC.h"
#include "platform/ProgramHost.h"

#include <memory>

namespace vorlane {

// Program entry, steps before the message loop: the application's title, the main
// window with its creation event, and the hidden owner window hidden.
std::unique_ptr<TFormVorlane> CreateApplication(ProgramHost& host, ShowInfoModule& info);

// The program entry: creates the main window on the given platform and runs it.
int RunVorlane(ProgramHost& host);

} // namespace vorlane
