#include "mining/state_file.h"

#include "common/input_file.h"
#include "list/output_file.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace vantorix::mining {

namespace {

// The first member tells a state file from any other JSON file.
const QString kFormatKey = QStringLiteral("vantorix mining state");
constexpr int kFormatVersion = 1;

QJsonArray stringArray(const QStringList &strings)
{
    QJsonArray array;
    for (const QString &text : strings)
        array.append(text);
    return array;
}

QJsonObject toJson(const SavedRun &run)
{
    QJsonArray settings;
    for (const auto &[name, value] : run.settings)
        settings.append(QJsonArray{name, value});
    const RunCheckpoint &at = run.checkpoint;
    return {{kFormatKey, kFormatVersion},
            {QStringLiteral("settings"), settings},
            {QStringLiteral("generation"), at.generation},
            {QStringLiteral("keywords"), stringArray(at.keywords)},
            {QStringLiteral("position"), at.position},
            {QStringLiteral("nextGeneration"), at.nextGeneration},
            {QStringLiteral("seenList"), at.seenList},
            {QStringLiteral("firstHarvest"), at.firstHarvest},
            {QStringLiteral("firstError"), at.firstError},
            {QStringLiteral("firstBlocked"), at.firstBlocked},
            {QStringLiteral("foundCount"), at.foundCount},
            {QStringLiteral("queriesMade"), at.queriesMade},
            {QStringLiteral("failedQueries"), at.failedQueries},
            {QStringLiteral("stayedBlocked"), at.stayedBlocked},
            {QStringLiteral("failuresInARow"), at.failuresInARow},
            {QStringLiteral("pagesWithoutBlock"), at.pagesWithoutBlock}};
}

// Reads the members of a state object, noting the first that is missing or
// of the wrong kind.
class Reader
{
public:
    explicit Reader(const QJsonObject &object) : m_object(object) {}

    QString text(const char *name) { return take(name, QJsonValue::String).toString(); }
    bool flag(const char *name) { return take(name, QJsonValue::Bool).toBool(); }
    int count(const char *name)
    {
        const QJsonValue value = take(name, QJsonValue::Double);
        const double number = value.toDouble();
        if (m_problem.isEmpty() && (number < 0 || number > 1e9 || number != int(number)))
            m_problem = QStringLiteral("\"%1\" is not a count").arg(QLatin1String(name));
        return int(number);
    }
    QJsonArray array(const char *name) { return take(name, QJsonValue::Array).toArray(); }
    QStringList texts(const char *name)
    {
        QStringList strings;
        for (const QJsonValue item : array(name)) {
            if (!item.isString() && m_problem.isEmpty())
                m_problem = QStringLiteral("\"%1\" holds a non-text").arg(QLatin1String(name));
            strings.append(item.toString());
        }
        return strings;
    }
    QList<RunSetting> settings()
    {
        QList<RunSetting> pairs;
        for (const QJsonValue item : array("settings")) {
            const QJsonArray pair = item.toArray();
            if (pair.size() != 2 || !pair[0].isString() || !pair[1].isString()) {
                if (m_problem.isEmpty())
                    m_problem = QStringLiteral("\"settings\" holds something other than "
                                               "name and value");
                continue;
            }
            pairs.append({pair[0].toString(), pair[1].toString()});
        }
        return pairs;
    }
    const QString &problem() const { return m_problem; }

private:
    QJsonValue take(const char *name, QJsonValue::Type type)
    {
        const QJsonValue value = m_object.value(QLatin1String(name));
        if (value.type() != type && m_problem.isEmpty())
            m_problem =
                QStringLiteral("\"%1\" is missing or of the wrong kind").arg(QLatin1String(name));
        return value;
    }

    const QJsonObject &m_object;
    QString m_problem;
};

} // namespace

Result<> saveRun(const QString &path, const SavedRun &run)
{
    const QByteArray bytes = QJsonDocument(toJson(run)).toJson(QJsonDocument::Compact);
    return list::writeOutputFile(path,
                                 [&bytes](QIODevice &file) { return list::writeAll(file, bytes); });
}

Result<std::optional<SavedRun>> loadSavedRun(const QString &path)
{
    if (!QFile::exists(path))
        return std::optional<SavedRun>();
    const Result<QByteArray> bytes = readInputFile(path, kMaxStateFileBytes);
    if (!bytes)
        return failure(bytes.error());
    Result<SavedRun> run = parseSavedRun(*bytes);
    if (!run)
        return failure(run.error());
    return std::optional<SavedRun>(std::move(run).value());
}

Result<SavedRun> parseSavedRun(const QByteArray &bytes)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (document.isNull())
        return failure(QStringLiteral("not a mining state file, or a damaged one (%1 at byte %2)")
                           .arg(error.errorString())
                           .arg(error.offset));
    const QJsonObject object = document.object();
    if (object.value(kFormatKey).toInt() != kFormatVersion)
        return failure(QStringLiteral("not a mining state file of this version"));
    Reader read(object);
    SavedRun run;
    run.settings = read.settings();
    RunCheckpoint &at = run.checkpoint;
    at.generation = read.count("generation");
    at.keywords = read.texts("keywords");
    at.position = read.count("position");
    at.nextGeneration = read.text("nextGeneration");
    at.seenList = read.text("seenList");
    at.firstHarvest = read.text("firstHarvest");
    at.firstError = read.text("firstError");
    at.firstBlocked = read.flag("firstBlocked");
    at.foundCount = read.count("foundCount");
    at.queriesMade = read.count("queriesMade");
    at.failedQueries = read.count("failedQueries");
    at.stayedBlocked = read.count("stayedBlocked");
    at.failuresInARow = read.count("failuresInARow");
    at.pagesWithoutBlock = read.count("pagesWithoutBlock");
    if (!read.problem().isEmpty())
        return failure(QStringLiteral("a damaged mining state file: ") + read.problem());
    return run;
}

std::optional<SettingDifference> firstDifference(const QList<RunSetting> &saved,
                                                 const QList<RunSetting> &settings)
{
    auto valueIn = [](const QList<RunSetting> &list, const QString &name) {
        for (const auto &[key, value] : list)
            if (key == name)
                return std::optional<QString>(value);
        return std::optional<QString>();
    };
    for (const QList<RunSetting> *side : {&settings, &saved}) {
        for (const RunSetting &setting : *side) {
            const QString &name = setting.first;
            const std::optional<QString> mine = valueIn(settings, name);
            const std::optional<QString> theirs = valueIn(saved, name);
            if (mine != theirs)
                return SettingDifference{name, theirs.value_or(QStringLiteral("(none)")),
                                         mine.value_or(QStringLiteral("(none)"))};
        }
    }
    return std::nullopt;
}

} // namespace vantorix::mining
