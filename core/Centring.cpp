#include "core/Centring.h"

#include "core/DateTime.h"

namespace vorlane {

int CentredStart(int screenSize, int windowSize) {
    return RoundHalfEven(screenSize / 2.0 - windowSize / 2.0);
}

ScreenPoint CentredOnScreen(ScreenSize screen, ScreenSize window) {
    return ScreenPoint{CentredStart(screen.width, window.width),
                       CentredStart(screen.height, window.height)};
}

} // namespace vorlane
