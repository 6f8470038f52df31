#pragma once

#include "cli/text_io.h"
#include "common/result.h"

#include <QFile>
#include <QStringEncoder>
#include <memory>

namespace vantorix::cli {

// `mine --output FILE` in the lines, tsv and json formats: the run owns the
// file and knows how many of its bytes hold what was written so far.
class KeywordFile
{
public:
    // Opens the file, cut back to the first `keep` bytes (emptied at -1),
    // which a resumed run recorded as written. Fails when the file cannot be
    // written, or holds fewer bytes than `keep`.
    static Result<std::unique_ptr<KeywordFile>> open(const QString &path, qint64 keep,
                                                     TextEncoding encoding);

    // Writes the text out to the system; false once anything failed.
    bool write(const QString &text);
    qint64 length() const { return m_length; }
    // A regular file, which a resumed run can read back; not a pipe or a device.
    bool readsBack() const { return !m_file.isSequential(); }
    QString errorString() const { return m_file.errorString(); }

private:
    KeywordFile(const QString &path, TextEncoding encoding);

    QFile m_file;
    TextEncoding m_encoding;
    QStringEncoder m_toGbk;
    qint64 m_length = 0;
};

} // namespace vantorix::cli
