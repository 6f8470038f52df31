#pragma once

class QCoreApplication;
class QString;

namespace vantorix {

// The program's own texts in Chinese when the system's language is Chinese;
// otherwise they stay in English, the language they are written in. Call it
// once the application object exists and before any text is shown.
void installTranslations(QCoreApplication &app);

// Qt's own catalogue `name` in Chinese, from the translations installed with
// Qt ("qt" pulls in every module's, "qtbase" the core's); nothing where the
// system has none.
void installQtCatalogue(QCoreApplication &app, const QString &name);

} // namespace vantorix
