#include "core/ScreenCheck.h"

#include "core/Centring.h"
#include "core/WindowShape.h"

#include <algorithm>
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

// Whether the window, along one axis, reaches beyond the screen.
bool SticksOut(int position, int size, int screenStart, int screenSize) {
    return std::int64_t{position} < screenStart ||
           std::int64_t{position} + size > std::int64_t{screenStart} + screenSize;
}

// The window's pixels [first, last] along one axis that lie on the screen, in window
// coordinates; empty when first > last.
struct Span {
    std::int64_t first;
    std::int64_t last;
};

Span OnScreen(int position, int size, int screenStart, int screenSize) {
    const std::int64_t start = std::int64_t{screenStart} - position;
    return Span{std::max<std::int64_t>(0, start),
                std::min<std::int64_t>(size, start + screenSize) - 1};
}

// The pixel of a span whose centre lies nearest to an ellipse's centre; twice its centre is
// compared, so that everything stays in whole numbers.
std::int64_t NearestTwiceCentre(Span span, std::int64_t twiceEllipseCentre) {
    const std::int64_t pixel =
        std::clamp<std::int64_t>(twiceEllipseCentre / 2, span.first, span.last);
    return 2 * pixel + 1;
}

// Whether any pixel of the round window at `at` lies on the screen rectangle. A pixel counts when
// its centre lies inside the window's ellipse drawn one pixel inside its outline (two at the
// right and bottom, which the window system leaves out), so that a pixel counted here is
// shown however the window system rounds the outline. The ellipse's equation separates by
// axis, so the pixel of the visible rectangle nearest to the centre along each axis on its
// own is the one to test.
bool ShowsAPixel(ScreenPoint at, ScreenSize window, ScreenRect screen) {
    const Span columns = OnScreen(at.left, window.width, screen.left, screen.width);
    const Span rows = OnScreen(at.top, window.height, screen.top, screen.height);
    if (columns.first > columns.last || rows.first > rows.last) {
        return false;
    }
    const WindowEllipse outline = EllipseOf(window);
    const WindowEllipse ellipse{outline.left + 1, outline.top + 1, outline.right - 2,
                                outline.bottom - 2};
    const std::int64_t width = std::int64_t{ellipse.right} - ellipse.left;
    const std::int64_t height = std::int64_t{ellipse.bottom} - ellipse.top;
    const std::int64_t twiceCentreX = std::int64_t{ellipse.left} + ellipse.right;
    const std::int64_t twiceCentreY = std::int64_t{ellipse.top} + ellipse.bottom;
    const std::int64_t dx = NearestTwiceCentre(columns, twiceCentreX) - twiceCentreX;
    const std::int64_t dy = NearestTwiceCentre(rows, twiceCentreY) - twiceCentreY;
    // (dx / width)^2 + (dy / height)^2 <= 1, in whole numbers; the window is small enough
    // for the products to fit.
    return dx * dx * height * height + dy * dy * width * width <= width * width * height * height;
}

// The start along one axis that puts the window inside [areaStart, areaStart + areaSize), as
// near to position as it can; the area's start when the window is larger.
int InsideArea(int position, int size, int areaStart, int areaSize) {
    const std::int64_t last = std::int64_t{areaStart} + areaSize - size;
    return static_cast<int>(
        std::max<std::int64_t>(areaStart, std::min<std::int64_t>(position, last)));
}

} // namespace

bool ShowsAPixelOnAMonitor(ScreenPoint at, ScreenSize window,
                           const std::vector<ScreenRect>& monitors) {
    return std::any_of(monitors.begin(), monitors.end(),
                       [&](const ScreenRect& monitor) { return ShowsAPixel(at, window, monitor); });
}

ScreenPoint KeepOnScreen(ScreenPoint stored, ScreenSize window, ScreenRect virtualScreen,
                         const std::vector<ScreenRect>& monitors, ScreenSize primaryScreen) {
    const int centredLeft = CentredStart(primaryScreen.width, window.width);
    const int centredTop = CentredStart(primaryScreen.height, window.height);
    ScreenPoint at{
        StaysReachable(stored.left, window.width, virtualScreen.left, virtualScreen.width)
            ? stored.left
            : centredLeft,
        StaysReachable(stored.top, window.height, virtualScreen.top, virtualScreen.height)
            ? stored.top
            : centredTop};
    if (!ShowsAPixelOnAMonitor(at, window, monitors)) {
        // The primary screen's top-left corner is where the coordinates start.
        if (SticksOut(at.left, window.width, 0, primaryScreen.width)) {
            at.left = centredLeft;
        }
        if (SticksOut(at.top, window.height, 0, primaryScreen.height)) {
            at.top = centredTop;
        }
    }
    return at;
}

ScreenPoint BringOntoAMonitor(ScreenPoint at, ScreenSize window,
                              const std::vector<ScreenRect>& monitors, ScreenRect workArea) {
    if (ShowsAPixelOnAMonitor(at, window, monitors)) {
        return at;
    }
    return ScreenPoint{InsideArea(at.left, window.width, workArea.left, workArea.width),
                       InsideArea(at.top, window.height, workArea.top, workArea.height)};
}

} // namespace vorlane
