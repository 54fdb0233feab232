#include "ui/livepreview/desktopzoom.h"

#include <algorithm>

double TDesktopZoom::FactorFor(int paneWidth)
{
    // The browser takes no factor below a quarter.
    return std::clamp(double(paneWidth) / kLeastLayoutWidth, 0.25, 1.0);
}
