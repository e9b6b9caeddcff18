// The fonts a page asks for the way browsers read it today: font-family and the font shorthand
// in style attributes, <style> blocks and the style sheets the page links with a relative path,
// and the families its @font-face rules declare. Each distinct family list keeps the distinct
// characters of the text it applies to, so that a resolver can tell which of them would fall
// back to another font. Streams over the page line by line: memory is bounded by the longest
// line, the number of distinct lists and the characters in use, never by the page's size.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QHash>
#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <functional>
#include <set>
#include <string>
#include <vector>

namespace typecask {

// A declaration, selector or tag longer than this is dropped rather than kept in memory.
constexpr qsizetype MaxCssChunkBytes = 64 * 1024;
// Distinct family lists kept per check; a page with more names no further ones.
constexpr qsizetype MaxFamilyLists = 2000;
// Style sheets read per page (linked ones and their @imports).
constexpr int MaxStyleSheets = 64;

// serif, sans-serif, monospace and the other generic family keywords, in any letter case.
bool isGenericFamily(QStringView name);

struct CssFamily
{
    QString name;
    bool generic = false; // an unquoted generic keyword; "serif" in quotes names a font
    bool operator==(const CssFamily&) const = default;
};

// The families of a font-family value in order; empty when the value names none (a CSS-wide
// keyword such as inherit, var(), or a value browsers drop as invalid).
std::vector<CssFamily> parseFontFamilyValue(QStringView value);
// The family part of a font shorthand value ("italic 700 12px/1.5 'A B', serif"); empty for a
// system font keyword or a value without a size.
std::vector<CssFamily> parseFontShorthand(QStringView value);

// The distinct characters of a text, as a bit set: cheap enough to fill from every character of
// a page, and bounded by the code space.
class CharacterSet
{
public:
    void add(char32_t c);
    void addAscii(unsigned char c) { m_ascii[c >> 6] |= std::uint64_t{1} << (c & 63); }
    // ASCII characters as bits: low for 0-63, high for 64-127 (the controls and space are
    // taken out here).
    void addAsciiBits(std::uint64_t low, std::uint64_t high)
    {
        m_ascii[0] |= low & ~std::uint64_t{0x1FFFFFFFF};
        m_ascii[1] |= high & ~(std::uint64_t{1} << 63);
    }
    void unite(const CharacterSet& other);
    bool contains(char32_t c) const;
    bool isEmpty() const;
    qsizetype size() const;
    // Every character in ascending order.
    std::vector<char32_t> toVector() const;

private:
    std::array<std::uint64_t, 2> m_ascii{};
    std::vector<std::uint64_t> m_bmp; // U+0080..U+FFFF, allocated on first use
    std::set<char32_t> m_astral;
};

// Whether a character needs a glyph at all: white space, controls and default-ignorable format
// characters are drawn by no font.
bool needsGlyph(char32_t c);

enum class CssSource : unsigned char {
    StyleAttribute = 1, // text: the element that carries the attribute
    StyleSheet = 2      // text: the whole page
};

struct CssFamilyList
{
    QString written; // the value as first met, white space collapsed
    std::vector<CssFamily> families;
    unsigned char sources = 0; // CssSource bits
    CharacterSet text;         // style attributes' own text; the page's text is added at the end
};

struct CssWebFont
{
    QString family;
    QString src;
    bool operator==(const CssWebFont&) const = default;
};

struct CssFileResult
{
    enum class Status { Read, Failed };
    Status status = Status::Read;
    QString path;
    QString error;
    QByteArray encoding;
    QStringList styleSheets;  // the linked sheets read, as paths
    QStringList unreadSheets; // linked sheets that could not be read, with the reason
};

// Finds declarations in CSS text given in pieces: rules with selectors, at-rules and nested
// blocks, or (for a style attribute) declarations alone. Comments are skipped, strings and
// escapes kept whole, so that a ";" or "}" in a quoted name ends nothing.
class CssDeclarationScanner
{
public:
    struct Handler
    {
        // A declaration: property in lower case, value as written without "!important".
        std::function<void(QByteArrayView property, QByteArrayView value, bool inFontFace)> declaration;
        // The URL of an @import, as written (url(...) or a string).
        std::function<void(QByteArrayView target)> import;
        // The end of an @font-face block.
        std::function<void()> fontFaceEnd;
    };
    CssDeclarationScanner(Handler handler, bool declarationsOnly);
    void feed(QByteArrayView css);
    // The end of the text: a last declaration without ";" still counts.
    void finish();

private:
    void append(char c);
    void append(const char* run, qsizetype size);
    void endStatement(char terminator);

    Handler m_handler;
    bool m_declarationsOnly;
    enum class State : unsigned char { Normal, Comment, String } m_state = State::Normal;
    char m_quote = 0;
    bool m_escape = false;
    bool m_slash = false; // a "/" that may open a comment
    bool m_star = false;  // a "*" in a comment that may close it
    bool m_overflow = false;
    std::string m_buf;
    std::vector<bool> m_blocks; // open blocks: whether each is @font-face
};

// The CSS check of any number of pages: the distinct family lists, the web fonts, and the text
// each list applies to.
class CssFontCheck
{
public:
    // Reads one page and the style sheets it links. A file that cannot be opened or read is
    // Failed, keeping what was read before.
    CssFileResult scanFile(const QString& path);
    // Scans a page given whole (baseDir: where its relative style sheets are; empty: none read).
    void scanText(QByteArrayView html, const QString& baseDir = {});

    // The lists, each with its text complete (style sheets' lists hold the text of every page).
    std::vector<CssFamilyList> lists() const;
    const std::vector<CssWebFont>& webFonts() const { return m_webFonts; }
    const CharacterSet& pageText() const { return m_pageText; }
    void clear();

private:
    class Page;
    friend class Page;
    void scanSheet(const QString& path, int& sheetsLeft, CssFileResult& result, std::set<QString>& seen);
    int addList(std::vector<CssFamily> families, QByteArrayView written, CssSource source);
    // A declaration from any source; the index of the list it names, -1 for none.
    int declaration(QByteArrayView property, QByteArrayView value, bool inFontFace, CssSource source);
    void fontFaceEnd();

    std::vector<CssFamilyList> m_lists;
    QHash<QString, int> m_keys; // a list's names, case folded -> its index
    std::vector<CssWebFont> m_webFonts;
    CharacterSet m_pageText;
    QString m_faceFamily, m_faceSrc; // of the @font-face block being read
};

} // namespace typecask
