#pragma once

#include "common/result.h"

#include <QByteArray>
#include <QString>

namespace vantorix::list {

// How text is written out: UTF-8, or GBK as the engines' pages and the
// window's GBK files have it.
enum class TextEncoding { Utf8, Gbk };

// GB18030 is the superset of GBK that can write every character.
inline constexpr char kGbkCodec[] = "GB18030";

// The text's bytes in the encoding.
QByteArray encodeText(const QString &text, TextEncoding encoding);

// Writes the text to `path` in one piece, as writeOutputFile does.
Result<> writeTextFile(const QString &path, const QString &text, TextEncoding encoding);

} // namespace vantorix::list
