#include "layout/live_markup.h"

#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace vantorix::layout {

namespace {

const QString kDataStart = QStringLiteral("<!--s-data:");
const QString kCommentEnd = QStringLiteral("-->");

// The end of the tag that opens at `open` ('>' outside quotes), or -1.
qsizetype tagEnd(const QString &text, qsizetype open)
{
    QChar quote;
    for (qsizetype i = open + 1; i < text.size(); ++i) {
        const QChar c = text[i];
        if (!quote.isNull()) {
            if (c == quote)
                quote = QChar();
        } else if (c == QLatin1Char('"') || c == QLatin1Char('\'')) {
            quote = c;
        } else if (c == QLatin1Char('>')) {
            return i;
        }
    }
    return -1;
}

// The next "<a" that opens an anchor (not "<abbr"), from `from`.
qsizetype anchorStart(const QString &text, qsizetype from)
{
    for (qsizetype at = text.indexOf(QLatin1String("<a"), from, Qt::CaseInsensitive); at >= 0;
         at = text.indexOf(QLatin1String("<a"), at + 2, Qt::CaseInsensitive)) {
        const QChar next = at + 2 < text.size() ? text[at + 2] : QChar();
        if (next == QLatin1Char('>') || next == QLatin1Char('/') || next.isSpace())
            return at;
    }
    return -1;
}

// Whether an opening or closing tag `name` stands at `at` ("<name" or
// "</name" followed by white space, '>' or '/').
bool tagNamed(const QString &text, qsizetype at, QStringView name)
{
    const qsizetype after = at + name.size();
    if (after >= text.size() ||
        QStringView(text).mid(at, name.size()).compare(name, Qt::CaseInsensitive) != 0)
        return false;
    const QChar next = text[after];
    return next == QLatin1Char('>') || next == QLatin1Char('/') || next.isSpace();
}

QString stripTags(const QString &html)
{
    QString text;
    qsizetype pos = 0;
    for (qsizetype open = html.indexOf(QLatin1Char('<')); open >= 0;
         open = html.indexOf(QLatin1Char('<'), pos)) {
        text += QStringView(html).mid(pos, open - pos);
        const qsizetype close = tagEnd(html, open);
        if (close < 0)
            return text;
        pos = close + 1;
    }
    return text + QStringView(html).mid(pos);
}

std::optional<char32_t> entityValue(QStringView name)
{
    static const QHash<QString, char32_t> kNamed = {
        {QStringLiteral("amp"), U'&'},    {QStringLiteral("lt"), U'<'},
        {QStringLiteral("gt"), U'>'},     {QStringLiteral("quot"), U'"'},
        {QStringLiteral("apos"), U'\''},  {QStringLiteral("nbsp"), U'\u00a0'},
        {QStringLiteral("middot"), U'·'}, {QStringLiteral("hellip"), U'…'},
        {QStringLiteral("mdash"), U'—'},  {QStringLiteral("ndash"), U'–'},
        {QStringLiteral("ldquo"), U'“'},  {QStringLiteral("rdquo"), U'”'},
        {QStringLiteral("lsquo"), U'‘'},  {QStringLiteral("rsquo"), U'’'},
        {QStringLiteral("times"), U'×'},  {QStringLiteral("copy"), U'©'},
        {QStringLiteral("reg"), U'®'},    {QStringLiteral("yen"), U'¥'},
    };
    if (name.startsWith(QLatin1Char('#'))) {
        const bool hex =
            name.size() > 1 && (name[1] == QLatin1Char('x') || name[1] == QLatin1Char('X'));
        bool ok = false;
        const uint code = name.mid(hex ? 2 : 1).toUInt(&ok, hex ? 16 : 10);
        if (!ok || code == 0 || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
            return std::nullopt;
        return char32_t(code);
    }
    const auto found = kNamed.constFind(name.toString());
    if (found == kNamed.constEnd())
        return std::nullopt;
    return *found;
}

} // namespace

QString liveWord(const QString &text)
{
    return text.simplified().toLower();
}

QString decodeEntities(const QString &text)
{
    QString out;
    qsizetype pos = 0;
    for (qsizetype amp = text.indexOf(QLatin1Char('&')); amp >= 0;
         amp = text.indexOf(QLatin1Char('&'), pos)) {
        out += QStringView(text).mid(pos, amp - pos);
        // Looked for no further than the longest reference, so that a text of
        // ampersands without semicolons takes linear time.
        const qsizetype semicolon = QStringView(text).mid(amp, 13).indexOf(QLatin1Char(';'));
        const std::optional<char32_t> value =
            semicolon > 1 ? entityValue(QStringView(text).mid(amp + 1, semicolon - 1))
                          : std::nullopt;
        if (value) {
            out += QString::fromUcs4(&*value, 1);
            pos = amp + semicolon + 1;
        } else {
            out += QLatin1Char('&');
            pos = amp + 1;
        }
    }
    return out + QStringView(text).mid(pos);
}

qsizetype openingTag(const QString &text, QStringView name, QStringView attribute, qsizetype from)
{
    for (qsizetype at = text.indexOf(QLatin1Char('<'), from); at >= 0;
         at = text.indexOf(QLatin1Char('<'), at + 1)) {
        if (!tagNamed(text, at + 1, name))
            continue;
        const qsizetype end = tagEnd(text, at);
        if (end < 0)
            return -1;
        if (QStringView(text).mid(at, end - at).contains(attribute))
            return at;
    }
    return -1;
}

qsizetype elementEnd(const QString &text, qsizetype open)
{
    qsizetype nameEnd = open + 1;
    while (nameEnd < text.size() && text[nameEnd].isLetterOrNumber())
        ++nameEnd;
    const QString name = text.mid(open + 1, nameEnd - open - 1);
    int depth = 0;
    for (qsizetype at = open; at >= 0; at = text.indexOf(QLatin1Char('<'), at + 1)) {
        const bool closing = at + 1 < text.size() && text[at + 1] == QLatin1Char('/');
        if (!tagNamed(text, at + (closing ? 2 : 1), name))
            continue;
        const qsizetype end = tagEnd(text, at);
        if (end < 0)
            break;
        depth += closing ? -1 : 1;
        if (depth == 0)
            return end + 1;
    }
    return text.size();
}

QString elementText(const QString &html, QStringView name)
{
    const qsizetype open = openingTag(html, name, {});
    if (open < 0)
        return {};
    const qsizetype start = tagEnd(html, open) + 1;
    const qsizetype close = html.indexOf(QLatin1String("</") + name, start, Qt::CaseInsensitive);
    return decodeEntities(stripTags(html.mid(start, close < 0 ? -1 : close - start))).simplified();
}

QStringList linkTexts(const QString &block)
{
    QStringList words;
    qsizetype pos = 0;
    for (qsizetype open = anchorStart(block, pos); open >= 0; open = anchorStart(block, pos)) {
        const qsizetype textStart = tagEnd(block, open) + 1;
        const qsizetype close =
            textStart > 0 ? block.indexOf(QLatin1String("</a>"), textStart, Qt::CaseInsensitive)
                          : -1;
        if (close < 0)
            break;
        const QString word =
            liveWord(decodeEntities(stripTags(block.mid(textStart, close - textStart))));
        if (!word.isEmpty())
            words.append(word);
        pos = close + 4;
    }
    return words;
}

QStringList relatedDataWords(const QString &pageText)
{
    const qsizetype marker = pageText.indexOf(kLiveRelatedStart, 0, Qt::CaseInsensitive);
    const qsizetype data = marker < 0 ? -1 : pageText.lastIndexOf(kDataStart, marker);
    if (data < 0)
        return {};
    const qsizetype from = data + kDataStart.size();
    const qsizetype end = pageText.indexOf(kCommentEnd, from);
    if (end < 0 || end > marker)
        return {};
    const QJsonDocument json = QJsonDocument::fromJson(pageText.mid(from, end - from).toUtf8());
    QStringList words;
    for (const QJsonValue row : json.object().value(QLatin1String("newList")).toArray()) {
        for (const QJsonValue item : row.toArray()) {
            const QString word = liveWord(item.toObject().value(QLatin1String("word")).toString());
            if (!word.isEmpty())
                words.append(word);
        }
    }
    return words;
}

bool isHttpsShellPage(const QString &pageText)
{
    // 227 bytes in the wild; a real result page is hundreds of kilobytes.
    if (pageText.size() > 2048)
        return false;
    QString compact;
    for (const QChar c : pageText) {
        if (!c.isSpace())
            compact += c == QLatin1Char('\'') ? QLatin1Char('"') : c;
    }
    return compact.contains(QLatin1String("location.href.replace(\"https://\",\"http://\")"));
}

QString pageTitle(const QString &pageText)
{
    const qsizetype open = pageText.indexOf(QLatin1String("<title"), 0, Qt::CaseInsensitive);
    const qsizetype start = open < 0 ? -1 : tagEnd(pageText, open);
    const qsizetype end =
        start < 0 ? -1 : pageText.indexOf(QLatin1String("</title"), start, Qt::CaseInsensitive);
    if (end < 0)
        return {};
    return decodeEntities(pageText.mid(start + 1, end - start - 1)).simplified();
}

bool isVerificationPage(const QString &pageText)
{
    return pageTitle(pageText) == kVerificationTitle;
}

bool isCaptchaAddress(const QUrl &address)
{
    // QUrl folds case and full-width letters; the root's dot and any
    // subdomain name the same hosts, which are never to be asked for.
    QString host = address.host();
    if (host.endsWith(QLatin1Char('.')))
        host.chop(1);
    for (const QLatin1String captcha :
         {QLatin1String("wappass.baidu.com"), QLatin1String("seccaptcha.baidu.com")}) {
        if (host.compare(captcha, Qt::CaseInsensitive) == 0 ||
            host.endsWith(QLatin1Char('.') + captcha, Qt::CaseInsensitive))
            return true;
    }
    return false;
}

} // namespace vantorix::layout
