#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace vantorix::app {

// Top-left corner of a window of `outer` size centred on `screen`, moved
// right or down where needed so its title bar stays within `available`.
QPoint centredTopLeft(QSize outer, const QRect &screen, const QRect &available);

} // namespace vantorix::app
