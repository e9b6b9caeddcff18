#include "colour_tools/coloured_text.h"

#include "core/colour.h"
#include "export/rtf_writer.h"
#include "export/string_table.h"

#include <array>

namespace typecask {

QStringList splitCharacters(const QString& text)
{
    QStringList out;
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype units =
            text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate() ? 2 : 1;
        out.append(text.mid(i, units));
        i += units;
    }
    return out;
}

QString joinCharacters(const std::vector<ColouredCharacter>& characters)
{
    QString out;
    for (const ColouredCharacter& c : characters)
        out += c.text;
    return out;
}

QString colouredHtml(const std::vector<ColouredCharacter>& characters, const Sample& sample,
                     const HtmlTagOptions& options)
{
    std::array<QString, 22> s;
    for (int i = 0; i < 22; ++i)
        s[static_cast<std::size_t>(i)] = stringTableEntry(i + 1);
    auto e = [&s](int entry) -> const QString& { return s[static_cast<std::size_t>(entry - 1)]; };

    QString weight;
    if (sample.bold && sample.italic)
        weight = e(18);
    else if (sample.italic)
        weight = e(19);
    else if (sample.bold)
        weight = e(20);

    QString body;
    for (const ColouredCharacter& ch : characters) {
        const QString& c = ch.text;
        if (c.isEmpty() || c == u"\u3000") {
            body += c;
            continue;
        }
        if (c == u" ") {
            body += u"&nbsp;";
            continue;
        }
        QString piece = c == u"<" ? u"&lt;"_qs : c == u">" ? u"&gt;"_qs : c == u"&" ? u"&amp;"_qs : c;
        const QString hex = colourToHex(ch.colour);
        if (options.useStyleSheet) {
            QString span = e(12) + e(13) + e(3) + e(14) + hex;
            if (options.fontFamilyInStyleSheet)
                span += e(17) + escapeHtml(cssFontFamily(sample.fontName));
            piece = span + e(15) + options.pixelSize + e(16) + weight + e(3) + e(6) + piece + e(21);
        }
        if (options.useFontTag)
            piece = e(1) + e(4) + e(3) + e(22) + hex + e(3) + e(6) + piece + e(7);
        body += piece;
    }
    if (options.useFontTag) {
        body = e(1) + e(5) + e(3) + options.fontTagSize + e(3) + e(2) + e(3) + escapeHtml(sample.fontName) +
               e(3) + e(6) + body + e(7);
        // As in the HTML copy, bold and italic become tags only in the FONT-tag form.
        if (sample.italic)
            body = e(8) + body + e(9);
        if (sample.bold)
            body = e(10) + body + e(11);
    }
    return body;
}

QByteArray colouredRtf(const FontCatalog& catalog, const std::vector<ColouredCharacter>& characters,
                       const Sample& sample)
{
    QString rtf = stringTableEntry(23);
    rtf += u"{\\f2" + rtfFontTableWords(catalog, sample.fontName) + u' ' +
           rtfFontTableName(catalog, sample.fontName) + u";}";
    rtf += u"}\r\n";

    rtf += u"{\\colortbl\\red0\\green0\\blue0;";
    for (const ColouredCharacter& c : characters) {
        std::int32_t red = 0, green = 0, blue = 0;
        splitColour(c.colour, red, green, blue);
        rtf += u"\\red" + QString::number(red) + u"\\green" + QString::number(green) + u"\\blue" +
               QString::number(blue) + u';';
    }
    rtf += u'}';
    rtf += stringTableEntry(24);
    rtf += u"\r\n\\pard\\nowwrap\\nooverflow";

    QString words = u"\\plain\\f2\\fs" + QString::number(2 * static_cast<int>(sample.size));
    if (sample.italic)
        words += u"\\i";
    if (sample.bold)
        words += u"\\b";
    if (sample.alignment == Alignment::Center)
        words += u"\\qc";
    else if (sample.alignment == Alignment::Right)
        words += u"\\qr";
    const QString text = joinCharacters(characters);
    // The same mends as the sample's RTF: the East Asian font named for text beyond ASCII, and
    // Unicode escapes unless the font is a Japanese one.
    const QString eastAsian = rtfNeedsEastAsianFont(text) ? u"\\dbch\\f2"_qs : QString();
    const bool unicodeEscapes = rtfUsesUnicodeEscapes(catalog, sample.fontName);
    int index = 1;
    for (const ColouredCharacter& c : characters)
        rtf += words + u"\\cf" + QString::number(index++) + eastAsian + u' ' +
               escapeRtfText(c.text, unicodeEscapes);
    rtf += u"\r\n}";
    return rtf.toLatin1();
}

} // namespace typecask
