// Start-up in three stages, the command line, and the orderly exit.
#include "app/VorlaneSRC.h"
#include "assets/ResourceIds.h"
#include "core/CommandLine.h"
#include "core/Placement.h"
#include "core/WindowShape.h"
#include "platform/Dispatch.h"

namespace vorlane {

TFormVorlane::TFormVorlane(VorlaneState& state, ShowInfoModule& info, PlatformServices services,
                           std::vector<std::string> arguments)
    : TForm("FormVorlane", services.application), s_(state), info_(info), services_(services),
      arguments_(std::move(arguments)) {
    CreateDesignTimeControls();
    BindEvents();
    SetExceptionHandler(
        [this](const std::exception& error) { ApplicationEventsOnException(this, error); });
}

TFormVorlane::~TFormVorlane() {
    SetExceptionHandler(nullptr);
    services_.mediaPlayer.OnPlaybackEnded = nullptr;
}

void TFormVorlane::BindEvents() {
    OnKeyDown = [this](TComponent* sender, std::uint16_t& key, ShiftState shift) {
        FormKeyDown(sender, key, shift);
    };
    OnCloseQuery = [this](TComponent* sender, bool& canClose) { FormCloseQuery(sender, canClose); };
    tmrFirstStart.OnTimer = [this](TComponent* sender) { tmrFirstStartTimer(sender); };
    tmrStartAfter300ms.OnTimer = [this](TComponent* sender) { tmrStartAfter300msTimer(sender); };
    tmrCountdown.OnTimer = [this](TComponent* sender) { tmrCountdownTimer(sender); };
    TrayIcon.OnClick = [this](TComponent* sender) { TrayIconClick(sender); };
    TrayIcon.PopupMenu = &pmnPopupSymbol;
    pmnPopupSymbol.OnPopup = [this](TComponent* sender) { pmnPopupSymbolPopup(sender); };
    App().OnRestore = [this](TComponent* sender) { ApplicationEventsOnRestore(sender); };
    const TMouseDownEvent formMouseDown = [this](TComponent* sender, MouseButton button,
                                                 ShiftState shift, int x, int y) {
        FormMouseDown(sender, button, shift, x, y);
    };
    OnMouseDown = formMouseDown;
    imgForm.OnMouseDown = formMouseDown;
    imgBackgroundBlink.OnMouseDown = formMouseDown;
    OnMoving = [this](TComponent* sender, Rect& proposed) { FormMoving(sender, proposed); };
    OnDpiChanged = [this](TComponent* sender) { FormDpiChanged(sender); };

    auto bindClick = [](ImageButton& button, TNotifyEvent handler) {
        button.Normal.OnClick = handler;
        button.Hover.OnClick = handler;
        button.Active.OnClick = handler;
    };
    bindClick(btnPlusOne, [this](TComponent* sender) { btnPlusOneNormalClick(sender); });
    bindClick(btnPlusFive, [this](TComponent* sender) { btnPlusFiveNormalClick(sender); });
    bindClick(btnMinusOne, [this](TComponent* sender) { btnMinusOneNormalClick(sender); });
    bindClick(btnMinusFive, [this](TComponent* sender) { btnMinusFiveNormalClick(sender); });
    bindClick(btnExit, [this](TComponent* sender) { mnuExitClick(sender); });
    bindClick(btnMinimize, [this](TComponent* sender) { mnuMinimizeClick(sender); });
    bindClick(btnHelp, [this](TComponent* sender) { btnHelpNormalClick(sender); });
    mnuExit->OnClick = [this](TComponent* sender) { mnuExitClick(sender); };
    mnuMinimize->OnClick = [this](TComponent* sender) { mnuMinimizeClick(sender); };
    mnuRestore->OnClick = [this](TComponent* sender) { mnuRestoreClick(sender); };
    mnuInfo->OnClick = [this](TComponent* sender) { mnuInfoClick(sender); };
    mnuVisitArdeway->OnClick = [this](TComponent* sender) { mnuVisitArdewayClick(sender); };
    BindImageButtonEvents();
    BindTimeEntryEvents();

    // Settings.
    mnuOpenConfigFolderHere->OnClick = [this](TComponent* sender) {
        mnuOpenConfigFolderHereClick(sender);
    };

    // Alarm sound.
    bindClick(btnPlay, [this](TComponent* sender) { btnPlayNormalClick(sender); });
    bindClick(btnPause, [this](TComponent* sender) { btnPauseNormalClick(sender); });
    bindClick(btnStop, [this](TComponent* sender) { btnStopNormalClick(sender); });
    const TNotifyEvent openSound = [this](TComponent* sender) { btnOpenMP3NormalClick(sender); };
    bindClick(btnOpenMP3, openSound);
    edtSecondTextLine.OnClick = openSound;
    mnuPlayMP3OrNot->OnClick = [this](TComponent* sender) { mnuPlayMP3OrNotClick(sender); };
    OnDropFiles = [this](TComponent* sender, const std::vector<std::string>& paths) {
        WMDropFiles(sender, paths);
    };
    services_.mediaPlayer.OnPlaybackEnded = [this] {
        mplMediaPlayerPlaybackEnded(&mplMediaPlayer);
    };
}

void TFormVorlane::CreateParams(WindowParams& params) {
    TForm::CreateParams(params);
    // Reached through the tray icon only: no taskbar button, no place in the task switcher.
    params.appWindow = false;
    params.toolWindow = true;
}

void TFormVorlane::FormCreate(TComponent* /*sender*/) {
    s_.RemainingSeconds = 720;
    DrawTheApplicationAtStartup();
    ApplyWindowShape();
    s_.TextSelectSound = "MP3 auswählen";
    s_.TextTargetTime = "Zielzeit:";
    s_.TextMinutes = "Minuten:";
    s_.TextSeconds = "Sekunden:";
    edtSecondTextLine.SetText(s_.TextSelectSound);
    App().HideOwnerWindow();
    TrayIcon.SetIcon(VORLANE_ICON_APP);
    edtFirstTextLine.SetText("Vezov!");
    edtFirstTextLine.Hide();
    ReadCommandLine();
    ShowRemainingTime();
    edtFirstTextLine.SetHint(edtFirstTextLine.Text());
    if (s_.RemainingSeconds == 0 && edtFirstTextLine.Visible()) {
        btnTerminVerschieben.Show();
        edtFirstTextLine.SetTop(76);
        edtSecondTextLine.Hide();
        edtTimeMinutes.Hide();
        edtTimeSeconds.Hide();
        edtTimeColon.Hide();
    }
    btnTimeSelectionOkay.Hide();

    // Settings and sound: a failure that no step reports itself skips the rest of the
    // block and shows the info dialog after start-up.
    try {
        if (LocateConfigFolder()) {
            loadMP3(s_.ConfigDir + "Vorlane.ini");
        } else {
            s_.ShowInfoAtStart = 1;
            PlaceForFirstRun();
            s_.SettingsChanged = true;
            SaveWholeSettings();
        }
        // After an import the sound is open already. Otherwise it is only taken here and
        // opened once the window shows: opening loads the media stack, which can take longer
        // than the whole start.
        if (s_.SoundLoaded == 0 || services_.mediaPlayer.FileName() != s_.SoundFile) {
            TakeSoundFile(s_.SoundFile);
        }
    } catch (const std::exception&) {
        s_.ShowInfoAtStart = 1;
    }
    NoteSettledPlace();
    tmrFirstStart.SetEnabled(true);
}

void TFormVorlane::ApplyWindowShape() {
    const Rect& design = imgForm.DesignBounds();
    const WindowEllipse ellipse = EllipseAt(ScreenSize{design.width, design.height}, Dpi());
    Window().SetEllipticRegion(ellipse.left, ellipse.top, ellipse.right, ellipse.bottom);
}

void TFormVorlane::FormDpiChanged(TComponent* /*sender*/) {
    ApplyWindowShape();
}

void TFormVorlane::PlaceForFirstRun() {
    const ScreenPoint at =
        FirstRunPosition(services_.screen.Width(), services_.screen.Height(), Width(), Height());
    SetPosition(at.left, at.top);
}

void TFormVorlane::ReadCommandLine() {
    const CommandLineOptions options = ReadArguments(arguments_);
    if (options.startMinimized) {
        s_.StartMinimized = true;
    }
    if (options.useExeFolder) {
        s_.UseExeFolder = true;
    }
    if (options.remainingSeconds) {
        s_.RemainingSeconds = *options.remainingSeconds;
    }
    if (options.reminderText) {
        edtFirstTextLine.SetText(*options.reminderText);
        edtFirstTextLine.Show();
        edtSecondTextLine.SetTop(84);
    }
}

void TFormVorlane::tmrFirstStartTimer(TComponent* /*sender*/) {
    tmrFirstStart.SetEnabled(false);
    if (s_.StartMinimized) {
        MinimizeToTray();
    }
    if (s_.IsStarting == 1) {
        FocusControl(mplMediaPlayer);
    }
    SetRunTimeTexts();
    Window().AcceptDroppedFiles(true);
    App().SetHintStyle(kWhite, 400, 25000);
    App().HideOwnerWindow();
    tmrStartAfter300ms.SetEnabled(true);
}

void TFormVorlane::SetRunTimeTexts() {
    btnMinusOne.Hover.SetHint("\"Countdown\" eine Minute verringern");
    btnMinusFive.Hover.SetHint("\"Countdown\" um fünf Minuten verringern");
    btnPlusOne.Hover.SetHint("\"Countdown\" eine Minute verlängern");
    btnPlusFive.Hover.SetHint("\"Countdown\" um fünf Minuten verlängern");
    btnSetTime.Hover.SetHint("Zeit direkt auswählen");
    btnHelp.Hover.SetHint("Info");
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
    btnPlay.Hover.SetHint("Hier klicken, um die ausgewählte Datei zu starten");
    btnPause.Hover.SetHint("Hier klicken, um die ausgewählte Datei zu unterbrechen");
    btnStop.Hover.SetHint("Hier klicken, um die ausgewählte Datei zu stoppen");
    btnOpenMP3.Hover.SetHint("Hier klicken, um ein MP3 Stück auszuwählen!");
    mnuPlayMP3OrNot->Caption = "MP3 spielen";
    mnuSelectTime->Caption = "&Zielzeit direkt auswählen";
}

void TFormVorlane::tmrStartAfter300msTimer(TComponent* /*sender*/) {
    tmrStartAfter300ms.SetEnabled(false);
    if (s_.IsStarting == 1) {
        FocusControl(mplMediaPlayer);
        Window().SetTopmost(false);
        StayOnTop = false;
    }
    OpenTakenSound();
    if (s_.ShowInfoAtStart == 1) {
        mnuInfoClick(this);
        s_.ShowInfoAtStart = 0;
    }
    tmrCountdown.SetEnabled(true);
}

void TFormVorlane::mnuExitClick(TComponent* /*sender*/) {
    try {
        Window().Close();
    } catch (const std::exception&) {
        ShowErrorMessageBox("Es ist ein Fehler beim Beenden aufgetreten!", "Fehler");
    }
}

void TFormVorlane::FormCloseQuery(TComponent* /*sender*/, bool& canClose) {
    try {
        saveMP3();
        closeMediaPlayer();
        App().ProcessMessages();
        App().Terminate();
    } catch (const std::exception&) {
        ShowErrorMessageBox("Es ist ein Fehler beim Beenden des Vorlanes aufgetreten!", "Fehler");
    }
    canClose = true;
}

} // namespace vorlane
