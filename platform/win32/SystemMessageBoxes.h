#pragma once
#include "platform/Services.h"

namespace vorlane::win32 {

class Win32Application;

// Message boxes over the main window: while one is open the program's other windows are
// disabled and lose their topmost state, so none can cover it.
class SystemMessageBoxes : public MessageBoxes {
public:
    explicit SystemMessageBoxes(Win32Application& application) : application_(application) {}
    void Show(const std::string& text, const std::string& caption, MessageIcon icon,
              bool keepMainWindowTopmost) override;

private:
    Win32Application& application_;
    int depth_ = 0;
};

} // namespace vorlane::win32
