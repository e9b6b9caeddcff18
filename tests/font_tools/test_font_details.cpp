#include "fakes/fake_font_source.h"
#include "font_tools/font_details.h"

#include <gtest/gtest.h>

using namespace typecask;
using fakes::FakeFontSource;

namespace {

FontDetails details(std::uint8_t pitchAndFamily, int height, int width, std::optional<int> average)
{
    FontDetails d;
    d.pitchAndFamily = pitchAndFamily;
    d.logicalHeight = height;
    d.logicalWidth = width;
    d.averageWidthUnits = average;
    return d;
}

struct Fixture
{
    std::shared_ptr<FakeFontSource> source = std::make_shared<FakeFontSource>();
    FontCatalog catalog;
    Fixture()
    {
        source->add(u"IPAゴシック"_qs, 128, TrueTypeFontType, details(0x31, 16, 7, 1024))
            .add(u"fixed"_qs, 0, RasterFontType, details(0x31, 13, 6, std::nullopt))
            .add(u"Song"_qs, 134, TrueTypeFontType | DeviceFontType, details(0x06, 16, 8, 500))
            .add(u"Unread"_qs, 0, 0);
        source->families[0].otherNames << u"IPAGothic"_qs;
        catalog.setSource(source);
        enumerateFonts(catalog, *source);
    }
};

} // namespace

TEST(FontDetailsView, JapaneseTrueTypeFamily)
{
    Fixture f;
    const FontDetailsView v = fontDetailsView(f.catalog, u"IPAGothic"_qs, SampleMeasure{});
    EXPECT_EQ(v.faceName, u"IPAゴシック"_qs);
    const auto& l = v.labels;
    EXPECT_EQ(l[DetailsFaceName], u"IPAゴシック"_qs);
    EXPECT_EQ(l[DetailsCharset], u"日本語"_qs);
    EXPECT_EQ(l[DetailsFontType], u"TRUETYPE"_qs);
    EXPECT_EQ(l[DetailsHeight], u"16"_qs);
    EXPECT_EQ(l[DetailsWidth], u"7"_qs);
    EXPECT_EQ(l[DetailsAverageWidth], u"1024"_qs);
    EXPECT_EQ(l[DetailsFamily], u"固定ストローク幅"_qs);
    EXPECT_EQ(l[DetailsSample], u"ABCDEFGHIJKLMNOPQRSTUVWXYZ\r\nabcdefghijklmnopqrstuvwxyz\r\n"
                                u"あいうえおかきくけこ亜意宇江尾"_qs);
    // Without a measurer the size table stays as designed.
    const auto design = fontDetailsDesignCaptions();
    for (int i = 15; i < FontDetailsLabelCount; ++i)
        EXPECT_EQ(l[i], design[i]) << i;
}

TEST(FontDetailsView, OtherFamilies)
{
    Fixture f;
    FontDetailsView v = fontDetailsView(f.catalog, u"fixed"_qs, SampleMeasure{});
    EXPECT_EQ(v.labels[DetailsCharset], u"欧文"_qs);
    EXPECT_EQ(v.labels[DetailsFontType], u"RASTER"_qs);
    EXPECT_EQ(v.labels[DetailsAverageWidth], QString()); // no OS/2 table
    EXPECT_EQ(v.labels[DetailsSample], u"ABCDEFGHIJKLMNOPQRSTUVWXYZ\r\nabcdefghijklmnopqrstuvwxyz"_qs);

    v = fontDetailsView(f.catalog, u"Song"_qs, SampleMeasure{});
    EXPECT_EQ(v.labels[DetailsCharset], u"134"_qs);
    EXPECT_EQ(v.labels[DetailsFontType], u"6"_qs);
    EXPECT_EQ(v.labels[DetailsFamily], u"????"_qs); // 0x06 keeps the design caption

    v = fontDetailsView(f.catalog, u"Unread"_qs, SampleMeasure{});
    EXPECT_EQ(v.labels[DetailsFontType], u"0"_qs);
    EXPECT_EQ(v.labels[DetailsHeight], u"0"_qs);
    EXPECT_EQ(v.labels[DetailsFamily], u"なし"_qs);
}

TEST(FontDetailsView, UnknownNameKeepsTheDesign)
{
    Fixture f;
    int calls = 0;
    SampleMeasure sample;
    sample.measure = [&calls](const QString&, const QString&, int, bool, bool) {
        ++calls;
        return TextExtent{1, 1};
    };
    const FontDetailsView v = fontDetailsView(f.catalog, u"No Such Font"_qs, sample);
    EXPECT_TRUE(v.faceName.isEmpty());
    EXPECT_EQ(v.labels, fontDetailsDesignCaptions());
    EXPECT_EQ(calls, 0);
    EXPECT_EQ(v.labels[0], u"???"_qs);
    EXPECT_EQ(v.labels[3], u"????"_qs);
    EXPECT_EQ(v.labels[7], u"ﾌｫﾝﾄの平均幅"_qs);
    EXPECT_EQ(v.labels[10], u"現在のサンプル文字での幅と高さ"_qs);
    EXPECT_EQ(v.labels[21], u"０"_qs);
    EXPECT_TRUE(v.labels[9].isEmpty());
}

TEST(FontDetailsView, SizeTableMeasuresTheSample)
{
    Fixture f;
    struct Call
    {
        QString text, face;
        int size;
        bool bold, italic;
    };
    std::vector<Call> calls;
    SampleMeasure sample;
    sample.text = u"Ab"_qs;
    sample.previewSize = 20;
    sample.bold = true;
    sample.italic = false;
    sample.measure = [&calls](const QString& text, const QString& face, int size, bool bold, bool italic) {
        calls.push_back({text, face, size, bold, italic});
        return TextExtent{size * 1.5 * double(text.size()) / 2, size + 0.25};
    };
    FontDetailsView v = fontDetailsView(f.catalog, u"IPAGothic"_qs, sample);
    ASSERT_EQ(calls.size(), 3u);
    EXPECT_EQ(calls[0].size, 9);
    EXPECT_EQ(calls[1].size, 12);
    EXPECT_EQ(calls[2].size, 20);
    for (const Call& c : calls) {
        EXPECT_EQ(c.text, u"Ab"_qs);
        EXPECT_EQ(c.face, u"IPAゴシック"_qs);
        EXPECT_TRUE(c.bold);
        EXPECT_FALSE(c.italic);
    }
    const auto& l = v.labels;
    EXPECT_EQ(l[15], u"9"_qs);
    EXPECT_EQ(l[Details9PointWidth], u"13.5"_qs); // a fraction only when there is one
    EXPECT_EQ(l[Details9PointHeight], u"9.25"_qs);
    EXPECT_EQ(l[Details12PointWidth], u"18"_qs);
    EXPECT_EQ(l[DetailsPreviewSize], u"20"_qs);
    EXPECT_EQ(l[DetailsPreviewWidth], u"30"_qs);
    EXPECT_EQ(l[DetailsPreviewHeight], u"20.25"_qs);

    sample.text.clear();
    v = fontDetailsView(f.catalog, u"IPAGothic"_qs, sample);
    EXPECT_EQ(v.labels[Details9PointWidth], u"0"_qs);
    EXPECT_EQ(v.labels[Details12PointWidth], u"0"_qs);
    EXPECT_EQ(v.labels[DetailsPreviewWidth], u"0"_qs);
}

TEST(FontDetailsTables, CharsetTypeAndFamilyNames)
{
    const std::pair<int, const char16_t*> charsets[] = {
        {0, u"欧文"},     {2, u"特殊文字"},   {128, u"日本語"},     {129, u"ハングル"}, {136, u"中国"},
        {130, u"JOHAB"},  {178, u"アラビア"}, {238, u"EASTEUROPE"}, {204, u"RUSSIAN"},  {77, u"MAC"},
        {186, u"バルト"}, {222, u"THAI"},     {162, u"TURKISH"},    {1, u"DEFAULT"},    {161, u"GREEK"},
        {255, u"OEM"},    {134, u"134"},      {163, u"163"},
    };
    for (const auto& [value, name] : charsets)
        EXPECT_EQ(charsetName(value), QString::fromUtf16(name)) << value;

    EXPECT_EQ(fontTypeName(1), u"RASTER"_qs);
    EXPECT_EQ(fontTypeName(2), u"DEVICE"_qs);
    EXPECT_EQ(fontTypeName(4), u"TRUETYPE"_qs);
    EXPECT_EQ(fontTypeName(6), u"6"_qs);
    EXPECT_EQ(fontTypeName(0), u"0"_qs);

    const std::pair<std::uint8_t, const char16_t*> families[] = {
        {0x00, u"なし"},
        {0x01, u"なし"},
        {0x02, u"なし"},
        {0x12, u"可変ストローク幅、セリフ付き"},
        {0x22, u"可変ストローク幅、セリフなし"},
        {0x31, u"固定ストローク幅"},
        {0x42, u"手書き風"},
        {0x52, u"装飾付きフォント"},
        {0xA2, u"可変ストローク幅、セリフなし"},
    };
    for (const auto& [byte, name] : families)
        EXPECT_EQ(familyDescription(byte), QString::fromUtf16(name)) << int(byte);
    for (std::uint8_t keepsCaption : {0x04, 0x08, 0x16, 0x60})
        EXPECT_FALSE(familyDescription(keepsCaption).has_value()) << int(keepsCaption);
}
