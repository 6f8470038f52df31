#include "app/qt_translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace vantorix::app {

void installQtTranslations(QCoreApplication &app)
{
    auto *translator = new QTranslator(&app);
    // "qt" names the catalogue that pulls in each module's own catalogue.
    if (translator->load(QLocale(QLocale::Chinese, QLocale::China), QStringLiteral("qt"),
                         QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
}

} // namespace vantorix::app
