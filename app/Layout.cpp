// The fixed layout of the skinned window, applied once while it is created.
#include "app/VorlaneSRC.h"

namespace vorlane {

void TFormVorlane::DrawTheApplicationAtStartup() {
    // In design pixels: the form and its controls scale them to the window's DPI.
    imgForm.SetBounds(0, 0, 171, 238);
    SetSize(imgForm.DesignBounds().width, imgForm.DesignBounds().height);

    const struct {
        ImageButton& button;
        Rect bounds;
    } buttons[] = {
        {btnMinusOne, {13, 179, 50, 53}}, {btnMinusFive, {2, 130, 56, 55}},
        {btnPlusOne, {107, 179, 50, 53}}, {btnPlusFive, {113, 130, 56, 56}},
        {btnPlay, {70, 165, 32, 56}},     {btnStop, {91, 128, 26, 39}},
        {btnPause, {54, 128, 26, 39}},    {btnOpenMP3, {76, 122, 18, 25}},
        {btnMinimize, {64, 9, 21, 15}},   {btnExit, {85, 9, 21, 16}},
        {btnSetTime, {37, 123, 17, 20}},  {btnHelp, {119, 123, 17, 20}},
    };
    for (const auto& entry : buttons) {
        for (TControl* look : {&entry.button.Normal, &entry.button.Hover, &entry.button.Active}) {
            look->SetBounds(entry.bounds);
        }
    }

    // Fields in this order, each with its rectangle and then, where it has one, its font
    // size; the combo box keeps the font it was designed with.
    const struct {
        TControl& field;
        Rect bounds;
        int points;
    } fields[] = {
        {edtTimeMinutes, {47, 47, 34, 21}, 9},       {edtTimeColon, {82, 47, 7, 21}, 9},
        {edtTimeSeconds, {91, 47, 24, 21}, 9},       {edtFirstTextLine, {35, 72, 100, 15}, 7},
        {edtSecondTextLine, {35, 77, 100, 15}, 7},   {cmbEndTimeComboBox, {48, 48, 75, 20}, 0},
        {btnTimeSelectionOkay, {70, 74, 32, 16}, 6}, {btnTerminVerschieben, {28, 48, 115, 24}, 6},
        {edtHinweiseLabel, {48, 34, 75, 13}, 9},
    };
    for (const auto& entry : fields) {
        entry.field.SetBounds(entry.bounds);
        if (entry.points != 0) {
            entry.field.SetFontPoints(entry.points);
        }
    }

    imgBackgroundBlink.SetBounds(24, 36, 122, 70);
}

} // namespace vorlane
