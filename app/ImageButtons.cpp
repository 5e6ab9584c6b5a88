// The three looks of the image buttons: resting, hovered and pressed, the latched pressed
// looks of play, pause and target time, and parking the focus when the pointer leaves.
#include "app/VorlaneSRC.h"

namespace vorlane {

void TFormVorlane::ShowHoverLook(ImageButton& button) {
    // Tag 1 means this button's hover look is already on (or was switched off by someone
    // else since); either way nothing changes until the next reset.
    if (button.Normal.Tag != 0) {
        return;
    }
    if (s_.HoverShown) {
        examineVisibleObjects();
    }
    s_.HoverShown = true;
    button.Normal.Tag = 1;
    button.Hover.Show();
}

void TFormVorlane::btnMinusOneNormalMouseMove(TComponent*, ShiftState, int, int) {
    ShowHoverLook(btnMinusOne);
}
void TFormVorlane::btnMinusFiveNormalMouseMove(TComponent*, ShiftState, int, int) {
    ShowHoverLook(btnMinusFive);
}
void TFormVorlane::btnPlusOneNormalMouseMove(TComponent*, ShiftState, int, int) {
    ShowHoverLook(btnPlusOne);
}
void TFormVorlane::btnPlusFiveNormalMouseMove(TComponent*, ShiftState, int, int) {
    ShowHoverLook(btnPlusFive);
}
void TFormVorlane::btnPlayNormalMouseMove(TComponent*, ShiftState, int, int) {
    ShowHoverLook(btnPlay);
}
void TFormVorlane::btnPauseNormalMouseMove(TComponent*, ShiftState, int, int) {
    ShowHoverLook(btnPause);
}
void TFormVorlane::btnStopNormalMouseMove(TComponent*, ShiftState, int, int) {
    ShowHoverLook(btnStop);
}
void TFormVorlane::btnMinimizeNormalMouseMove(TComponent*, ShiftState, int, int) {
    ShowHoverLook(btnMinimize);
}
void TFormVorlane::btnExitNormalMouseMove(TComponent*, ShiftState, int, int) {
    ShowHoverLook(btnExit);
}
void TFormVorlane::btnSetTimeNormalMouseMove(TComponent*, ShiftState, int, int) {
    ShowHoverLook(btnSetTime);
}
void TFormVorlane::btnHelpNormalMouseMove(TComponent*, ShiftState, int, int) {
    ShowHoverLook(btnHelp);
}

// The open button sits between pause, stop, play and target time; it clears their hover
// looks but keeps out of the Tag and HoverShown bookkeeping, so its own hover look stays
// until some other button's hover has triggered a reset.
void TFormVorlane::btnOpenMP3NormalMouseMove(TComponent*, ShiftState, int, int) {
    btnOpenMP3.Hover.Show();
    btnPause.Hover.Hide();
    btnStop.Hover.Hide();
    btnPlay.Hover.Hide();
    btnSetTime.Hover.Hide();
}

// Any mouse button shows the pressed look; only a left release makes a click.
void TFormVorlane::btnMinusOneHoverMouseDown(TComponent*, MouseButton, ShiftState, int, int) {
    btnMinusOne.Active.Show();
}
void TFormVorlane::btnMinusFiveHoverMouseDown(TComponent*, MouseButton, ShiftState, int, int) {
    btnMinusFive.Active.Show();
}
void TFormVorlane::btnPlusOneHoverMouseDown(TComponent*, MouseButton, ShiftState, int, int) {
    btnPlusOne.Active.Show();
}
void TFormVorlane::btnPlusFiveHoverMouseDown(TComponent*, MouseButton, ShiftState, int, int) {
    btnPlusFive.Active.Show();
}
void TFormVorlane::btnPlayHoverMouseDown(TComponent*, MouseButton, ShiftState, int, int) {
    btnPlay.Active.Show();
}
void TFormVorlane::btnPauseHoverMouseDown(TComponent*, MouseButton, ShiftState, int, int) {
    btnPause.Active.Show();
}
void TFormVorlane::btnStopHoverMouseDown(TComponent*, MouseButton, ShiftState, int, int) {
    btnStop.Active.Show();
}
void TFormVorlane::btnOpenMP3HoverMouseDown(TComponent*, MouseButton, ShiftState, int, int) {
    btnOpenMP3.Active.Show();
}
void TFormVorlane::btnMinimizeHoverMouseDown(TComponent*, MouseButton, ShiftState, int, int) {
    btnMinimize.Active.Show();
}
void TFormVorlane::btnExitHoverMouseDown(TComponent*, MouseButton, ShiftState, int, int) {
    btnExit.Active.Show();
}
void TFormVorlane::btnSetTimeHoverMouseDown(TComponent*, MouseButton, ShiftState, int, int) {
    btnSetTime.Active.Show();
}
void TFormVorlane::btnHelpHoverMouseDown(TComponent*, MouseButton, ShiftState, int, int) {
    btnHelp.Active.Show();
}

// The background and the blink picture: crossing them ends any hover or pressed look.
void TFormVorlane::imgFormMouseMove(TComponent*, ShiftState, int, int) {
    if (s_.HoverShown) {
        examineVisibleObjects();
    }
}

void TFormVorlane::examineVisibleObjects() {
    for (ImageButton* button :
         {&btnMinimize, &btnExit, &btnPause, &btnStop, &btnPlay, &btnOpenMP3, &btnMinusOne,
          &btnMinusFive, &btnPlusOne, &btnPlusFive, &btnSetTime, &btnHelp}) {
        button->Hover.Hide();
        button->Normal.Tag = 0;
    }
    for (ImageButton* button : {&btnMinimize, &btnExit, &btnStop, &btnOpenMP3, &btnMinusOne,
                                &btnMinusFive, &btnPlusOne, &btnPlusFive, &btnHelp}) {
        button->Active.Hide();
    }
    // Pause, play and target time keep their pressed look while their function is on.
    if (!MediaPlayerPaused()) {
        btnPause.Active.Hide();
    }
    if (!MediaPlayerPlaying()) {
        btnPlay.Active.Hide();
    }
    if (!s_.SelectingTime) {
        btnSetTime.Active.Hide();
    }
    s_.HoverShown = false;
}

// Leaving for the desktop or another program ends an edit in a time field; moving onto
// one of our own windows (a field, the info dialog) does not. The looks stay as they are.
void TFormVorlane::FormMouseLeave(TComponent*) {
    if (!App().PointerOverProgramWindows()) {
        FocusControl(mplMediaPlayer);
    }
}

void TFormVorlane::BindImageButtonEvents() {
    using MoveHandler = void (TFormVorlane::*)(TComponent*, ShiftState, int, int);
    using DownHandler = void (TFormVorlane::*)(TComponent*, MouseButton, ShiftState, int, int);
    const struct {
        ImageButton& button;
        MoveHandler move;
        DownHandler down;
    } bindings[] = {
        {btnMinusOne, &TFormVorlane::btnMinusOneNormalMouseMove,
         &TFormVorlane::btnMinusOneHoverMouseDown},
        {btnMinusFive, &TFormVorlane::btnMinusFiveNormalMouseMove,
         &TFormVorlane::btnMinusFiveHoverMouseDown},
        {btnPlusOne, &TFormVorlane::btnPlusOneNormalMouseMove,
         &TFormVorlane::btnPlusOneHoverMouseDown},
        {btnPlusFive, &TFormVorlane::btnPlusFiveNormalMouseMove,
         &TFormVorlane::btnPlusFiveHoverMouseDown},
        {btnPlay, &TFormVorlane::btnPlayNormalMouseMove, &TFormVorlane::btnPlayHoverMouseDown},
        {btnPause, &TFormVorlane::btnPauseNormalMouseMove, &TFormVorlane::btnPauseHoverMouseDown},
        {btnStop, &TFormVorlane::btnStopNormalMouseMove, &TFormVorlane::btnStopHoverMouseDown},
        {btnOpenMP3, &TFormVorlane::btnOpenMP3NormalMouseMove,
         &TFormVorlane::btnOpenMP3HoverMouseDown},
        {btnMinimize, &TFormVorlane::btnMinimizeNormalMouseMove,
         &TFormVorlane::btnMinimizeHoverMouseDown},
        {btnExit, &TFormVorlane::btnExitNormalMouseMove, &TFormVorlane::btnExitHoverMouseDown},
        {btnSetTime, &TFormVorlane::btnSetTimeNormalMouseMove,
         &TFormVorlane::btnSetTimeHoverMouseDown},
        {btnHelp, &TFormVorlane::btnHelpNormalMouseMove, &TFormVorlane::btnHelpHoverMouseDown},
    };
    for (const auto& binding : bindings) {
        binding.button.Normal.OnMouseMove =
            [this, move = binding.move](TComponent* sender, ShiftState shift, int x, int y) {
                (this->*move)(sender, shift, x, y);
            };
        binding.button.Hover.OnMouseDown =
            [this, down = binding.down](TComponent* sender, MouseButton button, ShiftState shift,
                                        int x,
                                        int y) { (this->*down)(sender, button, shift, x, y); };
    }
    const TMouseMoveEvent backgroundMove = [this](TComponent* sender, ShiftState shift, int x,
                                                  int y) { imgFormMouseMove(sender, shift, x, y); };
    imgForm.OnMouseMove = backgroundMove;
    imgBackgroundBlink.OnMouseMove = backgroundMove;
    OnMouseLeave = [this](TComponent* sender) { FormMouseLeave(sender); };
}

} // namespace vorlane
