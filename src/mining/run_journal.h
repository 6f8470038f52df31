#pragma once

#include "common/result.h"
#include "mining/state_file.h"

#include <QFile>
#include <functional>

namespace vantorix::mining {

// Keeps a run's state file: a record appended per query, and a snapshot
// written whole now and then, so that the bytes written stay in proportion
// to what the run finds rather than growing with each query.
class RunJournal
{
public:
    // `output` reads back the run's output, which snapshots and records
    // leave what it holds to; none without one.
    RunJournal(QString path, QList<RunSetting> settings, HarvestReader output);

    // Writes a snapshot as the whole file and appends to it from now on.
    Result<> snapshot(const RunCheckpoint &at, qint64 committed);
    // Appends the record of `step` (leaving out its harvest when the output
    // gained it, as stepRecord() says); once the records outweigh the
    // snapshot 4 times, writes a snapshot of `checkpoint()` instead.
    Result<> record(const QueryStep &step, qint64 committed, bool harvestInOutput,
                    const std::function<RunCheckpoint()> &checkpoint);

private:
    QString m_path;
    QList<RunSetting> m_settings;
    HarvestReader m_output;
    QFile m_file;
    qint64 m_snapshotBytes = 0;
    qint64 m_recordBytes = 0;
};

} // namespace vantorix::mining
