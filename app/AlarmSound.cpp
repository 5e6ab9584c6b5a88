// The alarm sound: choosing it in the file dialog or by dropping it on the window, opening it
// in the media player, the play, pause and stop buttons, the play-sound switch of the menu,
// and what happens when a sound has played to its end.
#include "app/AlarmSound.h"
#include "app/ErrorBoxes.h"
#include "app/SettingsStore.h"
#include "app/VorlaneSRC.h"
#include "core/FilePath.h"
#include "core/Mince.h"
#include "platform/Dispatch.h"
#include "platform/MediaPlayer.h"

namespace vorlane {

namespace {
// The sound-name line has room for 35 UTF-16 units.
constexpr std::size_t kSoundLineSpace = 35;
// The sound-name line's background after a sound failed to open.
constexpr Color kOpenFailed{255, 0, 0};
// The kinds the sound device plays; MIDI files mostly end in .mid, some in .midi.
constexpr char kSoundPatterns[] = "*.wav;*.mid;*.midi;*.avi;*.mp3";
// How long before zero the alarm sound's device is opened: opening an MP3 takes a few hundred
// milliseconds, which would be heard as a late alarm.
constexpr std::int32_t kSoundOpenAheadSeconds = 3;
// The sound-name line while no sound is chosen.
constexpr char kTextSelectSound[] = "MP3 auswählen";
} // namespace

AlarmSound::AlarmSound(TFormVorlane& form) : f_(form) {
    f_.Services().mediaPlayer.OnPlaybackEnded = [this] {
        mplMediaPlayerPlaybackEnded(&f_.mplMediaPlayer);
    };
    // A device that fails while the sound plays, or while it waits opened ahead, drops the
    // sound as a failed play does.
    f_.Services().mediaPlayer.OnDeviceFailed = [this](const std::string& message) {
        SoundFailedToOpen(EMediaDeviceError(message));
    };
    f_.edtSecondTextLine.OnClick = [this](TComponent* sender) { btnOpenMP3NormalClick(sender); };
    f_.mnuPlayMP3OrNot->OnClick = [this](TComponent* sender) { mnuPlayMP3OrNotClick(sender); };
    f_.OnDropFiles = [this](TComponent* sender, const std::vector<std::string>& paths) {
        WMDropFiles(sender, paths);
    };
}

AlarmSound::~AlarmSound() {
    f_.Services().mediaPlayer.OnPlaybackEnded = nullptr;
    f_.Services().mediaPlayer.OnDeviceFailed = nullptr;
}

void AlarmSound::OpenSoundFile(const std::string& path) {
    if (TakeSoundFile(path)) {
        OpenTakenSound();
    }
}

bool AlarmSound::TakeSoundFile(const std::string& path) {
    if (!f_.Services().files.FileExists(path)) {
        SetSoundOn(false);
        return false;
    }
    f_.Services().mediaPlayer.SetFileName(path);
    std::string line = " ";
    line += FileNamePart(path);
    f_.edtSecondTextLine.SetText(Mince(line, kSoundLineSpace));
    soundLoaded_ = true;
    SetSoundOn(true);
    return true;
}

bool AlarmSound::OpenTakenSound() {
    MediaPlayer& player = f_.Services().mediaPlayer;
    if (!soundLoaded_ || player.Mode() != MediaMode::NoDevice) {
        return soundLoaded_;
    }
    try {
        player.Open();
        return true;
    } catch (const std::exception& error) {
        SoundFailedToOpen(error);
        return false;
    }
}

void AlarmSound::SoundFailedToOpen(const std::exception& error) {
    MediaPlayer& player = f_.Services().mediaPlayer;
    soundLoaded_ = false;
    isPlaying_ = false;
    f_.btnPlay.Active.Hide();
    SetSoundOn(false);
    // Red until the countdown next paints the display in its own colours.
    f_.edtSecondTextLine.SetColors(kOpenFailed, f_.edtSecondTextLine.FontColor());
    f_.edtSecondTextLine.SetText(kTextSelectSound);
    f_.errors().ShowErrorMessageBox(
        "Es ist ein Fehler aufgetreten:\r\nErrorCode: " + std::to_string(player.ErrorCode()) +
        "\r\n" + player.ErrorMessage() + "\r\n" + ErrorDescription(error));
}

void AlarmSound::ShowNoSoundChosen() {
    f_.edtSecondTextLine.SetText(kTextSelectSound);
}

void AlarmSound::ChooseSound(const std::string& path) {
    OpenSoundFile(path);
    f_.settings().SoundChosen(path);
}

void AlarmSound::WMDropFiles(TComponent* /*sender*/, const std::vector<std::string>& paths) {
    // Only the first of several dropped items counts.
    const std::string item = paths.empty() ? std::string() : paths.front();
    if (f_.Services().files.FileExists(item) && soundLoaded_) {
        closeMediaPlayer();
    }
    ChooseSound(item);
    isPlaying_ = false;
}

void AlarmSound::btnOpenMP3NormalClick(TComponent* /*sender*/) {
    // The pressed look shows before the dialog takes over the screen, and stays while it is open.
    // The countdown is left as it is: it goes on while the dialog is open, so the alarm comes
    // on time, and it stays off while a time is being typed or a clock time chosen.
    f_.btnOpenMP3.Active.Show();
    f_.Window().Update();
    try {
        Files& files = f_.Services().files;
        MediaPlayer& player = f_.Services().mediaPlayer;
        if (!soundLoaded_) {
            FileOpenDialog.initialFolder = f_.settings().ConfigDir();
        } else if (files.FileExists(player.FileName())) {
            FileOpenDialog.initialFolder = FolderPart(player.FileName());
        }
        FileOpenDialog.title = "Musikdatei auswählen";
        FileOpenDialog.fileNameLabel = "Dateiname:";
        FileOpenDialog.filters = {{"Multimedia-Dateien", kSoundPatterns},
                                  {"Alle Dateien (*.*)", "*.*"}};
        FileOpenDialog.fileName = kSoundPatterns;
        FileOpenDialog.defaultExtension = "adw";
        FileOpenDialog.pathMustExist = true;
        FileOpenDialog.fileMustExist = true;
        const std::optional<std::string> chosen = f_.Services().fileDialog.Open(FileOpenDialog);
        if (chosen && files.FileExists(*chosen)) {
            if (soundLoaded_) {
                closeMediaPlayer();
            }
            ChooseSound(*chosen);
            f_.btnOpenMP3.Active.Hide();
            f_.FocusControl(f_.mplMediaPlayer);
        }
    } catch (const std::exception& error) {
        f_.errors().ShowErrorMessageBox("Es ist ein Fehler beim Laden der Datei aufgetreten:\r\n" +
                                        ErrorDescription(error));
    }
    f_.btnOpenMP3.Active.Hide();
}

void AlarmSound::playMediaPlayer() {
    if (!soundLoaded_ || !soundOn_ || isPlaying_ || !OpenTakenSound()) {
        return;
    }
    try {
        // The device opens the file only now, so a file deleted or locked since it was chosen
        // fails here, once: the sound is then dropped as after a failed choice.
        f_.Services().mediaPlayer.Play();
    } catch (const std::exception& error) {
        SoundFailedToOpen(error);
        return;
    }
    isPlaying_ = true;
    f_.btnPlay.Active.Show();
    f_.btnPause.Active.Hide();
    f_.btnStop.Active.Hide();
}

bool AlarmSound::SoundDeviceOpen() {
    return soundLoaded_ && f_.Services().mediaPlayer.Mode() != MediaMode::NoDevice;
}

void AlarmSound::stopMediaPlayer() {
    if (!soundLoaded_) {
        return;
    }
    isPlaying_ = false;
    if (SoundDeviceOpen()) {
        f_.Services().mediaPlayer.Stop();
        f_.Services().mediaPlayer.Rewind();
    }
    f_.btnPause.Active.Hide();
    f_.btnPlay.Active.Hide();
}

void AlarmSound::rewindMediaPlayer() {
    if (SoundDeviceOpen()) {
        f_.Services().mediaPlayer.Rewind();
    }
}

void AlarmSound::closeMediaPlayer() {
    f_.Services().mediaPlayer.Close();
    // A closed device plays nothing: the next play starts the sound opened after it, and the
    // buttons no longer show a sound playing or paused.
    isPlaying_ = false;
    f_.btnPlay.Active.Hide();
    f_.btnPause.Active.Hide();
}

void AlarmSound::AnticipateAlarm(std::int32_t remainingSeconds) {
    f_.Services().mediaPlayer.AnticipatePlay(remainingSeconds <= kSoundOpenAheadSeconds &&
                                             soundLoaded_ && soundOn_ && !isPlaying_);
}

void AlarmSound::PlayAlarm() {
    if (soundLoaded_ && !isPlaying_) {
        rewindMediaPlayer();
    }
    playMediaPlayer();
}

void AlarmSound::btnPlayNormalClick(TComponent* /*sender*/) {
    playMediaPlayer();
}

void AlarmSound::btnPauseNormalClick(TComponent* /*sender*/) {
    if (!soundLoaded_) {
        return;
    }
    if (MediaPlayerPaused()) {
        // Plays on from where it was paused.
        playMediaPlayer();
        f_.btnPause.Active.Hide();
    } else {
        if (SoundDeviceOpen()) {
            f_.Services().mediaPlayer.Pause();
        }
        isPlaying_ = false;
        f_.btnPause.Active.Show();
        f_.btnStop.Active.Hide();
        f_.btnPlay.Active.Hide();
    }
}

void AlarmSound::btnStopNormalClick(TComponent* /*sender*/) {
    stopMediaPlayer();
}

void AlarmSound::mnuPlayMP3OrNotClick(TComponent* sender) {
    // The countdown is left alone here too, as around the dialog.
    if (soundOn_) {
        stopMediaPlayer();
        SetSoundOn(false);
    } else if (f_.Services().files.FileExists(f_.Services().mediaPlayer.FileName())) {
        SetSoundOn(true);
    } else {
        // A successful choice ticks the switch when it opens the file.
        btnOpenMP3NormalClick(sender);
    }
}

// A sound that has played to its end no longer counts as playing: the play button works
// again, and the alarm at zero rewinds it and plays it once more.
void AlarmSound::mplMediaPlayerPlaybackEnded(TComponent* /*sender*/) {
    isPlaying_ = false;
    f_.btnPlay.Active.Hide();
}

void AlarmSound::SetSoundOn(bool on) {
    soundOn_ = on;
    f_.mnuPlayMP3OrNot->Checked = on;
}

bool AlarmSound::MediaPlayerPaused() {
    return f_.Services().mediaPlayer.Mode() == MediaMode::Paused;
}

bool AlarmSound::MediaPlayerPlaying() {
    return f_.Services().mediaPlayer.Mode() == MediaMode::Playing;
}

std::string AlarmSound::OpenedSound() {
    // A sound the device refused would greet every later start with the same error; a stored
    // sound that no longer exists is not handed to the device either.
    return soundLoaded_ ? f_.Services().mediaPlayer.FileName() : std::string();
}

} // namespace vorlane
