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
    // Tag 1 means this button's hover look is already on (or was switched off by someone
    // else since); either way nothing changes until the next reset.
    if (button.Normal.Tag != 0) {
        return;
    }
    if (hoverShown_) {
        examineVisibleObjects();
    }
    hoverShown_ = true;
    button.Normal.Tag = 1;
    button.Hover.Show();
}

void ButtonLooks::NormalMouseMove(const ImageButtonRow& row) {
    ImageButton& button = f_.*row.button;
    if (row.hover == HoverRule::Tracked) {
        ShowHoverLook(button);
        return;
    }
    button.Hover.Show();
    for (ImageButton* neighbour : {&f_.btnPause, &f_.btnStop, &f_.btnPlay, &f_.btnSetTime}) {
        neighbour->Hover.Hide();
    }
}

void ButtonLooks::HoverMouseDown(ImageButton& button) {
    button.Active.Show();
}

// The background and the blink picture: crossing them ends any hover or pressed look.
void ButtonLooks::imgFormMouseMove(TComponent*, ShiftState, int, int) {
    if (hoverShown_) {
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
        button.Normal.Tag = 0;
        // Pause, play and target time keep their pressed look while their function is on.
        if (!LatchHolds(row)) {
            button.Active.Hide();
        }
    }
    hoverShown_ = false;
}

// Leaving for the desktop or another program ends an edit in a time field; moving onto
// one of our own windows (a field, the info dialog) does not. The looks stay as they are.
void ButtonLooks::FormMouseLeave(TComponent*) {
    if (!f_.App().PointerOverProgramWindows()) {
        f_.FocusControl(f_.mplMediaPlayer);
    }
}

} // namespace vorlane
