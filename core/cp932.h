// Code page 932 (Japanese Windows) through glibc iconv, the one place that knows it.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <vector>

namespace typecask::cp932 {

struct Encoded
{
    QByteArray bytes;
    // Code point indexes (into the text as code points) that code page 932 cannot hold;
    // each was written as '?'.
    std::vector<qsizetype> unmappable;
};

// Encodes text; a character code page 932 cannot hold becomes '?'.
Encoded encode(const QString& text);
QByteArray encodeBytes(const QString& text);

// Bytes of one code point (1 or 2), or empty when it is unmappable.
QByteArray encodeCodePoint(char32_t cp);

// Bytes of one code point that decode back to it, or empty. glibc, like Windows, maps some
// characters one way (U+00A5 yen sign to 5C, U+203E to 7E, U+2014 to 815C, U+301C to 8160,
// U+2016 to 8161, U+00A2 to 8191, ...): those bytes read back as other characters.
QByteArray encodeCodePointExact(char32_t cp);

// Decodes bytes; an invalid sequence becomes U+FFFD.
QString decode(const QByteArray& bytes);

// Whether bytes are UTF-8: no overlong forms, surrogates or values past U+10FFFF.
bool isValidUtf8(QByteArrayView bytes);

} // namespace typecask::cp932
