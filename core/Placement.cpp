#include "core/Placement.h"

#include "core/Centring.h"

namespace vorlane {

namespace {

constexpr int kOffsetRightOfCentre = 360;

} // namespace

ScreenPoint FirstRunPosition(int screenWidth, int screenHeight, int windowWidth, int windowHeight) {
    int left = CentredStart(screenWidth, windowWidth) + kOffsetRightOfCentre;
    if (left > screenWidth - windowWidth) {
        left = screenWidth - windowWidth;
    }
    return ScreenPoint{left, CentredStart(screenHeight, windowHeight)};
}

} // namespace vorlane
