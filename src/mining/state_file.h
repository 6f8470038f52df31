#pragma once

#include "common/result.h"
#include "mining/run_checkpoint.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <optional>
#include <utility>

namespace vantorix::mining {

// One setting of a run by the name its user knows it by, and its value.
using RunSetting = std::pair<QString, QString>;

// A mining run as saved between two queries: the settings it was started
// with, and where it stood.
struct SavedRun
{
    QList<RunSetting> settings;
    RunCheckpoint checkpoint;
};

// Writes the file whole under a new name and renames it over the old one, so
// that a process killed at any moment leaves either state, never a mix.
Result<> saveRun(const QString &path, const SavedRun &run);

// The most of a state file that is read: it holds every keyword of the run.
inline constexpr qint64 kMaxStateFileBytes = qint64(1) << 30;

// The run saved in the file; nullopt when there is no file. A file that is not
// a complete state file (or no regular file, or one over kMaxStateFileBytes)
// is an error that says what is wrong with it.
Result<std::optional<SavedRun>> loadSavedRun(const QString &path);
// The same from the file's bytes.
Result<SavedRun> parseSavedRun(const QByteArray &bytes);

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
