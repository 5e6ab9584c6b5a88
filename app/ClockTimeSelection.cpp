// Counting down to a chosen clock time: the list of clock times, the check of what was typed
// and the confirmation.
#include "app/ClockTimeSelection.h"
#include "app/AlarmSound.h"
#include "app/Countdown.h"
#include "app/DisplayMode.h"
#include "app/ErrorBoxes.h"
#include "app/Reminder.h"
#include "app/TimeDisplay.h"
#include "app/VorlaneSRC.h"
#include "app/WindowAndTray.h"
#include "core/TargetTime.h"
#include "core/TargetTimeSelection.h"
#include "core/TimeOfDay.h"

namespace vorlane {

namespace {
constexpr char16_t kEnter = 13;
// The label over the list.
constexpr char kTextTargetTime[] = "Zielzeit:";
} // namespace

ClockTimeSelection::ClockTimeSelection(TFormVorlane& form) : f_(form) {
    const TNotifyEvent open = [this](TComponent* sender) { btnSelectTimeclick(sender); };
    f_.edtTimeColon.OnClick = open;
    f_.btnTerminVerschieben.OnClick = open;
    f_.mnuSelectTime->OnClick = [this](TComponent* sender) { mnuSelectTimeClick(sender); };
    f_.btnTimeSelectionOkay.OnClick = [this](TComponent* sender) {
        btnTimeSelectionOkayClick(sender);
    };
    f_.cmbEndTimeComboBox.OnExit = [this](TComponent* sender) { cmbEndTimeComboBoxExit(sender); };
    f_.cmbEndTimeComboBox.OnKeyPress = [this](TComponent* sender, char16_t& key) {
        cmbEndTimeComboBoxKeyPress(sender, key);
    };
}

void ClockTimeSelection::btnSelectTimeclick(TComponent* /*sender*/) {
    if (Selecting()) {
        return;
    }
    f_.countdown().Pause();
    f_.btnSetTime.Active.Show();
    f_.edtHinweiseLabel.SetText(kTextTargetTime);
    f_.displayMode().Show(DisplayMode::Showing::ClockTimeSelection);
    f_.FocusControl(f_.mplMediaPlayer);
    // A time field that had the focus switched the countdown back on as it was left; the
    // selection pauses it all the same.
    f_.countdown().Pause();
    f_.btnTimeSelectionOkay.BringToFront();
    if (f_.countdown().AlarmActive()) {
        f_.sound().stopMediaPlayer();
    }
    const TimeOfDay now = DecodeTimeOfDay(f_.Services().clock.Now());
    const std::string current = ClockTimeText(now.hour, now.minute);
    f_.cmbEndTimeComboBox.SetItems({});
    f_.cmbEndTimeComboBox.SetText(current);
    selectionStartText_ = current;
    f_.cmbEndTimeComboBox.SetItems(TargetTimeChoices(now));
    // The focus and the selection come after the text: a text set later would put the caret
    // before it, and what the user types would be added to the shown time, not replace it.
    f_.FocusControl(f_.cmbEndTimeComboBox);
    f_.cmbEndTimeComboBox.SelectAll();
}

void ClockTimeSelection::mnuSelectTimeClick(TComponent* sender) {
    // The window may be in the tray: it comes back as from a click on the icon, so the list
    // is seen and the paused countdown is not forgotten there.
    f_.windowAndTray().TrayIconClick(sender);
    btnSelectTimeclick(sender);
}

void ClockTimeSelection::btnSetTimeClick(TComponent* sender) {
    // The same button opens the selection and confirms it.
    if (Selecting()) {
        btnTimeSelectionOkayClick(sender);
    } else {
        btnSelectTimeclick(sender);
    }
}

TargetTime ClockTimeSelection::ParseTargetTime() {
    const TargetTime target = vorlane::ParseTargetTime(f_.cmbEndTimeComboBox.Text());
    f_.cmbEndTimeComboBox.SetText(target.text);
    return target;
}

void ClockTimeSelection::btnTimeSelectionOkayClick(TComponent* /*sender*/) {
    // One action confirms once: the focus moves this confirmation makes (the list hidden,
    // the OK button taking the focus) find the selection closed or closing.
    if (!Selecting() || confirming_) {
        return;
    }
    struct Confirming {
        bool& flag;
        explicit Confirming(bool& set) : flag(set) { flag = true; }
        ~Confirming() { flag = false; }
        Confirming(const Confirming&) = delete;
        Confirming& operator=(const Confirming&) = delete;
    } confirming(confirming_);
    const TargetTime target = ParseTargetTime();
    const TimeOfDay now = DecodeTimeOfDay(f_.Services().clock.Now());
    if (target.text != selectionStartText_) {
        if (const std::optional<std::int32_t> seconds = RemainingSecondsForTarget(now, target)) {
            f_.countdown().CountToClockTime(*seconds);
            f_.display().ShowRemainingTime();
        } else {
            f_.errors().ShowErrorMessageBox("Bitte wählen Sie einen Zeitpunkt aus, der weniger "
                                            "als 16 Stunden in der Zukunft liegt!");
        }
    }
    // The list is hidden with the mode: the selection is over for every event from here on.
    f_.displayMode().Show(DisplayMode::Showing::Time);
    f_.reminder().ShowTextLine();
    // A hidden list cannot keep the focus: it goes to its parking place, so the list's exit
    // comes now (and confirms nothing twice), not at the next opening.
    if (f_.Focused() == &f_.cmbEndTimeComboBox) {
        f_.FocusControl(f_.mplMediaPlayer);
    }
    f_.btnSetTime.Active.Hide();
    f_.countdown().Resume();
    f_.countdown().ResetTimeBase();
}

bool ClockTimeSelection::Selecting() const {
    return f_.displayMode().Current() == DisplayMode::Showing::ClockTimeSelection;
}

void ClockTimeSelection::cmbEndTimeComboBoxExit(TComponent* sender) {
    ParseTargetTime();
    btnTimeSelectionOkayClick(sender);
}

void ClockTimeSelection::cmbEndTimeComboBoxKeyPress(TComponent* sender, char16_t& key) {
    if (key == kEnter) {
        btnTimeSelectionOkayClick(sender);
    }
    const bool letter = (key >= u'a' && key <= u'z') || (key >= u'A' && key <= u'Z');
    if (letter) {
        key = 0;
    }
}

} // namespace vorlane
