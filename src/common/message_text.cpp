#include "common/message_text.h"

namespace vantorix {

QString clipped(const QString &text)
{
    if (text.size() <= kQuotedLength)
        return text;
    qsizetype cut = kQuotedLength;
    if (text.at(cut - 1).isHighSurrogate())
        --cut;
    return text.left(cut) + QChar(0x2026);
}

} // namespace vantorix
