// The reminder line and the postpone button.
#include "app/Reminder.h"
#include "app/VorlaneSRC.h"

namespace vorlane {

namespace {
// The reminder line's text when no reminder was given.
constexpr char kNoReminderText[] = "Vezov!";
} // namespace

Reminder::Reminder(TFormVorlane& form) : f_(form) {
    f_.edtFirstTextLine.OnClick = [this](TComponent* sender) { edtFirstTextLineClick(sender); };
}

void Reminder::SetNoReminder() {
    text_.reset();
    f_.edtFirstTextLine.SetText(kNoReminderText);
    f_.edtFirstTextLine.Hide();
}

void Reminder::ShowReminder(const std::string& text) {
    text_ = text;
    f_.edtFirstTextLine.SetText(text);
    f_.edtFirstTextLine.Show();
    f_.edtSecondTextLine.SetTop(84);
}

void Reminder::ArrangeAtStart(bool atZero) {
    f_.edtFirstTextLine.SetHint(f_.edtFirstTextLine.Text());
    if (atZero && f_.edtFirstTextLine.Visible()) {
        f_.btnTerminVerschieben.Show();
        f_.edtFirstTextLine.SetTop(76);
        f_.edtSecondTextLine.Hide();
        f_.edtTimeMinutes.Hide();
        f_.edtTimeSeconds.Hide();
        f_.edtTimeColon.Hide();
    }
}

void Reminder::ShowTextLine() {
    if (HasText()) {
        f_.edtFirstTextLine.Show();
    } else {
        f_.edtSecondTextLine.Show();
    }
}

std::optional<std::string> Reminder::Text() const {
    return HasText() ? text_ : std::nullopt;
}

bool Reminder::HasText() const {
    return text_ && *text_ != kNoReminderText;
}

void Reminder::edtFirstTextLineClick(TComponent* /*sender*/) {
    f_.FocusControl(f_.mplMediaPlayer);
}

} // namespace vorlane
