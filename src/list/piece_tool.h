#pragma once

#include <QString>
#include <QStringList>
#include <functional>

namespace vantorix::list {

// A tool that keeps some of the list's pieces, in their order.
using PieceTool = std::function<QStringList(const QStringList &pieces)>;

// The list text after a piece tool: the text cut at every separator, the tool
// run on the pieces, and each kept piece followed by the separator.
QString applyPieceTool(const QString &listText, const PieceTool &tool);

} // namespace vantorix::list
