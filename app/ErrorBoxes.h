#pragma once
#include <string>

namespace vorlane {

class MessageBoxes;

// The "Fehler" boxes the behaviours report their failures in.
class ErrorBoxes {
public:
    explicit ErrorBoxes(MessageBoxes& boxes) : boxes_(boxes) {}

    void ShowErrorMessageBox(const std::string& text, const std::string& caption);

private:
    MessageBoxes& boxes_;
};

} // namespace vorlane
