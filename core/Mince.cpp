#include "core/Mince.h"

#include "core/Utf8Character.h"

#include <vector>

namespace vorlane {

namespace {

// Where each character of a UTF-8 text begins, and how many UTF-16 units it takes.
struct CharacterSpan {
    std::size_t offset;
    std::size_t utf16Units;
};

std::vector<CharacterSpan> CharacterSpans(std::string_view text) {
    std::vector<CharacterSpan> spans;
    for (std::size_t pos = 0; pos < text.size();) {
        const Utf8Character character = Utf8CharacterAt(text, pos);
        spans.push_back(CharacterSpan{pos, character.utf16Units});
        pos += character.bytes;
    }
    return spans;
}

} // namespace

std::string Mince(std::string_view pathToMince, std::size_t inSpace) {
    const std::vector<CharacterSpan> spans = CharacterSpans(pathToMince);
    std::size_t length = 0;
    for (const CharacterSpan& span : spans) {
        length += span.utf16Units;
    }
    if (length <= inSpace) {
        return std::string(pathToMince);
    }
    // Below four units of room the front part is empty rather than of negative length.
    const std::size_t frontUnits = inSpace / 2 >= 2 ? inSpace / 2 - 2 : 0;
    const std::size_t backUnits = frontUnits + 1;

    // The front part ends after the character that reaches frontUnits.
    std::size_t front = 0;
    std::size_t frontEnd = 0;
    while (front < frontUnits) {
        front += spans[frontEnd].utf16Units;
        ++frontEnd;
    }
    // The back part begins with the first character that lies wholly in the last backUnits.
    std::size_t back = 0;
    std::size_t backBegin = spans.size();
    while (backBegin > 0 && back + spans[backBegin - 1].utf16Units <= backUnits) {
        --backBegin;
        back += spans[backBegin].utf16Units;
    }
    const auto offsetOf = [&](std::size_t index) {
        return index < spans.size() ? spans[index].offset : pathToMince.size();
    };
    std::string minced(pathToMince.substr(0, offsetOf(frontEnd)));
    minced += "...";
    minced += pathToMince.substr(offsetOf(backBegin));
    return minced;
}

} // namespace vorlane
