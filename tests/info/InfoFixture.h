#pragma once
// The info dialog module on the headless platform, beside a main window, with the mouse and
// keys routed through the dialog's model as the native window delivers them.
#include "info/ShowInfoSRC.h"
#include "platform/headless/Headless.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace vorlane::testing {

class InfoDialog : public ::testing::Test {
protected:
    // The first window made is the main one; the dialogs come after it, as in the program.
    InfoDialog() { mainForm.CreateHandle(); }

    // A dialog shown by the module, its labels given the size the native side would measure.
    TShowInfoDialog& Show(const std::string& language = "ENGLISH",
                          const std::string& version = "2.9 Deutsch (64bit)") {
        module.ShowInfo(language, version);
        TShowInfoDialog& dialog = *module.ShowInfoDialog;
        MeasureLabels(dialog);
        return dialog;
    }

    // About one character cell of Verdana per character, one line high.
    static void MeasureLabels(TShowInfoDialog& dialog) {
        for (TControl* control : dialog.Controls()) {
            if (control->Kind() == ControlKind::Label) {
                const int points = control->GetFont().points;
                control->SizeMeasured(static_cast<int>(control->Text().size()) * (points - 1),
                                      points + 5);
            }
        }
    }

    headless::RecordingWindow& WindowOf(const TShowInfoDialog& dialog) {
        headless::RecordingWindow* window = host.application.WindowOf(dialog);
        EXPECT_NE(window, nullptr);
        return *window;
    }

    // The middle of a control, in the dialog's client area.
    static Point Middle(const TControl& control) {
        return {control.Left() + control.Width() / 2, control.Top() + control.Height() / 2};
    }
    // A point over the background picture only.
    static Point BackgroundSpot(const TShowInfoDialog& dialog) {
        const Point spot{300, 150};
        EXPECT_EQ(dialog.ControlAt(spot.x, spot.y), &dialog.imgBackground);
        return spot;
    }

    static void MoveTo(TShowInfoDialog& dialog, Point at) { dialog.MouseMove(at.x, at.y, {}); }
    static void MoveOnto(TShowInfoDialog& dialog, const TControl& control) {
        MoveTo(dialog, Middle(control));
    }
    static void Press(TShowInfoDialog& dialog, Point at, MouseButton button = MouseButton::Left) {
        const ShiftState held{button == MouseButton::Left, button == MouseButton::Right,
                              button == MouseButton::Middle};
        dialog.MouseDown(button, at.x, at.y, held);
    }
    static void Release(TShowInfoDialog& dialog, Point at) {
        dialog.MouseUp(MouseButton::Left, at.x, at.y);
    }
    static void Click(TShowInfoDialog& dialog, const TControl& control) {
        Press(dialog, Middle(control));
        Release(dialog, Middle(control));
    }

    int Logged(const std::string& call) const {
        return static_cast<int>(std::count(host.log.calls.begin(), host.log.calls.end(), call));
    }

    headless::HeadlessHost host;
    TForm mainForm{"FormVorlane", host.application};
    ShowInfoModule module{host.Services()};
};

} // namespace vorlane::testing
