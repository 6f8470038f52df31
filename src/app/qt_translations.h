#pragma once

class QCoreApplication;

namespace vantorix::app {

// Qt's own texts (the file dialog's buttons and labels) in Chinese, from the
// translations installed with Qt, to match the window.
void installQtTranslations(QCoreApplication &app);

} // namespace vantorix::app
