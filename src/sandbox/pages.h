#pragma once

#include "sandbox/hot_lists.h"

#include <QString>
#include <QStringList>

namespace vantorix::sandbox {

// The block of a result page that holds the related-searches table; the
// publisher's marker page names these two as the seed query's markers.
inline const QString kSeedBlockStart = QStringLiteral("<div id=\"rs\">");
inline const QString kSeedBlockEnd = QStringLiteral("</div>");

// The pages as text; the server sends them GBK-encoded.

// A web-search result page: head, a few results, and (unless `related` is
// empty) the related-searches table, each link ending in &f=1.
QString resultPage(const QString &keyword, const QStringList &related);

// The ranking page of a hot list. Sogou cells link to the Sogou web search at
// `sogouSearchHost`, which is what the program's cell marker expects.
QString hotListPage(HotList list, const QStringList &words, const QString &sogouSearchHost);

// The publisher's marker page (marker blocks for two versions inside an HTML
// comment) and home page.
QString markerPage();
QString homePage();

QString notFoundPage(const QString &path);
QString serverErrorPage();

// Today's pages (the live layout), UTF-8: a result page whose related block
// stands as s-data JSON and as a table of links, with class names hashed by
// `seed`; the Baidu hot list's board page; Sogou's hot_ranks JSON, its items
// out of rank order.
QString liveResultPage(const QString &keyword, const QStringList &related, quint64 seed);
QString boardPage(const QStringList &words);
QString hotRanksJson(const QStringList &words, quint64 seed);

// Today's Sogou result page: results, a middle hint table captioned 大家还在搜
// with `others`, the bottom one captioned 相关搜索 with `related`. Today's 360
// page: results, the "其他人还搜了" block among them and the #rs table below,
// which together list `related` (some words in both). Both leave out an
// empty block.
QString sogouResultPage(const QString &keyword, const QStringList &related,
                        const QStringList &others);
QString so360ResultPage(const QString &keyword, const QStringList &related, quint64 seed);
// How those engines block: Sogou redirects to a path under /antispider/, 360
// answers with a page without results that asks for a verification code.
QString antispiderAddress(const QString &host, const QByteArray &target);
QString so360VerificationPage();

// The answer of the search box's suggestion endpoint, JSON in the shape of
// today's engine: {"q":keyword,"g":[{"type":"sug","q":word},…]}; without
// suggestions there is no "g" at all.
QString suggestionAnswer(const QString &keyword, const QStringList &words, quint64 seed);

// A throttled client's answers: the captcha address a 302 sends it to (with
// `backUrl`, the query it asked), that 302's body, and the verification page.
QString captchaAddress(const QString &captchaHost, const QString &backUrl, quint64 seed);
QString captchaRedirectBody(const QString &address);
QString verificationPage();

// The query part of a link: the text as percent-encoded GB18030.
QString encodedQuery(const QString &text);

} // namespace vantorix::sandbox
