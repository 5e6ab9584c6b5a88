#include "platform/OnDemandMediaPlayer.h"

namespace vorlane {

OnDemandMediaPlayer::OnDemandMediaPlayer(MediaPlayer& device) : device_(device) {
    device_.OnPlaybackEnded = [this] {
        // Played to its end: nothing is left to do for the device until the next play.
        device_.Close();
        if (OnPlaybackEnded) {
            OnPlaybackEnded();
        }
    };
}

OnDemandMediaPlayer::~OnDemandMediaPlayer() {
    device_.OnPlaybackEnded = nullptr;
}

void OnDemandMediaPlayer::SetFileName(const std::string& path) {
    device_.SetFileName(path);
}

void OnDemandMediaPlayer::Open() {
    Close();
    device_.Open();
    device_.Close();
    ready_ = true;
}

void OnDemandMediaPlayer::Close() {
    device_.Close();
    ready_ = false;
}

void OnDemandMediaPlayer::RequireReady() const {
    if (!ready_) {
        throw EMediaDeviceError(kNoMediaDeviceOpen);
    }
}

void OnDemandMediaPlayer::Play() {
    RequireReady();
    if (!DeviceOpen()) {
        device_.Open();
    }
    device_.Play();
}

void OnDemandMediaPlayer::Pause() {
    RequireReady();
    if (DeviceOpen()) {
        device_.Pause();
    }
}

void OnDemandMediaPlayer::Stop() {
    RequireReady();
    device_.Close();
}

void OnDemandMediaPlayer::Rewind() {
    RequireReady();
    device_.Close();
}

MediaMode OnDemandMediaPlayer::Mode() {
    if (!ready_) {
        return MediaMode::NoDevice;
    }
    const MediaMode mode = device_.Mode();
    return mode == MediaMode::NoDevice ? MediaMode::Stopped : mode;
}

} // namespace vorlane
