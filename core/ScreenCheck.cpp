#include "core/ScreenCheck.h"

#include "core/Centring.h"

#include <cstdint>

namespace vorlane {

namespace {

// Columns or rows that must stay on the virtual screen at its right or bottom side.
constexpr std::int64_t kMarginAtFarSide = 10;

// Whether a window edge at position, of the given size, stays reachable on a virtual screen
// that starts at screenStart and spans screenSize. Both bounds are strict. Computed in 64 bits
// because the stored edge may be any 32-bit value.
bool StaysReachable(int position, int size, int screenStart, int screenSize) {
    const std::int64_t edge = position;
    return std::int64_t{screenStart} - size < edge &&
           edge < std::int64_t{screenStart} + screenSize - kMarginAtFarSide;
}

} // namespace

ScreenPoint KeepOnScreen(ScreenPoint stored, ScreenSize window, ScreenRect virtualScreen,
                         ScreenSize primaryScreen) {
    const int left =
        StaysReachable(stored.left, window.width, virtualScreen.left, virtualScreen.width)
            ? stored.left
            : CentredStart(primaryScreen.width, window.width);
    const int top =
        StaysReachable(stored.top, window.height, virtualScreen.top, virtualScreen.height)
            ? stored.top
            : CentredStart(primaryScreen.height, window.height);
    return ScreenPoint{left, top};
}

} // namespace vorlane
