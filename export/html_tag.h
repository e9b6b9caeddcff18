// HTML for web authors: the sample in a FONT tag and/or a style-sheet span, and the font
// name in the forms authors type it.
#pragma once

#include "core/app_state.h"
#include "core/sample.h"
#include "core/services.h"

#include <QString>
#include <cstdint>
#include <optional>

namespace typecask {

// The HTML bar: the three option boxes and the texts of the two size boxes at copy time.
struct HtmlTagOptions
{
    bool useFontTag = true;              // Check7
    bool useStyleSheet = false;          // Check8
    bool fontFamilyInStyleSheet = false; // Check9
    QString fontTagSize;                 // Combo2 text, "1".."7" from the size link
    QString pixelSize;                   // Combo3 text, pixels for the style sheet
};

// The options from the bar's flags and the two combo texts.
HtmlTagOptions htmlTagOptionsFrom(const HtmlOptions& html, const QString& combo2Text,
                                  const QString& combo3Text);

// &, <, >, " and CR as references: a font name as the text or a double-quoted attribute value of a
// page, read back as it is.
QString escapeHtml(const QString& text);
// A font name as the value of a CSS font-family declaration: as it is when it holds nothing that
// could end the value, the declaration or the rule (a quote, backslash, brace, semicolon, "/*", a
// control character, or <, > and & that end the attribute it stands in), else a quoted CSS string
// with those escaped, so that a hostile name stays one family name.
QString cssFontFamily(const QString& name);
// The clipboard text of the HTML copy: the fragment followed by CR LF. The text is the author's
// HTML and is not escaped; the font name is escaped where it would change the markup (an
// ordinary name is written as it is).
QString sampleHtml(const QString& fontName, const QString& text, std::int32_t colour, bool bold, bool italic,
                   const HtmlTagOptions& options);

// Items of the font-name copy menu, by index.
constexpr int FontNameFormCount = 7;

// The text item index puts on the clipboard for the font name, or none for the separator
// (1) and indexes outside 0..6.
std::optional<QString> fontNameForm(int index, const QString& name);

// The font-name copy: fills ContextFontName from CurrentFontName when it is empty (and
// leaves it set), then gives what to put on the clipboard, or none.
std::optional<ClipboardContent> fontNameCopy(AppState& state, int index);

} // namespace typecask
