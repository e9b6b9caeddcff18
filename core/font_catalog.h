// The installed families, sorted into eight lists by character set and font type, built
// once at start-up from a FontSource.
#pragma once

#include "core/character_coverage.h"

#include <QHash>
#include <QString>
#include <QStringList>
#include <algorithm>
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace typecask {

// Windows font-type bits, as the enumeration reports them.
constexpr int RasterFontType = 1;
constexpr int DeviceFontType = 2;
constexpr int TrueTypeFontType = 4;

// Windows charset values the program routes on.
constexpr int AnsiCharset = 0;
constexpr int SymbolCharset = 2;
constexpr int ShiftJisCharset = 128;

// What the enumeration reports for one family (the logical-font fields the program reads).
struct EnumeratedFont
{
    QString faceName;
    int charset = 0;
    int fontType = 0;
};

// Read on demand, once per family (opening font files is too slow for start-up).
struct FontDetails
{
    std::uint8_t pitchAndFamily = 0;
    int logicalHeight = 0;
    int logicalWidth = 0;
    std::optional<int> averageWidthUnits; // OS/2 xAvgCharWidth; none without an OS/2 table
};

// Where a family's representative face is: its file and its index in the file.
struct FaceFile
{
    QByteArray path;
    int index = 0;
    bool isNull() const { return path.isEmpty(); }
};

class FontSource
{
public:
    virtual ~FontSource() = default;
    // Reads ahead what enumerate will report, so that it can run on another thread while the
    // caller does other work; nothing else may touch the source until it has returned.
    virtual void prepare() {}
    // Calls visit once per installed family, in the system's order, until it returns false.
    virtual void enumerate(const std::function<bool(const EnumeratedFont&)>& visit) = 0;
    // Details of the family reported under that face name (by enumerate), or none.
    virtual std::optional<FontDetails> readDetails(const QString& faceName) = 0;
    // Face name of the family known under name (any of its names, any case), or empty.
    virtual QString resolveFamily(const QString& name) = 0;
    // Every name the family reported under faceName carries (each family-name language).
    virtual QStringList familyNames(const QString& faceName) { return {faceName}; }
    // The characters the family's representative face maps, as the system knows them without
    // opening the font; empty for a family the source cannot tell.
    virtual CharacterPages characters(const QString& faceName)
    {
        (void)faceName;
        return {};
    }
    // The file of the family's representative face; none for a source that cannot tell.
    virtual std::optional<FaceFile> faceFile(const QString& faceName)
    {
        (void)faceName;
        return std::nullopt;
    }
    // Whether that face maps every one of the characters.
    virtual bool mapsAll(const QString& faceName, std::span<const char32_t> characters)
    {
        const CharacterPages mapped = this->characters(faceName);
        return std::all_of(characters.begin(), characters.end(),
                           [&mapped](char32_t c) { return mapped.contains(c); });
    }
};

enum class FontCategory { Japanese = 0, Western = 1, Symbol = 2, Other = 3 };

constexpr int CatalogListCount = 8;

// List index: category * 2, plus 1 for the non-TrueType list.
constexpr int catalogListIndex(FontCategory category, bool trueType)
{
    return static_cast<int>(category) * 2 + (trueType ? 0 : 1);
}

FontCategory categoryForCharset(int charset);

class FontCatalog
{
public:
    struct Entry
    {
        EnumeratedFont font;
        int list = 0;
        mutable std::optional<std::optional<FontDetails>> details; // outer: read yet?
        mutable std::vector<int> coverage;                         // per Japanese set; empty: not counted yet
    };

    // A list holds at most this many names; the count is a 16-bit value.
    static constexpr int MaxListSize = 32767;

    void clear();
    // Files one family (FontEnumProc's routing). Returns false when its list is full.
    bool add(const EnumeratedFont& font);

    int count(int list) const { return static_cast<int>(m_lists[list].size()); }
    const QStringList& names(int list) const { return m_lists[list]; }
    const QString& name(int list, int index) const { return m_lists[list][index]; }
    int totalCount() const { return static_cast<int>(m_entries.size()); }
    const std::vector<Entry>& entries() const { return m_entries; }

    // The first entry reported under that face name, or, failing that, under another of the
    // family's names (as the one-family enumeration finds it).
    const Entry* find(const QString& name) const;
    // Whether some list holds exactly this face name (no other name of the family counts).
    bool holds(const QString& faceName) const { return m_byName.contains(faceName); }

    // The family's on-demand details, read through the source once and kept.
    const FontDetails* details(const QString& name) const;
    // How many characters of each Japanese set (japaneseSets()'s order) the family maps, counted
    // through the source once and kept.
    const std::vector<int>& coverage(const Entry& entry) const;

    void setSource(std::shared_ptr<FontSource> source) { m_source = std::move(source); }
    FontSource* source() const { return m_source.get(); }

private:
    std::array<QStringList, CatalogListCount> m_lists;
    std::vector<Entry> m_entries;
    QHash<QString, int> m_byName; // first entry per face name
    std::shared_ptr<FontSource> m_source;
};

// Starts the enumeration over the whole source, filing each family through FontEnumProc.
void enumerateFonts(FontCatalog& catalog, FontSource& source);

// The enumeration callback: routes one family into its list; always continues.
std::int32_t FontEnumProc(FontCatalog& catalog, const EnumeratedFont& font);

} // namespace typecask
