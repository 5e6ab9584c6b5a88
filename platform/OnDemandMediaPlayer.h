#pragma once
#include "platform/MediaPlayer.h"

#include <string>

namespace vorlane {

// The alarm sound with its device open only while the sound plays or is paused. A device that
// stays open keeps the media stack loaded and its mixer threads waking many times a second
// although nothing plays; a timer that waits all day for its alarm must not pay for that.
//
// Open checks that the device can open the file (it opens and closes it again) and makes the
// sound ready; a ready sound reports Stopped. Play opens the device when it is closed, so a
// play may raise what Open raises; a play that is near may have it opened ahead. A stop or the
// sound's own end close the device; a closed device stands at the start. A device that fails by
// itself is closed, and the sound is no longer ready.
class OnDemandMediaPlayer : public MediaPlayer {
public:
    explicit OnDemandMediaPlayer(MediaPlayer& device);
    ~OnDemandMediaPlayer() override;
    OnDemandMediaPlayer(const OnDemandMediaPlayer&) = delete;
    OnDemandMediaPlayer& operator=(const OnDemandMediaPlayer&) = delete;

    void SetFileName(const std::string& path) override;
    std::string FileName() override { return device_.FileName(); }
    void Open() override;
    void Close() override;
    void Play() override;
    void Pause() override;
    void Stop() override;
    void Rewind() override;
    MediaMode Mode() override;
    void AnticipatePlay(bool near) override;
    int ErrorCode() override { return device_.ErrorCode(); }
    std::string ErrorMessage() override { return device_.ErrorMessage(); }

private:
    bool DeviceOpen() { return device_.Mode() != MediaMode::NoDevice; }
    void RequireReady() const;

    // Closes the device and forgets what was done ahead.
    void CloseDevice();

    MediaPlayer& device_;
    // The file was opened once and is the sound to play.
    bool ready_ = false;
    // The device was opened ahead of a play that has not started yet.
    bool openedAhead_ = false;
    // Opening ahead was tried while this play is near; a failure is left to the play.
    bool aheadTried_ = false;
};

} // namespace vorlane
