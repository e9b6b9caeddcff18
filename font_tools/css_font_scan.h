// The fonts a page asks for the way browsers read it today: font-family and the font shorthand
// in style attributes, <style> blocks and the style sheets the page links with a relative path,
// and the families its @font-face rules declare. Each distinct family list keeps the distinct
// characters of the text it applies to, so that a resolver can tell which of them would fall
// back to another font. Streams over the page line by line: memory is bounded by the longest
// line, the number of distinct lists and the characters in use, never by the page's size.
#pragma once

#include "font_tools/character_set.h"
#include "font_tools/css_syntax.h"

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

// Distinct family lists kept per check; a page with more names no further ones.
constexpr qsizetype MaxFamilyLists = 2000;
// Style sheets read per page (linked ones and their @imports).
constexpr int MaxStyleSheets = 64;

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
