#include "core/cp932.h"

#include <QList>

#include <array>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <iconv.h>
#include <mutex>

namespace typecask::cp932 {
namespace {

// iconv descriptors are not thread-safe; the program is single-threaded but tests and the
// CLI may not be, so each use takes the lock.
struct Converter
{
    iconv_t cd;
    std::mutex lock;
    Converter(const char* to, const char* from) : cd(iconv_open(to, from)) {}
    ~Converter()
    {
        if (cd != reinterpret_cast<iconv_t>(-1))
            iconv_close(cd);
    }
};

Converter& toCp932()
{
    static Converter c("CP932", "UTF-32LE");
    return c;
}

Converter& fromCp932()
{
    static Converter c("UTF-32LE", "CP932");
    return c;
}

QByteArray encodeOne(Converter& c, char32_t cp)
{
    std::array<char, 4> in{};
    for (int i = 0; i < 4; ++i)
        in[i] = static_cast<char>((cp >> (8 * i)) & 0xFF);
    std::array<char, 8> out{};
    char* inp = in.data();
    size_t inLeft = 4;
    char* outp = out.data();
    size_t outLeft = out.size();
    iconv(c.cd, nullptr, nullptr, nullptr, nullptr);
    if (iconv(c.cd, &inp, &inLeft, &outp, &outLeft) == static_cast<size_t>(-1))
        return {};
    return QByteArray(out.data(), static_cast<qsizetype>(out.size() - outLeft));
}

} // namespace

QByteArray encodeCodePoint(char32_t cp)
{
    if (cp < 0x80)
        return QByteArray(1, static_cast<char>(cp));
    Converter& c = toCp932();
    std::lock_guard guard(c.lock);
    return encodeOne(c, cp);
}

QByteArray encodeCodePointExact(char32_t cp)
{
    const QByteArray bytes = encodeCodePoint(cp);
    if (cp < 0x80 || bytes.isEmpty())
        return bytes;
    return decode(bytes) == QString::fromUcs4(&cp, 1) ? bytes : QByteArray();
}

Encoded encode(const QString& text)
{
    Encoded result;
    result.bytes.reserve(text.size() * 2);
    Converter& c = toCp932();
    std::lock_guard guard(c.lock);
    qsizetype index = 0;
    for (char32_t cp : text.toUcs4()) {
        if (cp < 0x80) {
            result.bytes.append(static_cast<char>(cp));
        } else {
            QByteArray b = encodeOne(c, cp);
            if (b.isEmpty()) {
                result.bytes.append('?');
                result.unmappable.push_back(index);
            } else {
                result.bytes.append(b);
            }
        }
        ++index;
    }
    return result;
}

QByteArray encodeBytes(const QString& text)
{
    return encode(text).bytes;
}

QString decode(const QByteArray& bytes)
{
    // Bulk conversion, one replacement character per byte iconv rejects, so megabytes of
    // HTML decode at iconv's speed.
    const qsizetype n = bytes.size();
    std::vector<char32_t> out(static_cast<size_t>(n) + 1);
    Converter& c = fromCp932();
    std::lock_guard guard(c.lock);
    iconv(c.cd, nullptr, nullptr, nullptr, nullptr);
    char* inp = const_cast<char*>(bytes.constData());
    size_t inLeft = static_cast<size_t>(n);
    char* outBase = reinterpret_cast<char*>(out.data());
    char* outp = outBase;
    size_t outLeft = out.size() * sizeof(char32_t);
    while (inLeft > 0) {
        if (iconv(c.cd, &inp, &inLeft, &outp, &outLeft) != static_cast<size_t>(-1))
            break;
        if (errno == E2BIG)
            break; // cannot happen: one byte never gives more than one code point
        const char32_t bad = 0xFFFD;
        std::memcpy(outp, &bad, sizeof bad);
        outp += sizeof bad;
        outLeft -= sizeof bad;
        ++inp;
        --inLeft;
        iconv(c.cd, nullptr, nullptr, nullptr, nullptr);
    }
    const auto count = static_cast<qsizetype>((outp - outBase) / sizeof(char32_t));
    return QString::fromUcs4(out.data(), count);
}

bool isValidUtf8(QByteArrayView bytes)
{
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    const qsizetype n = bytes.size();
    qsizetype i = 0;
    while (i < n) {
        // Runs of ASCII, the bulk of HTML and settings files, eight bytes at a time.
        while (i + 8 <= n) {
            std::uint64_t word;
            std::memcpy(&word, p + i, 8);
            if (word & 0x8080808080808080ULL)
                break;
            i += 8;
        }
        while (i < n && p[i] < 0x80)
            ++i;
        if (i >= n)
            break;
        const unsigned char c = p[i];
        int len = 0;
        char32_t cp = 0;
        if ((c & 0xE0) == 0xC0) {
            len = 2;
            cp = c & 0x1F;
        } else if ((c & 0xF0) == 0xE0) {
            len = 3;
            cp = c & 0x0F;
        } else if ((c & 0xF8) == 0xF0) {
            len = 4;
            cp = c & 0x07;
        } else {
            return false;
        }
        if (i + len > n)
            return false;
        for (int k = 1; k < len; ++k) {
            if ((p[i + k] & 0xC0) != 0x80)
                return false;
            cp = (cp << 6) | (p[i + k] & 0x3F);
        }
        // Overlong forms, surrogates and values past U+10FFFF are not UTF-8.
        if ((len == 2 && cp < 0x80) || (len == 3 && cp < 0x800) || (len == 4 && cp < 0x10000) ||
            cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
            return false;
        i += len;
    }
    return true;
}

} // namespace typecask::cp932
