#pragma once

#include <cstddef>
#include <string_view>

namespace vorlane {

// The first maxCharacters characters of a UTF-8 text, counting code points, so a cut never
// falls inside the bytes of one character. A shorter text is returned whole.
std::string_view Utf8Prefix(std::string_view text, std::size_t maxCharacters);

} // namespace vorlane
