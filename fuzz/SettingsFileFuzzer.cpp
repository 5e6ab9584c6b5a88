// The settings reader on any bytes, and on any text written in every encoding it reads with
// every kind of line end. The ANSI code page stands in as Latin-1 here; the platform supplies
// the real one.
//
// Invariants, for any bytes: no crash and no sanitizer report; a sound file path is valid
// UTF-8 without CR or LF; a window position only with a sound file; writing what was read and
// reading that again gives the same path and position; a copy's changes merged into the bytes
// give three CR LF lines with a mark, the changed lines as given and the others as read before.
// For a text (valid UTF-8, read as lines at LF): written as UTF-8, UTF-16 little- and
// big-endian with their marks, and as ANSI when it fits and begins with no mark, each with
// CR LF, LF or CR line ends, ended or not, every file reads alike: the first line is the
// sound file, and lines 2 and 3 are the position when both are 32-bit integers.
#include "core/SettingsFile.h"
#include "core/StrictInt.h"
#include "core/TextDecoding.h"
#include "fuzz/FuzzChecks.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

using vorlane::ScreenPoint;
using vorlane::SettingsFileContent;
using vorlane::fuzz::DecodeCharacters;
using vorlane::fuzz::DecodedCharacter;
using vorlane::fuzz::Require;

SettingsFileContent Read(std::string_view bytes) {
    return vorlane::ParseSettingsFile(bytes, vorlane::Latin1ToUtf8);
}

bool SamePosition(const std::optional<ScreenPoint>& a, const std::optional<ScreenPoint>& b) {
    return a.has_value() == b.has_value() && (!a || (a->left == b->left && a->top == b->top));
}

// A copy's changes put into whatever file is there: the result is a file of three lines in
// the written layout, the changed lines read as given and every other line as it read before.
void CheckMerge(std::string_view bytes, const SettingsFileContent& before) {
    const std::string soundBefore = before.soundFile.value_or("");
    const ScreenPoint moved{-3, 2147483647};
    const std::string chosen = "C:\\Kl\xC3\xA4nge\\Gong.mp3";
    for (int changed = 0; changed < 4; ++changed) {
        vorlane::SettingsChanges changes;
        if ((changed & 1) != 0) {
            changes.soundFile = chosen;
        }
        if ((changed & 2) != 0) {
            changes.windowPosition = moved;
        }
        const std::string merged =
            vorlane::MergeSettingsFile(bytes, vorlane::Latin1ToUtf8, changes);
        Require(merged.starts_with("\xEF\xBB\xBF") && merged.ends_with("\r\n"),
                "a merged file has the mark and ends its last line");
        std::size_t lineEnds = 0;
        for (std::size_t at = merged.find('\n'); at != std::string::npos;
             at = merged.find('\n', at + 1)) {
            Require(at > 0 && merged[at - 1] == '\r', "a merged file's lines end in CR LF");
            ++lineEnds;
        }
        Require(lineEnds == 3, "a merged file has three lines");
        const SettingsFileContent after = Read(merged);
        Require(after.soundFile == (changes.soundFile ? chosen : soundBefore),
                "the merged sound line is the chosen one or the one that was there");
        Require(SamePosition(after.windowPosition, changes.windowPosition ? changes.windowPosition
                                                                          : before.windowPosition),
                "the merged place is the new one or the one that was there");
    }
}

void CheckAnyBytes(std::string_view bytes) {
    const SettingsFileContent content = Read(bytes);
    CheckMerge(bytes, content);
    if (!content.soundFile) {
        Require(!content.windowPosition, "a position only with a sound file");
        return;
    }
    const std::string& path = *content.soundFile;
    Require(vorlane::fuzz::IsValidUtf8(path), "the path is valid UTF-8");
    Require(path.find_first_of("\r\n") == std::string::npos, "the path is one line");
    const ScreenPoint position = content.windowPosition.value_or(ScreenPoint{-7, 12});
    const SettingsFileContent again = Read(vorlane::FormatSettingsFile(path, position));
    Require(again.soundFile == path, "the path written and read again");
    Require(SamePosition(again.windowPosition, position), "the position written and read again");
}

enum class Encoding { Utf8, Utf16LittleEndian, Utf16BigEndian, Ansi };

// The text in an encoding with its mark; none when ANSI cannot hold it or would look marked.
std::optional<std::string> Encode(const std::vector<DecodedCharacter>& characters,
                                  std::string_view text, Encoding encoding) {
    if (encoding == Encoding::Utf8) {
        return "\xEF\xBB\xBF" + std::string(text);
    }
    std::string bytes;
    if (encoding == Encoding::Ansi) {
        for (const DecodedCharacter& character : characters) {
            if (character.codePoint > 0xFF) {
                return std::nullopt;
            }
            bytes += static_cast<char>(character.codePoint);
        }
        const bool looksMarked = bytes.starts_with("\xEF\xBB\xBF") ||
                                 bytes.starts_with("\xFF\xFE") || bytes.starts_with("\xFE\xFF");
        return looksMarked ? std::nullopt : std::optional<std::string>(bytes);
    }
    const bool big = encoding == Encoding::Utf16BigEndian;
    const auto put = [&bytes, big](std::uint32_t unit) {
        const auto high = static_cast<char>(unit >> 8);
        const auto low = static_cast<char>(unit & 0xFF);
        bytes += big ? high : low;
        bytes += big ? low : high;
    };
    put(0xFEFF);
    for (const DecodedCharacter& character : characters) {
        const std::uint32_t value = character.codePoint;
        if (value > 0xFFFF) {
            put(0xD800 + ((value - 0x10000) >> 10));
            put(0xDC00 + ((value - 0x10000) & 0x3FF));
        } else {
            put(value);
        }
    }
    return bytes;
}

// Lines of a text at LF; a CR is dropped so that it cannot make a line of its own.
std::vector<std::string> LinesOf(std::string_view text) {
    std::vector<std::string> lines;
    if (text.empty()) {
        return lines;
    }
    lines.emplace_back();
    for (const char c : text) {
        if (c == '\n') {
            lines.emplace_back();
        } else if (c != '\r') {
            lines.back() += c;
        }
    }
    return lines;
}

void CheckEveryEncoding(std::string_view input) {
    if (!vorlane::fuzz::IsValidUtf8(input)) {
        return;
    }
    const std::vector<std::string> lines = LinesOf(input);
    std::optional<std::string> expectedPath;
    std::optional<ScreenPoint> expectedPosition;
    if (!lines.empty()) {
        expectedPath = lines[0];
    }
    if (lines.size() >= 3) {
        const auto left = vorlane::StrToIntStrict(lines[1]);
        const auto top = vorlane::StrToIntStrict(lines[2]);
        if (left && top) {
            expectedPosition = ScreenPoint{*left, *top};
        }
    }
    for (const char* lineEnd : {"\r\n", "\n", "\r"}) {
        for (const bool ended : {true, false}) {
            // Without an end, a last empty line would vanish and the file say less.
            if (!ended && (lines.empty() || lines.back().empty())) {
                continue;
            }
            std::string text;
            for (std::size_t i = 0; i < lines.size(); ++i) {
                text += lines[i];
                if (ended || i + 1 < lines.size()) {
                    text += lineEnd;
                }
            }
            const std::vector<DecodedCharacter> characters = DecodeCharacters(text);
            for (const Encoding encoding : {Encoding::Utf8, Encoding::Utf16LittleEndian,
                                            Encoding::Utf16BigEndian, Encoding::Ansi}) {
                const std::optional<std::string> bytes = Encode(characters, text, encoding);
                if (!bytes) {
                    continue;
                }
                const SettingsFileContent content = Read(*bytes);
                Require(content.soundFile == expectedPath, "the first line is the sound file");
                Require(SamePosition(content.windowPosition, expectedPosition),
                        "lines 2 and 3 are the position");
            }
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input = vorlane::fuzz::AsText(data, size);
    CheckAnyBytes(input);
    CheckEveryEncoding(input);
    return 0;
}
