// The fonts a page asks for the way browsers read it today: font-family and the font shorthand
// in style attributes, <style> blocks and the style sheets the page links with a relative path,
// <font face>, custom properties, and the families its @font-face rules declare. Each element's
// family list is decided by the cascade (selectors, importance, specificity, order, inheritance
// and the browser's own defaults for code, pre and form controls), and each distinct list keeps
// the distinct characters of the text it styles, so that a resolver can tell which font draws
// each. Streams over the page line by line: memory is bounded by the longest line, the depth of
// the open elements, the rules, the number of distinct lists and the characters in use, never
// by the page's size; style rules apply to the elements after them.
#pragma once

#include "font_tools/character_set.h"
#include "font_tools/css_cascade.h"
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
#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace typecask {

// Distinct family lists kept per check; a page with more names no further ones.
constexpr qsizetype MaxFamilyLists = 2000;
// Style sheets read per page (linked ones and their @imports).
constexpr int MaxStyleSheets = 64;
// Style rules kept that set a font (the same rule met again is kept once).
constexpr qsizetype MaxFontRules = 20000;

enum class CssSource : unsigned char {
    StyleAttribute = 1, // a style attribute or <font face>
    StyleSheet = 2,     // a <style> block or a linked sheet
    DefaultStyle = 4    // the browser's own: monospace for code and pre, the system font for controls
};

struct CssFamilyList
{
    QString written; // the value as first met, white space collapsed
    std::vector<CssFamily> families;
    unsigned char sources = 0; // CssSource bits
    CharacterSet text;         // the text of the elements it styles
};

struct CssWebFont
{
    QString family;
    QString src;
    bool operator==(const CssWebFont&) const = default;
    // The fonts its src names with local(), which browsers draw from the installed fonts.
    QStringList localNames() const;
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
    // Reads one page and the style sheets it links, calling progress every 100 lines with the
    // line number. A file that cannot be opened or read is Failed, keeping what was read before.
    CssFileResult scanFile(const QString& path, const std::function<void(qint64 line)>& progress = {});
    // Scans a page given whole (baseDir: where its relative style sheets are; empty: none read).
    void scanText(QByteArrayView html, const QString& baseDir = {});

    // The lists, each with the text of the elements it styles.
    std::vector<CssFamilyList> lists() const;
    const std::vector<CssWebFont>& webFonts() const { return m_webFonts; }
    const CharacterSet& pageText() const { return m_pageText; }
    void clear();

private:
    class Page;
    friend class Page;
    struct SheetReading; // the sheets of one page: how many more may be read, which were
    void scanSheet(const QString& path, SheetReading& reading);
    void resetRules();
    int addList(std::vector<CssFamily> families, QByteArrayView written, CssSource source);

    // What a font-family or font declaration sets.
    struct FontValue
    {
        enum class Kind : unsigned char { None, List, Inherit, Initial, Revert, Var } kind = Kind::None;
        int list = -1;
        bool shorthand = false;
        QString raw; // a value with var(), resolved where it is used
    };
    struct Rule
    {
        CssSelector selector;
        std::uint32_t order = 0;
        bool important = false;
        FontValue value;
    };
    // A declaration from any source: @font-face descriptors and custom properties are kept,
    // a font-family or font value is returned (Kind::None for other properties).
    FontValue declaration(const CssDeclaration& d, CssSource source);
    void styleRule(const CssDeclaration& d);
    void fontFaceEnd();
    // The list an element gets: path[at] is the element, parent the list it inherits;
    // own: its style attribute's value, important or not; face: its <font face> list.
    int cascade(const std::vector<CascadeElement>& path, const CascadeSiblings* siblings, std::size_t at,
                int parent, const FontValue& own, bool ownImportant, int face);
    int valueList(const FontValue& v, int parent, const std::string& element);
    int defaultStyleList(const std::string& element);
    bool rulesNeedAttributes() const { return m_rulesNeedAttributes; }
    bool rulesTestAttributes() const { return m_rulesTestAttributes; }
    bool rulesNeedSiblings() const { return m_rulesNeedSiblings; }

    std::vector<Rule> m_rules;
    std::unordered_map<std::string, std::vector<std::uint32_t>> m_byId, m_byClass, m_byTag;
    std::vector<std::uint32_t> m_anyElement;
    std::unordered_set<std::string> m_ruleKeys;
    std::unordered_set<std::size_t> m_styleBlocks; // the <style> blocks read, by their hash
    bool m_rulesNeedAttributes = false;            // ids, classes or attributes
    bool m_rulesTestAttributes = false;            // attributes other than id and class
    bool m_rulesNeedSiblings = false;              // +, ~, :first-child
    std::uint32_t m_order = 0;
    QHash<QString, QString> m_custom;            // custom properties, the value last declared
    int m_monospaceList = -2, m_systemList = -2; // the default style's lists, -2 until made

    std::vector<CssFamilyList> m_lists;
    QHash<QString, int> m_keys; // a list's names, case folded -> its index
    std::vector<CssWebFont> m_webFonts;
    CharacterSet m_pageText;
    QString m_faceFamily, m_faceSrc; // of the @font-face block being read
};

} // namespace typecask
