// Properties a program changes while the window is up reach the real child windows, the hint
// tool and the painted controls at once, not only when a window is next made.
#include "ClientPixels.h"
#include "Win32Fixture.h"

#include "platform/Dispatch.h"

#include <commctrl.h>

#include <string>
#include <vector>

namespace vorlane::testing {
namespace {

// A form with one control of each kind whose properties are changed here.
class PropertyForm : public TForm {
public:
    explicit PropertyForm(Application& application) : TForm("PropertyForm", application) {
        SetCaption("Eigenschaften");
        field.SetBounds(10, 120, 100, 20);
        field.SetHint("Minuten");
        field.ShowHint = true;
        field.TabStop = true;
        list.SetBounds(10, 150, 100, 20);
        list.SetItems({"09:00", "09:15", "09:30", "09:45", "10:00", "10:15"});
        list.DropDownCount = 8;
        picture.Picture = "btnArdewayIconNormal";
        picture.SetBounds(0, 0, 77, 90);
        label.SetText("Eine Beschriftung");
        label.SetBounds(90, 10, 200, 30);
        for (TControl* control : {&picture, &label, &field, &list}) {
            AddControl(*control);
        }
        SetBounds(400, 300, 300, 200);
    }

    TControl picture{"imgPicture", ControlKind::Image};
    TControl label{"lblLabel", ControlKind::Label};
    TControl field{"edtField", ControlKind::Edit};
    TControl list{"cmbList", ControlKind::ComboBox};
};

class RunTimeProperties : public Win32Window {
protected:
    void SetUp() override {
        Win32Window::SetUp();
        Pump(300);
        properties = std::make_unique<PropertyForm>(host->App());
        properties->CreateHandle();
        shown = FindWindowW(L"TPropertyForm", L"Eigenschaften");
        ASSERT_NE(shown, nullptr);
        Dispatch([&] { properties->Window().Show(); });
        Pump(300); // painted, with its hint tool made after the first paint
        fieldWindow = FindWindowExW(shown, nullptr, L"Edit", nullptr);
        listWindow = FindWindowExW(shown, nullptr, L"ComboBox", nullptr);
        ASSERT_NE(fieldWindow, nullptr);
        ASSERT_NE(listWindow, nullptr);
    }
    void TearDown() override {
        properties.reset();
        Win32Window::TearDown();
    }

    LONG_PTR StyleOf(HWND child) const { return GetWindowLongPtrW(child, GWL_STYLE); }

    // The hint tool of the form: the tip window the form owns.
    HWND TipWindow() const {
        struct Search {
            HWND owner;
            HWND tip = nullptr;
        } search{shown};
        EnumThreadWindows(
            GetCurrentThreadId(),
            [](HWND candidate, LPARAM data) -> BOOL {
                auto* s = reinterpret_cast<Search*>(data);
                wchar_t name[64] = {};
                GetClassNameW(candidate, name, 64);
                if (std::wstring(name) == TOOLTIPS_CLASSW &&
                    GetWindow(candidate, GW_OWNER) == s->owner) {
                    s->tip = candidate;
                    return FALSE;
                }
                return TRUE;
            },
            reinterpret_cast<LPARAM>(&search));
        return search.tip;
    }

    // The text the hint tool shows over the child window; empty when it shows none there.
    std::wstring TipOver(HWND child) const {
        wchar_t text[256] = {};
        TTTOOLINFOW tool{};
        tool.cbSize = sizeof(tool);
        tool.hwnd = shown;
        tool.uId = reinterpret_cast<UINT_PTR>(child);
        tool.lpszText = text;
        if (!SendMessageW(TipWindow(), TTM_GETTOOLINFOW, 0, reinterpret_cast<LPARAM>(&tool))) {
            return {};
        }
        return text;
    }

    std::vector<COLORREF> PicturePixels() const { return ClientPixels(shown, 77, 90); }

    std::unique_ptr<PropertyForm> properties;
    HWND shown = nullptr;
    HWND fieldWindow = nullptr;
    HWND listWindow = nullptr;
};

TEST_F(RunTimeProperties, AFieldBecomesReadOnlyAndLeavesTheTabOrderWhileItsWindowExists) {
    ASSERT_EQ(StyleOf(fieldWindow) & ES_READONLY, 0);
    ASSERT_NE(StyleOf(fieldWindow) & WS_TABSTOP, 0);
    Dispatch([&] {
        properties->field.ReadOnly = true;
        properties->field.TabStop = false;
    });
    EXPECT_NE(StyleOf(fieldWindow) & ES_READONLY, 0);
    EXPECT_EQ(StyleOf(fieldWindow) & WS_TABSTOP, 0);
    // A read-only field refuses typing.
    SendMessageW(fieldWindow, WM_CHAR, L'7', 0);
    EXPECT_EQ(properties->field.Text(), "");

    Dispatch([&] {
        properties->field.ReadOnly = false;
        properties->field.TabStop = true;
    });
    EXPECT_EQ(StyleOf(fieldWindow) & ES_READONLY, 0);
    EXPECT_NE(StyleOf(fieldWindow) & WS_TABSTOP, 0);
    SendMessageW(fieldWindow, WM_CHAR, L'7', 0);
    EXPECT_EQ(properties->field.Text(), "7");
}

TEST_F(RunTimeProperties, TheListShowsTheNewNumberOfEntries) {
    ASSERT_EQ(SendMessageW(listWindow, CB_GETMINVISIBLE, 0, 0), 8);
    Dispatch([&] { properties->list.DropDownCount = 3; });
    EXPECT_EQ(SendMessageW(listWindow, CB_GETMINVISIBLE, 0, 0), 3);
}

TEST_F(RunTimeProperties, AHintSwitchedOffAndOnComesAndGoesInTheHintTool) {
    ASSERT_NE(TipWindow(), nullptr);
    ASSERT_EQ(TipOver(fieldWindow), L"Minuten");
    Dispatch([&] { properties->field.ShowHint = false; });
    EXPECT_EQ(TipOver(fieldWindow), L"");
    Dispatch([&] { properties->field.ShowHint = true; });
    EXPECT_EQ(TipOver(fieldWindow), L"Minuten");
}

TEST_F(RunTimeProperties, ANewPictureIsPaintedAndTheOldOneAgainWhenItComesBack) {
    const std::vector<COLORREF> normal = PicturePixels();
    Dispatch([&] { properties->picture.Picture = "btnArdewayIconActive"; });
    Pump(100);
    const std::vector<COLORREF> active = PicturePixels();
    EXPECT_NE(active, normal);
    Dispatch([&] { properties->picture.Picture = "btnArdewayIconNormal"; });
    Pump(100);
    EXPECT_EQ(PicturePixels(), normal);
}

TEST_F(RunTimeProperties, ALabelTakesTheSizeOfItsTextAndGivesItBack) {
    ASSERT_EQ(properties->label.Width(), 200);
    Dispatch([&] { properties->label.AutoSize = true; });
    EXPECT_GT(properties->label.Width(), 40);
    EXPECT_LT(properties->label.Width(), 200);
    EXPECT_LT(properties->label.Height(), 30);
    Dispatch([&] { properties->label.AutoSize = false; });
    EXPECT_EQ(properties->label.Width(), 200);
    EXPECT_EQ(properties->label.Height(), 30);
}

} // namespace
} // namespace vorlane::testing
