#pragma once

#include "config/settings.h"

#include <QByteArray>
#include <QString>
#include <QUrl>
#include <vector>

namespace vantorix::web {

// How the words sit in a ranking table.
enum class ItemLayout {
    Anchor, // the text of every <a ... target="_blank"> anchor
    Cell,   // the anchor text of every cell that links to the Sogou web search
};

enum class HotlistHost { Baidu, Sogou };

// One public ranking page of hot words.
struct HotwordSource
{
    QString option;  // the window's option button
    QString caption; // its caption
    QString name;    // the command line's name for it
    HotlistHost host;
    QByteArray path;
    QString sectionStart;
    QString sectionEnd;
    ItemLayout layout;
};

// The six sources, in the order the window tests its option buttons.
const std::vector<HotwordSource> &hotwordSources();

// The source with this command-line name, or null.
const HotwordSource *sourceByName(const QString &name);

// The page to fetch: http://HOST/PATH, the host by role from the settings.
QUrl sourceUrl(const HotwordSource &source, const config::Settings &settings);

// The words of a fetched page, each followed by CRLF, lower-cased by the
// section cut and otherwise verbatim; empty when nothing is found.
QString wordList(const QString &pageText, const HotwordSource &source,
                 const config::Settings &settings);

} // namespace vantorix::web
