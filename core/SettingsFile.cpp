#include "core/SettingsFile.h"

#include "core/StrictInt.h"

#include <cstdint>
#include <iterator>
#include <span>
#include <utility>
#include <vector>

namespace vorlane {

namespace {

// One field of the file: the lines it takes, how it is read from them and how it is written
// into them.
struct SettingsField {
    std::size_t firstLine;
    std::size_t lineCount;
    // Takes the field from its lines, all of which are there; where they do not read as the
    // field, it stays unknown.
    void (*read)(std::span<const std::string_view> lines, SettingsFileContent& into);
    // Writes the field into its lines where it is known; leaves them alone where not.
    void (*write)(const SettingsFileContent& from, std::span<std::string> lines);
};

// The fields in the order of their lines: three positional lines, which stored files and
// older copies of the program running beside a newer one rely on.
constexpr SettingsField kFields[] = {
    {.firstLine = 0,
     .lineCount = 1,
     .read = [](std::span<const std::string_view> lines,
                SettingsFileContent& into) { into.soundFile = std::string(lines[0]); },
     .write =
         [](const SettingsFileContent& from, std::span<std::string> lines) {
             if (from.soundFile) {
                 lines[0] = *from.soundFile;
             }
         }},
    {.firstLine = 1,
     .lineCount = 2,
     .read =
         [](std::span<const std::string_view> lines, SettingsFileContent& into) {
             const std::optional<std::int32_t> left = StrToIntStrict(lines[0]);
             const std::optional<std::int32_t> top = StrToIntStrict(lines[1]);
             if (left && top) {
                 into.windowPosition = ScreenPoint{*left, *top};
             }
         },
     .write =
         [](const SettingsFileContent& from, std::span<std::string> lines) {
             if (from.windowPosition) {
                 lines[0] = std::to_string(from.windowPosition->left);
                 lines[1] = std::to_string(from.windowPosition->top);
             }
         }},
};

// The lines up to the end of the last field.
constexpr std::size_t kLineCount =
    std::end(kFields)[-1].firstLine + std::end(kFields)[-1].lineCount;

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

// The file's bytes: the UTF-8 byte-order mark, then every line ended by CR LF, each field
// written over the lines given.
std::string WrittenFile(std::vector<std::string> lines, const SettingsFileContent& fields) {
    lines.resize(kLineCount);
    for (const SettingsField& field : kFields) {
        field.write(fields, std::span(lines).subspan(field.firstLine, field.lineCount));
    }
    std::string bytes = "\xEF\xBB\xBF";
    for (const std::string& line : lines) {
        bytes += line;
        bytes += "\r\n";
    }
    return bytes;
}

} // namespace

SettingsFileContent ParseSettingsFile(std::string_view bytes, const AnsiToUtf8& ansiToUtf8) {
    SettingsFileContent content;
    if (bytes.size() > kSettingsFileMaxBytes) {
        return content;
    }
    const std::string text = DecodeText(bytes, ansiToUtf8);
    const std::vector<std::string_view> lines = FirstLines(text, kLineCount);
    for (const SettingsField& field : kFields) {
        if (lines.size() >= field.firstLine + field.lineCount) {
            field.read(std::span(lines).subspan(field.firstLine, field.lineCount), content);
        }
    }
    return content;
}

std::string FormatSettingsFile(std::string_view soundFile, ScreenPoint windowPosition) {
    return WrittenFile({}, SettingsFileContent{std::string(soundFile), windowPosition});
}

std::string MergeSettingsFile(std::string_view current, const AnsiToUtf8& ansiToUtf8,
                              const SettingsChanges& changes) {
    const std::string text =
        current.size() > kSettingsFileMaxBytes ? std::string() : DecodeText(current, ansiToUtf8);
    std::vector<std::string> lines;
    for (const std::string_view line : FirstLines(text, kLineCount)) {
        lines.emplace_back(line);
    }
    return WrittenFile(std::move(lines), changes);
}

} // namespace vorlane
