#pragma once
#include "app/VorlaneState.h"
#include "info/ShowInfoSRC.h"
#include "platform/Form.h"
#include "platform/Menu.h"
#include "platform/ProgramHost.h"
#include "platform/Timer.h"
#include "platform/TrayIcon.h"

#include <array>
#include <cstdint>
#include <exception>
#include <functional>
#include <string>
#include <vector>

namespace vorlane {

// One image button: three pictures of the same size on the same spot.
struct ImageButton {
    TControl Normal;
    TControl Hover;
    TControl Active;
    explicit ImageButton(const std::string& name)
        : Normal(name + "Normal", ControlKind::Image), Hover(name + "Hover", ControlKind::Image),
          Active(name + "Active", ControlKind::Image) {}
};

// The main window: every control, timer and menu item of the program and the handlers
// that give them their behaviour. The state lives in the module state it is given.
class TFormVorlane : public TForm {
public:
    TFormVorlane(VorlaneState& state, ShowInfoModule& info, PlatformServices services,
                 std::vector<std::string> arguments);
    ~TFormVorlane() override;

    // Pictures.
    TControl imgForm{"imgForm", ControlKind::Image};
    TControl imgBackgroundBlink{"imgBackgroundBlink", ControlKind::Image};
    ImageButton btnMinusOne{"btnMinusOne"};
    ImageButton btnMinusFive{"btnMinusFive"};
    ImageButton btnPlusOne{"btnPlusOne"};
    ImageButton btnPlusFive{"btnPlusFive"};
    ImageButton btnPlay{"btnPlay"};
    ImageButton btnStop{"btnStop"};
    ImageButton btnPause{"btnPause"};
    ImageButton btnOpenMP3{"btnOpenMP3"};
    ImageButton btnMinimize{"btnMinimize"};
    ImageButton btnExit{"btnExit"};
    ImageButton btnSetTime{"btnSetTime"};
    ImageButton btnHelp{"btnHelp"};

    // Fields and native buttons.
    TControl edtTimeMinutes{"edtTimeMinutes", ControlKind::Edit};
    TControl edtTimeColon{"edtTimeColon", ControlKind::Edit};
    TControl edtTimeSeconds{"edtTimeSeconds", ControlKind::Edit};
    TControl edtFirstTextLine{"edtFirstTextLine", ControlKind::Edit};
    TControl edtSecondTextLine{"edtSecondTextLine", ControlKind::Edit};
    TControl edtHinweiseLabel{"edtHinweiseLabel", ControlKind::Edit};
    TControl cmbEndTimeComboBox{"cmbEndTimeComboBox", ControlKind::ComboBox};
    TControl btnTimeSelectionOkay{"btnTimeSelectionOkay", ControlKind::PushButton};
    TControl btnTerminVerschieben{"btnTerminVerschieben", ControlKind::PushButton};
    TControl mplMediaPlayer{"mplMediaPlayer", ControlKind::MediaPlayer};

    // Timers.
    TTimer tmrFirstStart{"tmrFirstStart", 1};
    TTimer tmrStartAfter300ms{"tmrStartAfter300ms", 300};
    TTimer tmrCountdown{"tmrCountdown", 1};

    // Tray icon and its popup menu.
    TTrayIcon TrayIcon{"TrayIcon"};
    TPopupMenu pmnPopupSymbol{"pmnPopupSymbol", App()};
    TMenuItem* mnuSet = nullptr;
    TMenuItem* mnuSelectTime = nullptr;
    TMenuItem* mnuPlayMP3OrNot = nullptr;
    TMenuItem* mnuInfo = nullptr;
    TMenuItem* mnuVisitArdeway = nullptr;
    TMenuItem* mnuOpenConfigFolderHere = nullptr;
    TMenuItem* mnuMinimize = nullptr;
    TMenuItem* mnuRestore = nullptr;
    TMenuItem* mnuExit = nullptr;

    // The twelve image buttons in the order the layout places them.
    std::array<ImageButton*, 12> ImageButtons();

    // Start-up and exit.
    void CreateParams(WindowParams& params) override;
    std::vector<AccessibleItem> AccessibleItems() override;
    void FormCreate(TComponent* sender);
    void ReadCommandLine();
    void tmrFirstStartTimer(TComponent* sender);
    void tmrStartAfter300msTimer(TComponent* sender);
    void mnuExitClick(TComponent* sender);
    void FormCloseQuery(TComponent* sender, bool& canClose);

    // Countdown and alarm.
    void tmrCountdownTimer(TComponent* sender);
    std::int32_t TimeInSeconds();
    void ShowNormalColors();
    void ShowAlarmColors();

    // Display and quick adjustments.
    void ShowRemainingTime();
    void btnPlusOneNormalClick(TComponent* sender);
    void btnPlusFiveNormalClick(TComponent* sender);
    void btnMinusOneNormalClick(TComponent* sender);
    void btnMinusFiveNormalClick(TComponent* sender);
    void mnuSetClick(TComponent* sender);
    void FormKeyDown(TComponent* sender, std::uint16_t& key, ShiftState shift);
    // The remaining time as a screen reader says it, and telling it when that changes.
    std::string SpokenRemainingTime() const;
    void AnnounceRemainingTime();
    // The seconds the spoken time names: whole minutes, rounded up, then every second.
    std::int32_t SpokenSeconds() const;
    // The keys for the buttons; returns whether the key ran one.
    bool RunButtonKey(std::uint16_t key, ShiftState shift);
    bool TimeFieldFocused() const;

    // Error reporting.
    void ShowErrorMessageBox(const std::string& text, const std::string& caption);
    void ShowInfoMessageBox(const std::string& text, const std::string& caption);
    void ApplicationEventsOnException(TComponent* sender, const std::exception& error);

    // Skin and layout.
    void DrawTheApplicationAtStartup();

    // Typed time, the target-time selection and the reminder line.
    void edtTimeMinutesEnter(TComponent* sender);
    void edtTimeSecondsEnter(TComponent* sender);
    void edtTimeMinutesExit(TComponent* sender);
    void edtTimeSecondsExit(TComponent* sender);
    void edtTimeMinutesClick(TComponent* sender);
    void edtTimeSecondsClick(TComponent* sender);
    void edtTimeKeyPress(TComponent* sender, char16_t& key);
    void edtOnContextPopup(TComponent* sender, int x, int y, bool& handled);
    void edtFirstTextLineClick(TComponent* sender);
    void btnSelectTimeclick(TComponent* sender);
    void mnuSelectTimeClick(TComponent* sender);
    void btnSetTimeClick(TComponent* sender);
    void btnTimeSelectionOkayClick(TComponent* sender);
    void ParseTargetTime();
    void cmbEndTimeComboBoxExit(TComponent* sender);
    void cmbEndTimeComboBoxKeyPress(TComponent* sender, char16_t& key);

    // Tray icon, popup menu and window handling.
    void MinimizeToTray();
    void mnuMinimizeClick(TComponent* sender);
    void TrayIconClick(TComponent* sender);
    void mnuRestoreClick(TComponent* sender);
    void pmnPopupSymbolPopup(TComponent* sender);
    void ApplicationEventsOnRestore(TComponent* sender);
    void FormMouseDown(TComponent* sender, MouseButton button, ShiftState shift, int x, int y);
    // Each step of a move of the window: snapping to the work area's edges.
    void FormMoving(TComponent* sender, Rect& proposed);
    // The window came to a monitor of another DPI: its round shape follows the new size.
    void FormDpiChanged(TComponent* sender);
    void btnHelpNormalClick(TComponent* sender);
    void mnuVisitArdewayClick(TComponent* sender);

    // Alarm sound.
    // The file-open dialog's settings; its start folder carries over between openings.
    OpenDialogSettings FileOpenDialog;
    void OpenSoundFile(const std::string& path);
    // The file becomes the sound (its name in the line, the switch ticked) without opening
    // it; false when there is no such file.
    bool TakeSoundFile(const std::string& path);
    // Opens the sound taken but not opened yet; false when there is none or it failed to open.
    bool OpenTakenSound();
    // The box and the looks of a sound the device could not open; the sound is dropped.
    void SoundFailedToOpen(const std::exception& error);
    bool SoundDeviceOpen();
    void WMDropFiles(TComponent* sender, const std::vector<std::string>& paths);
    void btnOpenMP3NormalClick(TComponent* sender);
    void playMediaPlayer();
    void stopMediaPlayer();
    void rewindMediaPlayer();
    void closeMediaPlayer();
    void btnPlayNormalClick(TComponent* sender);
    void btnPauseNormalClick(TComponent* sender);
    void btnStopNormalClick(TComponent* sender);
    void mnuPlayMP3OrNotClick(TComponent* sender);
    // The device reports that the sound has played to its end by itself.
    void mplMediaPlayerPlaybackEnded(TComponent* sender);
    // The media player's mode, which keeps the pressed looks of pause and play.
    bool MediaPlayerPaused();
    bool MediaPlayerPlaying();

    // Image button looks.
    void btnMinusOneNormalMouseMove(TComponent* sender, ShiftState shift, int x, int y);
    void btnMinusFiveNormalMouseMove(TComponent* sender, ShiftState shift, int x, int y);
    void btnPlusOneNormalMouseMove(TComponent* sender, ShiftState shift, int x, int y);
    void btnPlusFiveNormalMouseMove(TComponent* sender, ShiftState shift, int x, int y);
    void btnPlayNormalMouseMove(TComponent* sender, ShiftState shift, int x, int y);
    void btnPauseNormalMouseMove(TComponent* sender, ShiftState shift, int x, int y);
    void btnStopNormalMouseMove(TComponent* sender, ShiftState shift, int x, int y);
    void btnOpenMP3NormalMouseMove(TComponent* sender, ShiftState shift, int x, int y);
    void btnMinimizeNormalMouseMove(TComponent* sender, ShiftState shift, int x, int y);
    void btnExitNormalMouseMove(TComponent* sender, ShiftState shift, int x, int y);
    void btnSetTimeNormalMouseMove(TComponent* sender, ShiftState shift, int x, int y);
    void btnHelpNormalMouseMove(TComponent* sender, ShiftState shift, int x, int y);
    void btnMinusOneHoverMouseDown(TComponent* sender, MouseButton button, ShiftState shift, int x,
                                   int y);
    void btnMinusFiveHoverMouseDown(TComponent* sender, MouseButton button, ShiftState shift, int x,
                                    int y);
    void btnPlusOneHoverMouseDown(TComponent* sender, MouseButton button, ShiftState shift, int x,
                                  int y);
    void btnPlusFiveHoverMouseDown(TComponent* sender, MouseButton button, ShiftState shift, int x,
                                   int y);
    void btnPlayHoverMouseDown(TComponent* sender, MouseButton button, ShiftState shift, int x,
                               int y);
    void btnPauseHoverMouseDown(TComponent* sender, MouseButton button, ShiftState shift, int x,
                                int y);
    void btnStopHoverMouseDown(TComponent* sender, MouseButton button, ShiftState shift, int x,
                               int y);
    void btnOpenMP3HoverMouseDown(TComponent* sender, MouseButton button, ShiftState shift, int x,
                                  int y);
    void btnMinimizeHoverMouseDown(TComponent* sender, MouseButton button, ShiftState shift, int x,
                                   int y);
    void btnExitHoverMouseDown(TComponent* sender, MouseButton button, ShiftState shift, int x,
                               int y);
    void btnSetTimeHoverMouseDown(TComponent* sender, MouseButton button, ShiftState shift, int x,
                                  int y);
    void btnHelpHoverMouseDown(TComponent* sender, MouseButton button, ShiftState shift, int x,
                               int y);
    void imgFormMouseMove(TComponent* sender, ShiftState shift, int x, int y);
    void examineVisibleObjects();
    void FormMouseLeave(TComponent* sender);

    // Settings.
    bool LocateConfigFolder();
    bool ImportOldSettings();
    void loadMP3(const std::string& path);
    void saveMP3();
    // Writes the whole settings file (when they changed): on a first run and after an import,
    // when there is no file to keep anything of.
    void SaveWholeSettings();
    // Remembers a sound chosen in the dialog or dropped, if the device opened it.
    void NoteChosenSound(const std::string& path);
    // Remembers where the window stands once start-up has applied the settings.
    void NoteSettledPlace();
    // The sound the device has open; empty when it has none.
    std::string OpenedSound();
    // Runs a write of the settings file; a failure is shown once.
    void WriteSettings(const std::function<void(Files&, const std::string&)>& write);
    void mnuOpenConfigFolderHereClick(TComponent* sender);
    void mnuInfoClick(TComponent* sender);

private:
    void CreateDesignTimeControls();
    void CreatePopupMenu();
    void BindEvents();
    void PlusMinutes(int seconds, std::int32_t limit);
    void BindTimeEntryEvents();
    // Reads a time field for its enter handler; an error report when it is no number.
    std::int32_t FieldValueOnEnter(const TControl& field);
    // The countdown from a newly typed or chosen value, counted from now.
    void ApplyTypedTime(std::int32_t seconds);
    void ResetTimeBase();
    void MinusMinutes(int seconds);
    void PlaceForFirstRun();
    // Cuts the window to its round shape at the window's DPI.
    void ApplyWindowShape();
    // The five display fields, in the order the looks are painted.
    void ColorDisplay(Color background, Color text);
    void SetRunTimeTexts();
    void BindImageButtonEvents();
    void ShowHoverLook(ImageButton& button);

    VorlaneState& s_;
    // The seconds last named to readers; none yet.
    std::int32_t spokenSeconds_ = -1;
    ShowInfoModule& info_;
    PlatformServices services_;
    std::vector<std::string> arguments_;
};

} // namespace vorlane
