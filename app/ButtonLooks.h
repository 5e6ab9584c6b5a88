#pragma once
#include "platform/Component.h"
#include "platform/Control.h"

namespace vorlane {

class TFormVorlane;
struct ImageButton;
struct ImageButtonRow;

// The three looks of the image buttons: resting, hovered and pressed, the pressed looks that
// stay while their function is on, and parking the focus when the pointer leaves the window.
class ButtonLooks {
public:
    explicit ButtonLooks(TFormVorlane& form);

    void examineVisibleObjects();

    // The button whose hover look its pointer switched on since the last reset, if any: it
    // shows it once until the next reset, even where something else has hidden it since.
    const ImageButton* HoveredSinceReset() const { return hovered_; }
    // Some button's hover look is on since the last reset.
    bool HoverShown() const { return hovered_ != nullptr; }

private:
    // The pointer moved over a button's resting look.
    void NormalMouseMove(const ImageButtonRow& row);
    // A mouse button went down on a button's hover look: any button shows the pressed look;
    // only a left release makes a click.
    void HoverMouseDown(ImageButton& button);
    void imgFormMouseMove(TComponent* sender, ShiftState shift, int x, int y);
    void FormMouseLeave(TComponent* sender);
    void ShowHoverLook(ImageButton& button);
    // Whether the function that keeps this pressed look on is on.
    bool LatchHolds(const ImageButtonRow& row);

    TFormVorlane& f_;
    const ImageButton* hovered_ = nullptr;
};

} // namespace vorlane
