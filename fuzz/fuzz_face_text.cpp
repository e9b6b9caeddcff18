// A font file on any bytes, drawn as the sample list draws a row straight from the file:
// FreeType opens it, HarfBuzz shapes mixed scripts (Latin, kana, kanji, Arabic from right to
// left, combining marks, an emoji) and the glyphs are blended into an image, the same file
// standing in for the fallback face.
#include "fuzz_support.h"
#include "platform/face_text.h"

#include <QImage>

using namespace typecask;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static FaceTextRenderer renderer;
    renderer.clear(); // the same path holds another font each time
    const QByteArray file = QFile::encodeName(fuzz::putFile(u"font"_qs, data, size));
    QImage image(160, 40, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    const QString text = u"Aaあ亜 \u0627\u0644\u0639 e\u0301\U0001F600 ffi"_qs;
    for (qreal points : {9.0, 48.0})
        (void)renderer.draw(image, QPointF(2, 30), text, FaceFile{file, 0}, FaceFile{file, 1}, points,
                            Qt::black);
    FUZZ_CHECK(renderer.openFaces() <= 4);
    return 0;
}
