#include "core/Snap.h"

#include <cstdint>

namespace vorlane {

namespace {

std::int64_t Distance(std::int64_t a, std::int64_t b) {
    return a > b ? a - b : b - a;
}

// The start of a window of the given size along one axis after snapping to an area. In 64
// bits, since a proposed rectangle far off the screen must not overflow.
int SnappedStart(int start, int size, int areaStart, int areaSize, int snapDistance) {
    const std::int64_t nearStart = Distance(start, areaStart);
    const std::int64_t nearEnd =
        Distance(std::int64_t{start} + size, std::int64_t{areaStart} + areaSize);
    const bool snapsToStart = nearStart <= snapDistance;
    const bool snapsToEnd = nearEnd <= snapDistance;
    if (snapsToStart && (!snapsToEnd || nearStart <= nearEnd)) {
        return areaStart;
    }
    if (snapsToEnd) {
        return static_cast<int>(std::int64_t{areaStart} + areaSize - size);
    }
    return start;
}

} // namespace

ScreenRect SnapToWorkArea(ScreenRect proposed, ScreenRect workArea, int snapDistance) {
    return ScreenRect{
        SnappedStart(proposed.left, proposed.width, workArea.left, workArea.width, snapDistance),
        SnappedStart(proposed.top, proposed.height, workArea.top, workArea.height, snapDistance),
        proposed.width, proposed.height};
}

} // namespace vorlane
