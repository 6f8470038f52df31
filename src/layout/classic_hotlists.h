#pragma once

#include "config/settings.h"
#include "layout/hotword_sources.h"
#include "web/hotword_fetch.h"

#include <optional>

namespace vantorix::layout {

// How the classic ranking page of a source is fetched and read; nullopt for
// a name that is not one of the six.
std::optional<web::HotlistReading> classicHotlist(const HotwordSource &source,
                                                  const config::Settings &settings);

// The words of a classic ranking page, each followed by CRLF, lower-cased by
// the section cut and otherwise verbatim; empty when nothing is found.
QString classicWordList(const QString &pageText, const HotwordSource &source,
                        const config::Settings &settings);

} // namespace vantorix::layout
