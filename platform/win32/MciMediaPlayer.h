#pragma once
#include "platform/MediaPlayer.h"
#include "platform/win32/Handles.h"

#include <windows.h>

#include <mmsystem.h>

#include <string>

namespace vorlane::win32 {

// The media player over the media control interface: the device is the one MCI picks by the
// file's extension, and the notifications of a play come to a message-only window of its own.
class MciMediaPlayer : public MediaPlayer {
public:
    explicit MciMediaPlayer(HINSTANCE instance);
    ~MciMediaPlayer() override;
    MciMediaPlayer(const MciMediaPlayer&) = delete;
    MciMediaPlayer& operator=(const MciMediaPlayer&) = delete;

    void SetFileName(const std::string& path) override { fileName_ = path; }
    std::string FileName() override { return fileName_; }
    void Open() override;
    void Close() override;
    void Play() override;
    void Pause() override;
    void Stop() override;
    void Rewind() override;
    MediaMode Mode() override;
    int ErrorCode() override { return static_cast<int>(error_); }
    std::string ErrorMessage() override;

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void PlayNotified(MCIDEVICEID device);
    void RequireDevice() const;
    // A command to the open device, waiting for it; the device's answer becomes the error code.
    void Send(UINT command, DWORD flags);
    // A status item of the open device; nothing when the device does not answer.
    bool Status(DWORD item, DWORD_PTR& value);
    bool StandsAtItsEnd();
    void PlayWithNotification();

    UniqueWindow window_;
    MCIDEVICEID device_ = 0;
    std::string fileName_;
    MCIERROR error_ = 0;
    // Why the last open failed before the device was asked, where that is no device error.
    std::string refusal_;
    // A play was started whose end has not been reported yet.
    bool awaitingEnd_ = false;
    // The sound played to its end and has not been moved since.
    bool ended_ = false;
};

} // namespace vorlane::win32
