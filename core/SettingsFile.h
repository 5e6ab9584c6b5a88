#pragma once

#include "core/Placement.h"
#include "core/TextDecoding.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace vorlane {

// The largest settings file that is read; a larger one is left alone like an unreadable one.
// A caller that stops reading early reads one byte more than this, so that a larger file is
// still recognised.
inline constexpr std::size_t kSettingsFileMaxBytes = 1024 * 1024;

// What a settings file gives, as far as it could be read; or what one copy of the program
// changed during its run, nothing where it changed nothing. The file's lines, field by field,
// are listed once in SettingsFile.cpp: reading, writing and merging all go by that list.
struct SettingsFileContent {
    // Line 1, the alarm sound file, verbatim. None when the file is empty or too large, so
    // the sound file chosen so far stays.
    std::optional<std::string> soundFile;
    // Lines 2 and 3, the window's left and top edges as stored, before the screen check.
    // None unless both lines are there and both are 32-bit integers.
    std::optional<ScreenPoint> windowPosition;
};

// Reads the bytes of a settings file: decoded by its byte-order mark (see DecodeText), split
// into lines at CR LF, a lone CR or a lone LF, a last line without a line end included.
SettingsFileContent ParseSettingsFile(std::string_view bytes, const AnsiToUtf8& ansiToUtf8);

// The bytes of a settings file: the UTF-8 byte-order mark, then the sound file path and the
// window's left and top edges in decimal, each line ended by CR LF.
std::string FormatSettingsFile(std::string_view soundFile, ScreenPoint windowPosition);

using SettingsChanges = SettingsFileContent;

// The bytes of the settings file once these changes are put into the file that is there now,
// so that what other copies of the program wrote meanwhile stays: every line that did not
// change keeps the text it has there (decoded as reading decodes it), a line the file lacks is
// written empty, and the result has the layout FormatSettingsFile gives. A file too large to
// be read counts as empty.
std::string MergeSettingsFile(std::string_view current, const AnsiToUtf8& ansiToUtf8,
                              const SettingsChanges& changes);

} // namespace vorlane
