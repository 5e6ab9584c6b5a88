#pragma once
#include "platform/Form.h"
#include "platform/Services.h"

#include <cstdint>
#include <string>

namespace vorlane {

// The info window: how the timer is used in three steps, the product's web page, the sibling
// product's icon and link, and the copyright. It is dragged by its background and texts and
// closes with Enter, Escape or its close box.
class TShowInfoDialog : public TForm {
public:
    // The outer size the dialog is given before it is shown.
    static constexpr int kWidth = 483;
    static constexpr int kHeight = 456;
    // The links' text, resting and under the mouse.
    static constexpr Color kLinkColor{0, 0, 255};
    static constexpr Color kLinkHoverColor{255, 0, 0};

    // infoLanguage is the language of the latest request for the dialog; the links read it
    // when they are clicked, so it must outlive the dialog.
    TShowInfoDialog(Application& application, Shell& shell, const std::string& infoLanguage);

    // Pictures, bottom first.
    TControl imgBackground{"imgBackground", ControlKind::Image};
    TControl btnArdewayIconNormal{"btnArdewayIconNormal", ControlKind::Image};
    TControl btnArdewayIconHover{"btnArdewayIconHover", ControlKind::Image};
    TControl btnArdewayIconActive{"btnArdewayIconActive", ControlKind::Image};

    // Labels, in their stacking order.
    TControl llbInfo11{"llbInfo11", ControlKind::Label};
    TControl llbInfo12{"llbInfo12", ControlKind::Label};
    TControl llbInfo13{"llbInfo13", ControlKind::Label};
    TControl llbInfo14{"llbInfo14", ControlKind::Label};
    TControl llbInfo21{"llbInfo21", ControlKind::Label};
    TControl llbInfo22{"llbInfo22", ControlKind::Label};
    TControl llbInfo23{"llbInfo23", ControlKind::Label};
    TControl llbInfo24{"llbInfo24", ControlKind::Label};
    TControl llbInfo25{"llbInfo25", ControlKind::Label};
    TControl llbInfo26{"llbInfo26", ControlKind::Label};
    TControl llbInfo31{"llbInfo31", ControlKind::Label};
    TControl llbInfo32{"llbInfo32", ControlKind::Label};
    TControl llbInfo4{"llbInfo4", ControlKind::Label};
    TControl lblVorlaneLink{"lblVorlaneLink", ControlKind::Label};
    TControl llbInfoCopyright1{"llbInfoCopyright1", ControlKind::Label};
    TControl llbInfoCopyright2{"llbInfoCopyright2", ControlKind::Label};
    TControl llbArdewayInfo1{"llbArdewayInfo1", ControlKind::Label};
    TControl llbArdewayInfo2{"llbArdewayInfo2", ControlKind::Label};
    TControl llbArdewayLink{"llbArdewayLink", ControlKind::Label};
    TControl llbArdewayInfo3{"llbArdewayInfo3", ControlKind::Label};
    TControl llbArdewayInfo4{"llbArdewayInfo4", ControlKind::Label};
    TControl llbArdewayInfo5{"llbArdewayInfo5", ControlKind::Label};

    void CreateParams(WindowParams& params) override;
    std::vector<AccessibleItem> AccessibleItems() override;

    // Keys and closing.
    void FormKeyDown(TComponent* sender, std::uint16_t& key, ShiftState shift);
    void closeDialog(TComponent* sender);

    // Dragging the dialog by its background and texts.
    void imgBackgroundMouseDown(TComponent* sender, MouseButton button, ShiftState shift, int x,
                                int y);
    void mmoTextMouseDown(TComponent* sender, MouseButton button, ShiftState shift, int x, int y);

    // The looks of the sibling icon and the links.
    void btnArdewayIconNormalMouseMove(TComponent* sender, ShiftState shift, int x, int y);
    void btnArdewayIconHoverMouseDown(TComponent* sender, MouseButton button, ShiftState shift,
                                      int x, int y);
    void imgBackgroundMouseMove(TComponent* sender, ShiftState shift, int x, int y);
    void lblVorlaneLinkMouseMove(TComponent* sender, ShiftState shift, int x, int y);

    // The web pages.
    void btnArdewayIconNormalClick(TComponent* sender);
    void lblVorlaneLinkClick(TComponent* sender);

private:
    void CreateDesignTimeControls();
    void BindEvents();

    Shell& shell_;
    const std::string& infoLanguage_;
};

} // namespace vorlane
