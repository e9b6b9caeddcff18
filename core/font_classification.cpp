#include "core/font_classification.h"

#include <QHash>
#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <tuple>

namespace typecask {

int charsetForCoverage(const LanguageCoverage& c)
{
    auto any = [&](std::initializer_list<const char*> langs) {
        for (const char* l : langs)
            if (c.has(l))
                return true;
        return false;
    };
    if (c.has("ja"))
        return 128;
    if (c.symbol || c.empty || c.byteTable)
        return 2;
    if (c.has("ko"))
        return 129;
    if (c.has("zh-cn"))
        return 134;
    if (any({"zh-tw", "zh-hk"}))
        return 136;
    if (c.has("th"))
        return 222;
    // A pan-European text font (Latin with Greek or Cyrillic) is a Western font even when it
    // also carries a few glyph sets of other scripts (DejaVu Sans covers Lao).
    const bool latin = any({"en", "de", "fr"});
    if (latin && any({"el", "ru"}))
        return 0;
    // Scripts Latin text fonts never carry: such a font is for other scripts.
    if (any({"hi", "bn", "ta", "te", "km", "lo", "my", "si", "gu", "pa", "kn", "ml", "or", "mr", "ne", "sa"}))
        return 1;
    if (latin)
        return 0;
    static const std::pair<const char*, int> rest[] = {{"el", 161}, {"ru", 204}, {"ar", 178}, {"he", 177},
                                                       {"tr", 162}, {"vi", 163}, {"lt", 186}, {"pl", 238}};
    for (const auto& [lang, cs] : rest)
        if (c.has(lang))
            return cs;
    return 1;
}

int fontTypeForFormat(const QByteArray& fontFormat, bool outline)
{
    if (fontFormat == "TrueType" || fontFormat == "CFF")
        return outline ? TrueTypeFontType : RasterFontType;
    if (fontFormat == "PCF" || fontFormat == "BDF" || !outline)
        return RasterFontType;
    return 0;
}

namespace {

// fontconfig's values for a regular face.
constexpr int RegularWeight = 80, RomanSlant = 0, NormalWidth = 100;

// Lower is closer to the family's regular face.
int regularScore(const ListedFace& f)
{
    return std::abs(f.weight - RegularWeight) * 4 + (f.slant != RomanSlant ? 1000 : 0) +
           std::abs(f.width - NormalWidth) * 2;
}

// Lower is preferred: TrueType/OpenType, then other outlines (Type 1), then bitmaps.
int formatRank(const ListedFace& f)
{
    switch (fontTypeForFormat(f.format, f.outline)) {
    case TrueTypeFontType:
        return 0;
    case RasterFontType:
        return 2;
    default:
        return 1;
    }
}

bool representsBetter(const ListedFace& a, const ListedFace& b)
{
    const auto key = [](const ListedFace& f) { return std::make_tuple(formatRank(f), regularScore(f)); };
    if (key(a) != key(b))
        return key(a) < key(b);
    if (a.file != b.file)
        return a.file < b.file;
    return a.index < b.index;
}

} // namespace

std::vector<std::size_t> representativeFaces(const std::vector<ListedFace>& faces)
{
    std::vector<std::size_t> chosen;
    QHash<QByteArray, std::size_t> byFamily; // family -> slot in chosen
    for (std::size_t i = 0; i < faces.size(); ++i) {
        const ListedFace& f = faces[i];
        if (f.family.isEmpty())
            continue;
        const auto found = byFamily.constFind(f.family);
        if (found == byFamily.constEnd()) {
            byFamily.insert(f.family, chosen.size());
            chosen.push_back(i);
        } else if (representsBetter(f, faces[chosen[found.value()]])) {
            chosen[found.value()] = i;
        }
    }
    return chosen;
}

namespace {

std::uint8_t familyBits(const Os2Fields* os2, bool fixedPitch)
{
    if (os2) {
        const int kind = os2->panose[0];
        if (kind == 3)
            return 0x40;
        if (kind == 4 || kind == 5)
            return 0x50;
        if (kind == 2) {
            if (os2->panose[3] == 9)
                return 0x30;
            const int serif = os2->panose[1];
            if (serif >= 11 && serif <= 13)
                return 0x20;
            if (serif >= 2 && serif <= 10)
                return 0x10;
        }
        const int cls = (os2->sFamilyClass >> 8) & 0xFF;
        if (cls >= 1 && cls <= 7)
            return 0x10;
        if (cls == 8)
            return 0x20;
        if (cls == 9 || cls == 12)
            return 0x50;
        if (cls == 10)
            return 0x40;
    }
    return fixedPitch ? 0x30 : 0x00;
}

} // namespace

std::uint8_t pitchAndFamily(const Os2Fields* os2, bool fixed)
{
    return static_cast<std::uint8_t>(familyBits(os2, fixed) | (fixed ? 1 : 2));
}

int outlineCellWidth(double averageAdvance, double cellUnits)
{
    return cellUnits > 0 ? static_cast<int>(std::lround(averageAdvance * OutlineCellHeight / cellUnits)) : 0;
}

std::optional<FontDetails> detailsFromTables(const SfntFace& face, bool fixed)
{
    if (!face.outline || face.bitmapsOrVariations || !face.os2 || face.os2->version == 0xFFFF)
        return std::nullopt;
    const Os2Fields& os2 = *face.os2;
    const int winHeight = os2.usWinAscent + os2.usWinDescent;
    if (winHeight <= 0)
        return std::nullopt;
    FontDetails d;
    d.pitchAndFamily = pitchAndFamily(&os2, fixed);
    d.logicalHeight = OutlineCellHeight;
    d.logicalWidth = outlineCellWidth(os2.xAvgCharWidth, winHeight);
    d.averageWidthUnits = os2.xAvgCharWidth;
    return d;
}

} // namespace typecask
