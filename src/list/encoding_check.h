#pragma once

#include <QByteArrayView>

namespace vantorix::list {

// The offset of the first byte that is not part of well-formed UTF-8
// (overlong forms, surrogates and code points past U+10FFFF included), or -1.
qsizetype firstMalformedUtf8(QByteArrayView bytes);

// Whether the bytes are GB18030 text through and through: they decode
// without error and encode back to themselves.
bool isWholeGb18030(QByteArrayView bytes);

} // namespace vantorix::list
