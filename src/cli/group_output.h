#pragma once

#include "cli/record_format.h"
#include "list/byte_sink.h"
#include "list/root_groups.h"

#include <optional>

namespace vantorix::cli {

// The groups as UTF-8 text. Lines: the group's name on a line, then its
// keywords, an empty line between groups. Tsv: a line "group<TAB>keyword" a
// keyword, with backslash, tab, CR and LF escaped. Json: one object a line,
// {"group": name, "keywords": [...]}.
void writeGroups(const QList<list::RootGroup> &groups, const QList<QStringView> &keywords,
                 RecordFormat format, list::ByteSink &out);

} // namespace vantorix::cli
