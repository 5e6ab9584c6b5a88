#pragma once
// What the program and its sound helper tell each other. The helper is the program's own exe,
// started with kSoundHelperArgument, the program's message window (its handle as a number), the
// program's process id and the sound file, its standard output the writing end of a pipe the
// program reads. It opens the file and answers; then it takes the program's requests as posted
// messages and answers each, each answer a frame written into the pipe; the sound's end it
// posts to the program's window.
#include "platform/MediaPlayer.h"

#include <windows.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace vorlane::win32 {

inline constexpr wchar_t kSoundHelperArgument[] = L"--vorlane-sound-device";

// A request to the helper: wParam the command, lParam its number.
inline constexpr UINT kSoundRequest = WM_APP + 0x53;
enum class SoundCommand : WPARAM { Play = 1, Pause, Stop, Rewind, Close };

// Posted to the program's window when the sound has played to its end: lParam the helper's
// process id.
inline constexpr UINT kSoundEndedNotice = WM_APP + 0x57;
// The number of the answer to the opening, which comes unasked.
inline constexpr std::uint32_t kOpeningRequest = 0;

// One answer: the device's error code and mode after the request, and whether the request
// raised, with the device's error text and what it raised; and the helper's window, which takes
// the requests.
struct SoundAnswer {
    std::uint32_t request = 0;
    std::uint64_t window = 0;
    std::int32_t errorCode = 0;
    MediaMode mode = MediaMode::NoDevice;
    bool raised = false;
    std::string errorText;
    std::string raisedText;
};

// The frame of an answer: its length (32 bits), then five 64-bit numbers, then both texts,
// each ended by a zero byte.
inline std::string EncodeSoundAnswer(const SoundAnswer& answer) {
    const std::int64_t head[5] = {answer.request, answer.errorCode,
                                  static_cast<std::int64_t>(answer.mode), answer.raised ? 1 : 0,
                                  static_cast<std::int64_t>(answer.window)};
    std::string body(reinterpret_cast<const char*>(head), sizeof head);
    body += answer.errorText;
    body += '\0';
    body += answer.raisedText;
    body += '\0';
    const auto length = static_cast<std::uint32_t>(body.size());
    return std::string(reinterpret_cast<const char*>(&length), sizeof length) + body;
}

// Takes the complete frames at the start of the bytes read so far, leaving an incomplete one;
// false when a frame is not an answer.
inline bool TakeSoundAnswers(std::string& bytes, std::vector<SoundAnswer>& answers) {
    for (;;) {
        std::uint32_t length = 0;
        if (bytes.size() < sizeof length) {
            return true;
        }
        std::memcpy(&length, bytes.data(), sizeof length);
        if (bytes.size() < sizeof length + length) {
            return true;
        }
        std::int64_t head[5] = {};
        const std::string body = bytes.substr(sizeof length, length);
        bytes.erase(0, sizeof length + length);
        if (body.size() < sizeof head + 2 || body.back() != '\0') {
            return false;
        }
        std::memcpy(head, body.data(), sizeof head);
        const std::string texts = body.substr(sizeof head);
        const std::size_t split = texts.find('\0');
        if (head[2] < 0 || head[2] > static_cast<std::int64_t>(MediaMode::Open)) {
            return false;
        }
        SoundAnswer answer;
        answer.request = static_cast<std::uint32_t>(head[0]);
        answer.errorCode = static_cast<std::int32_t>(head[1]);
        answer.mode = static_cast<MediaMode>(head[2]);
        answer.raised = head[3] != 0;
        answer.window = static_cast<std::uint64_t>(head[4]);
        answer.errorText = texts.substr(0, split);
        answer.raisedText = texts.substr(split + 1, texts.size() - split - 2);
        answers.push_back(answer);
    }
}

} // namespace vorlane::win32
