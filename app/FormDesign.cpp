// The main window as designed: every control with its start values, the stacking order
// of the pictures and the popup menu. Start-up then applies the layout and the texts.
#include "app/ControlIds.h"
#include "app/ImageButtonTable.h"
#include "app/TimeDisplay.h"
#include "app/VorlaneSRC.h"

#include <memory>

namespace vorlane {

namespace {

void DesignImage(TControl& image, bool visible) {
    image.Picture = image.Name();
    image.SetVisible(visible);
}

void DesignField(TControl& field, const std::string& text, TextAlign align, bool visible,
                 int tabOrder, bool tabStop, bool readOnly) {
    field.SetText(text);
    field.Alignment = align;
    field.SetVisible(visible);
    field.TabOrder = tabOrder;
    field.TabStop = tabStop;
    field.ReadOnly = readOnly;
}

} // namespace

std::vector<ImageButton*> TFormVorlane::ImageButtons() {
    std::vector<ImageButton*> buttons;
    for (const ImageButtonRow& row : ImageButtonRows()) {
        buttons.push_back(&(this->*row.button));
    }
    return buttons;
}

void TFormVorlane::CreateDesignTimeControls() {
    SetCaption("Vorlane");
    BackgroundColor = kGrey;
    KeyPreview = true;
    StayOnTop = true; // until start-up has finished

    DesignImage(imgForm, true);
    DesignImage(imgBackgroundBlink, false);
    for (const ImageButtonRow& row : ImageButtonRows()) {
        ImageButton& button = this->*row.button;
        DesignImage(button.Normal, true);
        DesignImage(button.Hover, false);
        DesignImage(button.Active, false);
        // The Hover picture carries the button's hint.
        button.Hover.SetHint(row.designHint);
        button.Hover.ShowHint = row.hintShown;
    }

    // Stacking order, bottom first: background, blink picture, then each layer of looks in
    // its own order.
    AddControl(imgForm);
    AddControl(imgBackgroundBlink);
    for (const ImageButtonLayer& layer : ImageButtonLayers()) {
        for (const ImageButtonMember button : layer.buttons) {
            AddControl((this->*button).*layer.look);
        }
    }

    DesignField(edtTimeMinutes, "000", TextAlign::Right, true, 3, true, false);
    edtTimeMinutes.SetHint("Minutes");
    edtTimeMinutes.ShowHint = true;
    DesignField(edtTimeColon, ":", TextAlign::Left, true, 5, false, true);
    DesignField(edtTimeSeconds, "00", TextAlign::Left, true, 4, true, false);
    edtTimeSeconds.SetHint("Seconds");
    edtTimeSeconds.ShowHint = true;
    DesignField(edtFirstTextLine, "", TextAlign::Center, false, 2, false, true);
    edtFirstTextLine.ShowHint = true;
    DesignField(edtSecondTextLine, "", TextAlign::Center, true, 1, false, true);
    edtSecondTextLine.SetHint("This file will be played at the end of the \"Countdown\"");
    DesignField(edtHinweiseLabel, "", TextAlign::Center, false, 7, false, true);
    for (TControl* field : {&edtTimeMinutes, &edtTimeColon, &edtTimeSeconds, &edtHinweiseLabel}) {
        field->SetFontPoints(9);
    }
    for (TControl* field : {&edtFirstTextLine, &edtSecondTextLine}) {
        field->SetFontPoints(7);
    }

    cmbEndTimeComboBox.SetVisible(false);
    cmbEndTimeComboBox.TabOrder = 0;
    cmbEndTimeComboBox.TabStop = true;
    cmbEndTimeComboBox.DropDownCount = 14;
    cmbEndTimeComboBox.SetFontPoints(6);

    btnTimeSelectionOkay.SetText("OK");
    // Shown only while a clock time is chosen; hidden from the start, its window is not made
    // before it is first needed.
    btnTimeSelectionOkay.SetVisible(false);
    btnTimeSelectionOkay.SetHint("Choose a time to which the timer should countdown");
    btnTimeSelectionOkay.TabOrder = 6;
    btnTimeSelectionOkay.TabStop = true;
    btnTimeSelectionOkay.SetFontPoints(6);

    btnTerminVerschieben.SetText("Remind me later!");
    btnTerminVerschieben.SetHint("Click here to remind later");
    btnTerminVerschieben.SetVisible(false);
    btnTerminVerschieben.TabOrder = 8;
    btnTerminVerschieben.TabStop = true;
    btnTerminVerschieben.SetFontPoints(6);

    // The media player sits below and right of the window, outside its shape: never seen,
    // it plays the sound and takes the keyboard focus away from the fields.
    mplMediaPlayer.SetBounds(180, 250, 1, 1);
    mplMediaPlayer.TabOrder = 9;
    mplMediaPlayer.TabStop = true;

    const struct {
        TControl& control;
        int id;
    } fields[] = {{edtTimeMinutes, kIdTimeMinutes},
                  {edtTimeColon, kIdTimeColon},
                  {edtTimeSeconds, kIdTimeSeconds},
                  {edtFirstTextLine, kIdFirstTextLine},
                  {edtSecondTextLine, kIdSecondTextLine},
                  {edtHinweiseLabel, kIdHinweiseLabel},
                  {cmbEndTimeComboBox, kIdEndTimeComboBox},
                  {btnTimeSelectionOkay, kIdTimeSelectionOkay},
                  {btnTerminVerschieben, kIdTerminVerschieben},
                  {mplMediaPlayer, kIdMediaPlayer}};
    for (const auto& field : fields) {
        field.control.ControlId = field.id;
        AddControl(field.control);
    }

    for (TTimer* timer : {&tmrFirstStart, &tmrStartAfter300ms, &tmrCountdown}) {
        AddTimer(*timer);
    }
    SetTrayIcon(TrayIcon);
    CreatePopupMenu();
}

void TFormVorlane::CreatePopupMenu() {
    auto item = [](const char* name, const char* caption, const char* picture = "") {
        auto made = std::make_unique<TMenuItem>(name, caption);
        made->Picture = picture;
        return made;
    };
    mnuSet = &pmnPopupSymbol.Add(item("mnuSet", "&Set time", "mnuSet"));
    const struct {
        const char* name;
        const char* caption;
        int minutes;
    } presets[] = {{"mnu5", "&5", 5},    {"mnu8", "&8", 8},    {"mnu12", "1&2", 12},
                   {"mnu15", "&15", 15}, {"mnu20", "2&0", 20}, {"mnu30", "&30", 30},
                   {"mnu60", "&60", 60}};
    for (const auto& preset : presets) {
        TMenuItem& added = mnuSet->Add(item(preset.name, preset.caption));
        added.Tag = preset.minutes;
        added.OnClick = [this](TComponent* sender) { display().mnuSetClick(sender); };
    }
    mnuSet->Add(item("mnuSeparator4", "-"));
    mnuSelectTime = &mnuSet->Add(item("mnuSelectTime", "&Set target time directly"));
    pmnPopupSymbol.Add(item("mnuSeparator1", "-"));
    mnuPlayMP3OrNot = &pmnPopupSymbol.Add(item("mnuPlayMP3OrNot", "Play MP3"));
    mnuPlayMP3OrNot->Checked = true;
    pmnPopupSymbol.Add(item("mnuSeparator2", "-"));
    mnuInfo = &pmnPopupSymbol.Add(item("mnuInfo", "&About Vorlane", "mnuInfo"));
    mnuVisitArdeway =
        &pmnPopupSymbol.Add(item("mnuVisitArdeway", "Visit &Ardeway", "mnuVisitArdeway"));
    pmnPopupSymbol.Add(item("mnuSeparator3", "-"));
    mnuOpenConfigFolderHere = &pmnPopupSymbol.Add(
        item("mnuOpenConfigFolderHere", "O&pen config file folder", "mnuOpenConfigFolderHere"));
    pmnPopupSymbol.Add(item("mnuSeparator5", "-"));
    mnuMinimize = &pmnPopupSymbol.Add(item("mnuMinimize", "&Minimize", "mnuMinimize"));
    mnuRestore = &pmnPopupSymbol.Add(item("mnuRestore", "&Restore", "mnuRestore"));
    mnuExit = &pmnPopupSymbol.Add(item("mnuExit", "E&xit", "mnuExit"));
}

} // namespace vorlane
