#pragma once

#include "common/result.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace vantorix::list {

// The group of the keywords that contain no root.
inline const QString kOtherGroup = QStringLiteral("其他");
inline constexpr int kDefaultMinGroupSize = 3;

struct RootGroup
{
    QString name;              // the root, or kOtherGroup
    QList<qsizetype> keywords; // positions in the input, ascending
};

// Groups keywords by their root (词根). Each keyword is cut into words
// (WordBreaker); a root is a word of two or more characters found in at
// least `minSize` of the keywords and in no more than half of them (a seed
// every keyword holds sorts nothing). A keyword joins the root, among those it
// contains, found in the most keywords; a tie goes to the longer root, then
// to the one met first in the input. A root that ends with fewer than
// `minSize` keywords is given up and its keywords choose again. Words compare ignoring letter case
// and a group bears the spelling met first. Keywords without a root make the last group,
// kOtherGroup (which is therefore never a root itself). The other groups come largest first, equal
// sizes in the order their roots were met.
Result<QList<RootGroup>> groupByRoot(const QList<QStringView> &keywords,
                                     int minSize = kDefaultMinGroupSize);

// The list tool: the list's keywords (empty pieces dropped) reordered group
// by group, joined as the list joins them. Group names are not inserted.
Result<QString> groupListText(const QString &listText);

} // namespace vantorix::list
