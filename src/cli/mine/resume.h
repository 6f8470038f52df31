#pragma once

#include "cli/text_io.h"
#include "common/result.h"
#include "mining/mining_run.h"
#include "mining/state_file.h"

#include <optional>

namespace vantorix::cli {

// The most of a --seen file that is read.
inline constexpr qint64 kMaxSeenFileBytes = qint64(1) << 30;

// `mine --seen FILE`: the keywords of the file, one a line (LF or CRLF), in
// the chosen encoding; empty lines are skipped. A file that is no regular
// file, or one over kMaxSeenFileBytes, fails.
Result<QStringList> readSeenFile(const QString &path, TextEncoding encoding);

// `mine --state FILE`: the settings that decide what a run finds, as the
// file records them, and where a run saved there stood.
struct MineResume
{
    QString path;
    QList<mining::RunSetting> settings;
    std::optional<mining::RunCheckpoint> from; // none: the run starts afresh
};

// The settings of the run about to start, read back from the file if it
// exists. A file that cannot be used (damaged, or saved by a run with other
// settings, which the error names) fails.
Result<MineResume> prepareResume(const QString &path, const mining::MiningInput &input,
                                 const mining::FetchPolicy &policy, const QString &layout);

} // namespace vantorix::cli
