#include "core/Utf8Prefix.h"

namespace vorlane {

namespace {

// Continuation bytes (10xxxxxx) belong to the character whose lead byte came before.
bool IsContinuationByte(char c) {
    return (static_cast<unsigned char>(c) & 0xC0u) == 0x80u;
}

} // namespace

std::string_view Utf8Prefix(std::string_view text, std::size_t maxCharacters) {
    std::size_t characters = 0;
    for (std::size_t pos = 0; pos < text.size(); ++pos) {
        if (!IsContinuationByte(text[pos])) {
            if (characters == maxCharacters) {
                return text.substr(0, pos);
            }
            ++characters;
        }
    }
    return text;
}

} // namespace vorlane
