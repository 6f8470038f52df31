#pragma once

#include "common/result.h"

#include <QIODevice>
#include <QString>
#include <functional>

namespace vantorix::list {

// Writes the file at `path` through `write`. A regular file, or a new one, is
// replaced only once everything was written, so a failure leaves the old file
// as it was; anything else (a device, a pipe) is written into, never replaced.
Result<> writeOutputFile(const QString &path, const std::function<Result<>(QIODevice &)> &write);

// Whether writeOutputFile() can write `path`, asked before the work that
// makes what it will hold: the error says why not (it is a folder, there is
// no such folder, the file can be neither created nor written).
Result<> checkOutputFile(const QString &path);

// Writes `bytes` to the device; fails when it took fewer.
Result<> writeAll(QIODevice &device, QByteArrayView bytes);

} // namespace vantorix::list
