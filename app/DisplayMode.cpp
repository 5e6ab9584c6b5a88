// Which parts of the round window's middle are seen.
#include "app/DisplayMode.h"
#include "app/VorlaneSRC.h"

namespace vorlane {

DisplayMode::DisplayMode(TFormVorlane& form) : f_(form) {}

void DisplayMode::Show(Showing showing) {
    showing_ = showing;
    ShowParts();
}

void DisplayMode::ShowTextLines(bool reminderLine, bool soundLine) {
    reminderLine_ = reminderLine;
    soundLine_ = soundLine;
    ShowParts();
}

void DisplayMode::ShowParts() {
    const bool time = TimeShown();
    const bool selecting = showing_ == Showing::ClockTimeSelection;
    const bool reminderAtZero = showing_ == Showing::ReminderAtZero;
    for (TControl* field : {&f_.edtTimeMinutes, &f_.edtTimeColon, &f_.edtTimeSeconds}) {
        field->SetVisible(time);
    }
    f_.edtHinweiseLabel.SetVisible(showing_ == Showing::Typing || selecting);
    f_.cmbEndTimeComboBox.SetVisible(selecting);
    f_.btnTimeSelectionOkay.SetVisible(selecting);
    f_.btnTerminVerschieben.SetVisible(reminderAtZero);
    f_.edtFirstTextLine.SetVisible(!selecting && reminderLine_);
    f_.edtSecondTextLine.SetVisible(time && soundLine_);
}

} // namespace vorlane
