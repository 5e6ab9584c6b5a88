// The "Fehler" boxes and the handler of errors that no operation caught.
#include "app/VorlaneSRC.h"
#include "platform/Dispatch.h"

namespace vorlane {

void TFormVorlane::ShowErrorMessageBox(const std::string& text, const std::string& caption) {
    services_.messageBoxes.Show(text, caption, MessageIcon::Error, true);
}

void TFormVorlane::ShowInfoMessageBox(const std::string& text, const std::string& caption) {
    services_.messageBoxes.Show(text, caption, MessageIcon::Information, false);
}

void TFormVorlane::ApplicationEventsOnException(TComponent* /*sender*/,
                                                const std::exception& error) {
    ShowErrorMessageBox("Ein unbekannte Fehler ist aufgetreten:\r\n" + ErrorDescription(error),
                        "Fehler");
}

} // namespace vorlane
