#pragma once
#include "platform/Component.h"

#include <cstdint>
#include <string>

namespace vorlane {

class TFormVorlane;

// The minutes:seconds display with the tray tip and what screen readers are told of it, the
// quick buttons (+1, +5, -1, -5) and the presets of the tray menu.
class TimeDisplay {
public:
    explicit TimeDisplay(TFormVorlane& form);

    void ShowRemainingTime();
    void btnPlusOneNormalClick(TComponent* sender);
    void btnPlusFiveNormalClick(TComponent* sender);
    void btnMinusOneNormalClick(TComponent* sender);
    void btnMinusFiveNormalClick(TComponent* sender);
    void mnuSetClick(TComponent* sender);

    // The remaining time as a screen reader says it: its name, and the same in words.
    std::string SpokenRemainingTime() const;
    std::string RemainingTimeInWords() const;

private:
    // The seconds the spoken time names: whole minutes, rounded up, then every second.
    std::int32_t SpokenSeconds() const;
    // Adds the seconds where the sum still fits the display (999:59).
    void PlusMinutes(int seconds);
    void MinusMinutes(int seconds);
    // Tells readers of a changed spoken time, and alerts them as the countdown reaches five
    // minutes and one minute (zero has the alarm's own alert).
    void AnnounceRemainingTime();

    TFormVorlane& f_;
    // The seconds last named to readers; none yet.
    std::int32_t spokenSeconds_ = -1;
};

} // namespace vorlane
