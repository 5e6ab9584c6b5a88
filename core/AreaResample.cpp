#include "core/AreaResample.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace vorlane {

namespace {

struct Share {
    int source;
    double weight;
};

// For each new index along one axis, the source indices it covers and their weights (summing
// to 1).
std::vector<std::vector<Share>> Shares(int size, int newSize) {
    std::vector<std::vector<Share>> shares(static_cast<size_t>(newSize));
    const double step = static_cast<double>(size) / newSize;
    for (int i = 0; i < newSize; ++i) {
        const double start = i * step;
        const double end = (i + 1) * step;
        for (int j = static_cast<int>(start); j < size && j < end; ++j) {
            const double covered = std::min<double>(j + 1, end) - std::max<double>(j, start);
            if (covered > 0) {
                shares[static_cast<size_t>(i)].push_back(Share{j, covered / step});
            }
        }
    }
    return shares;
}

using Channels = std::array<double, 4>;

} // namespace

PixelGrid ResampleByArea(std::span<const std::uint32_t> pixels, int width, int height, int newWidth,
                         int newHeight) {
    PixelGrid grid;
    if (width <= 0 || height <= 0 || newWidth <= 0 || newHeight <= 0 ||
        pixels.size() < static_cast<size_t>(width) * static_cast<size_t>(height)) {
        return grid;
    }
    const auto across = Shares(width, newWidth);
    const auto down = Shares(height, newHeight);
    // Rows first, kept in full precision for the second pass.
    std::vector<Channels> rows(static_cast<size_t>(newWidth) * static_cast<size_t>(height));
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < newWidth; ++x) {
            Channels sum{};
            for (const Share& share : across[static_cast<size_t>(x)]) {
                const std::uint32_t pixel =
                    pixels[static_cast<size_t>(y) * static_cast<size_t>(width) +
                           static_cast<size_t>(share.source)];
                for (int c = 0; c < 4; ++c) {
                    sum[static_cast<size_t>(c)] += ((pixel >> (8 * c)) & 0xFF) * share.weight;
                }
            }
            rows[static_cast<size_t>(y) * static_cast<size_t>(newWidth) + static_cast<size_t>(x)] =
                sum;
        }
    }
    grid.width = newWidth;
    grid.height = newHeight;
    grid.pixels.resize(static_cast<size_t>(newWidth) * static_cast<size_t>(newHeight));
    for (int y = 0; y < newHeight; ++y) {
        for (int x = 0; x < newWidth; ++x) {
            Channels sum{};
            for (const Share& share : down[static_cast<size_t>(y)]) {
                const Channels& row =
                    rows[static_cast<size_t>(share.source) * static_cast<size_t>(newWidth) +
                         static_cast<size_t>(x)];
                for (size_t c = 0; c < 4; ++c) {
                    sum[c] += row[c] * share.weight;
                }
            }
            std::uint32_t pixel = 0;
            for (int c = 0; c < 4; ++c) {
                const long value = std::lround(sum[static_cast<size_t>(c)]);
                pixel |= static_cast<std::uint32_t>(std::clamp(value, 0L, 255L)) << (8 * c);
            }
            grid.pixels[static_cast<size_t>(y) * static_cast<size_t>(newWidth) +
                        static_cast<size_t>(x)] = pixel;
        }
    }
    return grid;
}

} // namespace vorlane
