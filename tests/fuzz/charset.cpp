// Charset detection and decoding of any body under any Content-Type.
// Input: CONTENT-TYPE \n BODY.
#include "hotwords/charset.h"

#include "fuzz_input.h"

#include <QStringEncoder>

using namespace vantorix;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArrayList fields = fuzzFields(data, size, 2);
    const QByteArray &contentType = fields[0], &body = fields[1];
    const QByteArray declared = hotwords::declaredCharset(contentType, body);
    const hotwords::DecodedPage page = hotwords::decodePage(body, contentType);
    // A body read without a fault is its text, byte for byte.
    if (!page.malformed && !body.startsWith("\xEF\xBB\xBF")) {
        if (declared == "utf-8")
            FUZZ_CHECK(page.text.toUtf8() == body);
        if (declared.isEmpty() || declared == "gbk")
            FUZZ_CHECK(QStringEncoder("GB18030").encode(page.text) == body);
    }
    return 0;
}
