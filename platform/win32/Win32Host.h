#pragma once
#include "platform/ProgramHost.h"
#include "platform/win32/MainWindow.h"
#include "platform/win32/Services.h"

namespace vorlane::win32 {

// The Windows process: its command line, the native main window and the message loop.
class Win32Host : public ProgramHost {
public:
    explicit Win32Host(HINSTANCE instance) : window_(instance) {}

    PlatformServices Services() override { return {window_, clock_, screen_, messageBoxes_}; }
    std::vector<std::string> Arguments() override;
    void SetApplicationTitle(const std::string& title) override { window_.SetTitle(title); }
    void CreateNativeWindow(TForm& form) override;
    int RunMessageLoop(TForm& form) override;

private:
    MainWindow window_;
    LocalClock clock_;
    PrimaryScreen screen_;
    SystemMessageBoxes messageBoxes_;
};

} // namespace vorlane::win32
