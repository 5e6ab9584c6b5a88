// Typing minutes and seconds into the display, and the input rules of the display's fields.
#include "app/TimeEntry.h"
#include "app/AlarmSound.h"
#include "app/ClockTimeSelection.h"
#include "app/Countdown.h"
#include "app/DisplayMode.h"
#include "app/VorlaneSRC.h"
#include "core/StrictInt.h"

#include <algorithm>
#include <stdexcept>

namespace vorlane {

namespace {
constexpr char16_t kEnter = 13;
constexpr char16_t kBackspace = 8;
constexpr std::int32_t kMostMinutes = 999;
constexpr std::int32_t kMostSeconds = 59;
// The label over the display while a field is edited.
constexpr char kTextMinutes[] = "Minuten:";
constexpr char kTextSeconds[] = "Sekunden:";

// The time both fields hold, whichever of them was typed into last: the other may still hold
// what the user left in it. Minutes out of range are not taken, seconds above 59 count as 59,
// and the range is checked before multiplying, so no text can overflow the sum.
std::optional<std::int32_t> FieldsTime(const std::string& minutesText,
                                       const std::string& secondsText) {
    const std::optional<std::int32_t> minutes = StrToIntStrict(minutesText);
    const std::optional<std::int32_t> seconds = StrToIntStrict(secondsText);
    if (!minutes || !seconds || *minutes < 0 || *minutes > kMostMinutes || *seconds < 0) {
        return std::nullopt;
    }
    return *minutes * 60 + std::min(*seconds, kMostSeconds);
}
} // namespace

TimeEntry::TimeEntry(TFormVorlane& form) : f_(form) {
    f_.edtTimeMinutes.OnEnter = [this](TComponent* sender) { edtTimeMinutesEnter(sender); };
    f_.edtTimeSeconds.OnEnter = [this](TComponent* sender) { edtTimeSecondsEnter(sender); };
    f_.edtTimeMinutes.OnExit = [this](TComponent* sender) { edtTimeMinutesExit(sender); };
    f_.edtTimeSeconds.OnExit = [this](TComponent* sender) { edtTimeSecondsExit(sender); };
    f_.edtTimeMinutes.OnClick = [this](TComponent* sender) { edtTimeMinutesClick(sender); };
    f_.edtTimeSeconds.OnClick = [this](TComponent* sender) { edtTimeSecondsClick(sender); };
    const TKeyPressEvent keyPress = [this](TComponent* sender, char16_t& key) {
        edtTimeKeyPress(sender, key);
    };
    f_.edtTimeMinutes.OnKeyPress = keyPress;
    f_.edtTimeSeconds.OnKeyPress = keyPress;
    const TContextPopupEvent noMenu = [this](TComponent* sender, int x, int y, bool& handled) {
        edtOnContextPopup(sender, x, y, handled);
    };
    for (TControl* field : {&f_.edtTimeMinutes, &f_.edtTimeSeconds, &f_.edtTimeColon,
                            &f_.edtFirstTextLine, &f_.edtSecondTextLine}) {
        field->OnContextPopup = noMenu;
    }
}

std::int32_t TimeEntry::FieldValueOnEnter(const TControl& field) {
    const std::optional<std::int32_t> value = StrToIntStrict(field.Text());
    if (!value) {
        // Reported like every error nobody handles; the caller keeps its old value.
        throw std::invalid_argument("'" + field.Text() + "' ist kein gültiger Integerwert");
    }
    return *value;
}

void TimeEntry::edtTimeMinutesEnter(TComponent* /*sender*/) {
    f_.countdown().Pause();
    minutesOnEnter_ = FieldValueOnEnter(f_.edtTimeMinutes);
    f_.edtHinweiseLabel.SetText(kTextMinutes);
    // The label is shown while the field is edited, so the user sees which value is typed.
    f_.displayMode().Show(DisplayMode::Showing::Typing);
}

void TimeEntry::edtTimeSecondsEnter(TComponent* /*sender*/) {
    f_.countdown().Pause();
    secondsOnEnter_ = FieldValueOnEnter(f_.edtTimeSeconds);
    f_.edtHinweiseLabel.SetText(kTextSeconds);
    f_.displayMode().Show(DisplayMode::Showing::Typing);
}

void TimeEntry::ApplyTypedTime(std::int32_t seconds) {
    Countdown& countdown = f_.countdown();
    countdown.SetRemainingSeconds(seconds);
    if (countdown.AlarmActive()) {
        f_.sound().stopMediaPlayer();
    }
    countdown.ResetTimeBase();
}

void TimeEntry::LeaveField(bool changed) {
    if (changed) {
        if (const std::optional<std::int32_t> time =
                FieldsTime(f_.edtTimeMinutes.Text(), f_.edtTimeSeconds.Text())) {
            ApplyTypedTime(*time);
        }
    }
    if (f_.displayMode().Current() == DisplayMode::Showing::Typing) {
        f_.displayMode().Show(DisplayMode::Showing::Time);
    }
    f_.countdown().Resume();
}

void TimeEntry::edtTimeMinutesExit(TComponent* /*sender*/) {
    const std::optional<std::int32_t> minutes = StrToIntStrict(f_.edtTimeMinutes.Text());
    LeaveField(minutes && *minutes != minutesOnEnter_);
}

void TimeEntry::edtTimeSecondsExit(TComponent* /*sender*/) {
    // The typed number counts as a change, also where it is then taken as 59.
    const std::optional<std::int32_t> seconds = StrToIntStrict(f_.edtTimeSeconds.Text());
    LeaveField(seconds && *seconds != secondsOnEnter_);
}

void TimeEntry::edtTimeMinutesClick(TComponent* /*sender*/) {
    f_.edtTimeMinutes.SelectAll();
}

void TimeEntry::edtTimeSecondsClick(TComponent* /*sender*/) {
    f_.edtTimeSeconds.SelectAll();
}

void TimeEntry::edtTimeKeyPress(TComponent* /*sender*/, char16_t& key) {
    if (key == kEnter) {
        // Leaving the field commits what was typed.
        f_.FocusControl(f_.mplMediaPlayer);
    }
    const bool digit = key >= u'0' && key <= u'9';
    if (!digit && key != kBackspace) {
        key = 0;
    }
}

void TimeEntry::edtOnContextPopup(TComponent* /*sender*/, int /*x*/, int /*y*/, bool& handled) {
    handled = true;
}

} // namespace vorlane
