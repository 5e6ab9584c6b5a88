#include "core/AlarmNotice.h"

namespace vorlane {

namespace {
std::string TwoDigits(int value) {
    std::string text = std::to_string(value);
    if (text.size() < 2) {
        text.insert(text.begin(), '0');
    }
    return text;
}
} // namespace

std::string AlarmNoticeText(const std::optional<std::string>& reminder, const TimeOfDay& ended) {
    std::string text = reminder && !reminder->empty() ? *reminder : "Die Zeit ist um.";
    text += "\nAbgelaufen um ";
    text += TwoDigits(ended.hour);
    text += ':';
    text += TwoDigits(ended.minute);
    text += " Uhr.";
    return text;
}

} // namespace vorlane
