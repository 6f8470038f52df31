#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>

namespace vantorix::layout {

// Today's result page: the related searches stand between this marker and
// the next "</table>", each the text of a link.
inline const QString kLiveRelatedStart = QStringLiteral("相关搜索</div>");
inline const QString kLiveRelatedEnd = QStringLiteral("</table>");

// A word as the live layout hands it on: white space runs read as one space
// (as a browser shows them), trimmed, lower-cased as the section cut does.
QString liveWord(const QString &text);

// The texts of the <a> elements of a block, in page order: tags stripped,
// entities decoded, read by liveWord(); empty ones skipped. The scan ends at
// a link with no "</a>" after it.
QStringList linkTexts(const QString &block);

// The position of the next opening tag `name` (as "table") from `from` whose
// attributes hold `attribute` (as "id=\"rs\""), or -1.
qsizetype openingTag(const QString &text, QStringView name, QStringView attribute,
                     qsizetype from = 0);
// The end of the element whose opening tag stands at `open`: just past its
// closing tag, nested elements of the same name counted; the text's end when
// it is cut off before.
qsizetype elementEnd(const QString &text, qsizetype open);
// The text of the first `name` element (as "caption") in `html`: tags
// stripped, entities decoded, white space folded; empty when there is none.
QString elementText(const QString &html, QStringView name);

// The text with its character references ("&amp;", "&#38;", "&#x26;")
// decoded; unknown ones stay as written.
QString decodeEntities(const QString &text);

// The "word" values of the s-data JSON that stands just before the related
// block's marker, read by liveWord(); empty when there is none or it does not
// parse.
QStringList relatedDataWords(const QString &pageText);

// Whether the page is the short https page that only sends the browser to the
// same address over http.
bool isHttpsShellPage(const QString &pageText);

// A throttled client gets, instead of its result page, a redirect to a
// captcha host or a short page with this title.
inline const QString kVerificationTitle = QStringLiteral("百度安全验证");

// The text of the page's <title>, entities decoded, white space folded.
QString pageTitle(const QString &pageText);
bool isVerificationPage(const QString &pageText);
bool isCaptchaAddress(const QUrl &address);

} // namespace vantorix::layout
