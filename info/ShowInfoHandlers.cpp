// What the info dialog does with keys and the mouse: closing, moving, the looks of the
// sibling icon and the links, and opening the web pages.
#include "info/ShowInfoDialog.h"
#include "info/ShowInfoTexts.h"
#include "platform/Keys.h"

namespace vorlane {

void TShowInfoDialog::FormKeyDown(TComponent* sender, std::uint16_t& key, ShiftState) {
    if (key == keys::kReturn || key == keys::kEscape) {
        closeDialog(sender);
    }
}

void TShowInfoDialog::closeDialog(TComponent*) {
    // A form other than the main one is only hidden; the module lets the closed dialog go
    // when the next one is made.
    Window().Close();
}

// The dialog is dragged as if by its title bar, whichever button was pressed.
void TShowInfoDialog::imgBackgroundMouseDown(TComponent*, MouseButton, ShiftState, int, int) {
    DragMove();
}

void TShowInfoDialog::mmoTextMouseDown(TComponent*, MouseButton, ShiftState, int, int) {
    DragMove();
}

void TShowInfoDialog::btnArdewayIconNormalMouseMove(TComponent*, ShiftState, int, int) {
    btnArdewayIconHover.Show();
    llbArdewayLink.SetFontColor(kLinkHoverColor);
}

void TShowInfoDialog::btnArdewayIconHoverMouseDown(TComponent*, MouseButton, ShiftState, int, int) {
    btnArdewayIconActive.Show();
}

void TShowInfoDialog::lblVorlaneLinkMouseMove(TComponent*, ShiftState, int, int) {
    lblVorlaneLink.SetFontColor(kLinkHoverColor);
}

// Only the background resets the looks: moving from one label onto another keeps them.
void TShowInfoDialog::imgBackgroundMouseMove(TComponent*, ShiftState, int, int) {
    btnArdewayIconHover.Hide();
    btnArdewayIconActive.Hide();
    lblVorlaneLink.SetFontColor(kLinkColor);
    llbArdewayLink.SetFontColor(kLinkColor);
}

// The language is read now, not when the dialog was made: a later request for the dialog in
// another language changes where every dialog's links lead. A page that fails to open is
// left at that.
void TShowInfoDialog::btnArdewayIconNormalClick(TComponent*) {
    shell_.Open(infoLanguage_ == kGermanLanguage ? kArdewayPageGerman : kArdewayPageEnglish, "");
}

void TShowInfoDialog::lblVorlaneLinkClick(TComponent*) {
    shell_.Open(infoLanguage_ == kGermanLanguage ? kVorlanePageGerman : kVorlanePageEnglish, "");
}

} // namespace vorlane
