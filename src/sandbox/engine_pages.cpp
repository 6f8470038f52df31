#include "sandbox/pages.h"
#include "sandbox/stable_hash.h"

#include <QUrl>

namespace vantorix::sandbox {

using namespace Qt::StringLiterals;

namespace {

QString utf8Query(const QString &text)
{
    return QString::fromLatin1(QUrl::toPercentEncoding(text));
}

QString head(const QString &title)
{
    return u"<!DOCTYPE html>\n<html>\n<head>\n<meta charset=\"utf-8\">\n<title>"_s + title +
           u"</title>\n</head>\n<body>\n"_s;
}

// A Sogou hint table: two links a row, relative addresses as the real page
// writes them (with a bare "&").
QString hintTable(const QString &caption, const QString &where, const QStringList &words)
{
    QString html = u"<div class=\"hintBox\"><table id=\"hint_container\" class=\"hint\" "
                   u"data-hint=\""_s +
                   where + u"\"><caption>"_s + caption + u"</caption>"_s;
    for (int i = 0; i < words.size(); ++i)
        html += (i % 2 == 0 ? u"<tr>"_s : QString()) +
                u"<td class=\"link-5-2\"><p><a href=\"?s_from=hint_last&hintidx="_s +
                QString::number(i) + u"&query="_s + utf8Query(words.at(i)) + u"&ie=utf8\">"_s +
                words.at(i).toHtmlEscaped() + u"</a></p></td>"_s +
                (i % 2 == 1 || i + 1 == words.size() ? u"</tr>"_s : QString());
    return html + u"</table></div>\n"_s;
}

// 360's in-results block: an icon before each word.
QString relatedMiddle(const QStringList &words, quint64 seed)
{
    QString html = u"<li class=\"\"><div class=\"res-recommend-tag g-clearfix\" "
                   u"data-logmod=\"related_middle\" data-version=\"3.5\"><h3 "
                   u"class=\"title\">其他人还搜了</h3><div class=\"tag-wrap button-wrap\">"_s;
    for (int i = 0; i < words.size(); ++i)
        html += u"<a data-source=\"bert@0."_s +
                QString::number(stableHash(seed, words.at(i)) % 10000) + u"\" href=\"/s?q="_s +
                utf8Query(words.at(i)) + u"&src=related_middle_3.5\" data-pos=\""_s +
                QString::number(i + 1) +
                u"\"><img class=\"sug-search-icon\" alt=\"search-icon\" src=\"/icon.png\">"_s +
                words.at(i).toHtmlEscaped() + u"</a>"_s;
    return html + u"</div></div></li>\n"_s;
}

// 360's bottom table, below a heading that holds a feedback link.
QString relatedTable(const QStringList &words)
{
    QString html = u"<div class=\"mod-relation\"><div id=\"rs\"><h3>相关搜索<span "
                   u"class=\"so_feedback\"><a href=\"javascript:;\" "
                   u"class=\"so_feedback_link\"> · <span>反馈</span></a></span></h3><table "
                   u"class=\"rs-table\">"_s;
    for (int i = 0; i < words.size(); ++i)
        html += (i % 2 == 0 ? u"<tr>"_s : u"<td></td>"_s) + u"<th><a href=\"/s?q="_s +
                utf8Query(words.at(i)) + u"&src=related_3.5\">"_s + words.at(i).toHtmlEscaped() +
                u"</a></th>"_s + (i % 2 == 1 || i + 1 == words.size() ? u"</tr>"_s : QString());
    return html + u"</table></div></div>\n"_s;
}

} // namespace

QString sogouResultPage(const QString &keyword, const QStringList &related,
                        const QStringList &others)
{
    const QString escaped = keyword.toHtmlEscaped();
    QString html = head(escaped + u" - 搜狗搜索"_s) + u"<div class=\"results\">\n"_s;
    for (int i = 1; i <= 3; ++i) {
        html += u"<div class=\"vrwrap\"><h3 class=\"vr-title\"><a href=\"/link?url="_s +
                QString::number(i) + u"\">"_s + escaped + u" - 搜狗百科</a></h3></div>\n"_s;
        // The middle hint table lists other words than the related searches.
        if (i == 2 && !others.isEmpty())
            html += hintTable(u"大家还在搜"_s, u"middle"_s, others.mid(0, 4));
    }
    html += u"</div>\n"_s;
    if (!related.isEmpty())
        html += hintTable(u"相关搜索"_s, u"bottom"_s, related);
    return html + u"</body>\n</html>\n"_s;
}

QString so360ResultPage(const QString &keyword, const QStringList &related, quint64 seed)
{
    // The in-results block repeats the table's last words and adds the rest.
    const qsizetype inTable = related.size() - related.size() / 3;
    const QString escaped = keyword.toHtmlEscaped();
    QString html = head(escaped + u" - 360搜索"_s) + u"<ul class=\"result\">\n"_s;
    for (int i = 1; i <= 3; ++i) {
        html += u"<li class=\"res-list\"><h3 class=\"res-title\"><a href=\"/link?m="_s +
                QString::number(stableHash(seed + quint64(i), keyword), 36) + u"\">"_s + escaped +
                u" - 360百科</a></h3></li>\n"_s;
        if (i == 2 && !related.isEmpty())
            html += relatedMiddle(related.mid(related.size() / 2), seed);
    }
    html += u"</ul>\n"_s;
    if (!related.isEmpty())
        html += relatedTable(related.mid(0, inTable));
    return html + u"</body>\n</html>\n"_s;
}

QString so360VerificationPage()
{
    return head(u"360搜索"_s) +
           u"<div class=\"verify\"><p>您的访问过于频繁，请输入验证码后继续搜索</p>"
           u"<img src=\"/captcha.png\"><input name=\"captcha\"></div>\n</body>\n</html>\n"_s;
}

QString antispiderAddress(const QString &host, const QByteArray &target)
{
    return u"http://"_s + host + u"/antispider/?from="_s +
           QString::fromLatin1(QUrl::toPercentEncoding(QString::fromLatin1(target)));
}

} // namespace vantorix::sandbox
