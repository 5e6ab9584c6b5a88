#pragma once
#include "platform/Component.h"
#include "platform/FileDialog.h"

#include <cstdint>
#include <exception>
#include <string>
#include <vector>

namespace vorlane {

class TFormVorlane;

// The alarm sound: choosing it in the file dialog or by dropping it on the window, the play,
// pause and stop buttons, the play-sound switch of the menu, playing it at zero and what
// happens when it has played to its end.
class AlarmSound {
public:
    explicit AlarmSound(TFormVorlane& form);
    ~AlarmSound();
    AlarmSound(const AlarmSound&) = delete;
    AlarmSound& operator=(const AlarmSound&) = delete;

    // The sound-name line asks for a sound.
    void ShowNoSoundChosen();
    void OpenSoundFile(const std::string& path);
    // The file becomes the sound (its name in the line, the switch ticked) without opening
    // it; false when there is no such file.
    bool TakeSoundFile(const std::string& path);
    // Opens the sound taken but not opened yet; false when there is none or it failed to open.
    bool OpenTakenSound();
    void WMDropFiles(TComponent* sender, const std::vector<std::string>& paths);
    void btnOpenMP3NormalClick(TComponent* sender);
    void stopMediaPlayer();
    void closeMediaPlayer();
    void btnPlayNormalClick(TComponent* sender);
    void btnPauseNormalClick(TComponent* sender);
    void btnStopNormalClick(TComponent* sender);
    // The media player's mode, which keeps the pressed looks of pause and play.
    bool MediaPlayerPaused();
    bool MediaPlayerPlaying();

    // A sound is chosen (and, once the window shows, opened) and has not failed.
    bool Loaded() const { return soundLoaded_; }
    // The sound was started and has neither ended nor been paused or stopped.
    bool Playing() const { return isPlaying_; }
    // The sound file the device holds; empty when it holds none that opened.
    std::string OpenedSound();
    // Each tick before zero: the device is opened a little ahead of the alarm, so the sound
    // starts on time, and let go again when the time moves away.
    void AnticipateAlarm(std::int32_t remainingSeconds);
    // Zero is reached: the sound from its start, unless it plays already.
    void PlayAlarm();

    // The file-open dialog's settings; its start folder carries over between openings.
    OpenDialogSettings FileOpenDialog;

private:
    void playMediaPlayer();
    void rewindMediaPlayer();
    void mnuPlayMP3OrNotClick(TComponent* sender);
    // The device reports that the sound has played to its end by itself.
    void mplMediaPlayerPlaybackEnded(TComponent* sender);
    // The box and the looks of a sound the device could not open; the sound is dropped.
    void SoundFailedToOpen(const std::exception& error);
    // A sound taken at start is opened only after the window shows: until then there is
    // nothing to stop or rewind.
    bool SoundDeviceOpen();
    // A chosen or dropped file becomes the sound, which the settings then remember.
    void ChooseSound(const std::string& path);
    void SetSoundOn(bool on);

    TFormVorlane& f_;
    bool soundLoaded_ = false;
    // Until a sound is taken the switch shows as designed, ticked.
    bool soundOn_ = true;
    bool isPlaying_ = false;
};

} // namespace vorlane
