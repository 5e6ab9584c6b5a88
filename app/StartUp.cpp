// The form: making the behaviours and wiring the rest of the events, start-up in three
// stages, the command line, errors nobody caught, and the orderly exit.
#include "app/AlarmSound.h"
#include "app/ButtonLooks.h"
#include "app/ClockTimeSelection.h"
#include "app/Countdown.h"
#include "app/DisplayMode.h"
#include "app/ErrorBoxes.h"
#include "app/ImageButtonTable.h"
#include "app/KeyCommands.h"
#include "app/Reminder.h"
#include "app/RunningRecord.h"
#include "app/SettingsStore.h"
#include "app/TimeDisplay.h"
#include "app/TimeEntry.h"
#include "app/VorlaneSRC.h"
#include "app/WindowAndTray.h"
#include "assets/ResourceIds.h"
#include "core/CommandLine.h"
#include "core/Placement.h"
#include "platform/Dispatch.h"

namespace vorlane {

TFormVorlane::TFormVorlane(ShowInfoModule& info, PlatformServices services,
                           std::vector<std::string> arguments)
    : TForm("FormVorlane", services.application), services_(services),
      arguments_(std::move(arguments)) {
    CreateDesignTimeControls();
    errors_ = std::make_unique<ErrorBoxes>(services_.messageBoxes);
    record_ = std::make_unique<RunningRecord>(*this);
    countdown_ = std::make_unique<Countdown>(*this, services_.monotonicClock, services_.clock);
    displayMode_ = std::make_unique<DisplayMode>(*this);
    display_ = std::make_unique<TimeDisplay>(*this);
    timeEntry_ = std::make_unique<TimeEntry>(*this);
    selection_ = std::make_unique<ClockTimeSelection>(*this);
    reminder_ = std::make_unique<Reminder>(*this);
    sound_ = std::make_unique<AlarmSound>(*this);
    settings_ = std::make_unique<SettingsStore>(*this);
    windowAndTray_ = std::make_unique<WindowAndTray>(*this, info);
    looks_ = std::make_unique<ButtonLooks>(*this);
    keys_ = std::make_unique<KeyCommands>(*this);
    BindEvents();
    SetExceptionHandler(
        [this](const std::exception& error) { ApplicationEventsOnException(this, error); });
}

TFormVorlane::~TFormVorlane() {
    SetExceptionHandler(nullptr);
}

void TFormVorlane::BindEvents() {
    OnCloseQuery = [this](TComponent* sender, bool& canClose) { FormCloseQuery(sender, canClose); };
    OnSessionEnd = [this](TComponent* sender) { FormSessionEnd(sender); };
    tmrFirstStart.OnTimer = [this](TComponent* sender) { tmrFirstStartTimer(sender); };
    tmrStartAfter300ms.OnTimer = [this](TComponent* sender) { tmrStartAfter300msTimer(sender); };
    mnuExit->OnClick = [this](TComponent* sender) { mnuExitClick(sender); };
    for (const ImageButtonRow& row : ImageButtonRows()) {
        const TNotifyEvent click = [this, &row](TComponent* sender) { row.command(*this, sender); };
        ImageButton& button = this->*row.button;
        button.Normal.OnClick = click;
        button.Hover.OnClick = click;
        button.Active.OnClick = click;
    }
}

void TFormVorlane::CreateParams(WindowParams& params) {
    TForm::CreateParams(params);
    // Reached through the tray icon only: no taskbar button, no place in the task switcher.
    params.appWindow = false;
    params.toolWindow = true;
}

void TFormVorlane::FormCreate(TComponent* /*sender*/) {
    countdown().SetRemainingSeconds(720);
    DrawTheApplicationAtStartup();
    windowAndTray().ApplyWindowShape();
    sound().ShowNoSoundChosen();
    App().HideOwnerWindow();
    TrayIcon.SetIcon(VORLANE_ICON_APP);
    reminder().SetNoReminder();
    const CommandLineOptions options = ReadCommandLine();
    display().ShowRemainingTime();
    reminder().ArrangeAtStart(countdown().RemainingSeconds() == 0);

    // Settings and sound: a failure that no step reports itself skips the rest of the
    // block and shows the info dialog after start-up.
    try {
        if (!settings().Load()) {
            showInfoAtStart_ = true;
            PlaceForFirstRun();
            settings().SaveFirstRun();
        }
        // After an import the sound is open already. Otherwise it is only taken here and
        // opened once the window shows: opening loads the media stack, which can take longer
        // than the whole start.
        const std::string& stored = settings().StoredSound();
        if (!sound().Loaded() || services_.mediaPlayer.FileName() != stored) {
            sound().TakeSoundFile(stored);
        }
    } catch (const std::exception&) {
        showInfoAtStart_ = true;
    }
    settings().NoteSettledPlace();
    if (record().TakeOrphanAtStart(options)) {
        startMinimized_ = true;
    }
    tmrFirstStart.SetEnabled(true);
}

void TFormVorlane::PlaceForFirstRun() {
    const ScreenPoint at =
        FirstRunPosition(services_.screen.Width(), services_.screen.Height(), Width(), Height());
    SetPosition(at.left, at.top);
}

CommandLineOptions TFormVorlane::ReadCommandLine() {
    const CommandLineOptions options = ReadArguments(arguments_);
    if (options.startMinimized) {
        startMinimized_ = true;
    }
    if (options.useExeFolder) {
        settings().UseProgramFolder();
    }
    if (options.remainingSeconds) {
        countdown().SetRemainingSeconds(*options.remainingSeconds);
    }
    if (options.reminderText) {
        reminder().ShowReminder(*options.reminderText);
    }
    return options;
}

void TFormVorlane::tmrFirstStartTimer(TComponent* /*sender*/) {
    tmrFirstStart.SetEnabled(false);
    if (startMinimized_) {
        windowAndTray().MinimizeToTray();
    }
    if (countdown().Starting()) {
        FocusControl(mplMediaPlayer);
    }
    SetRunTimeTexts();
    Window().AcceptDroppedFiles(true);
    App().SetHintStyle(kWhite, 400, 25000);
    App().HideOwnerWindow();
    tmrStartAfter300ms.SetEnabled(true);
}

void TFormVorlane::SetRunTimeTexts() {
    for (const ImageButtonRow& row : ImageButtonRows()) {
        if (row.hint != nullptr) {
            (this->*row.button).Hover.SetHint(row.hint);
        }
    }
    edtTimeMinutes.SetHint("Minuten");
    edtTimeSeconds.SetHint("Sekunden");
    edtSecondTextLine.SetHint("Am Ende des \"Countdowns\" wird diese Datei abgespielt!");
    btnTerminVerschieben.SetText("Später erinnern?");
    btnTerminVerschieben.SetHint(
        "Verschiebt die Erinnerung, wenn Sie gleich noch einmal erinnert werden wollen!");
    btnTimeSelectionOkay.SetHint(
        "Geben sie einen Zeitpunkt an, zu dem heruntergezählt werden soll!");
    mnuSet->Caption = "&Zeit einstellen";
    mnuExit->Caption = "&Beenden";
    mnuMinimize->Caption = "&Minimieren";
    mnuRestore->Caption = "&Wiederherstellen";
    mnuVisitArdeway->Caption = "&Ardeway Seite besuchen";
    mnuInfo->Caption = "&Über Vorlane";
    mnuOpenConfigFolderHere->Caption = "Ö&ffne Ordner mit Konfigurationsdatei";
    mnuPlayMP3OrNot->Caption = "MP3 spielen";
    mnuSelectTime->Caption = "&Zielzeit direkt auswählen";
}

void TFormVorlane::tmrStartAfter300msTimer(TComponent* /*sender*/) {
    tmrStartAfter300ms.SetEnabled(false);
    if (countdown().Starting()) {
        FocusControl(mplMediaPlayer);
        Window().SetTopmost(false);
        StayOnTop = false;
    }
    sound().OpenTakenSound();
    if (showInfoAtStart_) {
        windowAndTray().mnuInfoClick(this);
        showInfoAtStart_ = false;
    }
    countdown().Resume();
}

void TFormVorlane::mnuExitClick(TComponent* /*sender*/) {
    try {
        Window().Close();
    } catch (const std::exception&) {
        errors().ShowErrorMessageBox("Es ist ein Fehler beim Beenden aufgetreten!");
    }
}

void TFormVorlane::FormCloseQuery(TComponent* /*sender*/, bool& canClose) {
    // Ended by the user's hand: the next start is a plain one.
    record().RemoveAtExit();
    try {
        settings().saveMP3();
        sound().closeMediaPlayer();
        App().ProcessMessages();
        App().Terminate();
    } catch (const std::exception&) {
        errors().ShowErrorMessageBox("Es ist ein Fehler beim Beenden des Vorlanes aufgetreten!");
    }
    canClose = true;
}

void TFormVorlane::FormSessionEnd(TComponent* /*sender*/) {
    // The process ends right after this: no box, no waiting messages handled, nothing that
    // could hold the session up. What fails stays silent. The record of a running countdown
    // stays, for the next start to go on with.
    try {
        settings().SaveAtSessionEnd();
    } catch (const std::exception&) {
    }
    try {
        sound().closeMediaPlayer();
    } catch (const std::exception&) {
    }
    App().Terminate();
}

void TFormVorlane::ApplicationEventsOnException(TComponent* /*sender*/,
                                                const std::exception& error) {
    errors().ShowErrorMessageBox("Ein unbekannte Fehler ist aufgetreten:\r\n" +
                                 ErrorDescription(error));
}

} // namespace vorlane
