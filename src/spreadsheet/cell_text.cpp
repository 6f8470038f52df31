#include "spreadsheet/cell_text.h"

#include <unicode/uchar.h>

namespace vantorix::spreadsheet {

namespace {

// Where `text` reads as an escape _xHHHH_ from `at` on.
bool escapeAt(QStringView text, qsizetype at)
{
    if (at + 7 > text.size() || text[at] != u'_' || text[at + 1] != u'x' || text[at + 6] != u'_')
        return false;
    for (qsizetype i = at + 2; i < at + 6; ++i) {
        const char16_t c = text[i].unicode();
        if (!((c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F')))
            return false;
    }
    return true;
}

// A character XML 1.0 cannot carry, which libxlsxwriter passes on as it is.
bool unwritableInXml(QChar c)
{
    return c.unicode() == 0 || c.unicode() == 0xFFFE || c.unicode() == 0xFFFF || c.isSurrogate();
}

bool needsXlsxEscapes(QStringView text)
{
    for (const QChar c : text) {
        if (c == u'_' || unwritableInXml(c))
            return true;
    }
    return false;
}

} // namespace

bool startsLikeFormula(QStringView text)
{
    if (text.isEmpty())
        return false;
    const QChar first = text.front();
    return first == u'=' || first == u'+' || first == u'-' || first == u'@' || first == u'\t' ||
           first == u'\r';
}

CellText textCell(QStringView value, SheetFormat format)
{
    const bool xlsx = format == SheetFormat::Xlsx;
    CellText cell;
    if (!xlsx && (startsLikeFormula(value) || value.startsWith(u'\'')))
        cell.text += u'\'';
    if (cell.text.size() + value.size() <= kMaxCellLength && !(xlsx && needsXlsxEscapes(value))) {
        cell.text += value;
        return cell;
    }
    for (qsizetype at = 0; at < value.size();) {
        // One character, a surrogate pair whole, and how it is written.
        const bool pair =
            value[at].isHighSurrogate() && at + 1 < value.size() && value[at + 1].isLowSurrogate();
        const qsizetype length = pair ? 2 : 1;
        QString escape;
        if (xlsx && escapeAt(value, at))
            escape = QStringLiteral("_x005F_");
        else if (xlsx && !pair && unwritableInXml(value[at]))
            escape = QString::asprintf("_x%04X_", value[at].unicode());
        if (cell.text.size() + (escape.isEmpty() ? length : escape.size()) > kMaxCellLength) {
            cell.cut = true;
            break;
        }
        cell.text += escape.isEmpty() ? value.mid(at, length) : QStringView(escape);
        at += length;
    }
    return cell;
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
