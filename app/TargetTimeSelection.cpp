// Counting down to a chosen clock time: the list of clock times, the check of what was typed
// and the confirmation; and which text line comes back afterwards, for the reminder.
#include "core/TargetTimeSelection.h"
#include "app/VorlaneSRC.h"
#include "core/TargetTime.h"
#include "core/TimeOfDay.h"

namespace vorlane {

namespace {
constexpr char16_t kEnter = 13;
// The reminder line's text when no reminder was given.
constexpr char kNoReminderText[] = "Vezov!";
} // namespace

void TFormVorlane::btnSelectTimeclick(TComponent* /*sender*/) {
    if (s_.SelectingTime) {
        return;
    }
    s_.SelectingTime = true;
    tmrCountdown.SetEnabled(false);
    btnSetTime.Active.Show();
    edtHinweiseLabel.SetText(s_.TextTargetTime);
    edtHinweiseLabel.Show();
    for (TControl* hidden : {&edtTimeMinutes, &edtTimeColon, &edtTimeSeconds, &btnTerminVerschieben,
                             &edtFirstTextLine}) {
        hidden->Hide();
    }
    FocusControl(mplMediaPlayer);
    // A time field that had the focus switched the countdown back on as it was left; the
    // selection pauses it all the same.
    tmrCountdown.SetEnabled(false);
    edtSecondTextLine.Hide();
    cmbEndTimeComboBox.Show();
    btnTimeSelectionOkay.Show();
    btnTimeSelectionOkay.BringToFront();
    if (s_.AlarmActive) {
        stopMediaPlayer();
    }
    const TimeOfDay now = DecodeTimeOfDay(services_.clock.Now());
    const std::string current = ClockTimeText(now.hour, now.minute);
    cmbEndTimeComboBox.SetItems({});
    cmbEndTimeComboBox.SetText(current);
    s_.SelectionStartText = current;
    cmbEndTimeComboBox.SetItems(TargetTimeChoices(now));
    // The focus and the selection come after the text: a text set later would put the caret
    // before it, and what the user types would be added to the shown time, not replace it.
    FocusControl(cmbEndTimeComboBox);
    cmbEndTimeComboBox.SelectAll();
}

void TFormVorlane::mnuSelectTimeClick(TComponent* sender) {
    // The window may be in the tray: it comes back as from a click on the icon, so the list
    // is seen and the paused countdown is not forgotten there.
    TrayIconClick(sender);
    btnSelectTimeclick(sender);
}

void TFormVorlane::btnSetTimeClick(TComponent* sender) {
    // The same button opens the selection and confirms it.
    if (btnTimeSelectionOkay.Visible()) {
        btnTimeSelectionOkayClick(sender);
    } else {
        btnSelectTimeclick(sender);
    }
}

void TFormVorlane::ParseTargetTime() {
    const TargetTime target = vorlane::ParseTargetTime(cmbEndTimeComboBox.Text());
    cmbEndTimeComboBox.SetText(target.text);
    s_.TargetHour = target.hour;
    s_.TargetMinute = target.minute;
}

void TFormVorlane::btnTimeSelectionOkayClick(TComponent* /*sender*/) {
    // One action confirms once: the focus moves this confirmation makes (the list hidden,
    // the OK button taking the focus) find the selection closed or closing.
    if (!s_.SelectingTime || s_.ConfirmingSelection) {
        return;
    }
    struct Confirming {
        bool& flag;
        explicit Confirming(bool& set) : flag(set) { flag = true; }
        ~Confirming() { flag = false; }
        Confirming(const Confirming&) = delete;
        Confirming& operator=(const Confirming&) = delete;
    } confirming(s_.ConfirmingSelection);
    ParseTargetTime();
    const TimeOfDay now = DecodeTimeOfDay(services_.clock.Now());
    if (cmbEndTimeComboBox.Text() != s_.SelectionStartText) {
        const TargetTime target{cmbEndTimeComboBox.Text(), s_.TargetHour, s_.TargetMinute};
        if (const std::optional<std::int32_t> seconds = RemainingSecondsForTarget(now, target)) {
            s_.RemainingSeconds = *seconds;
            ShowRemainingTime();
        } else {
            ShowErrorMessageBox("Bitte wählen Sie einen Zeitpunkt aus, der weniger als 16 "
                                "Stunden in der Zukunft liegt!",
                                "Fehler");
        }
    }
    edtTimeMinutes.Show();
    edtTimeColon.Show();
    edtTimeSeconds.Show();
    if (edtFirstTextLine.Text() != kNoReminderText) {
        edtFirstTextLine.Show();
    } else {
        edtSecondTextLine.Show();
    }
    cmbEndTimeComboBox.Hide();
    // A hidden list cannot keep the focus: it goes to its parking place, so the list's exit
    // comes now (and confirms nothing twice), not at the next opening.
    if (Focused() == &cmbEndTimeComboBox) {
        FocusControl(mplMediaPlayer);
    }
    btnTimeSelectionOkay.Hide();
    edtHinweiseLabel.Hide();
    btnSetTime.Active.Hide();
    tmrCountdown.SetEnabled(true);
    ResetTimeBase();
    s_.SelectingTime = false;
}

void TFormVorlane::cmbEndTimeComboBoxExit(TComponent* sender) {
    ParseTargetTime();
    btnTimeSelectionOkayClick(sender);
}

void TFormVorlane::cmbEndTimeComboBoxKeyPress(TComponent* sender, char16_t& key) {
    if (key == kEnter) {
        btnTimeSelectionOkayClick(sender);
    }
    const bool letter = (key >= u'a' && key <= u'z') || (key >= u'A' && key <= u'Z');
    if (letter) {
        key = 0;
    }
}

} // namespace vorlane
