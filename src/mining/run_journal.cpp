#include "mining/run_journal.h"

namespace vantorix::mining {

namespace {

// Small snapshots are not worth rewriting after every few records.
constexpr qint64 kLeastRecordBytes = 64 * 1024;
constexpr qint64 kRecordsPerSnapshot = 4;

} // namespace

RunJournal::RunJournal(QString path, QList<RunSetting> settings, HarvestReader output)
    : m_path(std::move(path)), m_settings(std::move(settings)), m_output(std::move(output))
{
}

Result<> RunJournal::snapshot(const RunCheckpoint &at, qint64 committed)
{
    m_file.close();
    if (Result<> saved = saveRun(m_path, {m_settings, at, committed}, m_output); !saved)
        return saved;
    // The rename put a new file in place: the records go to that one.
    m_file.setFileName(m_path);
    if (!m_file.open(QIODevice::WriteOnly | QIODevice::Append))
        return failure(m_file.errorString());
    // One that leaves the seen-list to the output costs reading it back, and
    // is spaced as if it held it.
    m_snapshotBytes = std::max(m_file.size(), committed);
    m_recordBytes = 0;
    return {};
}

Result<> RunJournal::record(const QueryStep &step, qint64 committed, bool harvestInOutput,
                            const std::function<RunCheckpoint()> &checkpoint)
{
    // Records may outweigh the snapshot several times before it is worth
    // rewriting: the snapshots written stay a fraction of the run's output.
    if (m_recordBytes > std::max(kRecordsPerSnapshot * m_snapshotBytes, kLeastRecordBytes))
        return snapshot(checkpoint(), committed);
    const QByteArray line = stepRecord(step, committed, harvestInOutput);
    // Flushed to the system at once: a killed process loses nothing written.
    if (m_file.write(line) != line.size() || !m_file.flush())
        return failure(m_file.errorString());
    m_recordBytes += line.size();
    return {};
}

} // namespace vantorix::mining
