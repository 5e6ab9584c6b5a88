// Path shortening on any bytes: the first byte is the room in UTF-16 units, the rest the path.
//
// Invariants: no crash and no sanitizer report; a path that fits is returned as it is; a
// longer one becomes its front, "..." and its back, where the front is the shortest run of
// whole characters from the start with at least room / 2 - 2 units (none below four units of
// room), and the back the longest run of whole characters at the end with at most one unit
// more than that; so a valid UTF-8 path gives valid UTF-8, never longer than the room plus the
// one unit a straddling character may add (four units when the room is smaller than four).
#include "core/Mince.h"
#include "fuzz/FuzzChecks.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using vorlane::fuzz::DecodedCharacter;
    using vorlane::fuzz::Require;
    using vorlane::fuzz::Utf16Units;
    if (size == 0) {
        return 0;
    }
    const std::size_t room = data[0];
    const std::string_view path = vorlane::fuzz::AsText(data + 1, size - 1);
    const std::string minced = vorlane::Mince(path, room);

    const std::vector<DecodedCharacter> characters = vorlane::fuzz::DecodeCharacters(path);
    std::size_t length = 0;
    for (const DecodedCharacter& character : characters) {
        length += Utf16Units(character);
    }
    if (length <= room) {
        Require(minced == path, "a path that fits stays as it is");
        return 0;
    }
    const std::size_t frontUnits = room / 2 >= 2 ? room / 2 - 2 : 0;
    std::size_t frontEnd = 0; // bytes
    for (std::size_t i = 0, units = 0; units < frontUnits; ++i) {
        units += Utf16Units(characters[i]);
        frontEnd = characters[i].offset + characters[i].bytes;
    }
    std::size_t backBegin = path.size(); // bytes
    for (std::size_t i = characters.size(), units = 0;
         i > 0 && units + Utf16Units(characters[i - 1]) <= frontUnits + 1; --i) {
        units += Utf16Units(characters[i - 1]);
        backBegin = characters[i - 1].offset;
    }
    Require(frontEnd <= backBegin, "front and back do not meet");
    const std::string expected =
        std::string(path.substr(0, frontEnd)) + "..." + std::string(path.substr(backBegin));
    Require(minced == expected, "front, three dots and back");
    if (vorlane::fuzz::IsValidUtf8(path)) {
        Require(vorlane::fuzz::IsValidUtf8(minced), "valid text stays valid");
        Require(vorlane::fuzz::Utf16Length(minced) <= (room < 4 ? 4 : room + 1),
                "within the room and one unit");
    }
    return 0;
}
