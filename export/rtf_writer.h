// The one RTF layout every copy and drag of the program produces: font table, colour table,
// the Japanese line-breaking block and the text, all in ASCII.
#pragma once

#include "core/font_catalog.h"
#include "core/sample.h"

#include <QByteArray>
#include <QString>
#include <cstdint>

namespace typecask {

// The enumeration callback: sets result to the family keyword of the face's pitch-and-family
// byte followed by \fcharset and its charset; returns 0 so only the first face is read.
std::int32_t RtfFontInfoProc(const EnumeratedFont& font, std::uint8_t pitchAndFamily, QString& result);

// Font-table control words of the named family (e.g. \froman\fcharset128), or "" when no
// installed family has that name.
QString rtfFontTableWords(const FontCatalog& catalog, const QString& fontName);

// Text in pure ASCII RTF: code page 932 bytes as \'XX, ASCII letters and digits as they are,
// and a character code page 932 cannot hold (whose bytes would not read back as it) as
// \uN\'3F. With unicodeEscapes, every other non-ASCII character carries \uN before its bytes
// too, for readers that would decode the bytes in a font's own (non-Japanese) code page.
QString escapeRtfText(const QString& text, bool unicodeEscapes = false);

// The family name as the font table entry of fontName writes it: as escapeRtfText writes it,
// except that for an installed family that is not a Japanese one the characters beyond ASCII
// carry Unicode escapes (without groups), so that a reader decoding the entry in the font's own
// code page (its \fcharset) still gets the name; and a control character (a line break) is
// written \uN\'3F, never as its byte.
QString rtfFontTableName(const FontCatalog& catalog, const QString& fontName);

// Whether text set in fontName needs escapeRtfText's Unicode escapes: true unless the font
// is an installed charset-128 (Japanese) family. The makers' RTF follows the same rule.
bool rtfUsesUnicodeEscapes(const FontCatalog& catalog, const QString& fontName);

// Whether the formatting words also name the font as the East Asian one (\dbch\f2): for any
// text beyond ASCII.
bool rtfNeedsEastAsianFont(const QString& text);

// The RTF document for the sample: fontName at size points in colour (0x00BBGGRR), with the
// given styles and alignment.
QByteArray sampleRtf(const FontCatalog& catalog, const QString& fontName, const QString& text,
                     std::int16_t size, std::int32_t colour, bool italic, bool bold, Alignment alignment);

} // namespace typecask
