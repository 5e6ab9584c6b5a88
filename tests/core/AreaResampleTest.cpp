#include "core/AreaResample.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace vorlane {
namespace {

constexpr std::uint32_t kWhite = 0xFFFFFFFF;
constexpr std::uint32_t kBlack = 0xFF000000;
constexpr std::uint32_t kClear = 0x00000000;

TEST(ResampleByArea, HalvingAveragesEachBlockOfFour) {
    // Four 2 x 2 blocks: all white, all black, half white, one clear pixel of four.
    const std::vector<std::uint32_t> source = {
        kWhite, kWhite, kBlack, kBlack, kWhite, kBlack, kClear, kWhite, //
        kWhite, kWhite, kBlack, kBlack, kWhite, kBlack, kWhite, kWhite,
    };
    const PixelGrid half = ResampleByArea(source, 8, 2, 4, 1);
    ASSERT_EQ(half.width, 4);
    ASSERT_EQ(half.height, 1);
    EXPECT_EQ(half.pixels[0], kWhite);
    EXPECT_EQ(half.pixels[1], kBlack);
    EXPECT_EQ(half.pixels[2], 0xFF808080U); // 127.5 rounds up
    EXPECT_EQ(half.pixels[3], 0xBFBFBFBFU); // premultiplied: three quarters of white
}

TEST(ResampleByArea, ThreeQuartersWeighsThePartsOfPixelsEachNewPixelCovers) {
    // Four columns to three: the middle new pixel covers the second and third halves.
    const std::vector<std::uint32_t> source = {kBlack, kWhite, kBlack, kWhite};
    const PixelGrid grid = ResampleByArea(source, 4, 1, 3, 1);
    ASSERT_EQ(grid.pixels.size(), 3U);
    // First: 1 black and 1/3 white over 4/3 pixels: white is a quarter: 63.75 -> 64.
    EXPECT_EQ(grid.pixels[0], 0xFF404040U);
    EXPECT_EQ(grid.pixels[1], 0xFF808080U);
    EXPECT_EQ(grid.pixels[2], 0xFFBFBFBFU);
}

TEST(ResampleByArea, TheSameSizeAndDoublingKeepEveryPixel) {
    const std::vector<std::uint32_t> source = {kWhite, kBlack, kClear, 0x80402010U};
    EXPECT_EQ(ResampleByArea(source, 2, 2, 2, 2).pixels, source);
    const PixelGrid doubled = ResampleByArea(source, 2, 2, 4, 4);
    EXPECT_EQ(doubled.pixels[0], kWhite);
    EXPECT_EQ(doubled.pixels[5], kWhite);
    EXPECT_EQ(doubled.pixels[3], kBlack);
    EXPECT_EQ(doubled.pixels[15], 0x80402010U);
}

TEST(ResampleByArea, NothingForAnEmptyOrShortPicture) {
    const std::vector<std::uint32_t> source = {kWhite, kWhite};
    EXPECT_TRUE(ResampleByArea(source, 2, 1, 0, 1).pixels.empty());
    EXPECT_TRUE(ResampleByArea(source, 2, 2, 1, 1).pixels.empty());
}

} // namespace
} // namespace vorlane
