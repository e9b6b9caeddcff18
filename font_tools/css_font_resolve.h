// What this machine would draw a page's family lists with: for each list the family it resolves
// to (the first installed name, else the font substituted for its generic family or for the
// default), the state of each name, and, character by character as a browser walks the list,
// which family draws each character of its text: one the list names, the system's fallback, or
// none at all.
// The font lookup sits behind FontResolver, so that the rules are tested without fontconfig.
#pragma once

#include "font_tools/css_font_scan.h"

#include <QByteArray>
#include <QHash>
#include <QString>
#include <memory>
#include <vector>

namespace typecask {

class FontResolver
{
public:
    virtual ~FontResolver() = default;
    // The family name an installed font answers to for name (any of its names, in any letter
    // case), empty when no installed font does.
    virtual QString installedFamily(const QString& name) = 0;
    // The family drawn for a generic family ("sans-serif", ...), or for the default when
    // generic is empty.
    virtual QString substitute(const QString& generic) = 0;
    // Whether the family (as returned above) has a glyph for c.
    virtual bool covers(const QString& family, char32_t c) = 0;
    // The family the system draws c with when no font of a list has it; empty when none can.
    virtual QString fallback(char32_t c) = 0;
};

// fontconfig's answers, from the configuration FONTCONFIG_FILE (or the system's) names, taken
// the way Chromium on Linux takes them, for a language (empty: fontconfigLanguage of the
// environment).
class FontconfigResolver final : public FontResolver
{
public:
    explicit FontconfigResolver(const QString& language = {});
    ~FontconfigResolver() override;
    FontconfigResolver(const FontconfigResolver&) = delete;
    FontconfigResolver& operator=(const FontconfigResolver&) = delete;

    QString installedFamily(const QString& name) override;
    QString substitute(const QString& generic) override;
    bool covers(const QString& family, char32_t c) override;
    QString fallback(char32_t c) override;
    const QString& language() const { return m_language; }

private:
    // The first family of the font fontconfig matches for name after its substitutions.
    QString matchFamily(const QString& name);

    QString m_language;
    struct Cache;
    std::unique_ptr<Cache> m_cache;
};

enum class FamilyState { Installed, Missing, Generic, WebFont };

// The word used for a state in the command's output: installed, missing, generic, web-font.
QString familyStateWord(FamilyState state);

// The characters of a list's text that one font draws.
struct DrawnCharacters
{
    enum class By : unsigned char {
        List,     // a family the list names (or its generic's font, or the default it gets)
        Fallback, // the system's font for a character the list's fonts lack
        None      // no installed font has it: a box in the list's first font
    } by = By::List;
    QString family;
    std::vector<char32_t> characters; // in code point order
};

struct ListResolution
{
    QString written;
    std::vector<CssFamily> families;
    std::vector<FamilyState> states;
    QString resolved; // the family this machine draws the list with
    enum class By { Installed, Generic, Default } by = By::Default;
    bool webFontFirst = false; // a web font comes before the resolved family
    qsizetype characters = 0;  // distinct characters of the text the list applies to
    // Those no font the list names draws (the system's fallback or none), at most MaxUncoveredKept.
    std::vector<char32_t> uncovered;
    qsizetype uncoveredCount = 0;
    std::vector<DrawnCharacters> drawn; // the list's fonts in list order, then fallbacks, then none
    bool fromStyleAttribute = false;
    bool fromStyleSheet = false;
    bool fromDefaultStyle = false; // the browser's own style (monospace for code ...)

    // No installed name, generic or web font: the page gets the default font.
    bool namesNothingUsable() const;
    // What fails the check: nothing usable named, or text drawn by a font the list does not
    // name or by none (unless a web font is meant to draw it); never the browser's own lists.
    bool fails() const;
};

constexpr qsizetype MaxUncoveredKept = 64;
// Characters shown as "the first few" in reports.
constexpr qsizetype UncoveredShown = 10;

std::vector<ListResolution> resolveFamilyLists(const std::vector<CssFamilyList>& lists,
                                               const std::vector<CssWebFont>& webFonts,
                                               FontResolver& resolver);

// The report of typecask-cli check --css: one block per list, then the web fonts.
QString cssCheckText(const std::vector<ListResolution>& lists, const std::vector<CssWebFont>& webFonts);
// The same as JSON (the form documented in the README).
QByteArray cssCheckJson(const std::vector<CssFileResult>& files, const std::vector<ListResolution>& lists,
                        const std::vector<CssWebFont>& webFonts);
// The per-list view of the check window: one row per list (the list, the family it is drawn
// with, its verdict, the uncovered characters) with a child row per name, then one row per
// web font. Captions in Japanese like the rest of the window.
struct CssCheckRow
{
    QStringList columns;
    std::vector<QStringList> children;
    bool fails = false;
    // The fonts that have the characters of the last column (the system's fallbacks), for
    // showing them as characters rather than as boxes.
    QStringList uncoveredFamilies;
};
std::vector<CssCheckRow> cssCheckRows(const std::vector<ListResolution>& lists,
                                      const std::vector<CssWebFont>& webFonts);

// The word for a DrawnCharacters::By in the command's output: list, fallback, none.
QString drawnByWord(DrawnCharacters::By by);

// Characters each followed by its code point ("日 U+65E5"), at most count of them.
QString characterCodes(const std::vector<char32_t>& characters, qsizetype count);

// Characters as text, with U+XXXX for those that would not show.
QString characterText(const std::vector<char32_t>& characters, qsizetype count);

} // namespace typecask
