#pragma once

#include <QUrl>

namespace vantorix::app {

// Opens a web address in the system's default browser. Only http and https
// addresses are opened: a page must not get a script or a local file run by
// the system on its behalf.
void openInSystemBrowser(const QUrl &url);

} // namespace vantorix::app
