#include "cli/group_output.h"

namespace vantorix::cli {

void writeGroups(const QList<list::RootGroup> &groups, const QList<QStringView> &keywords,
                 RecordFormat format, list::ByteSink &out)
{
    QByteArray text;
    for (const list::RootGroup &group : groups) {
        text.truncate(0);
        if (format == RecordFormat::Lines) {
            if (&group != &groups.front())
                text += '\n';
            text += group.name.toUtf8() + '\n';
            for (const qsizetype i : group.keywords)
                text += keywords[i].toUtf8() + '\n';
        } else if (format == RecordFormat::Tsv) {
            const QByteArray name = tsvField(group.name).toUtf8() + '\t';
            for (const qsizetype i : group.keywords)
                text += name + tsvField(keywords[i]).toUtf8() + '\n';
        } else {
            text += "{\"group\":" + jsonString(group.name).toUtf8() + ",\"keywords\":[";
            for (const qsizetype i : group.keywords) {
                if (i != group.keywords.front())
                    text += ',';
                text += jsonString(keywords[i]).toUtf8();
            }
            text += "]}\n";
        }
        out.write(text);
    }
}

} // namespace vantorix::cli
