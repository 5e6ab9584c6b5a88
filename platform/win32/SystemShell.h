#pragma once
#include "platform/Services.h"

namespace vorlane::win32 {

class Win32Application;

// The shell, with the application's hidden window as the parent of what it opens.
class SystemShell : public Shell {
public:
    explicit SystemShell(Win32Application& application) : application_(application) {}
    bool Open(const std::string& file, const std::string& parameters) override;

private:
    Win32Application& application_;
};

} // namespace vorlane::win32
