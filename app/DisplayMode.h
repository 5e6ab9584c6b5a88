#pragma once

namespace vorlane {

class TFormVorlane;

// What the middle of the round window shows. The behaviours switch the mode; the parts'
// visibility (time fields, label, clock-time list, reminder and sound lines, postpone button)
// is set from it in one place only, so no behaviour reads another's state off a control.
class DisplayMode {
public:
    enum class Showing {
        // The remaining time, with the reminder line and the sound line as they stand.
        Time,
        // The same while a time field is edited, with the label naming the field.
        Typing,
        // The clock-time list and its confirmation in place of the time and the text lines.
        ClockTimeSelection,
        // A reminder started at zero: its text and the postpone button, no time.
        ReminderAtZero,
    };

    explicit DisplayMode(TFormVorlane& form);

    Showing Current() const { return showing_; }
    void Show(Showing showing);
    // Whether the remaining time's fields are seen.
    bool TimeShown() const { return showing_ == Showing::Time || showing_ == Showing::Typing; }

    // Which text lines the time is shown with: the reminder's line above the time (once a
    // reminder was given) and the sound's line below it.
    void ShowTextLines(bool reminderLine, bool soundLine);

private:
    void ShowParts();

    TFormVorlane& f_;
    Showing showing_ = Showing::Time;
    bool reminderLine_ = false;
    bool soundLine_ = true;
};

} // namespace vorlane
