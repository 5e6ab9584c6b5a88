// The fixed layout of the skinned window, applied once while it is created.
#include "app/ImageButtonTable.h"
#include "app/VorlaneSRC.h"

namespace vorlane {

void TFormVorlane::DrawTheApplicationAtStartup() {
    // In design pixels: the form and its controls scale them to the window's DPI.
    imgForm.SetBounds(0, 0, 171, 238);
    SetSize(imgForm.DesignBounds().width, imgForm.DesignBounds().height);

    for (const ImageButtonRow& row : ImageButtonRows()) {
        ImageButton& button = this->*row.button;
        for (TControl* look : {&button.Normal, &button.Hover, &button.Active}) {
            look->SetBounds(row.bounds);
        }
    }

    // The fields' fonts are set once, as designed.
    const struct {
        TControl& field;
        Rect bounds;
    } fields[] = {
        {edtTimeMinutes, {47, 47, 34, 21}},       {edtTimeColon, {82, 47, 7, 21}},
        {edtTimeSeconds, {91, 47, 24, 21}},       {edtFirstTextLine, {35, 72, 100, 15}},
        {edtSecondTextLine, {35, 77, 100, 15}},   {cmbEndTimeComboBox, {48, 48, 75, 20}},
        {btnTimeSelectionOkay, {70, 74, 32, 16}}, {btnTerminVerschieben, {28, 48, 115, 24}},
        {edtHinweiseLabel, {48, 34, 75, 13}},
    };
    for (const auto& entry : fields) {
        entry.field.SetBounds(entry.bounds);
    }

    imgBackgroundBlink.SetBounds(24, 36, 122, 70);
}

} // namespace vorlane
