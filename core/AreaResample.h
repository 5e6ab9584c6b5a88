#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace vorlane {

// A picture of premultiplied 32-bit pixels (four 8-bit channels), rows top-down.
struct PixelGrid {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;
};

// The picture at another size, each new pixel the average of the source area it covers, each
// source pixel weighted by the part of it inside that area. A reduction keeps every line and
// edge as sharp as the new size allows (no pixel is skipped, none blurred across more than it
// covers); premultiplied channels average without dark fringes. Empty for an empty size.
PixelGrid ResampleByArea(std::span<const std::uint32_t> pixels, int width, int height, int newWidth,
                         int newHeight);

} // namespace vorlane
