#include "sandbox/pages.h"
#include "sandbox/stable_hash.h"

#include <QStringEncoder>

namespace vantorix::sandbox {

using namespace Qt::StringLiterals;

namespace {

QString pageHead(const QString &title)
{
    return u"<!DOCTYPE html>\n<html>\n<head>\n"
           u"<meta http-equiv=\"Content-Type\" content=\"text/html; charset=gbk\">\n"
           u"<title>"_s +
           title +
           u"</title>\n<style>body{font:13px arial}#rs th{font-weight:normal}</style>\n"
           u"</head>\n"_s;
}

QString searchForm(const QString &escapedKeyword)
{
    return u"<div id=\"head\"><a href=\"/\" id=\"logo\">百度首页</a>"
           u"<form name=\"f\" action=\"/s\"><input type=\"text\" name=\"wd\" id=\"kw\" value=\""_s +
           escapedKeyword +
           u"\" maxlength=\"100\"><input type=\"submit\" id=\"su\" value=\"百度一下\"></form>"
           u"</div>\n"_s;
}

QString results(const QString &escapedKeyword, const QString &keyword)
{
    static const QString kTitles[] = {
        QStringLiteral("%1_百度百科"),
        QStringLiteral("%1的正确方法有哪些? - 知乎"),
        QStringLiteral("【%1】%1大全_怎么做 - 百度经验"),
        QStringLiteral("%1 - 相关视频"),
    };
    QString html = QStringLiteral("<div id=\"content_left\">\n");
    const quint64 id = stableHash(0, keyword);
    for (int i = 0; i < 4; ++i) {
        html += QStringLiteral("<table class=\"result\" id=\"%1\"><tr><td class=\"f\">"
                               "<h3 class=\"t\"><a href=\"/link?url=%2\" target=\"_blank\">%3</a>"
                               "</h3><font size=\"-1\">%4……找到约%5篇相关结果"
                               "<br><span class=\"g\">www.example.com/%2 2026-12-0%1</span>"
                               "</font></td></tr></table>\n")
                    .arg(i + 1)
                    .arg(QString::number(mix64(id + static_cast<quint64>(i)), 36),
                         kTitles[i].arg(escapedKeyword), escapedKeyword)
                    .arg(100000 + mix64(id ^ static_cast<quint64>(i)) % 9000000);
    }
    return html + u"</div>\n"_s;
}

QString relatedBlock(const QStringList &related)
{
    // Link texts stand verbatim: the program reads them without decoding
    // entities. Keywords holding markup characters have no related searches.
    QString html = kSeedBlockStart + u"<table cellpadding=\"0\"><tr><th>相关搜索</th></tr>\n<tr>"_s;
    for (int i = 0; i < related.size(); ++i) {
        if (i > 0 && i % 5 == 0)
            html += u"</tr>\n<tr>"_s;
        html += u"<td><a href=\"/s?wd="_s + encodedQuery(related.at(i)) + u"&f=1\">"_s +
                related.at(i) + u"</a></td>"_s;
    }
    return html + u"</tr>\n</table>"_s + kSeedBlockEnd + u"\n"_s;
}

} // namespace

QString encodedQuery(const QString &text)
{
    QStringEncoder encoder("GB18030");
    const QByteArray bytes = encoder.encode(text);
    return QString::fromLatin1(bytes.toPercentEncoding());
}

QString resultPage(const QString &keyword, const QStringList &related)
{
    const QString escaped = keyword.toHtmlEscaped();
    QString html = pageHead(keyword.isEmpty() ? u"百度一下，你就知道"_s : escaped + u"_百度搜索"_s);
    html += u"<body>\n"_s + searchForm(escaped);
    if (!keyword.isEmpty()) {
        html += results(escaped, keyword);
        if (!related.isEmpty())
            html += relatedBlock(related);
        html += u"<p id=\"page\"><strong>1</strong><a href=\"/s?wd="_s + encodedQuery(keyword) +
                u"&pn=10\">2</a><a href=\"/s?wd="_s + encodedQuery(keyword) +
                u"&pn=10\" class=\"n\">下一页&gt;</a></p>\n"_s;
    }
    return html + u"<div id=\"ft\">&copy;2026 Baidu <a href=\"/duty/\">使用百度前必读</a></div>\n"
                  u"</body>\n</html>\n"_s;
}

} // namespace vantorix::sandbox
