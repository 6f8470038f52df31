#pragma once

#include "common/result.h"
#include "mining/run_checkpoint.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <functional>
#include <optional>
#include <utility>

namespace vantorix::mining {

// One setting of a run by the name its user knows it by, and its value.
using RunSetting = std::pair<QString, QString>;

// A mining run as saved between two queries: the settings it was started
// with, where it stood, and how much of its output file (-1: none) holds what
// it found by then.
struct SavedRun
{
    QList<RunSetting> settings;
    RunCheckpoint checkpoint;
    qint64 committed = -1;
};

// A state file is a journal: a snapshot of the run on its first line, then
// one checksummed line per query processed since. A line cut off by a kill
// (the last one) is ignored; one damaged before the end is an error.

// The harvest that the run's output gained between two of its committed
// lengths, read back from the output; nullopt when it holds none there.
using HarvestReader = std::function<std::optional<QString>(qint64 from, qint64 to)>;
// Refuses a run saved with other settings, before its output is read.
using SettingsCheck = std::function<Result<>(const QList<RunSetting> &saved)>;

// The most of a state file that is read: it holds every keyword of the run.
inline constexpr qint64 kMaxStateFileBytes = qint64(1) << 30;

// Writes the snapshot alone as the whole file, under a new name renamed over
// the old one, so that a process killed at any moment leaves either file.
// The seen-list is left to `output` when the run's committed output reads
// back as it.
Result<> saveRun(const QString &path, const SavedRun &run, const HarvestReader &output = {});
// The line that records `step`, to be appended to the file. With
// `harvestInOutput` the record leaves out the step's harvest: the output
// gained exactly that since the record before, and reads it back.
QByteArray stepRecord(const QueryStep &step, qint64 committed, bool harvestInOutput);

// The run saved in the file, its snapshot with every whole record applied,
// the harvests left out of records read from `output`; nullopt when there is
// no file. A file that is not a state file (or no regular file, or one over
// kMaxStateFileBytes) is an error that says what is wrong with it.
Result<std::optional<SavedRun>> loadSavedRun(const QString &path, const HarvestReader &output = {},
                                             const SettingsCheck &check = {});
// The same from the file's bytes.
Result<SavedRun> parseSavedRun(const QByteArray &bytes, const HarvestReader &output = {},
                               const SettingsCheck &check = {});

// The first setting whose value differs between the saved run and `settings`
// (one missing on either side differs), or nullopt when they agree.
struct SettingDifference
{
    QString name;
    QString saved;
    QString given;
};
std::optional<SettingDifference> firstDifference(const QList<RunSetting> &saved,
                                                 const QList<RunSetting> &settings);

} // namespace vantorix::mining
