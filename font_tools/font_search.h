// The font search of Form10: which families a search text and the detailed conditions find,
// over the catalog or over the previous results.
#pragma once

#include "core/font_catalog.h"

#include <QHash>
#include <QString>
#include <QStringList>
#include <array>
#include <functional>
#include <optional>
#include <vector>

namespace typecask {

// Half-width characters (ASCII, the space, half-width katakana with their sound marks joined,
// and the Latin-1 signs that have full-width forms) as full-width ones; others unchanged.
QString toFullWidth(const QString& text);

// A font name as the name test compares it: upper case, then full width.
QString normalisedFontName(const QString& name);

// The words of a search text that a name must contain, upper case and full width: split at
// half-width spaces into at most 11 words (the text after the eleventh space is ignored),
// empty words dropped.
QStringList searchWords(const QString& searchText);

// Whether a font name satisfies the search text: every word occurs in it, ignoring letter case
// and character width. An empty text matches every name.
bool matchFontName(const QString& searchText, const QString& fontName);

// The catalog's names in the order a search tries them (Japanese, Western, symbol and other
// TrueType, then the same for the other font types), each normalised once.
class FontNameIndex
{
public:
    explicit FontNameIndex(const FontCatalog& catalog);

    const QStringList& names() const { return m_names; }
    // The normalised form of a name; a name the catalog does not hold is normalised now.
    QString normalised(const QString& name) const;
    const QString& normalisedAt(qsizetype i) const { return m_normalised[static_cast<std::size_t>(i)]; }
    // Where the name at i stands in the results list's order (alphabetical ignoring case, equal
    // names in search order).
    int rankAt(qsizetype i) const { return m_rank[static_cast<std::size_t>(i)]; }
    int count() const { return static_cast<int>(m_names.size()); }

private:
    QStringList m_names;
    std::vector<QString> m_normalised;
    std::vector<int> m_rank;
    QHash<QString, qsizetype> m_byName; // first position of each name
};

// The font-type classes of the search's check boxes Check1(0..3).
enum SearchFontTypeClass { SearchDevice = 0, SearchTrueType = 1, SearchRaster = 2, SearchOtherType = 3 };
// The character-set classes of Check2(0..3).
enum SearchCharsetClass { SearchWestern = 0, SearchJapanese = 1, SearchSymbol = 2, SearchOtherCharset = 3 };
// The family classes of Check6(0..5).
enum SearchFamilyClass {
    SearchDecorative = 0,
    SearchFamilyNone = 1,
    SearchModern = 2,
    SearchRoman = 3,
    SearchScript = 4,
    SearchSwiss = 5
};

// What the detailed panel asks of a family.
struct DetailedConditions
{
    std::array<bool, 4> charsets{true, true, true, true};             // Check2, by SearchCharsetClass
    std::array<bool, 4> fontTypes{true, true, true, true};            // Check1, by SearchFontTypeClass
    std::array<bool, 6> families{true, true, true, true, true, true}; // Check6, by SearchFamilyClass
    bool ratio = false;                                               // Check3
    bool atMost = false;                                              // Command2 shows "<" (else ">")
    int threshold = 50;                                               // Text2, percent of the height
    int set = -1;                 // a Japanese set (japaneseSets() index) the family must cover; -1 none
    int setPercent = 100;         // of which at least this percentage
    std::vector<char32_t> covers; // characters the family must all map (charactersToCover)
};

// The characters a family must map to show a text: each distinct one that needs a glyph (no
// white space, controls or invisible format characters), ascending; none when the text holds
// an unpaired surrogate.
std::optional<std::vector<char32_t>> charactersToCover(const QString& text);

// Whether covered of total characters make at least percent of them (all of them at 100).
bool coversShare(int covered, int total, int percent);

// Whether a family passes the set and text conditions; counts the family's coverage through the
// catalog the first time a set is asked for.
bool passesCoverageConditions(const FontCatalog& catalog, const FontCatalog::Entry& entry,
                              const DetailedConditions& conditions);

int searchCharsetClass(int charset);
int searchFontTypeClass(int fontType);
// The Check6 index of a pitch-and-family byte, or none when the family test is skipped.
std::optional<int> searchFamilyClass(std::uint8_t pitchAndFamily);

// Whether a family passes the detailed conditions, tested in the window's order: character
// set, ratio, font type, family. Without details (the font could not be read) the ratio fails
// and the family byte counts as 0.
bool passesDetailedConditions(const EnumeratedFont& font, const FontDetails* details,
                              const DetailedConditions& conditions);

// The text Text2 holds for the search: "50" in place of anything that is not a whole number
// from 0 to 32767 (a non-digit, an empty box, a value too large for the threshold).
QString searchThresholdText(const QString& text);

struct SearchRequest
{
    QString text;                               // Text1
    std::optional<DetailedConditions> detailed; // Check5
    std::optional<QStringList> narrowFrom;      // Check4: the current results, in their order
};

// Called after candidate i of count has been tried; returning false ends the search there.
using SearchProgress = std::function<bool(int i, int count)>;

// The caption's progress for candidate i of count: i / count * 100, rounded half to even.
int searchProgressPercent(int i, int count);

// The families found, in the results list's order (alphabetical, ignoring case). Detailed
// conditions read each family's details from the catalog, once per family.
QStringList searchFonts(const FontCatalog& catalog, const FontNameIndex& index, const SearchRequest& request,
                        const SearchProgress& progress = {});

// The results list offers narrowing from this many results on.
constexpr int NarrowingMinimum = 3;

} // namespace typecask
