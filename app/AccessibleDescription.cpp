// The main window as screen readers find it: the remaining time, the reminder line and the
// postpone button, the sound line, and every image button shown, named by its hint.
#include "app/TimeDisplay.h"
#include "app/VorlaneSRC.h"

#include <algorithm>
#include <tuple>

namespace vorlane {

namespace {
const char* const kPress = "Drücken";
const char* const kOpen = "Öffnen";

// A field's text without the spaces that only keep it off the field's edge.
std::string Trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

Rect Union(const Rect& a, const Rect& b) {
    const int left = std::min(a.left, b.left);
    const int top = std::min(a.top, b.top);
    const int right = std::max(a.left + a.width, b.left + b.width);
    const int bottom = std::max(a.top + a.height, b.top + b.height);
    return {left, top, right - left, bottom - top};
}
} // namespace

std::vector<AccessibleItem> TFormVorlane::AccessibleItems() {
    std::vector<AccessibleItem> items;
    if (edtTimeMinutes.Visible()) {
        items.push_back({AccessibleRole::Text, display().SpokenRemainingTime(),
                         Union(edtTimeMinutes.Bounds(), edtTimeSeconds.Bounds()), false, false, "",
                         &edtTimeMinutes, display().RemainingTimeInWords()});
    }
    if (edtFirstTextLine.Visible()) {
        items.push_back({AccessibleRole::Text, Trimmed(edtFirstTextLine.Text()),
                         edtFirstTextLine.Bounds(), false, false, "", &edtFirstTextLine, ""});
    }
    if (btnTerminVerschieben.Visible()) {
        items.push_back({AccessibleRole::PushButton, btnTerminVerschieben.Text(),
                         btnTerminVerschieben.Bounds(), false, true, kPress, &btnTerminVerschieben,
                         ""});
    }
    if (edtSecondTextLine.Visible()) {
        items.push_back({AccessibleRole::Link, Trimmed(edtSecondTextLine.Text()),
                         edtSecondTextLine.Bounds(), false, false, kOpen, &edtSecondTextLine, ""});
    }
    for (ImageButton* button : ImageButtons()) {
        if (button->Normal.Visible()) {
            items.push_back({AccessibleRole::PushButton, button->Hover.Hint(),
                             button->Normal.Bounds(), button->Active.Visible(), false, kPress,
                             &button->Normal, ""});
        }
    }
    // Reading order: top to bottom, then left to right.
    std::stable_sort(items.begin(), items.end(), [](const auto& a, const auto& b) {
        return std::tie(a.bounds.top, a.bounds.left) < std::tie(b.bounds.top, b.bounds.left);
    });
    return items;
}

} // namespace vorlane
