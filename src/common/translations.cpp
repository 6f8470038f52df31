#include "common/translations.h"

#include <QCoreApplication>
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
}

} // namespace vantorix
