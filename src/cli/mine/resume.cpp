#include "cli/mine/resume.h"

#include "common/input_file.h"
#include "common/message_text.h"
#include "list/filters.h"
#include "list/keyword_list.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QStringDecoder>

namespace vantorix::cli {

namespace {

QString floored(const QString &text)
{
    return QString::number(list::parseFlooredNumber(text).value_or(0));
}

// The --seen keywords in short: how many, and a digest of them.
QString digest(const QStringList &keywords)
{
    const QByteArray hash = QCryptographicHash::hash(keywords.join(QLatin1Char('\n')).toUtf8(),
                                                     QCryptographicHash::Sha256);
    return QStringLiteral("%1 keywords (%2)")
        .arg(keywords.size())
        .arg(QString::fromLatin1(hash.toHex().left(12)));
}

QList<mining::RunSetting> runSettings(const mining::MiningInput &input,
                                      const mining::FetchPolicy &policy, const QString &layout)
{
    QList<mining::RunSetting> settings{
        {QStringLiteral("seed"), input.seed},
        {QStringLiteral("--source"), mining::sourceName(input.source)},
        {QStringLiteral("--expand"), mining::expansionName(input.expansion)},
        {QStringLiteral("--limit"), floored(input.limitText)},
        {QStringLiteral("--longer-than"), floored(input.minLengthText)},
        {QStringLiteral("--max-failures"), QString::number(policy.maxFailuresInARow)},
        {QStringLiteral("--layout"), layout}};
    // Left out when not given, so that a difference reads "(none)".
    if (input.filterText != mining::kFilterOff)
        settings.append({QStringLiteral("--contains"), input.filterText});
    if (input.maxQueries > 0)
        settings.append({QStringLiteral("--max-queries"), QString::number(input.maxQueries)});
    if (!input.knownKeywords.isEmpty())
        settings.append({QStringLiteral("--seen"), digest(input.knownKeywords)});
    return settings;
}

} // namespace

Result<QStringList> readSeenFile(const QString &path, TextEncoding encoding)
{
    Result<QByteArray> read = readInputFile(path, kMaxSeenFileBytes);
    if (!read)
        return failure(
            QCoreApplication::translate("mine", "--seen %1: %2").arg(path, read.error()));
    QByteArray bytes = std::move(read).value();
    QString text;
    if (encoding == TextEncoding::Gbk) {
        text = QStringDecoder(list::kGbkCodec).decode(bytes);
    } else {
        if (bytes.startsWith("\xEF\xBB\xBF"))
            bytes.remove(0, 3);
        text = QString::fromUtf8(bytes);
    }
    QStringList keywords = list::splitLines(text);
    keywords.removeAll(QString());
    return keywords;
}

Result<std::shared_ptr<QLockFile>> lockStateFile(const QString &path)
{
    auto lock = std::make_shared<QLockFile>(path + QStringLiteral(".lock"));
    lock->setStaleLockTime(0); // stale only when its process is gone
    if (lock->tryLock(0))
        return lock;
    if (lock->error() == QLockFile::LockFailedError) {
        qint64 pid = 0;
        QString host, application;
        lock->getLockInfo(&pid, &host, &application);
        return failure(QCoreApplication::translate(
                           "mine", "--state %1 is in use by another run (process %2 on %3); "
                                   "one run at a time per state file")
                           .arg(path)
                           .arg(pid)
                           .arg(host));
    }
    return failure(QCoreApplication::translate(
                       "mine", "--state %1: cannot create files in its folder (%2.lock)")
                       .arg(path, path));
}

Result<MineResume> prepareResume(const QString &path, const mining::MiningInput &input,
                                 const mining::FetchPolicy &policy, const QString &layout,
                                 const QList<mining::RunSetting> &output,
                                 const mining::HarvestReader &harvests)
{
    MineResume resume{path, runSettings(input, policy, layout) + output, std::nullopt, -1, harvests,
                      {}};
    // Settings are compared first: the output is read back as they say.
    std::optional<mining::SettingDifference> differs;
    const auto sameSettings = [&](const QList<mining::RunSetting> &saved) -> Result<> {
        differs = mining::firstDifference(saved, resume.settings);
        return differs ? failure(differs->name) : Result<>();
    };
    Result<std::optional<mining::SavedRun>> saved =
        mining::loadSavedRun(path, harvests, sameSettings);
    if (differs)
        return failure(
            QCoreApplication::translate("mine",
                                        "--state %1 holds a run with %2 %3; this run has %2 %4")
                .arg(path, differs->name, clipped(differs->saved), clipped(differs->given)));
    if (!saved)
        return failure(
            QCoreApplication::translate("mine", "--state %1: %2").arg(path, saved.error()));
    if (!*saved)
        return resume;
    resume.from = (*saved)->checkpoint;
    resume.committed = (*saved)->committed;
    return resume;
}

} // namespace vantorix::cli
