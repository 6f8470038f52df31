#include "mining/state_file.h"

#include "common/input_file.h"
#include "list/keyword_list.h"
#include "list/output_file.h"

#include <QCoreApplication>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace vantorix::mining {

namespace {

// The first member tells a state file from any other JSON file.
const QString kFormatKey = QStringLiteral("vantorix mining state");
constexpr int kFormatVersion = 3;

// FNV-1a: enough to tell a record cut or garbled by a kill from a whole one.
quint32 checksum(QByteArrayView bytes)
{
    quint32 hash = 2166136261u;
    for (const char byte : bytes)
        hash = (hash ^ quint8(byte)) * 16777619u;
    return hash;
}

// More engines than any run asks: a larger index is damage.
constexpr int kMaxEngines = 64;

std::optional<int> engineFrom(const QJsonValue &value)
{
    const double number = value.toDouble(-1);
    if (number < 0 || number >= kMaxEngines || number != int(number))
        return std::nullopt;
    return int(number);
}

// Text and kind, then the engine unless it is the first.
QJsonValue queryJson(const PlannedQuery &query)
{
    QJsonArray fields{query.text, query.kind == QueryKind::Suggest ? 1 : 0};
    if (query.engine != 0)
        fields.append(query.engine);
    return fields;
}

std::optional<PlannedQuery> queryFrom(const QJsonValue &value)
{
    const QJsonArray fields = value.toArray();
    if ((fields.size() != 2 && fields.size() != 3) || !fields[0].isString() ||
        !(fields[1] == 0 || fields[1] == 1))
        return std::nullopt;
    const std::optional<int> engine = fields.size() == 3 ? engineFrom(fields[2]) : 0;
    if (!engine)
        return std::nullopt;
    return PlannedQuery{fields[0].toString(),
                        fields[1] == 1 ? QueryKind::Suggest : QueryKind::Related, *engine};
}

// Queries and keywords found by engine, a pair each.
QJsonArray enginesJson(const RunCheckpoint &at)
{
    QJsonArray engines;
    for (qsizetype i = 0; i < at.queriesByEngine.size(); ++i)
        engines.append(QJsonArray{at.queriesByEngine.at(i), at.foundByEngine.value(i)});
    return engines;
}

QJsonArray stringArray(const QStringList &strings)
{
    QJsonArray array;
    for (const QString &text : strings)
        array.append(text);
    return array;
}

// The harvests of a generation end the seen-list, and the generation's
// keywords are the harvests just before them: where they are, they are
// saved as their length, so that a snapshot holds each keyword about once.
QJsonValue nextGenerationJson(const RunCheckpoint &at)
{
    if (at.queriesMade > 1 && !at.nextGeneration.isEmpty() &&
        at.seenList.endsWith(at.nextGeneration))
        return double(at.nextGeneration.size());
    return at.nextGeneration;
}

QJsonValue keywordsJson(const RunCheckpoint &at)
{
    // Harvests end in CRLF, so the keywords end in an empty entry that joinList() would close.
    const QString joined = at.keywords.join(list::kSeparator);
    const qsizetype end = at.seenList.size() - at.nextGeneration.size();
    if (at.generation > 1 && at.nextGeneration.size() + joined.size() <= at.seenList.size() &&
        QStringView(at.seenList).sliced(end - joined.size(), joined.size()) == joined &&
        at.seenList.endsWith(at.nextGeneration) && list::splitList(joined) == at.keywords)
        return double(joined.size());
    return stringArray(at.keywords);
}

// The seen-list of a run whose output holds every harvest: the first harvest
// is framed on both sides, the others follow.
std::optional<QString> seenListFrom(const std::optional<QString> &harvests, const QString &first)
{
    if (!harvests || !harvests->startsWith(first))
        return std::nullopt;
    return list::kSeparator + first + list::kSeparator +
           QStringView(*harvests).sliced(first.size());
}

// The seen-list, or null where the output holds it.
QJsonValue seenListJson(const SavedRun &run, const HarvestReader &output)
{
    const RunCheckpoint &at = run.checkpoint;
    if (output && run.committed >= 0 && !at.seenList.isEmpty() &&
        seenListFrom(output(0, run.committed), at.firstHarvest) == at.seenList)
        return QJsonValue();
    return at.seenList;
}

QJsonObject toJson(const SavedRun &run, const HarvestReader &output)
{
    QJsonArray settings;
    for (const auto &[name, value] : run.settings)
        settings.append(QJsonArray{name, value});
    const RunCheckpoint &at = run.checkpoint;
    QJsonArray unanswered;
    for (const PlannedQuery &query : at.unanswered)
        unanswered.append(queryJson(query));
    return {{kFormatKey, kFormatVersion},
            {QStringLiteral("committed"), double(run.committed)},
            {QStringLiteral("unanswered"), unanswered},
            {QStringLiteral("settings"), settings},
            {QStringLiteral("generation"), at.generation},
            {QStringLiteral("keywords"), keywordsJson(at)},
            {QStringLiteral("position"), at.position},
            {QStringLiteral("nextGeneration"), nextGenerationJson(at)},
            {QStringLiteral("seenList"), seenListJson(run, output)},
            {QStringLiteral("firstHarvest"), at.firstHarvest},
            {QStringLiteral("firstError"), at.firstError},
            {QStringLiteral("firstBlocked"), at.firstBlocked},
            {QStringLiteral("foundCount"), at.foundCount},
            {QStringLiteral("queriesMade"), at.queriesMade},
            {QStringLiteral("failedQueries"), at.failedQueries},
            {QStringLiteral("stayedBlocked"), at.stayedBlocked},
            {QStringLiteral("failuresInARow"), at.failuresInARow},
            {QStringLiteral("pagesWithoutBlock"), at.pagesWithoutBlock},
            {QStringLiteral("engines"), enginesJson(at)}};
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
        // Out of range, the conversion to int would itself be undefined.
        if (number < 0 || number > 1e9 || number != int(number)) {
            if (m_problem.isEmpty())
                m_problem = QStringLiteral("\"%1\" is not a count").arg(QLatin1String(name));
            return 0;
        }
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
    QList<PlannedQuery> queries(const char *name)
    {
        QList<PlannedQuery> queries;
        for (const QJsonValue item : array(name)) {
            const std::optional<PlannedQuery> query = queryFrom(item);
            if (!query && m_problem.isEmpty())
                m_problem = QStringLiteral("\"%1\" holds a non-query").arg(QLatin1String(name));
            if (query)
                queries.append(*query);
        }
        return queries;
    }
    qint64 length(const char *name)
    {
        const double number = take(name, QJsonValue::Double).toDouble();
        if (m_problem.isEmpty() && (number < -1 || number > 9e15 || number != qint64(number)))
            m_problem = QStringLiteral("\"%1\" is not a length").arg(QLatin1String(name));
        return qint64(number);
    }
    // Absent in a file of a run that counted no engine apart.
    void engines(RunCheckpoint &at)
    {
        const QJsonArray pairs = m_object.value(QLatin1String("engines")).toArray();
        for (const QJsonValue item : pairs) {
            const QJsonArray pair = item.toArray();
            const double queries = pair.at(0).toDouble(-1);
            const double found = pair.at(1).toDouble(-1);
            if (pair.size() != 2 || pairs.size() > kMaxEngines || queries < 0 || found < 0 ||
                queries > 1e9 || found > 1e9) {
                if (m_problem.isEmpty())
                    m_problem = QStringLiteral("\"engines\" holds something other than counts");
                return;
            }
            at.queriesByEngine.append(int(queries));
            at.foundByEngine.append(int(found));
        }
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

// A record's fields, in this order, the engine last unless it is the first;
// a harvest in the output is null.
QJsonArray stepJson(const QueryStep &step, qint64 committed, bool harvestInOutput)
{
    QJsonArray fields{step.generation,
                      step.retried,
                      harvestInOutput ? QJsonValue() : QJsonValue(step.found),
                      step.foundCount,
                      step.queriesMade,
                      step.failedQueries,
                      step.stayedBlocked,
                      step.failuresInARow,
                      step.pagesWithoutBlock,
                      step.firstError,
                      step.firstBlocked,
                      step.unanswered ? queryJson(*step.unanswered) : QJsonValue(),
                      double(committed)};
    if (step.engine != 0)
        fields.append(step.engine);
    return fields;
}

std::optional<QueryStep> stepFrom(const QJsonArray &fields, qint64 &committed)
{
    if ((fields.size() != 13 && fields.size() != 14) || !fields[1].isBool() ||
        !(fields[2].isString() || fields[2].isNull()) || !fields[9].isString() ||
        !fields[10].isBool() || !fields[12].isDouble())
        return std::nullopt;
    QueryStep step;
    int *counts[] = {&step.generation,       &step.foundCount,    &step.queriesMade,
                     &step.failedQueries,    &step.stayedBlocked, &step.failuresInARow,
                     &step.pagesWithoutBlock};
    const int at[] = {0, 3, 4, 5, 6, 7, 8};
    for (size_t i = 0; i < std::size(at); ++i) {
        const double number = fields[at[i]].toDouble(-1);
        if (number < 0 || number > 1e9 || number != int(number))
            return std::nullopt;
        *counts[i] = int(number);
    }
    step.retried = fields[1].toBool();
    step.found = fields[2].toString();
    step.firstError = fields[9].toString();
    step.firstBlocked = fields[10].toBool();
    if (!fields[11].isNull()) {
        step.unanswered = queryFrom(fields[11]);
        if (!step.unanswered)
            return std::nullopt;
    }
    committed = qint64(fields[12].toDouble());
    if (committed < -1 || double(committed) != fields[12].toDouble())
        return std::nullopt;
    if (fields.size() == 14) {
        const std::optional<int> engine = engineFrom(fields[13]);
        if (!engine)
            return std::nullopt;
        step.engine = *engine;
    }
    return step;
}

Result<SavedRun> parseSnapshot(const QByteArray &bytes, const HarvestReader &output,
                               const SettingsCheck &check);

// Applies the records, one a line, that follow the snapshot.
Result<> applyRecords(SavedRun &run, QByteArrayView records, const HarvestReader &output)
{
    int number = 0;
    for (qsizetype from = 0;;) {
        const qsizetype end = records.indexOf('\n', from);
        if (end < 0)
            return {}; // nothing, or a record cut off
        const QByteArrayView line = records.sliced(from, end - from);
        from = end + 1;
        ++number;
        const QByteArrayView payload = line.size() > 9 ? line.sliced(9) : QByteArrayView();
        bool hex = false;
        const bool intact = line.size() > 9 && line[8] == ' ' &&
                            line.first(8).toByteArray().toUInt(&hex, 16) == checksum(payload) &&
                            hex;
        if (!intact) {
            if (from == records.size())
                return {}; // the last record, torn by a kill
            return failure(
                QCoreApplication::translate("mining", "record %1 is damaged").arg(number));
        }
        qint64 committed = -1;
        const QJsonArray fields = QJsonDocument::fromJson(payload.toByteArray()).array();
        std::optional<QueryStep> step = stepFrom(fields, committed);
        if (!step || step->queriesMade != run.checkpoint.queriesMade + 1)
            return failure(
                QCoreApplication::translate("mining", "record %1 does not follow the one before")
                    .arg(number));
        if (fields[2].isNull()) {
            const std::optional<QString> harvest =
                output && run.committed >= 0 && committed >= run.committed
                    ? output(run.committed, committed)
                    : std::nullopt;
            if (!harvest)
                return failure(QCoreApplication::translate(
                                   "mining", "the output does not hold the keywords of "
                                             "record %1")
                                   .arg(number));
            step->found = *harvest;
        }
        applyStep(run.checkpoint, *step);
        run.committed = committed;
    }
}

} // namespace

Result<> saveRun(const QString &path, const SavedRun &run, const HarvestReader &output)
{
    const QByteArray bytes =
        QJsonDocument(toJson(run, output)).toJson(QJsonDocument::Compact) + '\n';
    return list::writeOutputFile(path,
                                 [&bytes](QIODevice &file) { return list::writeAll(file, bytes); });
}

QByteArray stepRecord(const QueryStep &step, qint64 committed, bool harvestInOutput)
{
    const QByteArray payload =
        QJsonDocument(stepJson(step, committed, harvestInOutput)).toJson(QJsonDocument::Compact);
    return QByteArray::number(checksum(payload), 16).rightJustified(8, '0') + ' ' + payload + '\n';
}

// The one place the state file is read.
Result<std::optional<SavedRun>> loadSavedRun(const QString &path, const HarvestReader &output,
                                             const SettingsCheck &check)
{
    if (!QFile::exists(path))
        return std::optional<SavedRun>();
    const Result<QByteArray> bytes = readInputFile(path, kMaxStateFileBytes);
    if (!bytes)
        return failure(bytes.error());
    Result<SavedRun> run = parseSavedRun(*bytes, output, check);
    if (!run)
        return failure(run.error());
    return std::optional<SavedRun>(std::move(run).value());
}

Result<SavedRun> parseSavedRun(const QByteArray &bytes, const HarvestReader &output,
                               const SettingsCheck &check)
{
    const qsizetype end = bytes.indexOf('\n');
    Result<SavedRun> run = parseSnapshot(end < 0 ? bytes : bytes.left(end), output, check);
    if (!run || end < 0)
        return run;
    if (Result<> applied = applyRecords(*run, QByteArrayView(bytes).sliced(end + 1), output);
        !applied)
        return failure(QCoreApplication::translate("mining", "a damaged mining state file: ") +
                       applied.error());
    return run;
}

namespace {

Result<SavedRun> parseSnapshot(const QByteArray &bytes, const HarvestReader &output,
                               const SettingsCheck &check)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (document.isNull())
        return failure(QCoreApplication::translate(
                           "mining", "not a mining state file, or a damaged one (%1 at byte %2)")
                           .arg(error.errorString())
                           .arg(error.offset));
    const QJsonObject object = document.object();
    if (object.value(kFormatKey).toInt() != kFormatVersion)
        return failure(
            QCoreApplication::translate("mining", "not a mining state file of this version"));
    Reader read(object);
    SavedRun run;
    run.settings = read.settings();
    if (Result<> accepted = check && read.problem().isEmpty() ? check(run.settings) : Result<>();
        !accepted)
        return failure(accepted.error());
    RunCheckpoint &at = run.checkpoint;
    at.generation = read.count("generation");
    const QJsonValue keywords = object.value(QLatin1String("keywords"));
    const QJsonValue next = object.value(QLatin1String("nextGeneration"));
    at.keywords = keywords.isDouble() ? QStringList() : read.texts("keywords");
    at.position = read.count("position");
    at.nextGeneration = next.isDouble() ? QString() : read.text("nextGeneration");
    run.committed = read.length("committed");
    at.firstHarvest = read.text("firstHarvest");
    const QJsonValue seen = object.value(QLatin1String("seenList"));
    if (seen.isNull() && read.problem().isEmpty()) {
        const std::optional<QString> rebuilt =
            seenListFrom(output && run.committed >= 0 ? output(0, run.committed) : std::nullopt,
                         at.firstHarvest);
        if (!rebuilt)
            return failure(
                QCoreApplication::translate("mining", "the output does not hold the seen-list"));
        at.seenList = *rebuilt;
    } else {
        at.seenList = read.text("seenList");
    }
    // Lengths of places at the seen-list's end.
    const double nextSize = next.isDouble() ? next.toDouble() : 0;
    const double keywordsSize = keywords.isDouble() ? keywords.toDouble() : 0;
    if (nextSize < 0 || keywordsSize < 0 || nextSize != qsizetype(nextSize) ||
        keywordsSize != qsizetype(keywordsSize) ||
        nextSize + keywordsSize > double(at.seenList.size()))
        return failure(QCoreApplication::translate(
            "mining", "a damaged mining state file: a place outside the "
                      "seen-list"));
    const qsizetype nextAt = at.seenList.size() - qsizetype(nextSize);
    if (next.isDouble())
        at.nextGeneration = at.seenList.sliced(nextAt);
    if (keywords.isDouble())
        at.keywords = list::splitList(
            at.seenList.sliced(nextAt - qsizetype(keywordsSize), qsizetype(keywordsSize)));
    at.firstError = read.text("firstError");
    at.firstBlocked = read.flag("firstBlocked");
    at.foundCount = read.count("foundCount");
    at.queriesMade = read.count("queriesMade");
    at.failedQueries = read.count("failedQueries");
    at.stayedBlocked = read.count("stayedBlocked");
    at.failuresInARow = read.count("failuresInARow");
    at.pagesWithoutBlock = read.count("pagesWithoutBlock");
    at.unanswered = read.queries("unanswered");
    read.engines(at);
    if (!read.problem().isEmpty())
        return failure(QCoreApplication::translate("mining", "a damaged mining state file: ") +
                       read.problem());
    return run;
}

} // namespace

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
