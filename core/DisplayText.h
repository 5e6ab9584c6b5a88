#pragma once

#include <cstdint>
#include <string>

namespace vorlane {

// What the minutes and seconds fields of the display show.
struct DisplayText {
    std::string minutes;
    std::string seconds;
};

// Minutes with at least two digits (05, 12, 100, 999), seconds always with two. A countdown
// that has run past zero shows 00:00.
DisplayText FormatRemaining(std::int32_t remainingSeconds);

// The remaining time as a sentence for screen readers: "Noch 5 Minuten", "Noch 1 Minute und
// 30 Sekunden", "Noch 1 Sekunde"; at zero (or past it) "Die Zeit ist um."
std::string RemainingTimeInWords(std::int32_t remainingSeconds);

// The tray tooltip, built from the texts of the two fields so it always matches the window.
std::string TrayTipText(const std::string& minutesField, const std::string& secondsField);

} // namespace vorlane
