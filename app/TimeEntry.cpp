// Typing minutes and seconds into the display, and the input rules of the display's fields.
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

void TFormVorlane::ResetTimeBase() {
    // On the monotonic clock: time asleep counts, a change of the wall clock does not.
    s_.TimeBase = services_.monotonicClock.NowMs();
    s_.PrevTickSeconds = 0;
    s_.LastTickSeconds = 0;
    s_.TickDelta = 0;
}

std::int32_t TFormVorlane::FieldValueOnEnter(const TControl& field) {
    const std::optional<std::int32_t> value = StrToIntStrict(field.Text());
    if (!value) {
        // Reported like every error nobody handles; the caller keeps its old value.
        throw std::invalid_argument("'" + field.Text() + "' ist kein gültiger Integerwert");
    }
    return *value;
}

void TFormVorlane::edtTimeMinutesEnter(TComponent* /*sender*/) {
    tmrCountdown.SetEnabled(false);
    s_.MinutesOnEnter = FieldValueOnEnter(edtTimeMinutes);
    edtHinweiseLabel.SetText(s_.TextMinutes);
    // Shown while the field is edited, so the user sees which value is being typed.
    edtHinweiseLabel.Show();
}

void TFormVorlane::edtTimeSecondsEnter(TComponent* /*sender*/) {
    tmrCountdown.SetEnabled(false);
    s_.SecondsOnEnter = FieldValueOnEnter(edtTimeSeconds);
    edtHinweiseLabel.SetText(s_.TextSeconds);
    edtHinweiseLabel.Show();
}

void TFormVorlane::ApplyTypedTime(std::int32_t seconds) {
    s_.RemainingSeconds = seconds;
    if (s_.AlarmActive) {
        stopMediaPlayer();
    }
    ResetTimeBase();
}

void TFormVorlane::edtTimeMinutesExit(TComponent* /*sender*/) {
    const std::optional<std::int32_t> minutes = StrToIntStrict(edtTimeMinutes.Text());
    if (minutes && *minutes != s_.MinutesOnEnter) {
        if (const std::optional<std::int32_t> time =
                FieldsTime(edtTimeMinutes.Text(), edtTimeSeconds.Text())) {
            ApplyTypedTime(*time);
        }
    }
    if (!s_.SelectingTime) {
        edtHinweiseLabel.Hide();
    }
    tmrCountdown.SetEnabled(true);
}

void TFormVorlane::edtTimeSecondsExit(TComponent* /*sender*/) {
    // The typed number counts as a change, also where it is then taken as 59.
    const std::optional<std::int32_t> seconds = StrToIntStrict(edtTimeSeconds.Text());
    if (seconds && *seconds != s_.SecondsOnEnter) {
        if (const std::optional<std::int32_t> time =
                FieldsTime(edtTimeMinutes.Text(), edtTimeSeconds.Text())) {
            ApplyTypedTime(*time);
        }
    }
    if (!s_.SelectingTime) {
        edtHinweiseLabel.Hide();
    }
    tmrCountdown.SetEnabled(true);
}

void TFormVorlane::edtTimeMinutesClick(TComponent* /*sender*/) {
    edtTimeMinutes.SelectAll();
}

void TFormVorlane::edtTimeSecondsClick(TComponent* /*sender*/) {
    edtTimeSeconds.SelectAll();
}

void TFormVorlane::edtTimeKeyPress(TComponent* /*sender*/, char16_t& key) {
    if (key == kEnter) {
        // Leaving the field commits what was typed.
        FocusControl(mplMediaPlayer);
    }
    const bool digit = key >= u'0' && key <= u'9';
    if (!digit && key != kBackspace) {
        key = 0;
    }
}

void TFormVorlane::edtOnContextPopup(TComponent* /*sender*/, int /*x*/, int /*y*/, bool& handled) {
    handled = true;
}

void TFormVorlane::edtFirstTextLineClick(TComponent* /*sender*/) {
    FocusControl(mplMediaPlayer);
}

void TFormVorlane::BindTimeEntryEvents() {
    edtTimeMinutes.OnEnter = [this](TComponent* sender) { edtTimeMinutesEnter(sender); };
    edtTimeSeconds.OnEnter = [this](TComponent* sender) { edtTimeSecondsEnter(sender); };
    edtTimeMinutes.OnExit = [this](TComponent* sender) { edtTimeMinutesExit(sender); };
    edtTimeSeconds.OnExit = [this](TComponent* sender) { edtTimeSecondsExit(sender); };
    edtTimeMinutes.OnClick = [this](TComponent* sender) { edtTimeMinutesClick(sender); };
    edtTimeSeconds.OnClick = [this](TComponent* sender) { edtTimeSecondsClick(sender); };
    const TKeyPressEvent keyPress = [this](TComponent* sender, char16_t& key) {
        edtTimeKeyPress(sender, key);
    };
    edtTimeMinutes.OnKeyPress = keyPress;
    edtTimeSeconds.OnKeyPress = keyPress;
    const TContextPopupEvent noMenu = [this](TComponent* sender, int x, int y, bool& handled) {
        edtOnContextPopup(sender, x, y, handled);
    };
    for (TControl* field :
         {&edtTimeMinutes, &edtTimeSeconds, &edtTimeColon, &edtFirstTextLine, &edtSecondTextLine}) {
        field->OnContextPopup = noMenu;
    }
    edtFirstTextLine.OnClick = [this](TComponent* sender) { edtFirstTextLineClick(sender); };

    const TNotifyEvent open = [this](TComponent* sender) { btnSelectTimeclick(sender); };
    edtTimeColon.OnClick = open;
    btnTerminVerschieben.OnClick = open;
    mnuSelectTime->OnClick = [this](TComponent* sender) { mnuSelectTimeClick(sender); };
    for (TControl* look : {&btnSetTime.Normal, &btnSetTime.Hover, &btnSetTime.Active}) {
        look->OnClick = [this](TComponent* sender) { btnSetTimeClick(sender); };
    }
    btnTimeSelectionOkay.OnClick = [this](TComponent* sender) {
        btnTimeSelectionOkayClick(sender);
    };
    cmbEndTimeComboBox.OnExit = [this](TComponent* sender) { cmbEndTimeComboBoxExit(sender); };
    cmbEndTimeComboBox.OnKeyPress = [this](TComponent* sender, char16_t& key) {
        cmbEndTimeComboBoxKeyPress(sender, key);
    };
}

} // namespace vorlane
