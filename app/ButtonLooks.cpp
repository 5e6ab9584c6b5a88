// The three looks of the image buttons: resting, hovered and pressed, the latched pressed
// looks of play, pause and target time, and parking the focus when the pointer leaves.
#include "app/ButtonLooks.h"
#include "app/AlarmSound.h"
#include "app/ClockTimeSelection.h"
#include "app/ImageButtonTable.h"
#include "app/VorlaneSRC.h"

namespace vorlane {

ButtonLooks::ButtonLooks(TFormVorlane& form) : f_(form) {
    for (const ImageButtonRow& row : ImageButtonRows()) {
        ImageButton& button = f_.*row.button;
        button.Normal.OnMouseMove = [this, &row](TComponent*, ShiftState, int, int) {
            NormalMouseMove(row);
        };
        button.Hover.OnMouseDown = [this, &button](TComponent*, MouseButton, ShiftState, int, int) {
            HoverMouseDown(button);
        };
    }
    const TMouseMoveEvent backgroundMove = [this](TComponent* sender, ShiftState shift, int x,
                                                  int y) { imgFormMouseMove(sender, shift, x, y); };
    f_.imgForm.OnMouseMove = backgroundMove;
    f_.imgBackgroundBlink.OnMouseMove = backgroundMove;
    f_.OnMouseLeave = [this](TComponent* sender) { FormMouseLeave(sender); };
}

void ButtonLooks::ShowHoverLook(ImageButton& button) {
    if (hovered_ == &button) {
        return;
    }
    if (HoverShown()) {
        examineVisibleObjects();
    }
    hovered_ = &button;
    button.Hover.Show();
}

void ButtonLooks::NormalMouseMove(const ImageButtonRow& row) {
    ImageButton& button = f_.*row.button;
    if (row.hover == HoverRule::Tracked) {
        ShowHoverLook(button);
        return;
    }
    button.Hover.Show();
    for (const ImageButtonMember neighbour : row.hoverNeighbours) {
        (f_.*neighbour).Hover.Hide();
    }
}

void ButtonLooks::HoverMouseDown(ImageButton& button) {
    button.Active.Show();
}

// The background and the blink picture: crossing them ends any hover or pressed look.
void ButtonLooks::imgFormMouseMove(TComponent*, ShiftState, int, int) {
    if (HoverShown()) {
        examineVisibleObjects();
    }
}

bool ButtonLooks::LatchHolds(const ImageButtonRow& row) {
    switch (row.latch) {
    case PressedLatch::WhilePaused:
        return f_.sound().MediaPlayerPaused();
    case PressedLatch::WhilePlaying:
        return f_.sound().MediaPlayerPlaying();
    case PressedLatch::WhileSelecting:
        return f_.selection().Selecting();
    case PressedLatch::None:
        break;
    }
    return false;
}

void ButtonLooks::examineVisibleObjects() {
    for (const ImageButtonRow& row : ImageButtonRows()) {
        ImageButton& button = f_.*row.button;
        button.Hover.Hide();
        // Pause, play and target time keep their pressed look while their function is on.
        if (!LatchHolds(row)) {
            button.Active.Hide();
        }
    }
    hovered_ = nullptr;
}

// Leaving for the desktop or another program ends an edit in a time field; moving onto
// one of our own windows (a field, the info dialog) does not. The looks stay as they are.
void ButtonLooks::FormMouseLeave(TComponent*) {
    if (!f_.App().PointerOverProgramWindows()) {
        f_.FocusControl(f_.mplMediaPlayer);
    }
}

} // namespace vorlane
