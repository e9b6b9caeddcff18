// Vertical text against HarfBuzz's own tool on the same font files (the IPA fonts of the test
// font set): glyphs, advances and offsets of every run, and how the glyphs fall into columns.
#include "core/fontconfig_source.h"
#include "core/vertical_text.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>
#include <gtest/gtest.h>

using namespace typecask;

namespace {

// A run of text and the direction a browser shapes it in with mixed orientation (UAX #50).
struct TextRun
{
    QString text;
    bool upright;
};

struct Expected
{
    std::uint32_t glyph;
    double advance, offsetX, offsetY;
};

// hb-shape on one run, with FreeType's metrics as the program uses them, in font units.
std::vector<Expected> hbShape(const MatchedFace& face, const TextRun& run)
{
    QProcess p;
    p.start(u"hb-shape"_qs,
            {u"--font-funcs=ft"_qs, u"--direction="_qs + (run.upright ? u"ttb" : u"ltr"), u"--language=ja"_qs,
             u"--face-index="_qs + QString::number(face.faceIndex), u"--no-glyph-names"_qs,
             u"--output-format=json"_qs, u"--"_qs, QString::fromLocal8Bit(face.file), run.text});
    EXPECT_TRUE(p.waitForFinished(30000));
    std::vector<Expected> out;
    for (const QJsonValue v : QJsonDocument::fromJson(p.readAllStandardOutput()).array()) {
        const QJsonObject g = v.toObject();
        out.push_back({static_cast<std::uint32_t>(g[u"g"].toInt()),
                       run.upright ? -g[u"ay"].toDouble() : g[u"ax"].toDouble(), g[u"dx"].toDouble(),
                       -g[u"dy"].toDouble()});
    }
    return out;
}

} // namespace

TEST(VerticalText, RunsAreShapedAsHbShapeShapesThem)
{
    if (QStandardPaths::findExecutable(u"hb-shape"_qs).isEmpty())
        GTEST_FAIL() << "hb-shape not found: install libharfbuzz-bin (scripts/install-deps.sh)";
    const std::vector<std::vector<TextRun>> texts{
        {{u"「縦書き」の見本です。"_qs, true}},
        {{u"カタカナー、ひらがな〜漢字（括弧）"_qs, true}, {u"…"_qs, false}},
        {{u"東京"_qs, true}, {u"Tower 333"_qs, false}, {u"メートル、"_qs, true}},
        {{u"2026"_qs, false}, {u"年１２月１０日"_qs, true}},
        {{u"Aa"_qs, false}, {u"ぁゃっ！？"_qs, true}, {u"- Typecask"_qs, false}},
    };
    int shaped = 0;
    for (const QString& family : {u"IPA明朝"_qs, u"IPAPGothic"_qs}) {
        const std::optional<MatchedFace> face = matchedFace(family, false, false);
        ASSERT_TRUE(face);
        ASSERT_TRUE(face->file.contains("ipa")) << face->file.constData();
        SCOPED_TRACE(face->file.toStdString());
        // At one pixel a unit, the layout's pixels are hb-shape's font units.
        const int upem = VerticalFont(face->file, face->faceIndex, 16).unitsPerEm();
        ASSERT_GT(upem, 0);
        VerticalFont font(face->file, face->faceIndex, upem);
        ASSERT_TRUE(font.isValid());
        for (const std::vector<TextRun>& runs : texts) {
            QString text;
            std::vector<Expected> expected;
            for (const TextRun& run : runs) {
                text += run.text;
                const std::vector<Expected> part = hbShape(*face, run);
                expected.insert(expected.end(), part.begin(), part.end());
            }
            SCOPED_TRACE(text.toStdString());
            const std::vector<ShapedGlyph> glyphs = font.shape(text);
            ASSERT_EQ(glyphs.size(), expected.size());
            std::size_t at = 0;
            for (const TextRun& run : runs) {
                for (std::size_t end = at + hbShape(*face, run).size(); at < end; ++at) {
                    SCOPED_TRACE(at);
                    EXPECT_EQ(glyphs[at].glyph, expected[at].glyph);
                    EXPECT_EQ(glyphs[at].sideways, !run.upright);
                    EXPECT_NEAR(glyphs[at].advance, expected[at].advance, 0.02);
                    EXPECT_NEAR(glyphs[at].offsetX, expected[at].offsetX, 0.02);
                    EXPECT_NEAR(glyphs[at].offsetY, expected[at].offsetY, 0.02);
                }
            }
            ++shaped;
        }
    }
    EXPECT_EQ(shaped, 10);
}

// Columns from the right, wrapped at the height, never splitting a cluster, laid out until the
// next column would start past the left edge; sideways glyphs sit left of the centre line.
TEST(VerticalText, ColumnsRunRightToLeftAndWrapAtTheHeight)
{
    const std::optional<MatchedFace> face = matchedFace(u"IPAGothic"_qs, false, false);
    ASSERT_TRUE(face);
    VerticalFont font(face->file, face->faceIndex, 20);
    const double column = font.columnWidth();
    ASSERT_NEAR(column, 20, 1); // IPA fonts: ascent and descent make one em

    // Ten full-width characters, three to a column of 70 pixels: four columns in 100 pixels.
    const QString ten = u"一二三四五六七八九十"_qs;
    VerticalLayout l = font.layout(ten, 100, 70);
    ASSERT_EQ(l.glyphs.size(), 10u);
    EXPECT_EQ(l.columns, 4);
    EXPECT_FALSE(l.cut);
    for (int i = 0; i < 10; ++i) {
        SCOPED_TRACE(i);
        const double centre = 100 - (i / 3 + 0.5) * column;
        EXPECT_NEAR(l.glyphs[i].x, centre - 10, 1.5);         // full width: centred on the line
        EXPECT_NEAR(l.glyphs[i].y, (i % 3) * 20 + 17.6, 1.5); // baseline 0.88 em into the cell
    }
    // Only 50 pixels wide: the third column still starts inside, the fourth would not.
    l = font.layout(ten, 50, 70);
    EXPECT_EQ(l.glyphs.size(), 9u);
    EXPECT_TRUE(l.cut);
    // Taller than the whole text: one column.
    EXPECT_EQ(font.layout(ten, 50, 1000).columns, 1);
    // A column lower than one character still holds one.
    EXPECT_EQ(font.layout(u"一二"_qs, 100, 5).columns, 2);

    // Latin turned clockwise: its baseline runs down the column, left of the centre line, and
    // its top faces right.
    l = font.layout(u"あAB"_qs, 100, 200);
    ASSERT_EQ(l.glyphs.size(), 3u);
    EXPECT_FALSE(l.glyphs[0].sideways);
    EXPECT_TRUE(l.glyphs[1].sideways && l.glyphs[2].sideways);
    const double centre = 100 - column / 2;
    EXPECT_NEAR(l.glyphs[1].x, centre - 7.6, 1); // the central baseline: (0.88 - 0.12) / 2 em
    EXPECT_NEAR(l.glyphs[1].y, 20, 0.5);
    EXPECT_GT(l.glyphs[2].y, l.glyphs[1].y);
    const GlyphBitmap& a = font.bitmap(l.glyphs[1].glyph, true);
    EXPECT_GT(a.width, a.height) << "a turned A is wider than tall";
    EXPECT_GE(a.left, 0) << "its ink lies right of its baseline";
}

// The orientation table follows Unicode's VerticalOrientation.txt where Japanese text needs it.
TEST(VerticalText, OrientationOfJapaneseAndLatinCharacters)
{
    for (char32_t upright :
         {U'あ', U'ア', U'漢', U'、', U'。', U'ー', U'「', U'」', U'〜', U'Ａ', U'１', U'㍿', U'\U00020B9F'})
        EXPECT_TRUE(uprightInVertical(upright)) << std::hex << static_cast<unsigned>(upright);
    for (char32_t sideways : {U'A', U'z', U'0', U' ', U'-', U'(', U'—', U'…', U'ｱ'})
        EXPECT_FALSE(uprightInVertical(sideways)) << std::hex << static_cast<unsigned>(sideways);
}
