#include "core/SettingsFile.h"

#include "core/StrictInt.h"

#include <cstdint>
#include <vector>

namespace vorlane {

namespace {

constexpr std::size_t kLineCount = 3;

// The first lines of a text, at most maxLines. A line ends at CR LF, a lone CR or a lone LF;
// a line end at the very end of the text starts no further line.
std::vector<std::string_view> FirstLines(std::string_view text, std::size_t maxLines) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    while (start < text.size() && lines.size() < maxLines) {
        const std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            lines.push_back(text.substr(start));
            break;
        }
        lines.push_back(text.substr(start, end - start));
        const bool crLf = text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n';
        start = end + (crLf ? 2 : 1);
    }
    return lines;
}

} // namespace

SettingsFileContent ParseSettingsFile(std::string_view bytes, const AnsiToUtf8& ansiToUtf8) {
    SettingsFileContent content;
    if (bytes.size() > kSettingsFileMaxBytes) {
        return content;
    }
    const std::string text = DecodeText(bytes, ansiToUtf8);
    const std::vector<std::string_view> lines = FirstLines(text, kLineCount);
    if (lines.empty()) {
        return content;
    }
    content.soundFile = std::string(lines[0]);
    if (lines.size() < kLineCount) {
        return content;
    }
    const std::optional<std::int32_t> left = StrToIntStrict(lines[1]);
    const std::optional<std::int32_t> top = StrToIntStrict(lines[2]);
    if (left && top) {
        content.windowPosition = ScreenPoint{*left, *top};
    }
    return content;
}

namespace {

std::string ThreeLines(std::string_view first, std::string_view second, std::string_view third) {
    std::string bytes = "\xEF\xBB\xBF";
    for (const std::string_view line : {first, second, third}) {
        bytes += line;
        bytes += "\r\n";
    }
    return bytes;
}

} // namespace

std::string FormatSettingsFile(std::string_view soundFile, ScreenPoint windowPosition) {
    return ThreeLines(soundFile, std::to_string(windowPosition.left),
                      std::to_string(windowPosition.top));
}

std::string MergeSettingsFile(std::string_view current, const AnsiToUtf8& ansiToUtf8,
                              const SettingsChanges& changes) {
    const std::string text =
        current.size() > kSettingsFileMaxBytes ? std::string() : DecodeText(current, ansiToUtf8);
    std::vector<std::string> lines;
    for (const std::string_view line : FirstLines(text, kLineCount)) {
        lines.emplace_back(line);
    }
    lines.resize(kLineCount);
    if (changes.soundFile) {
        lines[0] = *changes.soundFile;
    }
    if (changes.windowPosition) {
        lines[1] = std::to_string(changes.windowPosition->left);
        lines[2] = std::to_string(changes.windowPosition->top);
    }
    return ThreeLines(lines[0], lines[1], lines[2]);
}

} // namespace vorlane
