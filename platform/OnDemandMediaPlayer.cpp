#include "platform/OnDemandMediaPlayer.h"

namespace vorlane {

OnDemandMediaPlayer::OnDemandMediaPlayer(MediaPlayer& device) : device_(device) {
    device_.OnPlaybackEnded = [this] {
        // Played to its end: nothing is left to do for the device until the next play.
        CloseDevice();
        if (OnPlaybackEnded) {
            OnPlaybackEnded();
        }
    };
    device_.OnDeviceFailed = [this](const std::string& message) {
        // A device that failed by itself plays nothing more; the sound must be opened anew.
        Close();
        if (OnDeviceFailed) {
            OnDeviceFailed(message);
        }
    };
}

OnDemandMediaPlayer::~OnDemandMediaPlayer() {
    device_.OnPlaybackEnded = nullptr;
    device_.OnDeviceFailed = nullptr;
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
    CloseDevice();
    ready_ = false;
}

void OnDemandMediaPlayer::CloseDevice() {
    device_.Close();
    openedAhead_ = false;
    aheadTried_ = false;
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
    openedAhead_ = false;
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
    CloseDevice();
}

void OnDemandMediaPlayer::Rewind() {
    RequireReady();
    // A device opened ahead stays open for the play that follows.
    if (DeviceOpen()) {
        device_.Rewind();
    }
}

void OnDemandMediaPlayer::AnticipatePlay(bool near) {
    if (!near) {
        if (openedAhead_) {
            CloseDevice();
        }
        aheadTried_ = false;
        return;
    }
    if (!ready_ || aheadTried_ || DeviceOpen()) {
        return;
    }
    aheadTried_ = true;
    try {
        device_.Open();
        openedAhead_ = true;
    } catch (const EMediaDeviceError&) {
        // The play opens the device again and reports what fails then.
    }
}

MediaMode OnDemandMediaPlayer::Mode() {
    if (!ready_) {
        return MediaMode::NoDevice;
    }
    const MediaMode mode = device_.Mode();
    return mode == MediaMode::NoDevice ? MediaMode::Stopped : mode;
}

} // namespace vorlane
