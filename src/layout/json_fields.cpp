#include "layout/json_fields.h"

#include <optional>

namespace vantorix::layout {

namespace {

struct Token
{
    QString text;
    qsizetype end; // just past the closing quote
};

// The JSON string that opens at `quote`; nullopt when it is cut off.
std::optional<Token> readString(QStringView json, qsizetype quote)
{
    QString text;
    for (qsizetype i = quote + 1; i < json.size(); ++i) {
        const QChar c = json[i];
        if (c == QLatin1Char('"'))
            return Token{text, i + 1};
        if (c != QLatin1Char('\\')) {
            text += c;
            continue;
        }
        if (++i >= json.size())
            return std::nullopt;
        switch (json[i].unicode()) {
        case 'b':
            text += QLatin1Char('\b');
            break;
        case 'f':
            text += QLatin1Char('\f');
            break;
        case 'n':
            text += QLatin1Char('\n');
            break;
        case 'r':
            text += QLatin1Char('\r');
            break;
        case 't':
            text += QLatin1Char('\t');
            break;
        case 'u': {
            bool ok = false;
            const ushort unit = json.mid(i + 1, 4).toUShort(&ok, 16);
            if (!ok || i + 4 >= json.size())
                return std::nullopt;
            text += QChar(unit); // a surrogate pair arrives as two escapes
            i += 4;
            break;
        }
        default:
            text += json[i]; // \" \\ \/
        }
    }
    return std::nullopt;
}

qsizetype skipSpace(QStringView json, qsizetype i)
{
    while (i < json.size() && json[i].isSpace())
        ++i;
    return i;
}

} // namespace

QStringList stringFields(QStringView json, QStringView key)
{
    QStringList values;
    qsizetype i = json.indexOf(QLatin1Char('"'));
    while (i >= 0) {
        const std::optional<Token> name = readString(json, i);
        if (!name)
            break;
        i = skipSpace(json, name->end);
        if (i < json.size() && json[i] == QLatin1Char(':') && name->text == key) {
            i = skipSpace(json, i + 1);
            if (i < json.size() && json[i] == QLatin1Char('"')) {
                const std::optional<Token> value = readString(json, i);
                if (!value)
                    break;
                values.append(value->text);
                i = value->end;
            }
        }
        i = json.indexOf(QLatin1Char('"'), i);
    }
    return values;
}

} // namespace vantorix::layout
