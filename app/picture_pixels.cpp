// Build tool: writes a picture's pixels as bare RGB rows, so that the program can show it
// without Qt's image readers, whose first use looks through every image-format plugin.
// usage: picture_pixels IN.png OUT.rgb
#include <QFile>
#include <QImage>
#include <cstdio>

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: picture_pixels IN.png OUT.rgb\n");
        return 2;
    }
    const QImage image = QImage(QString::fromLocal8Bit(argv[1])).convertToFormat(QImage::Format_RGB888);
    QFile out(QString::fromLocal8Bit(argv[2]));
    if (image.isNull() || !out.open(QIODevice::WriteOnly)) {
        std::fprintf(stderr, "picture_pixels: cannot read %s or write %s\n", argv[1], argv[2]);
        return 1;
    }
    for (int y = 0; y < image.height(); ++y)
        out.write(reinterpret_cast<const char*>(image.constScanLine(y)), image.width() * 3);
    out.close();
    return out.error() == QFile::NoError ? 0 : 1;
}
