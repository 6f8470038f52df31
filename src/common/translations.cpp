#include "common/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace vantorix {

void installTranslations(QCoreApplication &app)
{
    // Any Chinese locale reads Simplified Chinese better than English.
    if (QLocale::system().language() != QLocale::Chinese)
        return;
    auto *translator = new QTranslator(&app);
    // The catalogue is built into the program (see src/common/CMakeLists.txt);
    // a build without the Linguist tools has none and stays in English.
    if (translator->load(QStringLiteral(":/i18n/vantorix_zh_CN.qm")))
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
    // Qt's own texts that reach our messages (a refused connection, a host
    // not found).
    installQtCatalogue(app, QStringLiteral("qtbase"));
}

void installQtCatalogue(QCoreApplication &app, const QString &name)
{
    auto *translator = new QTranslator(&app);
    if (translator->load(QLocale(QLocale::Chinese, QLocale::China), name, QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
}

} // namespace vantorix
