// The alarm sound: choosing it in the file dialog or by dropping it on the window, opening it
// in the media player, the play, pause and stop buttons, the play-sound switch of the menu,
// and what happens when a sound has played to its end.
#include "app/VorlaneSRC.h"
#include "core/FilePath.h"
#include "core/Mince.h"
#include "platform/Dispatch.h"

namespace vorlane {

namespace {
// The sound-name line has room for 35 UTF-16 units.
constexpr std::size_t kSoundLineSpace = 35;
// The sound-name line's background after a sound failed to open.
constexpr Color kOpenFailed{255, 0, 0};
// The kinds the sound device plays; MIDI files mostly end in .mid, some in .midi.
constexpr char kSoundPatterns[] = "*.wav;*.mid;*.midi;*.avi;*.mp3";
} // namespace

void TFormVorlane::OpenSoundFile(const std::string& path) {
    if (TakeSoundFile(path)) {
        OpenTakenSound();
    }
}

bool TFormVorlane::TakeSoundFile(const std::string& path) {
    if (!services_.files.FileExists(path)) {
        mnuPlayMP3OrNot->Checked = false;
        return false;
    }
    services_.mediaPlayer.SetFileName(path);
    std::string line = " ";
    line += FileNamePart(path);
    edtSecondTextLine.SetText(Mince(line, kSoundLineSpace));
    s_.SoundLoaded = 1;
    mnuPlayMP3OrNot->Checked = true;
    return true;
}

bool TFormVorlane::OpenTakenSound() {
    MediaPlayer& player = services_.mediaPlayer;
    if (s_.SoundLoaded == 0 || player.Mode() != MediaMode::NoDevice) {
        return s_.SoundLoaded != 0;
    }
    try {
        player.Open();
        return true;
    } catch (const std::exception& error) {
        SoundFailedToOpen(error);
        return false;
    }
}

void TFormVorlane::SoundFailedToOpen(const std::exception& error) {
    MediaPlayer& player = services_.mediaPlayer;
    s_.SoundLoaded = 0;
    s_.IsPlaying = false;
    btnPlay.Active.Hide();
    mnuPlayMP3OrNot->Checked = false;
    // Red until the countdown next paints the display in its own colours.
    edtSecondTextLine.SetColors(kOpenFailed, edtSecondTextLine.FontColor());
    edtSecondTextLine.SetText(s_.TextSelectSound);
    ShowErrorMessageBox(
        "Es ist ein Fehler aufgetreten:\r\nErrorCode: " + std::to_string(player.ErrorCode()) +
            "\r\n" + player.ErrorMessage() + "\r\n" + ErrorDescription(error),
        "Fehler");
}

void TFormVorlane::WMDropFiles(TComponent* /*sender*/, const std::vector<std::string>& paths) {
    // Only the first of several dropped items counts.
    const std::string item = paths.empty() ? std::string() : paths.front();
    if (services_.files.FileExists(item) && s_.SoundLoaded != 0) {
        closeMediaPlayer();
    }
    OpenSoundFile(item);
    s_.SettingsChanged = true;
    NoteChosenSound(item);
    s_.IsPlaying = false;
}

void TFormVorlane::btnOpenMP3NormalClick(TComponent* /*sender*/) {
    // The pressed look shows before the dialog takes over the screen, and stays while it is open.
    // The countdown is left as it is: it goes on while the dialog is open, so the alarm comes
    // on time, and it stays off while a time is being typed or a clock time chosen.
    btnOpenMP3.Active.Show();
    Window().Update();
    try {
        MediaPlayer& player = services_.mediaPlayer;
        if (s_.SoundLoaded == 0) {
            FileOpenDialog.initialFolder = s_.ConfigDir;
        } else if (services_.files.FileExists(player.FileName())) {
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
        const std::optional<std::string> chosen = services_.fileDialog.Open(FileOpenDialog);
        if (chosen && services_.files.FileExists(*chosen)) {
            if (s_.SoundLoaded != 0) {
                closeMediaPlayer();
            }
            OpenSoundFile(*chosen);
            s_.SettingsChanged = true;
            NoteChosenSound(*chosen);
            btnOpenMP3.Active.Hide();
            FocusControl(mplMediaPlayer);
        }
    } catch (const std::exception& error) {
        ShowErrorMessageBox("Es ist ein Fehler beim Laden der Datei aufgetreten:\r\n" +
                                ErrorDescription(error),
                            "Fehler");
    }
    btnOpenMP3.Active.Hide();
}

void TFormVorlane::playMediaPlayer() {
    if (s_.SoundLoaded == 0 || !mnuPlayMP3OrNot->Checked || s_.IsPlaying || !OpenTakenSound()) {
        return;
    }
    try {
        // The device opens the file only now, so a file deleted or locked since it was chosen
        // fails here, once: the sound is then dropped as after a failed choice.
        services_.mediaPlayer.Play();
    } catch (const std::exception& error) {
        SoundFailedToOpen(error);
        return;
    }
    s_.IsPlaying = true;
    btnPlay.Active.Show();
    btnPause.Active.Hide();
    btnStop.Active.Hide();
}

// A sound taken at start is opened only after the window shows: until then there is nothing
// to stop or rewind.
bool TFormVorlane::SoundDeviceOpen() {
    return s_.SoundLoaded != 0 && services_.mediaPlayer.Mode() != MediaMode::NoDevice;
}

void TFormVorlane::stopMediaPlayer() {
    if (s_.SoundLoaded == 0) {
        return;
    }
    s_.IsPlaying = false;
    if (SoundDeviceOpen()) {
        services_.mediaPlayer.Stop();
        services_.mediaPlayer.Rewind();
    }
    btnPause.Active.Hide();
    btnPlay.Active.Hide();
}

void TFormVorlane::rewindMediaPlayer() {
    if (SoundDeviceOpen()) {
        services_.mediaPlayer.Rewind();
    }
}

void TFormVorlane::closeMediaPlayer() {
    services_.mediaPlayer.Close();
    // A closed device plays nothing: the next play starts the sound opened after it, and the
    // buttons no longer show a sound playing or paused.
    s_.IsPlaying = false;
    btnPlay.Active.Hide();
    btnPause.Active.Hide();
}

void TFormVorlane::btnPlayNormalClick(TComponent* /*sender*/) {
    playMediaPlayer();
}

void TFormVorlane::btnPauseNormalClick(TComponent* /*sender*/) {
    if (s_.SoundLoaded == 0) {
        return;
    }
    if (MediaPlayerPaused()) {
        // Plays on from where it was paused.
        playMediaPlayer();
        btnPause.Active.Hide();
    } else {
        if (SoundDeviceOpen()) {
            services_.mediaPlayer.Pause();
        }
        s_.IsPlaying = false;
        btnPause.Active.Show();
        btnStop.Active.Hide();
        btnPlay.Active.Hide();
    }
}

void TFormVorlane::btnStopNormalClick(TComponent* /*sender*/) {
    stopMediaPlayer();
}

void TFormVorlane::mnuPlayMP3OrNotClick(TComponent* sender) {
    // The countdown is left alone here too, as around the dialog.
    if (mnuPlayMP3OrNot->Checked) {
        stopMediaPlayer();
        mnuPlayMP3OrNot->Checked = false;
    } else if (services_.files.FileExists(services_.mediaPlayer.FileName())) {
        mnuPlayMP3OrNot->Checked = true;
    } else {
        // A successful choice ticks the switch when it opens the file.
        btnOpenMP3NormalClick(sender);
    }
}

// A sound that has played to its end no longer counts as playing: the play button works
// again, and the alarm at zero rewinds it and plays it once more.
void TFormVorlane::mplMediaPlayerPlaybackEnded(TComponent* /*sender*/) {
    s_.IsPlaying = false;
    btnPlay.Active.Hide();
}

bool TFormVorlane::MediaPlayerPaused() {
    return services_.mediaPlayer.Mode() == MediaMode::Paused;
}

bool TFormVorlane::MediaPlayerPlaying() {
    return services_.mediaPlayer.Mode() == MediaMode::Playing;
}

} // namespace vorlane
