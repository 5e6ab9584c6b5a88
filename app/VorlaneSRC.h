#pragma once
#include "platform/Form.h"
#include "platform/Menu.h"
#include "platform/ProgramHost.h"
#include "platform/Timer.h"
#include "platform/TrayIcon.h"

#include <cstdint>
#include <exception>
#include <memory>
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

class ShowInfoModule;
class AlarmSound;
class ButtonLooks;
class ClockTimeSelection;
class Countdown;
class DisplayMode;
class ErrorBoxes;
class KeyCommands;
class Reminder;
class RunningRecord;
struct CommandLineOptions;
class SettingsStore;
class TimeDisplay;
class TimeEntry;
class WindowAndTray;

// The main window: every control, timer and menu item of the program, and the behaviours
// that give them their meaning, each owning its state. The form makes the controls, wires
// their events to the behaviours and runs start-up and exit.
class TFormVorlane : public TForm {
public:
    TFormVorlane(ShowInfoModule& info, PlatformServices services,
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

    // The image buttons in the order of their table (app/ImageButtonTable.cpp).
    std::vector<ImageButton*> ImageButtons();

    // The services of the platform the window runs on.
    PlatformServices& Services() { return services_; }

    // The behaviours, each with its own state; they reach each other through the form. Typed
    // entry and the keys only answer their controls' events, so nothing asks for them.
    Countdown& countdown() { return *countdown_; }
    TimeDisplay& display() { return *display_; }
    DisplayMode& displayMode() { return *displayMode_; }
    ClockTimeSelection& selection() { return *selection_; }
    Reminder& reminder() { return *reminder_; }
    AlarmSound& sound() { return *sound_; }
    SettingsStore& settings() { return *settings_; }
    WindowAndTray& windowAndTray() { return *windowAndTray_; }
    ButtonLooks& looks() { return *looks_; }
    ErrorBoxes& errors() { return *errors_; }
    RunningRecord& record() { return *record_; }

    // Start-up and exit.
    void CreateParams(WindowParams& params) override;
    std::vector<AccessibleItem> AccessibleItems() override;
    void FormCreate(TComponent* sender);
    void mnuExitClick(TComponent* sender);

private:
    CommandLineOptions ReadCommandLine();
    void tmrFirstStartTimer(TComponent* sender);
    void tmrStartAfter300msTimer(TComponent* sender);
    void FormCloseQuery(TComponent* sender, bool& canClose);
    // Log off, shut down, or an installer closing the program: the close's save, silently.
    void FormSessionEnd(TComponent* sender);
    void ApplicationEventsOnException(TComponent* sender, const std::exception& error);
    void CreateDesignTimeControls();
    void CreatePopupMenu();
    void DrawTheApplicationAtStartup();
    void BindEvents();
    void SetRunTimeTexts();
    void PlaceForFirstRun();

    // The info dialog is still to come once start-up has finished (a first run, a failed read).
    bool showInfoAtStart_ = false;
    bool startMinimized_ = false;
    PlatformServices services_;
    std::vector<std::string> arguments_;
    std::unique_ptr<ErrorBoxes> errors_;
    std::unique_ptr<Countdown> countdown_;
    std::unique_ptr<DisplayMode> displayMode_;
    std::unique_ptr<TimeDisplay> display_;
    std::unique_ptr<TimeEntry> timeEntry_;
    std::unique_ptr<ClockTimeSelection> selection_;
    std::unique_ptr<Reminder> reminder_;
    std::unique_ptr<AlarmSound> sound_;
    std::unique_ptr<SettingsStore> settings_;
    std::unique_ptr<WindowAndTray> windowAndTray_;
    std::unique_ptr<ButtonLooks> looks_;
    std::unique_ptr<KeyCommands> keys_;
    std::unique_ptr<RunningRecord> record_;
};

} // namespace vorlane
