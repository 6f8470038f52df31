#pragma once

#include <QStringList>

namespace vantorix::mining {

// The marker block "[[v3.3--START--END]]" of the publisher's page, split on
// "--" and lower-cased. Empty when the page holds no block for this version.
QStringList parseSeedMarkers(const QString &pageBody);

// Used for the seed query when the marker page gave fewer than two markers.
QStringList builtinSeedMarkers();

} // namespace vantorix::mining
