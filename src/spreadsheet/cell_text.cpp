#include "spreadsheet/cell_text.h"

#include <unicode/uchar.h>

namespace vantorix::spreadsheet {

bool startsLikeFormula(QStringView text)
{
    if (text.isEmpty())
        return false;
    const QChar first = text.front();
    return first == u'=' || first == u'+' || first == u'-' || first == u'@';
}

double displayWidth(QStringView text)
{
    double width = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        char32_t c = text[i].unicode();
        if (QChar::isHighSurrogate(c) && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            c = QChar::surrogateToUcs4(text[i], text[i + 1]);
            ++i;
        }
        if (c < 0x80) {
            width += 1;
            continue;
        }
        const auto eastAsian = u_getIntPropertyValue(UChar32(c), UCHAR_EAST_ASIAN_WIDTH);
        // Wide glyphs of the fallback CJK font are a little over two digits.
        width += (eastAsian == U_EA_WIDE || eastAsian == U_EA_FULLWIDTH) ? 2.2 : 1;
    }
    return width;
}

} // namespace vantorix::spreadsheet
