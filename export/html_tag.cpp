#include "export/html_tag.h"

#include "core/colour.h"
#include "core/vertical_text.h"
#include "export/string_table.h"

#include <algorithm>
#include <array>

namespace typecask {

HtmlTagOptions htmlTagOptionsFrom(const HtmlOptions& html, const QString& combo2Text,
                                  const QString& combo3Text)
{
    return HtmlTagOptions{html.useFontTag, html.useStyleSheet, html.fontFamilyInStyleSheet, combo2Text,
                          combo3Text};
}

QString sampleHtml(const QString& name, const QString& text, std::int32_t colour, bool bold, bool italic,
                   const HtmlTagOptions& options)
{
    // Browsers know no "@" families: the page names the family itself, and the style sheet sets
    // the text vertically (an inline box keeps its parent's direction, an inline block does not).
    const bool vertical = isVerticalFamilyName(name);
    const QString fontName = horizontalFamilyName(name);
    std::array<QString, 22> s;
    for (int i = 0; i < 22; ++i)
        s[static_cast<std::size_t>(i)] = stringTableEntry(i + 1);
    auto e = [&s](int entry) -> const QString& { return s[static_cast<std::size_t>(entry - 1)]; };

    const QString hex = colourToHex(colour);
    QString weight;
    if (bold && italic)
        weight = e(18);
    else if (italic)
        weight = e(19);
    else if (bold)
        weight = e(20);

    QString body = text;
    if (options.useStyleSheet) {
        body = e(12) + e(13) + e(3) + e(14) + hex;
        if (options.fontFamilyInStyleSheet)
            body += e(17) + escapeHtml(cssFontFamily(fontName));
        body += e(15) + options.pixelSize + e(16) + weight;
        if (vertical)
            body += u";display:inline-block;writing-mode:vertical-rl"_qs;
        body += e(3) + e(6) + text + e(21);
    }
    if (options.useFontTag) {
        body = e(1) + e(5) + e(3) + options.fontTagSize + e(3) + e(4) + e(3) + e(22) + hex + e(3) + e(2) +
               e(3) + escapeHtml(fontName) + e(3) + e(6) + body + e(7);
        // Bold and italic become tags only in the FONT-tag form; bold is outermost.
        if (italic)
            body = e(8) + body + e(9);
        if (bold)
            body = e(10) + body + e(11);
    }
    return body + u"\r\n";
}

QString escapeHtml(const QString& text)
{
    QString out;
    out.reserve(text.size());
    for (QChar c : text) {
        switch (c.unicode()) {
        case u'&':
            out += u"&amp;";
            break;
        case u'<':
            out += u"&lt;";
            break;
        case u'>':
            out += u"&gt;";
            break;
        case u'"':
            out += u"&quot;";
            break;
        case u'\r': // a parser reads a bare CR, or CR LF, as LF
            out += u"&#13;";
            break;
        default:
            out += c;
        }
    }
    return out;
}

namespace {

bool isControl(char16_t c)
{
    return c < 0x20 || (c >= 0x7F && c <= 0x9F);
}

} // namespace

QString cssFontFamily(const QString& name)
{
    const bool quoted = name.contains(u"/*") || std::any_of(name.cbegin(), name.cend(), [](QChar c) {
                            return isControl(c.unicode()) || QStringView(u"\"'\\{};<>&").contains(c);
                        });
    if (!quoted)
        return name;
    QString out = u"'"_qs;
    for (QChar c : name) {
        if (c == u'\'' || c == u'\\') {
            out += u'\\';
            out += c;
        } else if (isControl(c.unicode())) {
            out += u'\\' + QString::number(c.unicode(), 16) + u' '; // a CSS escape ends at the space
        } else {
            out += c;
        }
    }
    return out + u'\'';
}

std::optional<QString> fontNameForm(int index, const QString& name)
{
    const QString quote = stringTableEntry(3);
    switch (index) {
    case 0:
        return name;
    case 2:
        return u" FACE=" + quote + name + quote;
    case 3:
        return u" FACE=" + name;
    case 4:
        return u" face=" + quote + name + quote;
    case 5:
        return u" face=" + name;
    case 6:
        return u" font-family:" + name + u';';
    default:
        return std::nullopt;
    }
}

std::optional<ClipboardContent> fontNameCopy(AppState& state, int index)
{
    if (state.ContextFontName.isEmpty())
        state.ContextFontName = state.CurrentFontName;
    std::optional<QString> text = fontNameForm(index, state.ContextFontName);
    if (!text)
        return std::nullopt;
    return ClipboardContent{QByteArray(), *text};
}

} // namespace typecask
