#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace vorlane {

// Shortens a path or file name for a line with room for inSpace UTF-16 units: a longer text
// keeps its first inSpace / 2 - 2 units and its last one more, joined by "...". A character
// above U+FFFF is never split: one that straddles the first cut stays in the front part,
// one that straddles the second cut is left out. Bytes that are not UTF-8 count one unit
// each and are kept as they are.
std::string Mince(std::string_view pathToMince, std::size_t inSpace);

} // namespace vorlane
