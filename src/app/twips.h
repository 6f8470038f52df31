#pragma once

#include <QtGlobal>
#include <cmath>

namespace vantorix::app {

// Window positions and sizes are designed in twips: 1440 per inch, so 15 per
// pixel at 96 logical dots per inch.
inline constexpr int kTwipsPerInch = 1440;

inline int twipsToPixels(int twips, qreal logicalDpi)
{
    return int(std::lround(twips * logicalDpi / kTwipsPerInch));
}

// Nearest whole twip, a half going to the even neighbour.
inline int pixelsToTwips(int pixels, qreal logicalDpi)
{
    return int(std::nearbyint(pixels * kTwipsPerInch / logicalDpi));
}

} // namespace vantorix::app
