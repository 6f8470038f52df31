#pragma once

#include <QByteArray>
#include <QString>

namespace vantorix::web {

// The charset a page declares, lower-cased: the charset parameter of its
// Content-Type header, else "utf-8" for JSON, else a <meta charset> or
// <meta http-equiv> near the top of the body. Empty when it declares none.
QByteArray declaredCharset(const QByteArray &contentType, const QByteArray &body);

struct DecodedPage
{
    QString text;
    bool malformed = false; // the body held bytes invalid in its charset
};

// The page text. A UTF-8 byte-order mark or a declared UTF-8 gives UTF-8; no
// declaration, GBK, GB2312 or GB18030 gives GB18030 (the engines' own pages);
// any other charset Qt knows decodes by that name, an unknown one as GB18030.
DecodedPage decodePage(const QByteArray &body, const QByteArray &contentType);

} // namespace vantorix::web
