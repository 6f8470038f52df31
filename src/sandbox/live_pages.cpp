#include "sandbox/pages.h"
#include "sandbox/stable_hash.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QUrl>
#include <algorithm>

namespace vantorix::sandbox {

using namespace Qt::StringLiterals;

namespace {

// Today's pages name their classes with a build hash ("rs-link_2DE3Q") that
// changes from build to build; here it changes with the seed.
QString hashed(const QString &name, quint64 seed)
{
    static const char kDigits[] = "0123456789abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ";
    quint64 hash = stableHash(seed, name);
    QString suffix;
    for (int i = 0; i < 5; ++i, hash /= 62)
        suffix += QLatin1Char(kDigits[hash % 62]);
    return name + u'_' + suffix;
}

QString utf8Query(const QString &text)
{
    return QString::fromLatin1(QUrl::toPercentEncoding(text));
}

QString json(const QJsonObject &object)
{
    return QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Compact));
}

QString head(const QString &title)
{
    return u"<!DOCTYPE html>\n<!--STATUS OK-->\n<html class=\"\">\n<head>\n"
           u"<meta http-equiv=\"content-type\" content=\"text/html;charset=utf-8\">\n<title>"_s +
           title + u"</title>\n</head>\n<body>\n"_s;
}

// The related-searches block as served since 2021: the words as s-data JSON,
// then a label div and a table whose links wrap their text in spans and write
// "&" in their addresses as "&amp;".
QString relatedBlock(const QString &keyword, const QStringList &related, quint64 seed)
{
    const QString query = QString::number(stableHash(seed, keyword) % 0xffffffffffffULL, 16);
    auto address = [&](int i, const QString &sep) -> QString {
        return u"/s?wd="_s + utf8Query(related.at(i)) + sep + u"tn=baidu"_s + sep + u"rsp="_s +
               QString::number(i) + sep + u"f=1"_s + sep + u"rsv_pq="_s + query + sep +
               u"rsv_dl=brs_"_s + QString::number(i + 1);
    };
    QJsonArray rows;
    QJsonArray row;
    QString table;
    for (int i = 0; i < related.size(); ++i) {
        if (row.isEmpty())
            table += u"<tr class=\""_s + hashed(u"rs-row"_s, seed) + u"\">"_s;
        row.append(QJsonObject{{u"url"_s, address(i, u"&"_s)},
                               {u"word"_s, related.at(i)},
                               {u"pos"_s, i + 1},
                               {u"target"_s, u"_self"_s}});
        const QString word = related.at(i).toHtmlEscaped();
        table += u"<td class=\""_s + hashed(u"rs-col"_s, seed) + u"\"><a title=\""_s + word +
                 u"\" class=\""_s + hashed(u"rs-link"_s, seed) +
                 u" c-line-clamp1 c-color-link\" href=\""_s + address(i, u"&amp;"_s) +
                 u"\" target=\"_self\"><span class=\""_s + hashed(u"rs-icon"_s, seed) +
                 u"\"></span><span class=\""_s + hashed(u"rs-text"_s, seed) +
                 u"\n                                    "_s + hashed(u"rs-text-len"_s, seed) +
                 u"\">"_s + word + u"</span></a></td>"_s;
        if (row.size() == 2 || i + 1 == related.size()) {
            rows.append(row);
            row = QJsonArray();
            table += u"</tr>"_s;
        }
    }
    const QJsonObject data{{u"newList"_s, rows},
                           {u"labelRs"_s, u"相关搜索"_s},
                           {u"wordNoSyntax"_s, keyword},
                           {u"$style"_s, QJsonObject{{u"rs-link"_s, hashed(u"rs-link"_s, seed)}}}};
    return u"<div class=\"result-molecule  new-pmd\" tpl=\"app/rs\" m-name=\"molecules/app/rs/"_s +
           hashed(u"result"_s, seed) + u"\">\n<div id=\"rs_new\" class=\""_s +
           hashed(u"rs-normal-width"_s, seed) +
           u" result-op\" srcid=\"rs\" tpl=\"\"><!--s-data:"_s + json(data) +
           u"--><div><div class=\"c-color-t "_s + hashed(u"rs-label"_s, seed) +
           u"\">相关搜索</div><table cellpadding=\"0\" cellspacing=\"0\" class=\""_s +
           hashed(u"rs-table"_s, seed) + u"\"><tbody>"_s + table +
           u"</tbody></table></div></div>\n</div>\n"_s;
}

} // namespace

QString liveResultPage(const QString &keyword, const QStringList &related, quint64 seed)
{
    const QString escaped = keyword.toHtmlEscaped();
    QString html = head(keyword.isEmpty() ? u"百度一下，你就知道"_s : escaped + u"_百度搜索"_s);
    html += u"<div id=\"head\"><form id=\"form\" action=\"/s\"><input id=\"kw\" name=\"wd\" "
            u"value=\""_s +
            escaped + u"\"><input type=\"hidden\" name=\"ie\" value=\"utf-8\"></form></div>\n"_s;
    if (!keyword.isEmpty()) {
        html += u"<div id=\"content_left\">\n"_s;
        for (int i = 1; i <= 3; ++i)
            html += u"<div class=\"result c-container "_s + hashed(u"new-pmd"_s, seed) +
                    u"\" id=\""_s + QString::number(i) +
                    u"\"><h3 class=\"t\"><a href=\"/link?url="_s +
                    QString::number(stableHash(seed + quint64(i), keyword), 36) +
                    u"\" target=\"_blank\">"_s + escaped + u" - 百度百科</a></h3></div>\n"_s;
        html += u"</div>\n"_s;
        if (!related.isEmpty())
            html += relatedBlock(keyword, related, seed);
        html += u"<div id=\"page\"><strong><span class=\"pc\">1</span></strong><a href=\"/s?wd="_s +
                utf8Query(keyword) +
                u"&amp;pn=10&amp;ie=utf-8\"><span class=\"pc\">2</span></a></div>\n"_s;
    }
    return html + u"<div id=\"foot\">&copy;2026 Baidu</div>\n</body>\n</html>\n"_s;
}

QString boardPage(const QStringList &words)
{
    QJsonArray content;
    for (int i = 0; i < words.size(); ++i)
        content.append(QJsonObject{
            {u"word"_s, words.at(i)},
            {u"query"_s, words.at(i)},
            {u"hotScore"_s, QString::number(4980000 - i * 97531)},
            {u"index"_s, i},
            {u"url"_s, QString(u"https://www.baidu.com/s?wd="_s + utf8Query(words.at(i)))}});
    const QJsonObject data{
        {u"data"_s, QJsonObject{{u"cards"_s, QJsonArray{QJsonObject{{u"component"_s, u"hotList"_s},
                                                                    {u"content"_s, content}}}}}}};
    return head(u"百度热搜"_s) + u"<div id=\"sanRoot\"><!--s-data:"_s + json(data) +
           u"--></div>\n</body>\n</html>\n"_s;
}

QString hotRanksJson(const QStringList &words, quint64 seed)
{
    // Given out of rank order; the rank attribute says where each stands.
    std::vector<int> order(size_t(words.size()));
    for (int i = 0; i < words.size(); ++i)
        order[size_t(i)] = i;
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        return stableHash(seed, words.at(a)) < stableHash(seed, words.at(b));
    });
    QJsonArray items;
    for (const int i : order)
        items.append(
            QJsonObject{{u"id"_s, QString::number(stableHash(seed, words.at(i)) % 100000000)},
                        {u"type"_s, u"hotword"_s},
                        {u"attributes"_s, QJsonObject{{u"title"_s, words.at(i)},
                                                      {u"num"_s, 2000000 - i * 54321},
                                                      {u"rank"_s, i + 1}}}});
    return json(QJsonObject{{u"data"_s, items}});
}

QString captchaAddress(const QString &captchaHost, const QString &backUrl, quint64 seed)
{
    const quint64 hash = stableHash(seed, backUrl);
    return u"https://"_s + captchaHost + u"/static/captcha/tuxing.html?&ak="_s +
           QString::number(hash, 16) + u"&backurl="_s + utf8Query(backUrl) + u"&logid="_s +
           QString::number(mix64(hash) % 10000000000000000000ULL) + u"&signature="_s +
           QString::number(mix64(hash ^ seed), 16) + u"&timestamp=1618224779"_s;
}

QString captchaRedirectBody(const QString &address)
{
    return u"<a href=\""_s + QString(address).replace(u'&', u"&amp;"_s) + u"\">Found</a>.\n"_s;
}

QString verificationPage()
{
    return u"<!DOCTYPE html>\n<html lang=\"zh-CN\">\n<head>\n<meta charset=\"utf-8\">\n"
           "<title>百度安全验证</title>\n</head>\n<body>\n<div class=\"timeout hide-callback\">"
           "<div class=\"timeout-img\"></div><div class=\"timeout-title\">网络不给力，请稍后重试"
           "</div><button type=\"button\" class=\"timeout-button\">返回首页</button></div>\n"
           "<div class=\"timeout-feedback-title\">问题反馈</div>\n</body>\n</html>\n"_s;
}

} // namespace vantorix::sandbox
