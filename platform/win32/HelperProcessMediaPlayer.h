#pragma once
#include "platform/MediaPlayer.h"
#include "platform/win32/Handles.h"
#include "platform/win32/SoundHelperProtocol.h"

#include <windows.h>

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace vorlane::win32 {

// The sound device in a process of its own: opening the device starts the sound helper (the
// program's own exe, SoundHelper.h), which opens the file with the media control interface and
// plays it; closing it ends the helper. So the program never loads a codec, the media stack's
// threads never wake in its process, and whatever a file makes the decoder do (hang on
// megabytes of noise, crash) happens in the helper.
//
// Requests go to the helper as messages posted to its message-only window; its answers come
// back through a pipe (its standard output), the end of a sound as a message posted to this
// player's window. Posting never blocks the program on a helper that hangs. The answers are not
// messages, so a call can wait for one without handling anything else, as it waited for a
// device in its own process: a user's key or the session's end that arrives meanwhile is
// handled after the call, in the order it came (a sent WM_COPYDATA could only be received by
// handling every message sent to the program, those among them).
//
// No call waits long: the opening has kOpenDeadlineMs, every other request kRequestDeadlineMs;
// after kQuietMs the program's messages are handled meanwhile (processMessages), so the display
// counts on while a file keeps its check busy. A helper that does not answer in time is ended
// and the call fails with kMediaDeviceNoAnswer; one that ends by itself fails it with
// kMediaDeviceGone, or, outside any call, is reported once through OnDeviceFailed. A call made
// from a message handled during such a wait is made at once; a close or opening then ends the
// helper the outer call waits for, which then returns without an answer. The helper's modes are
// those its answers report.
class HelperProcessMediaPlayer : public MediaPlayer {
public:
    static constexpr unsigned kOpenDeadlineMs = 5000;
    static constexpr unsigned kRequestDeadlineMs = 2000;
    // How long a call waits as for a device in the program's own process, handling nothing else.
    static constexpr unsigned kQuietMs = 1000;

    // The helper is `helperExe` (the running exe when empty); while a call waits for it,
    // `processMessages` handles the messages that came meanwhile.
    HelperProcessMediaPlayer(HINSTANCE instance, std::function<void()> processMessages,
                             std::wstring helperExe = {});
    ~HelperProcessMediaPlayer() override;
    HelperProcessMediaPlayer(const HelperProcessMediaPlayer&) = delete;
    HelperProcessMediaPlayer& operator=(const HelperProcessMediaPlayer&) = delete;

    void SetFileName(const std::string& path) override { fileName_ = path; }
    std::string FileName() override { return fileName_; }
    void Open() override;
    void Close() override;
    void Play() override;
    void Pause() override;
    void Stop() override;
    void Rewind() override;
    MediaMode Mode() override;
    int ErrorCode() override { return errorCode_; }
    std::string ErrorMessage() override { return errorText_; }

    // The process id of the helper now holding the device; 0 while none does.
    DWORD HelperProcessId() const;

private:
    struct Helper;
    enum class Outcome { Answered, NoAnswer, Gone, Superseded };

    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    // Reads what the helper has answered so far.
    void Drain(Helper& helper);
    // What the watch timer does (kWatchTimer).
    void Watch();

    // Starts a helper for the file; null when the system would not start one (errorText_ says
    // why).
    std::unique_ptr<Helper> Start();
    // Waits for the answer to a request of the current helper, handling messages meanwhile.
    Outcome Await(std::uint32_t helper, std::uint32_t request, unsigned deadlineMs);
    Helper* Current(std::uint32_t helper) const;
    // Sends one request and waits for its answer; the answer, or why there is none.
    Outcome Request(SoundCommand command, SoundAnswer& answer);
    // Pause, stop or rewind: a failure for want of an answer is told through OnDeviceFailed.
    void Command(SoundCommand command);
    // A request that failed for want of an answer: the helper is ended and the error kept.
    void Failed(Outcome outcome);
    // The current helper is let go: it is asked to close (or ended, `kill`) and no longer heard.
    void LetGo(bool kill);
    void ForgetEnded();

    std::function<void()> processMessages_;
    std::wstring helperExe_;
    UniqueWindow window_;
    std::string fileName_;
    int errorCode_ = 0;
    std::string errorText_;
    std::uint32_t nextHelper_ = 1;
    std::uint32_t nextRequest_ = 1;
    std::unique_ptr<Helper> current_;
    // Helpers asked to close and not yet ended; ended by force when they take too long.
    std::vector<std::unique_ptr<Helper>> closing_;
};

} // namespace vorlane::win32
