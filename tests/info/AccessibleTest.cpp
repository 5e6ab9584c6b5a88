// The info dialog as a screen reader finds it: its texts in reading order, and the two web
// links, whose action opens their page.
#include "InfoFixture.h"
#include "platform/Dispatch.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vorlane::testing {
namespace {

TEST_F(InfoDialog, AReaderFindsEveryTextAndTheLinksOpenTheirPages) {
    TShowInfoDialog& dialog = Show("DEUTSCH");
    const std::vector<AccessibleItem> items = dialog.AccessibleItems();

    // Every label that shows a text is there once, with that text; only the two links are links.
    size_t shownLabels = 0;
    for (TControl* control : dialog.Controls()) {
        if (control->Kind() == ControlKind::Label && control->Visible() &&
            !control->Text().empty()) {
            ++shownLabels;
        }
    }
    ASSERT_EQ(items.size(), shownLabels);
    std::vector<std::string> links;
    for (const AccessibleItem& item : items) {
        SCOPED_TRACE(item.control->Name());
        EXPECT_EQ(item.name, item.control->Text());
        EXPECT_EQ(item.bounds, item.control->Bounds());
        if (item.role == AccessibleRole::Link) {
            links.push_back(item.control->Name());
            EXPECT_EQ(item.defaultAction, "Öffnen");
            Dispatch([&] { item.control->Click(); });
        } else {
            EXPECT_EQ(item.role, AccessibleRole::Text);
            EXPECT_TRUE(item.defaultAction.empty());
        }
    }
    EXPECT_EQ(links, (std::vector<std::string>{"lblVorlaneLink", "llbArdewayLink"}));
    using Request = headless::RecordingShell::Request;
    EXPECT_EQ(host.shell.opened, (std::vector<Request>{{"http:\\\\www.vorlane-de.example", ""},
                                                       {"https:\\\\www.ardeway-de.example", ""}}));

    // Reading order: each text below or right of the one before.
    for (size_t i = 1; i < items.size(); ++i) {
        const Rect& before = items[i - 1].bounds;
        const Rect& now = items[i].bounds;
        EXPECT_TRUE(now.top > before.top || (now.top == before.top && now.left >= before.left))
            << items[i].control->Name() << " after " << items[i - 1].control->Name();
    }
}

} // namespace
} // namespace vorlane::testing
