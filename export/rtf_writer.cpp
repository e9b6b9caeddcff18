#include "export/rtf_writer.h"

#include "core/ascii.h"
#include "core/colour.h"
#include "core/cp932.h"
#include "core/text_helpers.h"
#include "export/string_table.h"

#include <algorithm>

namespace typecask {

namespace {

void appendByte(QString& out, std::uint8_t byte)
{
    out += u"\\'";
    out += twoHexDigits(byte);
}

// RTF's \u takes a signed 16-bit number.
void appendUnicode(QString& out, char16_t unit)
{
    out += u"\\u";
    out += QString::number(static_cast<std::int16_t>(unit));
}

} // namespace

std::int32_t RtfFontInfoProc(const EnumeratedFont& font, std::uint8_t pitchAndFamily, QString& result)
{
    QString keyword;
    switch (pitchAndFamily & 0x7C) {
    case 0x10:
        keyword = u"\\froman"_qs;
        break;
    case 0x20:
        keyword = u"\\fswiss"_qs;
        break;
    case 0x30:
        keyword = u"\\fmodern"_qs;
        break;
    case 0x40:
        keyword = u"\\fscript"_qs;
        break;
    case 0x50:
        keyword = u"\\fdecorative"_qs;
        break;
    default: // 0x00 and anything else: no keyword
        break;
    }
    result = keyword + u"\\fcharset" + QString::number(font.charset);
    return 0;
}

QString rtfFontTableWords(const FontCatalog& catalog, const QString& fontName)
{
    QString result;
    if (const FontCatalog::Entry* entry = catalog.find(fontName)) {
        const FontDetails* details = catalog.details(fontName);
        RtfFontInfoProc(entry->font, details ? details->pitchAndFamily : 0, result);
    }
    return result;
}

namespace {

// How characters beyond ASCII are written: as code page 932 bytes, with a Unicode escape before
// them in a {\\uc2 ...} group per two-byte character, or with \\ucN switched as needed and no
// group (a group inside a font-table entry makes LibreOffice drop the entry).
enum class NonAscii { Bytes, UnicodeInGroups, UnicodeWithoutGroups };

// fontTable: a control character (a line break in a font's name) is written as a Unicode escape,
// since its byte in a font-table entry breaks the document's paragraphs in LibreOffice.
QString escapeRtf(const QString& text, NonAscii mode, bool fontTable = false)
{
    QString out;
    out.reserve(text.size() * 4);
    int skip = 1; // the \\uc in force
    const auto setSkip = [&out, &skip](int bytes) {
        if (skip != bytes)
            out += u"\\uc" + QString::number(bytes);
        skip = bytes;
    };
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n;) {
        // One character at a time: a surrogate pair is one character.
        const char16_t first = text[i].unicode();
        char32_t cp = first;
        qsizetype units = 1;
        if (QChar::isHighSurrogate(first) && i + 1 < n && text[i + 1].isLowSurrogate()) {
            cp = QChar::surrogateToUcs4(first, text[i + 1].unicode());
            units = 2;
        }
        const QStringView character = QStringView(text).mid(i, units);
        i += units;

        if (fontTable && cp < 0x20) {
            setSkip(1);
            appendUnicode(out, first);
            appendByte(out, '?');
            continue;
        }
        if (cp < 0x80) {
            if (ascii::isLetterOrDigit(cp))
                out += QChar(static_cast<char16_t>(cp));
            else
                appendByte(out, static_cast<std::uint8_t>(cp));
            continue;
        }
        const QByteArray bytes = QChar::isSurrogate(cp) ? QByteArray() : cp932::encodeCodePointExact(cp);
        if (bytes.isEmpty()) {
            // Not in code page 932, or only through a one-way mapping whose bytes read back as
            // another character (the yen sign as a backslash): the Unicode escape keeps the
            // character, '?' is the fallback.
            if (mode == NonAscii::UnicodeWithoutGroups)
                setSkip(1);
            for (QChar unit : character) {
                appendUnicode(out, unit.unicode());
                appendByte(out, '?');
            }
            continue;
        }
        if (mode == NonAscii::Bytes) {
            for (char b : bytes)
                appendByte(out, static_cast<std::uint8_t>(b));
        } else if (mode == NonAscii::UnicodeWithoutGroups) {
            setSkip(static_cast<int>(bytes.size()));
            appendUnicode(out, first);
            for (char b : bytes)
                appendByte(out, static_cast<std::uint8_t>(b));
        } else if (bytes.size() == 1) {
            appendUnicode(out, first);
            appendByte(out, static_cast<std::uint8_t>(bytes[0]));
        } else {
            out += u"{\\uc2";
            appendUnicode(out, first);
            for (char b : bytes)
                appendByte(out, static_cast<std::uint8_t>(b));
            out += u'}';
        }
    }
    return out;
}

} // namespace

QString escapeRtfText(const QString& text, bool unicodeEscapes)
{
    return escapeRtf(text, unicodeEscapes ? NonAscii::UnicodeInGroups : NonAscii::Bytes);
}

QString rtfFontTableName(const FontCatalog& catalog, const QString& fontName)
{
    // An entry without \\fcharset (no installed family) is read in the document's code page 932.
    const FontCatalog::Entry* entry = catalog.find(fontName);
    const bool otherCodePage = entry && entry->font.charset != ShiftJisCharset;
    return escapeRtf(fontName, otherCodePage ? NonAscii::UnicodeWithoutGroups : NonAscii::Bytes, true);
}

bool rtfUsesUnicodeEscapes(const FontCatalog& catalog, const QString& fontName)
{
    // Readers decode \'XX bytes in the code page of the font's \fcharset, so only a Japanese
    // font may carry the text as bare code page 932 bytes.
    const FontCatalog::Entry* entry = catalog.find(fontName);
    return !entry || entry->font.charset != ShiftJisCharset;
}

bool rtfNeedsEastAsianFont(const QString& text)
{
    // \f sets only the Latin font for readers that keep a separate East Asian one
    // (LibreOffice); without \dbch\f2, Japanese text pastes in their default font. ASCII text
    // keeps the plain layout.
    return std::any_of(text.cbegin(), text.cend(), [](QChar c) { return c.unicode() >= 0x80; });
}

QByteArray sampleRtf(const FontCatalog& catalog, const QString& fontName, const QString& text,
                     std::int16_t size, std::int32_t colour, bool italic, bool bold, Alignment alignment)
{
    const QString hex = colourToHex(colour);
    const bool coloured = hex != u"000000";

    QString rtf = stringTableEntry(23);
    rtf +=
        u"{\\f2" + rtfFontTableWords(catalog, fontName) + u' ' + rtfFontTableName(catalog, fontName) + u";}";
    rtf += u"}\r\n";

    rtf += u"{\\colortbl\\red0\\green0\\blue0;";
    if (coloured) {
        std::int32_t red = 0, green = 0, blue = 0;
        splitColour(colour, red, green, blue);
        rtf += u"\\red" + QString::number(red) + u"\\green" + QString::number(green) + u"\\blue" +
               QString::number(blue) + u';';
    }
    rtf += u"}\r\n";

    rtf += stringTableEntry(24);
    rtf += u"\\pard\\nowwrap\\nooverflow";
    rtf += u"\\plain\\f2\\fs" + QString::number(2 * static_cast<int>(size));
    if (coloured)
        rtf += u"\\cf1";
    if (italic)
        rtf += u"\\i";
    if (bold)
        rtf += u"\\b";
    if (alignment == Alignment::Center)
        rtf += u"\\qc";
    else if (alignment == Alignment::Right)
        rtf += u"\\qr";
    if (rtfNeedsEastAsianFont(text))
        rtf += u"\\dbch\\f2";
    rtf += u' ';
    rtf += escapeRtfText(text, rtfUsesUnicodeEscapes(catalog, fontName));
    rtf += u"\r\n}";
    return rtf.toLatin1();
}

} // namespace typecask
