#include "hotwords/dump_file.h"

#include "list/keyword_list.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <QStringEncoder>

namespace vantorix::hotwords {

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

QString writeDumpFile(const QString &wordList, const config::Settings &settings)
{
    const QString path = dumpFilePath(settings);
    const QFileInfo info(path);
    if (!QDir().mkpath(info.absolutePath()))
        return QStringLiteral("cannot create the folder %1").arg(info.absolutePath());
    QStringEncoder encoder("GB18030");
    const QByteArray bytes = encoder.encode(wordList + list::kSeparator);
    QSaveFile file(path);
    file.setDirectWriteFallback(true);
    if (!file.open(QIODevice::WriteOnly))
        return QStringLiteral("cannot write %1: %2").arg(path, file.errorString());
    file.write(bytes);
    if (!file.commit())
        return QStringLiteral("cannot write %1: %2").arg(path, file.errorString());
    return {};
}

} // namespace vantorix::hotwords
