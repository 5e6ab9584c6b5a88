#include "platform/headless/RecordingMediaPlayer.h"

#include "platform/Dispatch.h"

namespace vorlane::headless {

void RecordingMediaPlayer::RequireDevice() const {
    if (mode == MediaMode::NoDevice) {
        throw EMediaDeviceError(kNoMediaDeviceOpen);
    }
}

void RecordingMediaPlayer::Open() {
    Close();
    calls.push_back("open " + fileName);
    refusal_.clear();
    const auto refusal = openRefusals.find(fileName);
    if (refusal != openRefusals.end()) {
        errorCode = 0;
        refusal_ = refusal->second;
        throw EMediaDeviceError(refusal_);
    }
    const auto failure = openFailures.find(fileName);
    if (failure != openFailures.end()) {
        errorCode = failure->second;
        throw EMediaDeviceError(ErrorMessage());
    }
    errorCode = 0;
    openFile = fileName;
    mode = MediaMode::Stopped;
    atEnd = false;
}

void RecordingMediaPlayer::Close() {
    if (mode == MediaMode::NoDevice) {
        return;
    }
    calls.push_back("close");
    openFile.clear();
    mode = MediaMode::NoDevice;
}

void RecordingMediaPlayer::Play() {
    RequireDevice();
    if (atEnd) {
        calls.push_back("seek start");
        atEnd = false;
    }
    calls.push_back("play");
    mode = MediaMode::Playing;
}

void RecordingMediaPlayer::Pause() {
    RequireDevice();
    if (mode == MediaMode::Playing) {
        calls.push_back("pause");
        mode = MediaMode::Paused;
    } else if (mode == MediaMode::Paused) {
        calls.push_back("resume");
        mode = MediaMode::Playing;
    }
}

void RecordingMediaPlayer::Stop() {
    RequireDevice();
    calls.push_back("stop");
    mode = MediaMode::Stopped;
}

void RecordingMediaPlayer::Rewind() {
    RequireDevice();
    calls.push_back("rewind");
    mode = MediaMode::Stopped;
    atEnd = false;
}

std::string RecordingMediaPlayer::ErrorMessage() {
    if (!refusal_.empty()) {
        return refusal_;
    }
    const auto text = errorTexts.find(errorCode);
    return text != errorTexts.end() ? text->second : "Unknown error code";
}

void RecordingMediaPlayer::PlayToEnd() {
    if (mode != MediaMode::Playing) {
        return;
    }
    mode = MediaMode::Stopped;
    atEnd = true;
    if (OnPlaybackEnded) {
        Dispatch(OnPlaybackEnded);
    }
}

void RecordingMediaPlayer::FailByItself(const std::string& message) {
    if (mode == MediaMode::NoDevice) {
        return;
    }
    calls.push_back("failed");
    openFile.clear();
    mode = MediaMode::NoDevice;
    errorCode = 0;
    refusal_ = message;
    if (OnDeviceFailed) {
        Dispatch([&] { OnDeviceFailed(message); });
    }
}

} // namespace vorlane::headless
