#pragma once

class QCoreApplication;

namespace vantorix {

// The program's own texts in Chinese when the system's language is Chinese;
// otherwise they stay in English, the language they are written in. Call it
// once the application object exists and before any text is shown.
void installTranslations(QCoreApplication &app);

} // namespace vantorix
