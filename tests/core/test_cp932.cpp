#include "core/cp932.h"

#include <gtest/gtest.h>

using namespace typecask;

TEST(Cp932, EncodeKnownBytes)
{
    EXPECT_EQ(cp932::encodeBytes(u"A"_qs), QByteArray("A"));
    EXPECT_EQ(cp932::encodeBytes(u"あ"_qs), QByteArray("\x82\xA0"));
    EXPECT_EQ(cp932::encodeBytes(u"亜"_qs), QByteArray("\x88\x9F"));
    EXPECT_EQ(cp932::encodeBytes(u"ｱ"_qs), QByteArray("\xB1"));          // half-width katakana: one byte
    EXPECT_EQ(cp932::encodeBytes(u"\uFF5E"_qs), QByteArray("\x81\x60")); // the Windows wave dash mapping
    EXPECT_EQ(cp932::encodeBytes(u"①"_qs), QByteArray("\x87\x40"));      // NEC extension
}

TEST(Cp932, UnmappableCharactersAreMarked)
{
    const auto e = cp932::encode(u"a한b😀"_qs);
    EXPECT_EQ(e.bytes, QByteArray("a?b?"));
    ASSERT_EQ(e.unmappable.size(), 2u);
    EXPECT_EQ(e.unmappable[0], 1); // indexes count code points, not UTF-16 units
    EXPECT_EQ(e.unmappable[1], 3);
    EXPECT_TRUE(cp932::encodeCodePoint(U'한').isEmpty());
    EXPECT_EQ(cp932::encodeCodePoint(U'日'), QByteArray("\x93\xFA"));
}

TEST(Cp932, ExactBytesReadBackAsTheSameCharacter)
{
    // One-way mappings: the bytes read back as another character.
    for (char32_t cp : {U'\u00A5', U'\u203E', U'\u2014', U'\u301C', U'\u2016', U'\u00A2', U'\u00A3',
                        U'\u00AC', U'\u2212'}) {
        EXPECT_FALSE(cp932::encodeCodePoint(cp).isEmpty()) << std::hex << static_cast<unsigned>(cp);
        EXPECT_TRUE(cp932::encodeCodePointExact(cp).isEmpty()) << std::hex << static_cast<unsigned>(cp);
    }
    EXPECT_TRUE(cp932::encodeCodePointExact(U'\U000E0001').isEmpty()); // glibc gives no bytes at all
    // Their round-trip counterparts keep their bytes.
    EXPECT_EQ(cp932::encodeCodePointExact(U'\uFFE5'), QByteArray("\x81\x8F")); // fullwidth yen
    EXPECT_EQ(cp932::encodeCodePointExact(U'\u2015'), QByteArray("\x81\x5C"));
    EXPECT_EQ(cp932::encodeCodePointExact(U'\uFF5E'), QByteArray("\x81\x60"));
    EXPECT_EQ(cp932::encodeCodePointExact(U'\u2225'), QByteArray("\x81\x61"));
    EXPECT_EQ(cp932::encodeCodePointExact(U'\uFFE2'), QByteArray("\x81\xCA"));
    // IBM extensions in rows FA-FC, as Windows writes them; NEC row 13 and JIS stay too.
    EXPECT_EQ(cp932::encodeCodePointExact(U'\u2170'), QByteArray("\xFA\x40"));
    EXPECT_EQ(cp932::encodeCodePointExact(U'\u9AD9'), QByteArray("\xFB\xFC"));
    EXPECT_EQ(cp932::encodeCodePointExact(U'\u9ED1'), QByteArray("\xFC\x4B"));
    EXPECT_EQ(cp932::encodeCodePointExact(U'\u2460'), QByteArray("\x87\x40"));
    EXPECT_EQ(cp932::encodeCodePointExact(U'\u2235'), QByteArray("\x81\xE6"));
    EXPECT_EQ(cp932::encodeCodePointExact(U'あ'), QByteArray("\x82\xA0"));
    EXPECT_EQ(cp932::encodeCodePointExact(U'\\'), QByteArray("\\"));
    EXPECT_TRUE(cp932::encodeCodePointExact(U'한').isEmpty());
}

TEST(Cp932, DecodeRoundTripAndBadBytes)
{
    const QString text = u"日本語テキスト ｶﾀｶﾅ ①～"_qs;
    EXPECT_EQ(cp932::decode(cp932::encodeBytes(text)), text);
    // A lone lead byte at the end and an unassigned byte become replacement characters.
    EXPECT_EQ(cp932::decode(QByteArray("a\x82")), u"a\uFFFD"_qs);
    EXPECT_EQ(cp932::decode(QByteArray("\xA0x")), u"\uFFFDx"_qs);
    EXPECT_EQ(cp932::decode(QByteArray()), QString());
}

TEST(Cp932, Utf8Validity)
{
    EXPECT_EQ(cp932::decode(QByteArray("\x96\xBE\x92\xA9")), u"明朝"); // Shift-JIS bytes
    EXPECT_FALSE(cp932::isValidUtf8(QByteArray("\xC0\x80")));          // overlong
    EXPECT_FALSE(cp932::isValidUtf8(QByteArray("\xED\xA0\x80")));      // surrogate
    EXPECT_FALSE(cp932::isValidUtf8(QByteArray("\x96\xBE\x92\xA9")));
    EXPECT_TRUE(cp932::isValidUtf8(QByteArray("\xF0\x9F\x98\x80")));
    EXPECT_TRUE(cp932::isValidUtf8(u"明朝"_qs.toUtf8()));
}
