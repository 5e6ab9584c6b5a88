#pragma once
#include "info/ShowInfoDialog.h"
#include "platform/ProgramHost.h"

#include <memory>
#include <string>
#include <vector>

namespace vorlane {

// The info dialog module: the dialogs it made that are still open (and the one made at start-up,
// never shown), the latest one, and the language and version text of the latest request.
// Dialogs live until they are closed and another is made, at the latest as long as the module,
// which must go before the platform services it was given.
class ShowInfoModule {
public:
    explicit ShowInfoModule(PlatformServices services) : services_(services) {}
    // The dialogs read InfoLanguage where it lives.
    ShowInfoModule(const ShowInfoModule&) = delete;
    ShowInfoModule& operator=(const ShowInfoModule&) = delete;

    // Makes a dialog and makes it the latest; its native window comes when it is shown (the one
    // made at start-up never is, and costs no window).
    TShowInfoDialog& MakeDialog();
    // Makes, lays out, translates and shows a new dialog beside whatever is open; German
    // texts for "DEUTSCH" exactly, English for any other language.
    void ShowInfo(const std::string& Language, const std::string& VersionText);

    // The module's state.
    TShowInfoDialog* ShowInfoDialog = nullptr;
    std::string InfoLanguage;
    std::string InfoVersionText;

private:
    PlatformServices services_;
    std::vector<std::unique_ptr<TShowInfoDialog>> dialogs_;
};

} // namespace vorlane
