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

std::string RemainingTimeInWords(std::int32_t remainingSeconds) {
    if (remainingSeconds <= 0) {
        return "Die Zeit ist um.";
    }
    const std::int32_t minutes = remainingSeconds / 60;
    const std::int32_t seconds = remainingSeconds % 60;
    const auto counted = [](std::int32_t count, const char* one, const char* many) {
        return std::to_string(count) + " " + (count == 1 ? one : many);
    };
    std::string text = "Noch ";
    if (minutes > 0) {
        text += counted(minutes, "Minute", "Minuten");
        if (seconds > 0) {
            text += " und ";
        }
    }
    if (seconds > 0) {
        text += counted(seconds, "Sekunde", "Sekunden");
    }
    return text;
}

std::string TrayTipText(const std::string& minutesField, const std::string& secondsField) {
    return minutesField + ":" + secondsField;
}

} // namespace vorlane
