#pragma once

#include <QIcon>

namespace vantorix::app {

// The window's icon, drawn rather than loaded: a magnifier over a list.
QIcon drawWindowIcon();

} // namespace vantorix::app
