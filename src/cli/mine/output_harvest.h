#pragma once

#include "cli/record_format.h"
#include "cli/text_io.h"
#include "mining/state_file.h"

namespace vantorix::cli {

// Whether a query's records, once written in `encoding`, read back as its
// harvest: only then may its --state record leave the harvest to --output.
bool readsBackAs(RecordFormat format, TextEncoding encoding, const QString &records,
                 const QString &harvest);

// The harvests that --output FILE holds, for reading a --state file back.
mining::HarvestReader outputHarvests(const QString &path, RecordFormat format,
                                     TextEncoding encoding);

} // namespace vantorix::cli
