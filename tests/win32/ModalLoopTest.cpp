// A modal box opened by a click on a picture of the main window: the press ends with the box,
// and when it closes the pictures' looks follow the pointer again.
#include "Win32Fixture.h"

#include "platform/Dispatch.h"

namespace vorlane::testing {
namespace {

constexpr POINT kOnPlusFive{141, 170};
constexpr POINT kOnBackground{30, 110};

// Closes the program's message box once it is open, with a click on its OK button (which
// takes the mouse for its own press), as a user who answers it.
void CALLBACK CloseTheBox(HWND, UINT, UINT_PTR id, DWORD) {
    HWND box = FindWindowW(L"#32770", nullptr);
    if (box == nullptr || !IsWindowVisible(box)) {
        return;
    }
    KillTimer(nullptr, id);
    PostMessageW(GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
}

class ModalLoop : public Win32Window {
protected:
    void SetUp() override {
        Win32Window::SetUp();
        Pump(1000); // start-up finished, the countdown runs
    }
};

// The press and release on +5 are messages of the window; the pointer itself rests on the
// background meanwhile, where the window system sends no further move once the box is gone.
TEST_F(ModalLoop, AfterABoxFromAClickThePressIsOverAndTheLooksFollowThePointer) {
    POINT onBackground = kOnBackground;
    ClientToScreen(window, &onBackground);
    SetCursorPos(onBackground.x, onBackground.y);
    Pump(200);
    int boxes = 0;
    form->btnPlusFive.Hover.OnClick = [&](TComponent*) {
        ++boxes;
        host->Services().messageBoxes.Show("Ein Kasten", "Fehler", MessageIcon::Error, true);
    };
    const LPARAM at = MAKELPARAM(kOnPlusFive.x, kOnPlusFive.y);
    SendMessageW(window, WM_MOUSEMOVE, 0, at);
    SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, at);
    ASSERT_TRUE(form->btnPlusFive.Active.Visible());

    SetTimer(nullptr, 0, 50, CloseTheBox);
    SendMessageW(window, WM_LBUTTONUP, 0, at);
    ASSERT_EQ(boxes, 1);
    Pump(300);

    EXPECT_EQ(GetCapture(), nullptr) << "a window of the program still holds the mouse";
    EXPECT_FALSE(form->btnPlusFive.Active.Visible()) << "the pressed look outlived the box";
    EXPECT_FALSE(form->btnPlusFive.Hover.Visible()) << "the hover look outlived the box";
}

} // namespace
} // namespace vorlane::testing
