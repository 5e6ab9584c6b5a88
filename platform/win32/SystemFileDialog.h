#pragma once
#include "platform/FileDialog.h"

namespace vorlane::win32 {

class Win32Application;

// The common file-open dialog, owned by the main window while it is shown.
class SystemFileDialog : public FileDialog {
public:
    explicit SystemFileDialog(Win32Application& application) : application_(application) {}
    std::optional<std::string> Open(const OpenDialogSettings& settings) override;

private:
    Win32Application& application_;
};

} // namespace vorlane::win32
