#include "cli/group_output.h"

namespace vantorix::cli {

namespace {

void appendTsvField(QByteArray &out, QStringView text)
{
    for (const char c : text.toUtf8()) {
        switch (c) {
        case '\\':
            out += "\\\\";
            break;
        case '\t':
            out += "\\t";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\n':
            out += "\\n";
            break;
        default:
            out += c;
        }
    }
}

void appendJsonString(QByteArray &out, QStringView text)
{
    out += '"';
    for (const char c : text.toUtf8()) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (uchar(c) < 0x20) {
            out += "\\u00";
            out += "0123456789abcdef"[uchar(c) >> 4];
            out += "0123456789abcdef"[uchar(c) & 15];
        } else {
            out += c;
        }
    }
    out += '"';
}

} // namespace

std::optional<GroupFormat> parseGroupFormat(const QString &name)
{
    if (name == QLatin1String("lines"))
        return GroupFormat::Lines;
    if (name == QLatin1String("tsv"))
        return GroupFormat::Tsv;
    if (name == QLatin1String("json"))
        return GroupFormat::Json;
    return std::nullopt;
}

void writeGroups(const QList<list::RootGroup> &groups, const QList<QStringView> &keywords,
                 GroupFormat format, list::ByteSink &out)
{
    QByteArray text;
    for (const list::RootGroup &group : groups) {
        text.truncate(0);
        if (format == GroupFormat::Lines) {
            if (&group != &groups.front())
                text += '\n';
            text += group.name.toUtf8() + '\n';
            for (const qsizetype i : group.keywords)
                text += keywords[i].toUtf8() + '\n';
        } else if (format == GroupFormat::Tsv) {
            QByteArray name;
            appendTsvField(name, group.name);
            for (const qsizetype i : group.keywords) {
                text += name + '\t';
                appendTsvField(text, keywords[i]);
                text += '\n';
            }
        } else {
            text += "{\"group\":";
            appendJsonString(text, group.name);
            text += ",\"keywords\":[";
            for (const qsizetype i : group.keywords) {
                if (i != group.keywords.front())
                    text += ',';
                appendJsonString(text, keywords[i]);
            }
            text += "]}\n";
        }
        out.write(text);
    }
}

} // namespace vantorix::cli
