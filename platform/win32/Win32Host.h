#pragma once
#include "platform/OnDemandMediaPlayer.h"
#include "platform/ProgramHost.h"
#include "platform/win32/ApplicationRestart.h"
#include "platform/win32/DebuggerTrace.h"
#include "platform/win32/HelperProcessMediaPlayer.h"
#include "platform/win32/LocalClock.h"
#include "platform/win32/PrimaryScreen.h"
#include "platform/win32/SystemFileDialog.h"
#include "platform/win32/SystemFiles.h"
#include "platform/win32/SystemMessageBoxes.h"
#include "platform/win32/SystemShell.h"
#include "platform/win32/TickCountClock.h"
#include "platform/win32/Win32Application.h"

#include <string>
#include <utility>

namespace vorlane::win32 {

// The Windows process: its command line, the application with the forms' windows, the
// services and the message loop.
class Win32Host : public ProgramHost {
public:
    // The sound helper is `soundHelperExe`, the running exe when empty.
    explicit Win32Host(HINSTANCE instance, std::wstring soundHelperExe = {})
        : application_(instance), messageBoxes_(application_), shell_(application_), files_(trace_),
          mediaPlayer_(
              instance, [this] { application_.ProcessMessages(); }, std::move(soundHelperExe)),
          fileDialog_(application_) {}

    PlatformServices Services() override {
        return {application_, clock_,      monotonicClock_, screen_, messageBoxes_, shell_,
                files_,       alarmSound_, fileDialog_,     trace_,  restart_};
    }
    std::vector<std::string> Arguments() override;
    int RunMessageLoop() override { return application_.RunMessageLoop(); }
    Win32Application& App() { return application_; }
    // The device under the program's player, for the tests of the device itself.
    HelperProcessMediaPlayer& SoundDevice() { return mediaPlayer_; }

private:
    DebuggerTrace trace_;
    Win32Application application_;
    LocalClock clock_;
    TickCountClock monotonicClock_;
    PrimaryScreen screen_;
    SystemMessageBoxes messageBoxes_;
    SystemShell shell_;
    SystemFiles files_;
    // The sound device runs in a helper process, so the program never loads a codec.
    HelperProcessMediaPlayer mediaPlayer_;
    // The program plays through this one: the device is open only while the sound plays.
    OnDemandMediaPlayer alarmSound_{mediaPlayer_};
    SystemFileDialog fileDialog_;
    ApplicationRestart restart_;
};

} // namespace vorlane::win32
