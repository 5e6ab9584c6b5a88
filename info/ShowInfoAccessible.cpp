// The info dialog as screen readers find it: every text it shows, in reading order, and the
// two web links, whose action is their click.
#include "info/ShowInfoDialog.h"

#include <algorithm>
#include <tuple>

namespace vorlane {

std::vector<AccessibleItem> TShowInfoDialog::AccessibleItems() {
    std::vector<AccessibleItem> items;
    for (TControl* control : Controls()) {
        if (control->Kind() != ControlKind::Label || !control->Visible() ||
            control->Text().empty()) {
            continue;
        }
        const bool link = control == &lblVorlaneLink || control == &llbArdewayLink;
        items.push_back({link ? AccessibleRole::Link : AccessibleRole::Text, control->Text(),
                         control->Bounds(), false, false, link ? "Öffnen" : "", control, ""});
    }
    std::stable_sort(items.begin(), items.end(), [](const auto& a, const auto& b) {
        return std::tie(a.bounds.top, a.bounds.left) < std::tie(b.bounds.top, b.bounds.left);
    });
    return items;
}

} // namespace vorlane
