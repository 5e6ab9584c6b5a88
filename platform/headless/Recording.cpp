#include "platform/headless/Recording.h"

#include "platform/Errors.h"

#include <algorithm>

namespace vorlane::headless {

void CallLog::Record(const std::string& call) {
    calls.push_back(call);
    if (!failOn.empty() && call == failOn) {
        throw EWindowSystemError("Der Aufruf \"" + call + "\" ist fehlgeschlagen");
    }
}

bool CallLog::Contains(const std::string& call) const {
    return std::find(calls.begin(), calls.end(), call) != calls.end();
}

void RecordingMessageBoxes::Show(const std::string& text, const std::string& caption,
                                 MessageIcon icon, bool /*keepMainWindowTopmost*/) {
    shown.push_back({text, caption, icon});
    if (whileOpen) {
        whileOpen();
    }
}

} // namespace vorlane::headless
