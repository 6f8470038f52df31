#include "list/encoding_check.h"

#include "list/text_file.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace vantorix::list {

qsizetype firstMalformedUtf8(QByteArrayView bytes)
{
    const auto *data = reinterpret_cast<const uchar *>(bytes.data());
    const qsizetype size = bytes.size();
    for (qsizetype i = 0; i < size;) {
        const uchar lead = data[i];
        if (lead < 0x80) {
            ++i;
            continue;
        }
        // The allowed range of the second byte narrows for the leads that
        // would otherwise spell overlong forms, surrogates or too-large code points.
        int length = 0;
        uchar low = 0x80, high = 0xBF;
        if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            low = lead == 0xE0 ? 0xA0 : 0x80;
            high = lead == 0xED ? 0x9F : 0xBF;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            low = lead == 0xF0 ? 0x90 : 0x80;
            high = lead == 0xF4 ? 0x8F : 0xBF;
        } else {
            return i;
        }
        if (i + length > size)
            return i;
        if (data[i + 1] < low || data[i + 1] > high)
            return i;
        for (int k = 2; k < length; ++k)
            if (data[i + k] < 0x80 || data[i + k] > 0xBF)
                return i;
        i += length;
    }
    return -1;
}

bool isWholeGb18030(QByteArrayView bytes)
{
    QStringDecoder decoder(kGbkCodec);
    if (!decoder.isValid())
        return false;
    const QString text = decoder.decode(bytes);
    return !decoder.hasError() && QByteArrayView(encodeText(text, TextEncoding::Gbk)) == bytes;
}

} // namespace vantorix::list
