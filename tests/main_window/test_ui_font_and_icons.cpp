// The application font and the strips' painted icons.
#include "main_window/strip_icons.h"
#include "platform/ui_font.h"

#include <QApplication>
#include <QFontMetricsF>
#include <QImage>
#include <QPixmap>
#include <gtest/gtest.h>

using namespace typecask;

TEST(UiFont, CoversJapaneseWithoutFallbackAndKeepsTheSize)
{
    const QFont before = QApplication::font();
    const QString family = useJapaneseUiFont();
    ASSERT_FALSE(family.isEmpty());
    QFont font = QApplication::font();
    EXPECT_EQ(font.families(), QStringList{family});
    EXPECT_EQ(font.pointSizeF(), before.pointSizeF());
    font.setStyleStrategy(QFont::NoFontMerging); // the family's own glyphs only
    const QFontMetricsF fm(font);
    for (char32_t c : {U'あ', U'フ', U'設', U'A'})
        EXPECT_TRUE(fm.inFontUcs4(c)) << int(c);
    QApplication::setFont(before);
}

TEST(StripIcons, PaintedAtTheAskedPixelRatioWithADisabledLook)
{
    const QIcon icon = stripIcon(StripIcon::Favorites);
    const QPixmap one = icon.pixmap(QSize(16, 16), 1.0);
    const QPixmap two = icon.pixmap(QSize(16, 16), 2.0);
    EXPECT_EQ(one.size(), QSize(16, 16));
    EXPECT_EQ(two.size(), QSize(32, 32));
    EXPECT_EQ(two.devicePixelRatio(), 2.0);
    // Drawn at the larger size, not scaled up: the middle is the star's fill in both.
    EXPECT_EQ(one.toImage().pixelColor(8, 9), two.toImage().pixelColor(16, 18));
    EXPECT_NE(one.toImage().pixelColor(8, 9).alpha(), 0);
    const QPixmap disabled = icon.pixmap(QSize(16, 16), 1.0, QIcon::Disabled);
    EXPECT_NE(disabled.toImage(), one.toImage());

    // Text icons keep their text after the call that made them returned.
    const QIcon glyph = glyphIcon(u"RTF"_qs, true);
    const QImage drawn = glyph.pixmap(QSize(16, 16), 1.0).toImage();
    int ink = 0;
    for (int y = 0; y < drawn.height(); ++y)
        for (int x = 0; x < drawn.width(); ++x)
            ink += drawn.pixelColor(x, y).alpha() > 0;
    EXPECT_GT(ink, 10);
}
