#pragma once

#include "common/result.h"

#include <QByteArray>
#include <QString>

namespace vantorix {

// The whole of an input file named on the command line, at most `maxBytes`
// of it. Only a regular file is read: a FIFO would wait for a writer forever
// and a device may never end. The error says why, without the path.
Result<QByteArray> readInputFile(const QString &path, qint64 maxBytes);

} // namespace vantorix
