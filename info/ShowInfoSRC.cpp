// Making and showing the info dialog.
#include "info/ShowInfoSRC.h"

#include "core/Centring.h"
#include "info/ShowInfoTexts.h"

namespace vorlane {

TShowInfoDialog& ShowInfoModule::MakeDialog() {
    // A dialog the user has closed is never shown again: it is let go now, so that opening
    // the dialog again and again costs nothing lasting. The latest one is replaced below.
    std::erase_if(dialogs_,
                  [](const std::unique_ptr<TShowInfoDialog>& made) { return made->Closed(); });
    auto dialog =
        std::make_unique<TShowInfoDialog>(services_.application, services_.shell, InfoLanguage);
    ShowInfoDialog = dialog.get();
    dialogs_.push_back(std::move(dialog));
    return *ShowInfoDialog;
}

void ShowInfoModule::ShowInfo(const std::string& Language, const std::string& VersionText) {
    TShowInfoDialog& dialog = MakeDialog();
    dialog.CreateHandle();
    InfoLanguage = Language;
    InfoVersionText = VersionText;
    dialog.App().SetHintStyle(kWhite, 400, 25000);
    dialog.SetSize(TShowInfoDialog::kWidth, TShowInfoDialog::kHeight);

    dialog.btnArdewayIconNormal.SetBounds(390, 310, 77, 90);
    for (TControl* look : {&dialog.btnArdewayIconHover, &dialog.btnArdewayIconActive}) {
        look->SetBounds(dialog.btnArdewayIconNormal.DesignBounds());
    }
    for (const InfoLabelPlace& place : kInfoLabelPlaces) {
        TControl& label = dialog.*place.label;
        label.SetPosition(place.left, place.top);
        label.SetFontPoints(place.points);
    }

    const ScreenPoint centred =
        CentredOnScreen(ScreenSize{services_.screen.Width(), services_.screen.Height()},
                        ScreenSize{dialog.Width(), dialog.Height()});
    dialog.SetPosition(centred.left, centred.top);
    dialog.SetCaption("Vorlane Version " + VersionText);
    dialog.llbInfoCopyright1.SetText(kCopyrightLine);

    if (Language == kGermanLanguage) {
        for (const InfoLabelText& text : kInfoLabelTexts) {
            (dialog.*text.label).SetText(text.german);
        }
        dialog.btnArdewayIconNormal.SetHint(kArdewayHintGerman);
        for (TControl* copy :
             {&dialog.btnArdewayIconHover, &dialog.btnArdewayIconActive, &dialog.llbArdewayLink}) {
            copy->SetHint(dialog.btnArdewayIconNormal.Hint());
        }
    }

    // Not modal: the main window and earlier dialogs stay usable.
    dialog.Window().Show();
}

} // namespace vorlane
