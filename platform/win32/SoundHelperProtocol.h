#pragma once
// What the program and its sound helper tell each other. The helper is the program's own exe,
// started with kSoundHelperArgument, the program's message window (its handle as a number), the
// program's process id and the sound file. It opens the file and answers; then it takes the
// program's requests as posted messages and answers each, and tells the sound's end, both with
// WM_COPYDATA sent to the program's window.
#include "platform/MediaPlayer.h"

#include <windows.h>

#include <cstdint>
#include <cstring>
#include <optional>
#include <string>

namespace vorlane::win32 {

inline constexpr wchar_t kSoundHelperArgument[] = L"--vorlane-sound-device";

// A request to the helper: wParam the command, lParam its number.
inline constexpr UINT kSoundRequest = WM_APP + 0x53;
enum class SoundCommand : WPARAM { Play = 1, Pause, Stop, Rewind, Close };

// The kinds of what the helper sends (COPYDATASTRUCT::dwData).
inline constexpr ULONG_PTR kSoundAnswer = 0x564C5341; // the answer to a request
inline constexpr ULONG_PTR kSoundEnded = 0x564C5345;  // the sound played to its end
// The number of the answer to the opening, which comes unasked.
inline constexpr std::uint32_t kOpeningRequest = 0;

// One answer: the device's error code and mode after the request, and whether the request
// raised, with the device's error text and what it raised.
struct SoundAnswer {
    std::uint32_t request = 0;
    std::int32_t errorCode = 0;
    MediaMode mode = MediaMode::NoDevice;
    bool raised = false;
    std::string errorText;
    std::string raisedText;
};

// The bytes of an answer: four 32-bit numbers, then both texts, each ended by a zero byte.
inline std::string EncodeSoundAnswer(const SoundAnswer& answer) {
    const std::int32_t head[4] = {static_cast<std::int32_t>(answer.request), answer.errorCode,
                                  static_cast<std::int32_t>(answer.mode), answer.raised ? 1 : 0};
    std::string bytes(reinterpret_cast<const char*>(head), sizeof head);
    bytes += answer.errorText;
    bytes += '\0';
    bytes += answer.raisedText;
    bytes += '\0';
    return bytes;
}

inline std::optional<SoundAnswer> DecodeSoundAnswer(const void* data, std::size_t size) {
    std::int32_t head[4] = {};
    if (data == nullptr || size < sizeof head + 2) {
        return std::nullopt;
    }
    const char* bytes = static_cast<const char*>(data);
    std::memcpy(head, bytes, sizeof head);
    const std::string texts(bytes + sizeof head, size - sizeof head);
    const std::size_t split = texts.find('\0');
    if (split == std::string::npos || texts.back() != '\0' || head[2] < 0 ||
        head[2] > static_cast<std::int32_t>(MediaMode::Open)) {
        return std::nullopt;
    }
    SoundAnswer answer;
    answer.request = static_cast<std::uint32_t>(head[0]);
    answer.errorCode = head[1];
    answer.mode = static_cast<MediaMode>(head[2]);
    answer.raised = head[3] != 0;
    answer.errorText = texts.substr(0, split);
    answer.raisedText = texts.substr(split + 1, texts.size() - split - 2);
    return answer;
}

} // namespace vorlane::win32
