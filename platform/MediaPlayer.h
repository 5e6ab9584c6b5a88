#pragma once
#include "platform/Errors.h"

#include <functional>
#include <string>

namespace vorlane {

// What the sound device is doing, as the device reports it; NoDevice while none is open.
enum class MediaMode { NoDevice, NotReady, Stopped, Playing, Recording, Seeking, Paused, Open };

// The sound device failed; the message is the device's own error text.
class EMediaDeviceError : public VorlaneError {
public:
    using VorlaneError::VorlaneError;
    const char* TypeName() const noexcept override { return "EMediaDeviceError"; }
};

// Raised by the device operations while no device is open.
inline constexpr char kNoMediaDeviceOpen[] = "Es ist kein Mediengerät geöffnet";
// The device runs apart from the program: what it is told when the device does not answer in
// time, or is gone without having been closed.
inline constexpr char kMediaDeviceNoAnswer[] = "Das Mediengerät hat nicht rechtzeitig geantwortet";
inline constexpr char kMediaDeviceGone[] = "Das Mediengerät wurde unerwartet beendet";

// The media player's sound device: one file at a time, played by the device its type calls
// for. Playing, pausing, stopping and rewinding raise EMediaDeviceError while no device is
// open; what the device itself reports as failed there is only kept as ErrorCode().
class MediaPlayer {
public:
    virtual ~MediaPlayer() = default;

    // The file the next Open opens; no device action. Empty until one was set.
    virtual void SetFileName(const std::string& path) = 0;
    virtual std::string FileName() = 0;
    // Closes the device it has open, then opens the file and returns once the device is open.
    // On failure keeps the device's error code and raises with its error text.
    virtual void Open() = 0;
    // Closes the open device, if any; never raises.
    virtual void Close() = 0;
    // Plays on from the current position and returns at once; a sound that stands at its
    // end starts again from the start.
    virtual void Play() = 0;
    // Pauses a playing sound and resumes a paused one; nothing in any other mode.
    virtual void Pause() = 0;
    virtual void Stop() = 0;
    // Back to the start; returns when the device is there.
    virtual void Rewind() = 0;
    virtual MediaMode Mode() = 0;
    // Whether the sound is about to be played. A player that opens its device only to play
    // opens it ahead, so the play starts without the opening's delay, and lets a device it
    // opened ahead go again once no play is near. Nothing for a device that stays open.
    virtual void AnticipatePlay(bool /*near*/) {}
    // The device's last error code (0: none), and the text the platform has for it.
    virtual int ErrorCode() = 0;
    virtual std::string ErrorMessage() = 0;

    // The sound that was played has reached its end by itself.
    std::function<void()> OnPlaybackEnded;
    // The device failed on its own, outside any call (it ended or stopped answering): it is
    // closed, and the text says why; ErrorCode and ErrorMessage tell the same.
    std::function<void(const std::string& message)> OnDeviceFailed;
};

} // namespace vorlane
