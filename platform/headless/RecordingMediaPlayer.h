#pragma once
#include "platform/MediaPlayer.h"

#include <map>
#include <string>
#include <vector>

namespace vorlane::headless {

// The sound device as state: the file, the open device, its mode and whether the sound
// stands at its end, with every device operation in order. A test makes files fail to open
// and lets a playing sound reach its end.
class RecordingMediaPlayer : public MediaPlayer {
public:
    void SetFileName(const std::string& path) override { fileName = path; }
    std::string FileName() override { return fileName; }
    void Open() override;
    void Close() override;
    void Play() override;
    void Pause() override;
    void Stop() override;
    void Rewind() override;
    MediaMode Mode() override { return mode; }
    int ErrorCode() override { return errorCode; }
    std::string ErrorMessage() override;

    // The playing sound reaches its end by itself: the device stops there and says so.
    void PlayToEnd();
    // The open device fails by itself (it ends or stops answering): it is closed and says why.
    void FailByItself(const std::string& message);

    std::string fileName;
    // The file of the open device; empty while none is open.
    std::string openFile;
    MediaMode mode = MediaMode::NoDevice;
    bool atEnd = false;
    int errorCode = 0;
    // Files whose opening fails, with the device's error code.
    std::map<std::string, int> openFailures;
    // The platform's texts for error codes; a code without one has none.
    std::map<int, std::string> errorTexts;
    // Files whose opening fails without a code of the device, with the text it fails with (a
    // device that does not answer in time, or ends while it opens).
    std::map<std::string, std::string> openRefusals;
    // "open <file>", "close", "seek start", "play", "pause", "resume", "stop", "rewind".
    std::vector<std::string> calls;

private:
    void RequireDevice() const;

    // The text of the last failure that had no code of the device.
    std::string refusal_;
};

} // namespace vorlane::headless
