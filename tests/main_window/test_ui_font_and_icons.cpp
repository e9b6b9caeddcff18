// The application font, the strips' painted icons and the progress window's banner.
#include "main_window/progress_window.h"
#include "platform/ui_font.h"
#include "widgets/strip_icons.h"

#include <QApplication>
#include <QFontMetricsF>
#include <QImage>
#include <QLabel>
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

TEST(ProgressWindow, ShowsTheFixedBannerWithTheStatusBeneath)
{
    Form6 progress;
    const auto* picture = progress.findChild<QLabel*>(u"Picture1"_qs);
    const auto* status = progress.findChild<QLabel*>(u"Label1"_qs);
    ASSERT_TRUE(picture && status);
    const QPixmap banner = picture->pixmap();
    ASSERT_FALSE(banner.isNull()); // the picture is in the resources
    EXPECT_EQ(banner.deviceIndependentSize().toSize(), QSize(320, 96));
    EXPECT_EQ(progress.width(), 320);
    EXPECT_GE(progress.height(), 96 + status->sizeHint().height());
    progress.setStatus(u"フォント読み込み中"_qs);
    EXPECT_EQ(status->text(), u"フォント読み込み中"_qs);
}
