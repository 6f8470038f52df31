#pragma once

#include "cli/text_io.h"
#include "common/result.h"
#include "mining/mining_run.h"
#include "mining/state_file.h"

#include <QLockFile>
#include <memory>
#include <optional>

namespace vantorix::cli {

// The most of a --seen file that is read.
inline constexpr qint64 kMaxSeenFileBytes = qint64(1) << 30;

// `mine --seen FILE`: the keywords of the file, one a line (LF or CRLF), in
// the chosen encoding; empty lines are skipped. A file that is no regular
// file, or one over kMaxSeenFileBytes, fails.
Result<QStringList> readSeenFile(const QString &path, TextEncoding encoding);

// `mine --state FILE`: the settings that decide what a run finds and how it
// is written, as the file records them, where a run saved there stood, and
// the lock that keeps other runs off the file.
struct MineResume
{
    QString path;
    QList<mining::RunSetting> settings;
    std::optional<mining::RunCheckpoint> from; // none: the run starts afresh
    qint64 committed = -1;                     // bytes of --output that hold what was found by then
    mining::HarvestReader harvests;            // of --output, where the file leaves them there
    std::shared_ptr<QLockFile> lock;
};

// Takes FILE.lock beside the state file, taking over one left by a process
// that is gone. Fails when another run holds it, or when no file can be
// created in the state file's folder.
Result<std::shared_ptr<QLockFile>> lockStateFile(const QString &path);

// The settings of the run about to start, read back from the file if it
// exists. A file that cannot be used (damaged, or saved by a run with other
// settings, which the error names) fails. `output` are the settings of how
// the keywords are written; `harvests` reads back what the records left to
// --output.
Result<MineResume> prepareResume(const QString &path, const mining::MiningInput &input,
                                 const mining::FetchPolicy &policy, const QString &layout,
                                 const QList<mining::RunSetting> &output,
                                 const mining::HarvestReader &harvests);

} // namespace vantorix::cli
