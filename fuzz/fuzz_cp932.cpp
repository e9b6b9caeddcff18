// The code page 932 codec and the UTF-8 check that decides a stored line's encoding.
#include "core/cp932.h"
#include "fuzz_support.h"

#include <QStringDecoder>

using namespace typecask;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));

    // Decoding never makes more characters than bytes, and what it makes encodes back to bytes
    // that decode to the same text; only the replacement characters become '?'.
    const QString text = cp932::decode(bytes);
    const QList<uint> codePoints = text.toUcs4();
    FUZZ_CHECK(codePoints.size() <= bytes.size());
    const cp932::Encoded encoded = cp932::encode(text);
    QString expected = text;
    expected.replace(QChar(0xFFFD), u'?');
    FUZZ_CHECK(cp932::decode(encoded.bytes) == expected);
    qsizetype replacements = 0;
    for (uint cp : codePoints)
        replacements += cp == 0xFFFD ? 1 : 0;
    FUZZ_CHECK(static_cast<qsizetype>(encoded.unmappable.size()) == replacements);

    // The UTF-8 check agrees with Qt's own decoder.
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    FUZZ_CHECK(QString(utf8.decode(bytes)).size() <= bytes.size());
    FUZZ_CHECK(cp932::isValidUtf8(bytes) == !utf8.hasError());
    return 0;
}
