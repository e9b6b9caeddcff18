// Drawing straight from font files: what the renderer keeps open stays bounded however many
// families are drawn, and a file it cannot draw is left to Qt with the image untouched.
#include "core/fontconfig_source.h"
#include "platform/face_text.h"

#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace typecask;

namespace {

QImage blank()
{
    QImage image(300, 60, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    return image;
}

} // namespace

TEST(FaceText, OpenFacesStayWithinTheCapacityAndDrawingStillWorksAfterEviction)
{
    FontconfigSource installed;
    std::vector<FaceFile> files;
    installed.enumerate([&](const EnumeratedFont& f) {
        if (const auto file = installed.faceFile(f.faceName))
            files.push_back(*file);
        return true;
    });
    ASSERT_GE(files.size(), 8u);
    FaceTextRenderer renderer(4);
    int drawn = 0;
    for (int round = 0; round < 2; ++round)
        for (const FaceFile& file : files) {
            QImage image = blank();
            if (renderer.draw(image, QPointF(2, 40), u"Aaあ"_qs, file, files.front(), 20, Qt::black)) {
                ++drawn;
                EXPECT_NE(image, blank()) << file.path.constData();
            }
            EXPECT_LE(renderer.openFaces(), 4);
        }
    EXPECT_GE(drawn, static_cast<int>(files.size())); // bitmap-only faces are Qt's; the rest drawn twice
}

TEST(FaceText, AFileItCannotDrawIsLeftUntouched)
{
    QTemporaryDir dir;
    const QByteArray junk = QFile::encodeName(dir.filePath(u"junk.ttf"_qs));
    QFile f(QString::fromLocal8Bit(junk));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("\0\1\0\0 not a font", 16);
    f.close();
    FaceTextRenderer renderer;
    for (const QByteArray& path : {junk, QByteArray("/nonexistent/font.ttf")}) {
        QImage image = blank();
        EXPECT_FALSE(renderer.draw(image, QPointF(2, 40), u"Aa"_qs, FaceFile{path, 0}, {}, 20, Qt::black));
        EXPECT_FALSE(renderer.ascent(FaceFile{path, 0}, 20, image));
        EXPECT_EQ(image, blank());
    }
}
