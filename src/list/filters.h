#pragma once

#include <QStringList>
#include <optional>

namespace vantorix::list {

// The argument of the text filters: surrounding spaces removed. Empty means the
// filter does nothing at all.
QString filterArgument(const QString &raw);

// Pieces that contain / do not contain the needle, ignoring letter case. The
// pieces themselves are kept untouched and in order.
QStringList keepContaining(const QStringList &pieces, const QString &needle);
QStringList keepNotContaining(const QStringList &pieces, const QString &needle);

// Pieces whose length in UTF-16 characters is strictly greater than minLength.
QStringList keepLongerThan(const QStringList &pieces, int minLength);

// A number typed in a box: locale-aware decimal (surrounding spaces and a sign
// allowed), rounded down. Empty when unreadable or outside 32 bits.
std::optional<int> parseFlooredNumber(const QString &text);

} // namespace vantorix::list
