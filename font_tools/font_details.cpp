#include "font_tools/font_details.h"

#include <cmath>

namespace typecask {

std::array<QString, FontDetailsLabelCount> fontDetailsDesignCaptions()
{
    return {
        u"???"_qs,                            // 0 face name
        u"???"_qs,                            // 1 character set
        u"???"_qs,                            // 2 font type
        u"????"_qs,                           // 3 height
        u"????"_qs,                           // 4 width
        u"????"_qs,                           // 5 average width in font units
        u"文字の高さ"_qs,                     // 6
        u"ﾌｫﾝﾄの平均幅"_qs,                   // 7
        u"ﾌｫﾝﾄの太さ"_qs,                     // 8
        QString(),                            // 9 alphabet sample
        u"現在のサンプル文字での幅と高さ"_qs, // 10
        u"サイズ"_qs,                         // 11
        u"????"_qs,                           // 12 family
        u"幅"_qs,                             // 13
        u"高さ"_qs,                           // 14
        u"9"_qs,
        u"0"_qs,
        u"0"_qs,
        u"12"_qs,
        u"0"_qs,
        u"0"_qs,
        u"０"_qs, // full-width in the design
        u"0"_qs,
        u"0"_qs,
    };
}

QString charsetName(int charset)
{
    switch (charset) {
    case 0:
        return u"欧文"_qs;
    case 2:
        return u"特殊文字"_qs;
    case 128:
        return u"日本語"_qs;
    case 129:
        return u"ハングル"_qs;
    case 136:
        return u"中国"_qs;
    case 130:
        return u"JOHAB"_qs;
    case 178:
        return u"アラビア"_qs;
    case 238:
        return u"EASTEUROPE"_qs;
    case 204:
        return u"RUSSIAN"_qs;
    case 77:
        return u"MAC"_qs;
    case 186:
        return u"バルト"_qs;
    case 222:
        return u"THAI"_qs;
    case 162:
        return u"TURKISH"_qs;
    case 1:
        return u"DEFAULT"_qs;
    case 161:
        return u"GREEK"_qs;
    case 255:
        return u"OEM"_qs;
    default:
        return QString::number(charset);
    }
}

QString fontTypeName(int fontType)
{
    switch (fontType) {
    case RasterFontType:
        return u"RASTER"_qs;
    case DeviceFontType:
        return u"DEVICE"_qs;
    case TrueTypeFontType:
        return u"TRUETYPE"_qs;
    default:
        return QString::number(fontType);
    }
}

std::optional<QString> familyDescription(std::uint8_t pitchAndFamily)
{
    switch (pitchAndFamily & 0x7C) {
    case 0x00:
        return u"なし"_qs;
    case 0x10:
        return u"可変ストローク幅、セリフ付き"_qs;
    case 0x20:
        return u"可変ストローク幅、セリフなし"_qs;
    case 0x30:
        return u"固定ストローク幅"_qs;
    case 0x40:
        return u"手書き風"_qs;
    case 0x50:
        return u"装飾付きフォント"_qs;
    default:
        return std::nullopt;
    }
}

namespace {

// Pixels in decimal, with a fraction only when there is one.
QString pixels(double v)
{
    return QString::number(v, 'g', 15);
}

std::vector<CoverageRow> coverageRows(const FontCatalog& catalog, const FontCatalog::Entry& entry)
{
    const std::vector<int>& counts = catalog.coverage(entry);
    const std::span<const JapaneseSet> sets = japaneseSets();
    // The characters are read once more only when some set is incomplete.
    std::optional<CharacterPages> mapped;
    std::vector<CoverageRow> rows;
    for (std::size_t i = 0; i < sets.size(); ++i) {
        CoverageRow row{coverageLine(sets[i], counts[i]), QString()};
        if (counts[i] < sets[i].total) {
            if (!mapped)
                mapped =
                    catalog.source() ? catalog.source()->characters(entry.font.faceName) : CharacterPages();
            const std::vector<char32_t> missing = missingCharacters(*mapped, japaneseSetPages()[i]);
            row.missing = QString::fromUcs4(missing.data(), static_cast<qsizetype>(missing.size()));
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

} // namespace

FontDetailsView fontDetailsView(const FontCatalog& catalog, const QString& name, const SampleMeasure& sample)
{
    FontDetailsView view{fontDetailsDesignCaptions(), {}, QString()};
    const FontCatalog::Entry* entry = catalog.find(name);
    if (!entry)
        return view;
    auto& l = view.labels;
    const EnumeratedFont& font = entry->font;
    const FontDetails* details = catalog.details(name);

    view.faceName = font.faceName;
    l[DetailsSample] = u"ABCDEFGHIJKLMNOPQRSTUVWXYZ\r\nabcdefghijklmnopqrstuvwxyz"_qs;
    l[DetailsFaceName] = font.faceName;
    l[DetailsCharset] = charsetName(font.charset);
    if (font.charset == ShiftJisCharset)
        l[DetailsSample] += u"\r\nあいうえおかきくけこ亜意宇江尾";
    l[DetailsHeight] = QString::number(details ? details->logicalHeight : 0);
    l[DetailsWidth] = QString::number(details ? details->logicalWidth : 0);
    // Only fonts with an OS/2 table report an average width in font units.
    l[DetailsAverageWidth] =
        details && details->averageWidthUnits ? QString::number(*details->averageWidthUnits) : QString();
    l[DetailsFontType] = fontTypeName(font.fontType);
    if (std::optional<QString> family = familyDescription(details ? details->pitchAndFamily : 0))
        l[DetailsFamily] = *family;

    view.coverage = coverageRows(catalog, *entry);

    if (sample.measure) {
        struct Row
        {
            int size;
            int width;
            int height;
        };
        const Row rows[] = {{9, Details9PointWidth, Details9PointHeight},
                            {12, Details12PointWidth, Details12PointHeight},
                            {sample.previewSize, DetailsPreviewWidth, DetailsPreviewHeight}};
        l[DetailsPreviewSize] = QString::number(sample.previewSize);
        for (const Row& r : rows) {
            const TextExtent e =
                sample.measure(sample.text, font.faceName, r.size, sample.bold, sample.italic);
            l[static_cast<std::size_t>(r.width)] = pixels(e.width);
            l[static_cast<std::size_t>(r.height)] = pixels(e.height);
        }
    }
    return view;
}

} // namespace typecask
