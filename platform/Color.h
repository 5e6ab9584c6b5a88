#pragma once
#include <cstdint>

namespace vorlane {

// A colour as red, green and blue; the native layer turns it into its own value.
struct Color {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    friend bool operator==(const Color&, const Color&) = default;
};

inline constexpr Color kWhite{255, 255, 255};
inline constexpr Color kBlack{0, 0, 0};
inline constexpr Color kGrey{128, 128, 128};

} // namespace vorlane
