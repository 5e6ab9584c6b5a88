// The platform layer's native side with a second form beside the main window: frames, focus,
// the timers' ids, popup menus built from the model, capture, moves and dropped files.
#include "ClientPixels.h"
#include "Win32Fixture.h"

#include "platform/Dispatch.h"
#include "platform/Menu.h"

#include <shlobj.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

namespace vorlane::testing {
namespace {

// A plain dialog form: a title bar with the close box, a painted label and one field.
class TestDialog : public TForm {
public:
    explicit TestDialog(Application& application) : TForm("TestDialog", application) {
        SetCaption("Zweites Fenster");
        BackgroundColor = Color{224, 224, 228};
        label.AutoSize = true;
        label.SetText("Eine Beschriftung");
        label.SetPosition(10, 10);
        field.SetBounds(10, 40, 100, 20);
        field.TabStop = true;
        AddControl(label);
        AddControl(field);
        SetBounds(300, 200, 320, 240);
    }
    void CreateParams(WindowParams& params) override { params.border = FormBorder::Dialog; }

    TControl label{"lblTest", ControlKind::Label};
    TControl field{"edtTest", ControlKind::Edit};
};

RECT WindowRect(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    return rect;
}

bool SameRect(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

class Forms : public Win32Window {
protected:
    void SetUp() override {
        Win32Window::SetUp();
        ShowWindow(window, SW_SHOWNORMAL);
        Pump(1000); // start-up finished, the countdown runs
    }
};

TEST_F(Forms, ASecondFormWithAFrameLivesBesideTheMainWindow) {
    const RECT mainBefore = WindowRect(window);
    TControl* focusedBefore = form->Focused();
    ASSERT_NE(focusedBefore, nullptr);

    TestDialog dialog(host->App());
    dialog.CreateHandle();
    HWND second = FindWindowW(L"TTestDialog", L"Zweites Fenster");
    ASSERT_NE(second, nullptr);
    EXPECT_NE(second, window);
    const LONG_PTR style = GetWindowLongPtrW(second, GWL_STYLE);
    EXPECT_EQ(style & WS_CAPTION, WS_CAPTION);
    EXPECT_NE(style & WS_SYSMENU, 0);
    EXPECT_EQ(style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX), 0);
    EXPECT_EQ(GetWindow(second, GW_OWNER), host->App().OwnerHandle());
    EXPECT_TRUE(SameRect(WindowRect(second), RECT{300, 200, 620, 440}));
    // The label took the size of its text.
    EXPECT_GT(dialog.label.Width(), 40);
    EXPECT_GT(dialog.label.Height(), 5);

    // Its field's window is made when the form is first shown, as the model has it by then.
    EXPECT_EQ(FindWindowExW(second, nullptr, L"Edit", nullptr), nullptr);
    dialog.field.SetBounds(12, 44, 90, 22);
    dialog.field.SetText("Vorher gesetzt");

    Dispatch([&] { dialog.Window().Show(); });
    Pump(200);
    EXPECT_TRUE(IsWindowVisible(second));
    HWND field = FindWindowExW(second, nullptr, L"Edit", nullptr);
    ASSERT_NE(field, nullptr);
    EXPECT_TRUE(IsWindowVisible(field));
    RECT fieldRect = WindowRect(field);
    MapWindowPoints(nullptr, second, reinterpret_cast<POINT*>(&fieldRect), 2);
    EXPECT_TRUE(SameRect(fieldRect, RECT{12, 44, 102, 66}));
    wchar_t fieldText[64] = {};
    GetWindowTextW(field, fieldText, 64);
    EXPECT_STREQ(fieldText, L"Vorher gesetzt");
    Dispatch([&] { dialog.FocusControl(dialog.field); });
    EXPECT_EQ(dialog.Focused(), &dialog.field);
    EXPECT_EQ(form->Focused(), focusedBefore);

    // The close box hides the second form; the main window keeps its place, focus and count.
    const std::string secondsBefore = form->edtTimeSeconds.Text();
    SendMessageW(second, WM_CLOSE, 0, 0);
    Pump(1300);
    EXPECT_FALSE(IsWindowVisible(second));
    EXPECT_FALSE(quit);
    EXPECT_TRUE(IsWindow(window));
    EXPECT_TRUE(IsWindowVisible(window));
    EXPECT_TRUE(SameRect(WindowRect(window), mainBefore));
    EXPECT_EQ(form->Focused(), focusedBefore);
    EXPECT_NE(form->edtTimeSeconds.Text(), secondsBefore) << "the countdown goes on";
}

// A plain form that shows one picture at its top-left corner.
class PictureForm : public TForm {
public:
    PictureForm(Application& application, const std::string& name, int left)
        : TForm(name, application) {
        picture.Picture = "btnArdewayIconNormal";
        picture.SetBounds(0, 0, 77, 90);
        AddControl(picture);
        SetBounds(left, 600, 100, 120);
    }
    TControl picture{"imgPicture", ControlKind::Image};
};

TEST_F(Forms, TwoFormsShowTheSamePictureBothPainted) {
    PictureForm first(host->App(), "FirstPicture", 100);
    PictureForm second(host->App(), "SecondPicture", 300);
    first.CreateHandle();
    second.CreateHandle();
    HWND one = FindWindowW(L"TFirstPicture", nullptr);
    HWND two = FindWindowW(L"TSecondPicture", nullptr);
    ASSERT_NE(one, nullptr);
    ASSERT_NE(two, nullptr);
    // The first form paints the picture before the second one does.
    ShowWindow(one, SW_SHOWNOACTIVATE);
    UpdateWindow(one);
    ShowWindow(two, SW_SHOWNOACTIVATE);
    UpdateWindow(two);
    Pump(100);
    const std::vector<COLORREF> shownFirst = ClientPixels(one, 77, 90);
    const std::vector<COLORREF> shownSecond = ClientPixels(two, 77, 90);
    // Not the form's plain grey: the picture is there.
    const auto grey =
        static_cast<size_t>(std::count(shownFirst.begin(), shownFirst.end(), RGB(128, 128, 128)));
    EXPECT_LT(grey, shownFirst.size() / 2);
    EXPECT_EQ(shownSecond, shownFirst);
}

TEST_F(Forms, TheModelFollowsTheWindowWhenItIsMoved) {
    SetWindowPos(window, nullptr, 123, 45, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_EQ(form->Left(), 123);
    EXPECT_EQ(form->Top(), 45);
}

TEST_F(Forms, ATimerIdOfSomeoneElseFiresNoTimerOfTheForm) {
    int fired = 0;
    form->tmrFirstStart.OnTimer = [&](TComponent*) { ++fired; };
    form->tmrFirstStart.SetEnabled(true);
    form->tmrFirstStart.SetInterval(60000);
    for (WPARAM id : {WPARAM{1}, WPARAM{2}, WPARAM{3}}) {
        SendMessageW(window, WM_TIMER, id, 0);
    }
    EXPECT_EQ(fired, 0);
    SendMessageW(window, WM_TIMER, reinterpret_cast<WPARAM>(&form->tmrFirstStart), 0);
    EXPECT_EQ(fired, 1);
    form->tmrFirstStart.SetEnabled(false);
}

TEST_F(Forms, LosingTheMouseEndsThePressedLook) {
    // A press on +5 shows its pressed look; the window loses the mouse before the release.
    const LPARAM onPlusFive = MAKELPARAM(141, 170);
    SendMessageW(window, WM_MOUSEMOVE, 0, onPlusFive);
    SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, onPlusFive);
    ASSERT_TRUE(form->btnPlusFive.Active.Visible());
    const std::string minutes = form->edtTimeMinutes.Text();
    ReleaseCapture();
    SendMessageW(window, WM_LBUTTONUP, 0, onPlusFive);
    EXPECT_EQ(form->edtTimeMinutes.Text(), minutes) << "no click after the mouse was lost";
    // The next move reaches the picture under the pointer again: +1 shows its hover look.
    SendMessageW(window, WM_MOUSEMOVE, 0, MAKELPARAM(132, 205));
    EXPECT_TRUE(form->btnPlusOne.Hover.Visible());
}

TEST_F(Forms, ACombosInnerEditGetsTheComboBoxColours) {
    Dispatch([&] {
        form->cmbEndTimeComboBox.SetColors(Color{10, 20, 30}, Color{200, 100, 50});
        form->cmbEndTimeComboBox.Show();
    });
    HWND combo = Field(kIdEndTimeComboBox);
    COMBOBOXINFO parts{};
    parts.cbSize = sizeof(parts);
    ASSERT_TRUE(GetComboBoxInfo(combo, &parts));
    HDC dc = CreateCompatibleDC(nullptr);
    // As the inner edit asks: through the combo box, which hands the question to the form.
    auto brush =
        reinterpret_cast<HBRUSH>(SendMessageW(combo, WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc),
                                              reinterpret_cast<LPARAM>(parts.hwndItem)));
    LOGBRUSH logBrush{};
    GetObjectW(brush, sizeof(logBrush), &logBrush);
    EXPECT_EQ(logBrush.lbColor, RGB(10, 20, 30));
    EXPECT_EQ(GetTextColor(dc), RGB(200, 100, 50));
    DeleteDC(dc);
}

TEST_F(Forms, DroppedFilesReachTheFormInOrder) {
    std::vector<std::string> received;
    form->OnDropFiles = [&](TComponent*, const std::vector<std::string>& paths) {
        received = paths;
    };
    DropOn(window, {L"C:\\Musik\\Glocke.wav", L"C:\\Musik\\Gong ä.mp3"});
    EXPECT_EQ(received,
              (std::vector<std::string>{"C:\\Musik\\Glocke.wav", "C:\\Musik\\Gong \xC3\xA4.mp3"}));
}

// What the open menu showed, read from its native menu while it was open.
struct SeenEntry {
    std::wstring text;
    bool checked = false;
    bool picture = false;
    bool separator = false;
};
std::vector<SeenEntry> seen;
HWND menuOwner = nullptr;

void CALLBACK LookAtOpenMenu(HWND, UINT, UINT_PTR id, DWORD) {
    HWND menuWindow = FindWindowW(L"#32768", nullptr);
    if (menuWindow == nullptr || !IsWindowVisible(menuWindow)) {
        return;
    }
    KillTimer(nullptr, id);
    auto menu = reinterpret_cast<HMENU>(SendMessageW(menuWindow, 0x01E1, 0, 0)); // MN_GETHMENU
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        wchar_t text[64] = {};
        MENUITEMINFOW info{};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_STRING | MIIM_STATE | MIIM_BITMAP | MIIM_FTYPE;
        info.dwTypeData = text;
        info.cch = 64;
        GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &info);
        seen.push_back({text, (info.fState & MFS_CHECKED) != 0, info.hbmpItem != nullptr,
                        (info.fType & MFT_SEPARATOR) != 0});
    }
    // The user goes down to the second visible entry and presses Enter.
    for (WPARAM key : {WPARAM{VK_DOWN}, WPARAM{VK_DOWN}, WPARAM{VK_RETURN}}) {
        PostMessageW(menuOwner, WM_KEYDOWN, key, 0);
    }
}

TEST_F(Forms, APopupMenuFromTheModelShowsItsStateAndRunsTheChosenItem) {
    TPopupMenu menu("pmnTest", host->App());
    auto add = [&](const char* name, const char* caption) -> TMenuItem& {
        return menu.Add(std::make_unique<TMenuItem>(name, caption));
    };
    TMenuItem& hidden = add("mnuHidden", "&Versteckt");
    TMenuItem& first = add("mnuFirst", "&Erstes");
    add("mnuLine", "-");
    TMenuItem& second = add("mnuSecond", "&Zweites");
    second.Picture = "mnuInfo";
    std::vector<std::string> events;
    menu.OnPopup = [&](TComponent*) {
        events.push_back("popup");
        hidden.Visible = false;
        first.Checked = true;
    };
    first.OnClick = [&](TComponent*) { events.push_back("first"); };
    second.OnClick = [&](TComponent*) { events.push_back("second"); };

    seen.clear();
    menuOwner = window;
    SetTimer(nullptr, 0, 50, LookAtOpenMenu);
    Dispatch([&] { menu.Popup(100, 100); });

    EXPECT_EQ(events, (std::vector<std::string>{"popup", "second"}));
    ASSERT_EQ(seen.size(), 3u);
    EXPECT_EQ(seen[0].text, L"&Erstes");
    EXPECT_TRUE(seen[0].checked);
    EXPECT_FALSE(seen[0].picture);
    EXPECT_TRUE(seen[1].separator);
    EXPECT_EQ(seen[2].text, L"&Zweites");
    EXPECT_FALSE(seen[2].checked);
    EXPECT_TRUE(seen[2].picture);
}

} // namespace
} // namespace vorlane::testing
