#include "sandbox/query_text.h"

#include <QByteArrayList>
#include <QStringDecoder>

namespace vantorix::sandbox {

QString queryValue(const QByteArray &query, const QByteArray &name, bool utf8)
{
    QByteArray raw;
    bool found = false;
    for (const QByteArray &pair : query.split('&')) {
        const qsizetype equals = pair.indexOf('=');
        const QByteArray key = equals < 0 ? pair : pair.left(equals);
        const QByteArray value = equals < 0 ? QByteArray() : pair.mid(equals + 1);
        if (key == "ie" && value.compare("utf-8", Qt::CaseInsensitive) == 0)
            utf8 = true;
        if (key == name && !found) {
            raw = value;
            found = true;
        }
    }
    raw.replace('+', ' ');
    const QByteArray bytes = QByteArray::fromPercentEncoding(raw);
    if (utf8)
        return QString::fromUtf8(bytes);
    QStringDecoder decoder("GB18030");
    return decoder.decode(bytes);
}

} // namespace vantorix::sandbox
