#pragma once

#include <QStringList>
#include <QStringView>

namespace vantorix::layout {

// The string values of every field named `key`, at any depth, in text order.
// It reads tokens, not a tree, so a JSON text that is cut off or damaged
// still gives every whole field before the damage.
QStringList stringFields(QStringView json, QStringView key);

} // namespace vantorix::layout
