// Text coloured character by character, as the gradient and random colour makers copy it:
// HTML with one colour tag per character, RTF with one colour-table entry per character.
#pragma once

#include "core/font_catalog.h"
#include "core/sample.h"
#include "export/html_tag.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

namespace typecask {

// One character (a surrogate pair is one) or an empty cell, and its colour (0x00BBGGRR,
// 0-16777215).
struct ColouredCharacter
{
    QString text;
    std::int32_t colour = 0;
};

// The text's characters in order; a surrogate pair is never split.
QStringList splitCharacters(const QString& text);

// The characters joined: the plain text that goes with the RTF.
QString joinCharacters(const std::vector<ColouredCharacter>& characters);

// The HTML copy: each character in its own colour tag (FONT with COLOR and/or a span), an
// empty cell or a full-width space bare, a half-width space as "&nbsp;", "<", ">" and "&"
// escaped; the whole wrapped in a FONT tag with SIZE and FACE (then I and B) when the FONT-tag
// option is on. No line end is added. The style comes from sample (its text and colour are
// not used).
QString colouredHtml(const std::vector<ColouredCharacter>& characters, const Sample& sample,
                     const HtmlTagOptions& options);

// The RTF copy: the sample's font at its size, styles and alignment, colour i + 1 of the
// table for character i, the formatting words repeated before every character.
QByteArray colouredRtf(const FontCatalog& catalog, const std::vector<ColouredCharacter>& characters,
                       const Sample& sample);

} // namespace typecask
