// typecask-cli render, the preview's own drawing, against HarfBuzz's hb-view on the same font
// file, size and text: every character cell's ink must lie where hb-view puts it.
#include <QImage>
#include <QProcess>
#include <QRect>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const char* const MinchoFile = "/usr/share/fonts/opentype/ipafont-mincho/ipam.ttf";
constexpr int Em = 64; // 48 points at 96 pixels an inch

bool run(const QString& program, const QStringList& args)
{
    QProcess p;
    p.start(program, args);
    if (!p.waitForFinished(60000) || p.exitCode() != 0) {
        ADD_FAILURE() << program.toStdString() << ": " << p.readAllStandardError().toStdString();
        return false;
    }
    return true;
}

// The ink (darker than mid grey) inside cell, relative to the cell's top left; null for none.
QRect inkIn(const QImage& image, const QRect& cell)
{
    QRect ink;
    for (int y = cell.top(); y <= cell.bottom() && y < image.height(); ++y)
        for (int x = cell.left(); x <= cell.right() && x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < 128)
                ink |= QRect(x - cell.left(), y - cell.top(), 1, 1);
    return ink;
}

void expectSameInk(const QRect& ours, const QRect& theirs, int tolerance)
{
    ASSERT_EQ(ours.isNull(), theirs.isNull());
    EXPECT_NEAR(ours.left(), theirs.left(), tolerance);
    EXPECT_NEAR(ours.top(), theirs.top(), tolerance);
    EXPECT_NEAR(ours.right(), theirs.right(), tolerance);
    EXPECT_NEAR(ours.bottom(), theirs.bottom(), tolerance);
}

} // namespace

// Four columns of five characters, the first at the right: each column's cells against hb-view's
// one column of the same five characters top to bottom (vertical alternates and all).
TEST(SpecimenRender, VerticalColumnsMatchHbView)
{
    ASSERT_FALSE(QStandardPaths::findExecutable(u"hb-view"_qs).isEmpty())
        << "hb-view not found: install libharfbuzz-bin (scripts/install-deps.sh)";
    QTemporaryDir dir;
    const QString text = u"「縦書き」の見本です。ひらがな、カタカナー"_qs;
    const QString ours = dir.filePath(u"ours.png"_qs);
    ASSERT_TRUE(run(qEnvironmentVariable("TYPECASK_CLI"),
                    {u"render"_qs, u"--font"_qs, u"@IPA明朝"_qs, u"--size"_qs, u"48"_qs, u"--width"_qs,
                     QString::number(4 * Em + 20), u"--height"_qs, QString::number(5 * Em + 10), u"--out"_qs,
                     ours, text}));
    const QImage picture(ours);
    ASSERT_EQ(picture.width(), 4 * Em + 20);
    for (int column = 0; column < 4; ++column) {
        SCOPED_TRACE(column);
        const QString theirs = dir.filePath(u"column%1.png"_qs.arg(column));
        ASSERT_TRUE(run(u"hb-view"_qs, {u"--font-funcs=ft"_qs, u"--direction=ttb"_qs, u"--language=ja"_qs,
                                        u"--font-size="_qs + QString::number(Em), u"--margin=0"_qs,
                                        u"--output-format=png"_qs, u"-o"_qs, theirs, u"--"_qs,
                                        QString::fromLatin1(MinchoFile), text.mid(column * 5, 5)}));
        const QImage reference(theirs);
        ASSERT_EQ(reference.width(), Em) << "hb-view's column is one em wide";
        const int right = picture.width() - column * Em;
        for (int cell = 0; cell < 5; ++cell) {
            SCOPED_TRACE(text.mid(column * 5 + cell, 1).toStdString());
            expectSameInk(inkIn(picture, QRect(right - Em, cell * Em, Em, Em)),
                          inkIn(reference, QRect(0, cell * Em, Em, Em)), 2);
        }
    }
    // Nothing left of the fourth column, nothing below the fifth row.
    EXPECT_TRUE(inkIn(picture, QRect(0, 0, 20, picture.height())).isNull());
    EXPECT_TRUE(inkIn(picture, QRect(0, 5 * Em + 2, picture.width(), 8)).isNull());
}
