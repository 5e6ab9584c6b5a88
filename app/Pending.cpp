// Operations whose full behaviour arrives with the settings file, the alarm sound.
// Each does its least for now and says so; start-up and the countdown already call them in
// their places.
#include "app/VorlaneSRC.h"

namespace vorlane {

// No sound device is opened yet: with no file open the alarm stays silent, so the
// play menu item is unticked, as it is for a sound file that does not exist.
void TFormVorlane::OpenSoundFile(const std::string& /*path*/) {
    s_.SoundLoaded = 0;
    mnuPlayMP3OrNot->Checked = false;
}

// No sound device yet: stopping only records that nothing plays.
void TFormVorlane::stopMediaPlayer() {
    s_.IsPlaying = false;
}

// No sound device yet: nothing can be played.
void TFormVorlane::playMediaPlayer() {}

// No sound device yet: nothing to rewind.
void TFormVorlane::rewindMediaPlayer() {}

// No sound device yet: nothing to close.
void TFormVorlane::closeMediaPlayer() {}

// The sound device comes with the alarm-sound work; until then the media player has no
// file open and so is never paused.
bool TFormVorlane::MediaPlayerPaused() {
    return false;
}

// The sound device comes with the alarm-sound work; until then nothing ever plays.
bool TFormVorlane::MediaPlayerPlaying() {
    return false;
}

} // namespace vorlane
