#include "cli/mine/output_harvest.h"

#include "list/keyword_list.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringDecoder>
#include <memory>

namespace vantorix::cli {

namespace {

// The keywords of mineRecord()'s records, each followed by the separator.
std::optional<QString> harvestOf(RecordFormat format, QStringView records)
{
    QString harvest;
    for (qsizetype from = 0; from < records.size();) {
        const qsizetype end = records.indexOf(u'\n', from);
        if (end < 0)
            return std::nullopt;
        const QStringView line = records.sliced(from, end - from);
        from = end + 1;
        std::optional<QString> keyword;
        switch (format) {
        case RecordFormat::Lines:
            keyword = line.toString();
            break;
        case RecordFormat::Tsv:
            keyword = tsvFieldText(line.left(line.indexOf(u'\t')));
            break;
        case RecordFormat::Json: {
            const QJsonValue value =
                QJsonDocument::fromJson(line.toUtf8()).object().value(QLatin1String("keyword"));
            if (value.isString())
                keyword = value.toString();
            break;
        }
        }
        if (!keyword)
            return std::nullopt;
        harvest += *keyword + list::kSeparator;
    }
    return harvest;
}

QString decoded(QByteArrayView bytes, TextEncoding encoding)
{
    if (encoding == TextEncoding::Utf8)
        return QString::fromUtf8(bytes);
    return QStringDecoder(list::kGbkCodec, QStringDecoder::Flag::Stateless).decode(bytes);
}

} // namespace

bool readsBackAs(RecordFormat format, TextEncoding encoding, const QString &records,
                 const QString &harvest)
{
    return harvestOf(format, decoded(list::encodeText(records, encoding), encoding)) == harvest;
}

mining::HarvestReader outputHarvests(const QString &path, RecordFormat format,
                                     TextEncoding encoding)
{
    auto file = std::make_shared<QFile>(path);
    return [=](qint64 from, qint64 to) -> std::optional<QString> {
        // Unbuffered: the run writes on through another handle.
        if (!file->isOpen() && !file->open(QIODevice::ReadOnly | QIODevice::Unbuffered))
            return std::nullopt;
        if (from < 0 || to < from || to > file->size() || !file->seek(from))
            return std::nullopt;
        const QByteArray bytes = file->read(to - from);
        if (bytes.size() != to - from)
            return std::nullopt;
        return harvestOf(format, decoded(bytes, encoding));
    };
}

} // namespace vantorix::cli
