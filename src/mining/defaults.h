#pragma once

#include <QStringView>

namespace vantorix::mining {

// A run's starting values, as the window first shows them and as the command
// line takes them when not given.
inline constexpr QStringView kDefaultSeed = u"减肥";
inline constexpr QStringView kDefaultLimitText = u"1000";
inline constexpr QStringView kDefaultLongerThanText = u"0";

} // namespace vantorix::mining
