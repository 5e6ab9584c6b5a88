// Popup menus and the tray icon that opens one: what the popup event decides, what is shown,
// and which items can be chosen.
#include "CaughtErrors.h"
#include "TestForm.h"
#include "platform/TrayIcon.h"
#include "platform/headless/RecordingApplication.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <stdexcept>

namespace vorlane::testing {
namespace {

class PopupMenus : public ::testing::Test {
protected:
    // pmnTest: mnuOpen, mnuSub (mnuSubFive, mnuSubTen), mnuSep, mnuHidden (mnuHiddenChild),
    // mnuExit.
    void SetUp() override {
        Add(menu, "mnuOpen", "&Öffnen");
        TMenuItem& sub = Add(menu, "mnuSub", "&Zeit einstellen");
        Add(sub, "mnuSubFive", "&5");
        Add(sub, "mnuSubTen", "&10");
        Add(menu, "mnuSep", "-");
        TMenuItem& hidden = Add(menu, "mnuHidden", "Versteckt");
        hidden.Visible = false;
        Add(hidden, "mnuHiddenChild", "Darunter");
        Add(menu, "mnuExit", "&Beenden");
    }
    TMenuItem& Add(TMenuItem& parent, const char* name, const char* caption) {
        TMenuItem& item = parent.Add(std::make_unique<TMenuItem>(name, caption));
        item.OnClick = [this](TComponent* sender) { clicks.push_back(sender->Name()); };
        return item;
    }
    TMenuItem& Item(const char* name) { return *menu.Find(name); }

    headless::CallLog log;
    headless::RecordingApplication app{log};
    TPopupMenu menu{"pmnTest", app};
    Strings clicks;
};

TEST_F(PopupMenus, ThePopupEventRunsFirstAndDecidesWhatIsShown) {
    menu.OnPopup = [this](TComponent* sender) {
        log.Record("OnPopup " + sender->Name());
        Item("mnuOpen").Visible = false;
    };
    log.calls.clear();
    menu.Popup(300, 400);

    EXPECT_EQ(log.calls, (Strings{"OnPopup pmnTest", "popup pmnTest"}));
    ASSERT_EQ(app.menusOpened.size(), 1u);
    EXPECT_EQ(app.menusOpened[0].menu, &menu);
    EXPECT_EQ(app.menusOpened[0].at, (Point{300, 400}));
    EXPECT_EQ(app.menusOpened[0].shown,
              (Strings{"mnuSub", "mnuSub/mnuSubFive", "mnuSub/mnuSubTen", "mnuSep", "mnuExit"}));
    EXPECT_TRUE(clicks.empty());
}

TEST_F(PopupMenus, OnlyAShownPlainItemCanBeChosen) {
    menu.OnPopup = [this](TComponent*) { Item("mnuOpen").Visible = false; };
    const struct {
        const char* choose;
        Strings clicks;
    } cases[] = {
        {"mnuExit", {"mnuExit"}}, {"mnuSubTen", {"mnuSubTen"}},
        {"mnuOpen", {}},        // hidden by the popup event
        {"mnuHidden", {}},      // hidden
        {"mnuHiddenChild", {}}, // under a hidden submenu
        {"mnuSep", {}},         // a separator
        {"mnuSub", {}},         // opens a submenu
        {"mnuUnknown", {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.choose);
        clicks.clear();
        app.choose = c.choose;
        menu.Popup(0, 0);
        EXPECT_EQ(clicks, c.clicks);
        // A choice holds for one menu only.
        EXPECT_TRUE(app.choose.empty());
    }
}

TEST_F(PopupMenus, AChosenItemsErrorGoesToTheErrorHandler) {
    const struct {
        const char* what;
        std::function<void()> fail;
        const char* message;
    } cases[] = {
        {"a standard error", [] { throw std::runtime_error("Menü kaputt"); }, "Menü kaputt"},
        {"an int", [] { throw 42; }, "Unbekannter Fehler"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        CaughtErrors caught;
        Item("mnuSubFive").OnClick = [&c](TComponent*) { c.fail(); };
        app.choose = "mnuSubFive";
        EXPECT_NO_THROW(menu.Popup(10, 10));
        EXPECT_EQ(caught.messages, Strings{c.message});
    }
}

TEST_F(PopupMenus, TheTrayIconOpensItsMenuAtThePointAndReportsClicks) {
    TTrayIcon icon{"TrayIcon"};
    icon.ContextMenu(1850, 1050);
    EXPECT_TRUE(app.menusOpened.empty());

    int popups = 0;
    menu.OnPopup = [&popups](TComponent*) { ++popups; };
    icon.PopupMenu = &menu;
    app.choose = "mnuExit";
    icon.ContextMenu(1850, 1050);
    ASSERT_EQ(app.menusOpened.size(), 1u);
    EXPECT_EQ(app.menusOpened[0].menu, &menu);
    EXPECT_EQ(app.menusOpened[0].at, (Point{1850, 1050}));
    EXPECT_EQ(popups, 1);
    EXPECT_EQ(clicks, Strings{"mnuExit"});

    Strings iconClicks;
    icon.OnClick = [&iconClicks](TComponent* sender) { iconClicks.push_back(sender->Name()); };
    icon.Click();
    EXPECT_EQ(iconClicks, Strings{"TrayIcon"});
    EXPECT_EQ(app.menusOpened.size(), 1u);
}

} // namespace
} // namespace vorlane::testing
