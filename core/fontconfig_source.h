// The installed fonts as fontconfig knows them: families from its cache at start-up,
// per-family metrics read through FreeType only when asked for.
#pragma once

#include "core/font_catalog.h"

#include <QHash>
#include <QString>
#include <cstddef>
#include <vector>

struct _FcPattern;     // fontconfig's FcPattern
struct FT_LibraryRec_; // FreeType's FT_Library

namespace typecask {

class FontconfigSource final : public FontSource
{
public:
    // The order enumerate reports families in. A lookup by a name two families share finds the
    // first, so the program and the details listing keep fontconfig's listing order; a caller
    // that only prints the names sorted can take the configuration's own order, read in place,
    // at a third of the cost.
    enum class Order { Listing, Unsorted };
    explicit FontconfigSource(Order order = Order::Listing);
    ~FontconfigSource() override;
    FontconfigSource(const FontconfigSource&) = delete;
    FontconfigSource& operator=(const FontconfigSource&) = delete;

    void enumerate(const std::function<bool(const EnumeratedFont&)>& visit) override;
    std::optional<FontDetails> readDetails(const QString& faceName) override;
    QString resolveFamily(const QString& name) override;

    struct Family
    {
        EnumeratedFont font;
        QStringList allNames;
        QByteArray file; // the representative face (see representativeFaces)
        int faceIndex = 0;
        int spacing = 0; // fontconfig FC_SPACING
        bool outline = true;
    };

    // One record per family of a fontconfig listing, in the order the families first appear,
    // each read from its representative face. Exposed for tests: the records must not depend
    // on the order of the faces.
    static std::vector<Family> familiesOf(_FcPattern* const* faces, int count);

    void prepare() override;
    // Whether ordinary OpenType faces' details come from their tables without FreeType (the
    // default); off, every face is opened with FreeType. Tests compare the two.
    void setReadTablesDirectly(bool on) { m_readTables = on; }

private:
    void load();
    void index();
    bool m_loaded = false;
    bool m_indexed = false;
    bool m_readTables = true;
    Order m_order;
    FT_LibraryRec_* m_freetype = nullptr; // made on the first details read
    std::vector<Family> m_families;
    QHash<QString, int> m_byFaceName;
    QHash<QString, int> m_byFoldedName;
};

// The family fontconfig matches for a pattern in its own syntax ("sans-serif:lang=ja"),
// empty when it matches none.
QString matchedFamily(const QString& pattern);
// The generic family ("serif", "sans-serif" or "monospace") fontconfig's rules file a family
// under; "sans-serif" for a family they do not know.
QString genericFamilyOf(const QString& family);

// The charset rule for a family's language coverage (exposed for tests).
struct LanguageCoverage
{
    std::function<bool(const char*)> has;
    bool symbol = false;
    bool empty = false;
    // The character map is an 8-bit code table under a Unicode label: it maps C1 control codes
    // (U+0080-U+009F), which no text font does, and nothing past U+00FF. The URW OpenType
    // Dingbats and Standard Symbols PS put their symbols at ASCII and Latin-1 codes this way,
    // so fontconfig credits them with Latin orthographies.
    bool byteTable = false;
};
int charsetForCoverage(const LanguageCoverage& coverage);

// The font-type rule for fontconfig's fontformat and outline values.
int fontTypeForFormat(const QByteArray& fontFormat, bool outline);

// What a family's record is chosen by, for one face of the listing.
struct ListedFace
{
    // Bytes as fontconfig has them (a listing shares them rather than copies them per face).
    QByteArray family; // first family name, UTF-8; empty faces belong to no family
    QByteArray format; // fontconfig fontformat
    bool outline = true;
    int weight = 80; // fontconfig's regular
    int slant = 0;
    int width = 100;
    QByteArray file;
    int index = 0;
};

// The face each family is classified from, as indexes into faces, one per family in the order
// the families first appear. A family installed in several formats (URW ships OpenType and
// Type 1) is classified from its TrueType/OpenType faces, as the desktop draws it, else from
// its other outline faces, else its bitmaps; among those the one closest to regular, then the
// first by file, so the listing order never decides.
std::vector<std::size_t> representativeFaces(const std::vector<ListedFace>& faces);

} // namespace typecask
