#include "app/window_placement.h"

#include <algorithm>

namespace vantorix::app {

QPoint centredTopLeft(QSize outer, const QRect &screen, const QRect &available)
{
    const int left = screen.x() + (screen.width() - outer.width()) / 2;
    const int top = screen.y() + (screen.height() - outer.height()) / 2;
    return {std::max(left, available.left()), std::max(top, available.top())};
}

} // namespace vantorix::app
