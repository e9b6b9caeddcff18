// What the font details window Form9 shows for one family: the texts of its labels
// Label1(0..23), filled from the catalog and, for the size table, a text measurer.
#pragma once

#include "core/font_catalog.h"

#include <QString>
#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

namespace typecask {

constexpr int FontDetailsLabelCount = 24;

// Label1 indexes with a meaning of their own.
enum FontDetailsLabel {
    DetailsFaceName = 0,
    DetailsCharset = 1,
    DetailsFontType = 2,
    DetailsHeight = 3,
    DetailsWidth = 4,
    DetailsAverageWidth = 5,
    DetailsHeightHeading = 6,
    DetailsWidthHeading = 7,
    DetailsAverageWidthHeading = 8,
    DetailsSample = 9,
    DetailsFamily = 12,
    Details9PointWidth = 16,
    Details9PointHeight = 17,
    Details12PointWidth = 19,
    Details12PointHeight = 20,
    DetailsPreviewSize = 21,
    DetailsPreviewWidth = 22,
    DetailsPreviewHeight = 23,
};

// Width and height of a text in pixels.
struct TextExtent
{
    double width = 0;
    double height = 0;
};

// Measures text in the face at a size in points with the given styles; the window passes
// its font metrics.
using MeasureText = std::function<TextExtent(const QString& text, const QString& faceName, int pointSize,
                                             bool bold, bool italic)>;

// One Japanese set's line of the coverage section.
struct CoverageRow
{
    QString text;    // "常用漢字 2136 / 2136"
    QString missing; // the characters the family lacks, in code point order
};

struct FontDetailsView
{
    std::array<QString, FontDetailsLabelCount> labels;
    // One row per Japanese set (japaneseSets()'s order); none when no family has the name.
    std::vector<CoverageRow> coverage;
    // The face the sample label is drawn in; empty when no family has the name, and then
    // every label keeps its design caption.
    QString faceName;
};

// The labels as the window is designed, before filling.
std::array<QString, FontDetailsLabelCount> fontDetailsDesignCaptions();

QString charsetName(int charset);
QString fontTypeName(int fontType);
// The family description of a pitch-and-family byte, or none when the window keeps its
// design caption.
std::optional<QString> familyDescription(std::uint8_t pitchAndFamily);

// The sample text's state the size table measures.
struct SampleMeasure
{
    QString text;
    std::int16_t previewSize = 32;
    bool bold = false;
    bool italic = false;
    MeasureText measure; // none: the size table keeps its design captions
};

// Fills the window for a family name.
FontDetailsView fontDetailsView(const FontCatalog& catalog, const QString& name, const SampleMeasure& sample);

} // namespace typecask
