// Code page 932 (Japanese Windows) through glibc iconv, the one place that knows it.
#pragma once

#include <QByteArray>
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

// Decodes bytes; an invalid sequence becomes U+FFFD.
QString decode(const QByteArray& bytes);

// Files: UTF-8 (a BOM skipped) when the bytes are valid UTF-8, otherwise code page 932.
QString decodeUtf8OrCp932(const QByteArray& bytes);

bool isValidUtf8(const QByteArray& bytes);

} // namespace typecask::cp932
