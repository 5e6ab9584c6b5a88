#include "core/DisplayText.h"

namespace vorlane {

namespace {

std::string TwoDigitsAtLeast(std::int32_t value) {
    std::string text = value <= 9 ? "0" : "";
    text += std::to_string(value);
    return text;
}

} // namespace

DisplayText FormatRemaining(std::int32_t remainingSeconds) {
    std::int32_t minutes = 0;
    std::int32_t seconds = 0;
    if (remainingSeconds > 0) {
        minutes = remainingSeconds / 60;
        seconds = remainingSeconds - 60 * minutes;
    }
    return DisplayText{TwoDigitsAtLeast(minutes), TwoDigitsAtLeast(seconds)};
}

std::string TrayTipText(const std::string& minutesField, const std::string& secondsField) {
    return minutesField + ":" + secondsField;
}

} // namespace vorlane
