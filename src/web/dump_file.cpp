#include "web/dump_file.h"

#include "list/keyword_list.h"
#include "list/text_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace vantorix::web {

namespace {

Error cannotWrite(const QString &path, const QString &why)
{
    return failure(QCoreApplication::translate("web", "cannot write %1: %2")
                       .arg(QDir::toNativeSeparators(path), why));
}

} // namespace

QString dumpFilePath(const config::Settings &settings)
{
    if (!settings.dumpFile.isEmpty())
        return settings.dumpFile;
#ifdef Q_OS_WIN
    return QStringLiteral("d:\\1.txt");
#else
    // One folder for the window and the command line alike, whatever each
    // program calls itself.
    const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return data + QStringLiteral("/Vantorix/1.txt");
#endif
}

Result<> writeDumpFile(const QString &wordList, const config::Settings &settings)
{
    const QString path = dumpFilePath(settings);
    const QFileInfo info(path);
    const QString folder = info.absolutePath();
    if (settings.dumpFile.isEmpty()) {
        if (!QDir().mkpath(folder))
            return cannotWrite(path,
                               QCoreApplication::translate("web", "cannot create its folder"));
    } else if (!QFileInfo(folder).isDir()) {
        return cannotWrite(path, QCoreApplication::translate("web", "no folder %1")
                                     .arg(QDir::toNativeSeparators(folder)));
    }
    if (const Result<> written =
            list::writeTextFile(path, wordList + list::kSeparator, list::TextEncoding::Gbk);
        !written)
        return cannotWrite(path, written.error());
    return {};
}

} // namespace vantorix::web
