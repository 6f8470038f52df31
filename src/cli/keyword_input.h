#pragma once

#include "list/utf8_pieces.h"

#include <QByteArrayView>
#include <QList>
#include <QString>

namespace vantorix::cli {

// The keywords of standard input for the commands that need them as text,
// decoded into one buffer: a million keywords cost one string, not a million.
struct KeywordText
{
    QString text;
    QList<QStringView> keywords; // into `text`
};

// The pieces of the input in the layout, empty ones dropped.
KeywordText readKeywords(QByteArrayView utf8, list::TextLayout layout);

} // namespace vantorix::cli
