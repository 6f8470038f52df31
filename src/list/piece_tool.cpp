#include "list/piece_tool.h"

#include "list/keyword_list.h"

namespace vantorix::list {

QString applyPieceTool(const QString &listText, const PieceTool &tool)
{
    return joinList(tool(splitList(listText)));
}

} // namespace vantorix::list
