#include "web/charset.h"

#include <QRegularExpression>
#include <QStringDecoder>

namespace vantorix::web {

namespace {

// How far into the body a <meta> declaration is looked for.
constexpr qsizetype kMetaScanBytes = 4096;

QByteArray unquoted(QByteArray value)
{
    value = value.trimmed();
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front())
        value = value.mid(1, value.size() - 2).trimmed();
    return value.toLower();
}

QByteArray headerCharset(const QByteArray &contentType)
{
    const QList<QByteArray> parameters = contentType.split(';');
    for (qsizetype i = 1; i < parameters.size(); ++i) {
        const QByteArray parameter = parameters.at(i).trimmed();
        const qsizetype equals = parameter.indexOf('=');
        if (equals > 0 && parameter.left(equals).trimmed().toLower() == "charset")
            return unquoted(parameter.mid(equals + 1));
    }
    return {};
}

QByteArray metaCharset(const QByteArray &body)
{
    // Both <meta charset="x"> and <meta http-equiv ... content="...; charset=x">.
    static const QRegularExpression meta(
        QStringLiteral(R"(<meta\b[^>]*?\bcharset\s*=\s*["']?\s*([A-Za-z0-9._:-]+))"),
        QRegularExpression::CaseInsensitiveOption);
    const QString head = QString::fromLatin1(body.left(kMetaScanBytes));
    const QRegularExpressionMatch match = meta.match(head);
    if (!match.hasMatch())
        return {};
    QByteArray name = match.captured(1).toLatin1().toLower();
    // A page's own bytes cannot be UTF-16 if they declare it in ASCII.
    if (name.startsWith("utf-16"))
        name = "utf-8";
    return name;
}

bool isGbFamily(const QByteArray &name)
{
    return name.isEmpty() || name == "gbk" || name == "gb2312" || name == "gb18030" ||
           name == "x-gbk" || name == "cp936" || name == "windows-936" || name == "ms936" ||
           name == "euc-cn";
}

} // namespace

QByteArray declaredCharset(const QByteArray &contentType, const QByteArray &body)
{
    const QByteArray fromHeader = headerCharset(contentType);
    if (!fromHeader.isEmpty())
        return fromHeader;
    // JSON is UTF-8 by definition and declares nothing.
    const QByteArray mediaType = contentType.split(';').constFirst().trimmed().toLower();
    if (mediaType == "application/json" || mediaType.endsWith("+json"))
        return "utf-8";
    return metaCharset(body);
}

DecodedPage decodePage(const QByteArray &body, const QByteArray &contentType)
{
    static const QByteArray utf8Bom("\xEF\xBB\xBF");
    // Stateless: a sequence cut off at the end of the body counts as invalid.
    constexpr auto whole = QStringDecoder::Flag::Stateless;
    auto decode = [](QStringDecoder &&decoder, QByteArrayView bytes) {
        DecodedPage page{decoder.decode(bytes), false};
        page.malformed = decoder.hasError();
        return page;
    };
    if (body.startsWith(utf8Bom))
        return decode(QStringDecoder(QStringDecoder::Utf8, whole), QByteArrayView(body).sliced(3));
    const QByteArray name = declaredCharset(contentType, body);
    if (name == "utf-8" || name == "utf8")
        return decode(QStringDecoder(QStringDecoder::Utf8, whole), body);
    if (!isGbFamily(name)) {
        QStringDecoder decoder(name.constData(), whole);
        if (decoder.isValid())
            return decode(std::move(decoder), body);
    }
    return decode(QStringDecoder("GB18030", whole), body);
}

} // namespace vantorix::web
