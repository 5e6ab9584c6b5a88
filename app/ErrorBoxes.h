#pragma once
#include <string>

namespace vorlane {

class MessageBoxes;

// The "Fehler" boxes the behaviours report their failures in.
class ErrorBoxes {
public:
    explicit ErrorBoxes(MessageBoxes& boxes) : boxes_(boxes) {}

    // A box captioned "Fehler" with the error icon.
    void ShowErrorMessageBox(const std::string& text);

private:
    MessageBoxes& boxes_;
};

} // namespace vorlane
