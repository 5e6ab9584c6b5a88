// The info dialog as designed: its frame, every control with its start values in stacking
// order, the English texts and hints, and the handlers bound to the controls.
#include "assets/ResourceIds.h"
#include "info/ShowInfoDialog.h"
#include "info/ShowInfoTexts.h"

namespace vorlane {

TShowInfoDialog::TShowInfoDialog(Application& application, Shell& shell,
                                 const std::string& infoLanguage)
    : TForm("ShowInfoDialog", application), shell_(shell), infoLanguage_(infoLanguage) {
    CreateDesignTimeControls();
    BindEvents();
}

void TShowInfoDialog::CreateParams(WindowParams& params) {
    TForm::CreateParams(params);
    params.border = FormBorder::Dialog;
    params.icon = VORLANE_ICON_INFO;
    // The program keeps off the taskbar, with its dialogs too.
    params.appWindow = false;
}

void TShowInfoDialog::CreateDesignTimeControls() {
    BackgroundColor = Color{224, 224, 228};
    KeyPreview = true;

    // The background reaches over the whole client area, which is smaller than the outer
    // size; the picture itself is drawn at its own size.
    imgBackground.SetBounds(0, 0, kWidth, kHeight);
    for (TControl* image :
         {&imgBackground, &btnArdewayIconNormal, &btnArdewayIconHover, &btnArdewayIconActive}) {
        image->Picture = image->Name();
        AddControl(*image);
    }
    btnArdewayIconHover.Hide();
    btnArdewayIconActive.Hide();
    // The sibling's icon, in every look, and its link invite to its web page.
    for (TControl* carrier :
         {&btnArdewayIconNormal, &btnArdewayIconHover, &btnArdewayIconActive, &llbArdewayLink}) {
        carrier->SetHint(kArdewayHintEnglish);
        carrier->ShowHint = true;
    }

    for (TControl* label :
         {&llbInfo11,       &llbInfo12,       &llbInfo13,         &llbInfo14,
          &llbInfo21,       &llbInfo22,       &llbInfo23,         &llbInfo24,
          &llbInfo25,       &llbInfo26,       &llbInfo31,         &llbInfo32,
          &llbInfo4,        &lblVorlaneLink,  &llbInfoCopyright1, &llbInfoCopyright2,
          &llbArdewayInfo1, &llbArdewayInfo2, &llbArdewayLink,    &llbArdewayInfo3,
          &llbArdewayInfo4, &llbArdewayInfo5}) {
        label->AutoSize = true;
        AddControl(*label);
    }
    for (const InfoLabelPlace& place : kInfoLabelPlaces) {
        (this->*place.label).SetFont(Font{"Verdana", place.points, false, false});
    }
    for (TControl* link : {&lblVorlaneLink, &llbArdewayLink}) {
        link->SetFont(Font{"Verdana", link->GetFont().points, false, true});
        link->SetFontColor(kLinkColor);
    }
    for (TControl* copyright : {&llbInfoCopyright1, &llbInfoCopyright2}) {
        copyright->SetFontColor(kGrey);
    }

    for (const InfoLabelText& text : kInfoLabelTexts) {
        (this->*text.label).SetText(text.english);
    }
    llbInfoCopyright2.SetText(kMakerName);
}

void TShowInfoDialog::BindEvents() {
    OnKeyDown = [this](TComponent* sender, std::uint16_t& key, ShiftState shift) {
        FormKeyDown(sender, key, shift);
    };

    imgBackground.OnMouseDown = [this](TComponent* sender, MouseButton button, ShiftState shift,
                                       int x, int y) {
        imgBackgroundMouseDown(sender, button, shift, x, y);
    };
    imgBackground.OnMouseMove = [this](TComponent* sender, ShiftState shift, int x, int y) {
        imgBackgroundMouseMove(sender, shift, x, y);
    };

    const TMouseMoveEvent ardewayMove = [this](TComponent* sender, ShiftState shift, int x, int y) {
        btnArdewayIconNormalMouseMove(sender, shift, x, y);
    };
    const TNotifyEvent ardewayClick = [this](TComponent* sender) {
        btnArdewayIconNormalClick(sender);
    };
    btnArdewayIconNormal.OnMouseMove = ardewayMove;
    llbArdewayLink.OnMouseMove = ardewayMove;
    for (TControl* control :
         {&btnArdewayIconNormal, &btnArdewayIconHover, &btnArdewayIconActive, &llbArdewayLink}) {
        control->OnClick = ardewayClick;
    }
    btnArdewayIconHover.OnMouseDown = [this](TComponent* sender, MouseButton button,
                                             ShiftState shift, int x, int y) {
        btnArdewayIconHoverMouseDown(sender, button, shift, x, y);
    };

    lblVorlaneLink.OnMouseMove = [this](TComponent* sender, ShiftState shift, int x, int y) {
        lblVorlaneLinkMouseMove(sender, shift, x, y);
    };
    lblVorlaneLink.OnClick = [this](TComponent* sender) { lblVorlaneLinkClick(sender); };

    // Every other label moves the dialog, as its background does.
    const TMouseDownEvent textDown = [this](TComponent* sender, MouseButton button,
                                            ShiftState shift, int x, int y) {
        mmoTextMouseDown(sender, button, shift, x, y);
    };
    for (TControl* control : Controls()) {
        if (control->Kind() == ControlKind::Label && control != &lblVorlaneLink &&
            control != &llbArdewayLink) {
            control->OnMouseDown = textDown;
        }
    }
}

} // namespace vorlane
