// The installed fonts as fontconfig knows them: families from its cache at start-up,
// per-family metrics read through FreeType only when asked for.
#pragma once

#include "core/font_catalog.h"
#include "core/font_classification.h"

#include <QHash>
#include <QString>
#include <cstddef>
#include <functional>
#include <vector>

struct _FcConfig;      // fontconfig's FcConfig
struct _FcCharSet;     // fontconfig's FcCharSet
struct _FcPattern;     // fontconfig's FcPattern
struct FT_LibraryRec_; // FreeType's FT_Library
struct FT_FaceRec_;    // FreeType's FT_Face

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
    QStringList familyNames(const QString& faceName) override;
    CharacterPages characters(const QString& faceName) override;
    bool mapsAll(const QString& faceName, std::span<const char32_t> characters) override;
    std::optional<FaceFile> faceFile(const QString& faceName) override;

    struct Family
    {
        EnumeratedFont font;
        QStringList allNames;
        QByteArray file; // the representative face (see representativeFaces)
        int faceIndex = 0;
        int spacing = 0; // fontconfig FC_SPACING
        bool outline = true;
        bool vertical = false; // has vertical alternates: listed a second time as "@" + name
    };

    // One record per family of a fontconfig listing, in the order the families first appear,
    // each read from its representative face. Exposed for tests: the records must not depend
    // on the order of the faces.
    static std::vector<Family> familiesOf(_FcPattern* const* faces, int count);

    void prepare() override;
    // The family reported under that face name (its representative face's file and index), or
    // null.
    const Family* familyNamed(const QString& faceName);
    // Whether ordinary OpenType faces' details come from their tables without FreeType (the
    // default); off, every face is opened with FreeType. Tests compare the two.
    void setReadTablesDirectly(bool on) { m_readTables = on; }

private:
    void load();
    void index();
    _FcCharSet* charsetOf(const QString& faceName);
    bool m_loaded = false;
    bool m_indexed = false;
    bool m_readTables = true;
    Order m_order;
    FT_LibraryRec_* m_freetype = nullptr; // made on the first details read
    std::vector<Family> m_families;
    QHash<QString, int> m_byFaceName;
    QHash<QString, int> m_byFoldedName;
    // Each family's character set, found on the first question about characters; the set
    // belongs to the configuration, kept alive while they are used.
    _FcConfig* m_charsetConfig = nullptr;
    std::vector<_FcCharSet*> m_charsets;
};

// A FreeType library that refuses blocks larger than the face being opened could need (a
// damaged size field must not cost gigabytes); FT_Done_Library frees it.
FT_LibraryRec_* newBoundedFreeType();
// The face at index of a font file, opened by that library through a stream of the program's
// own: every read is checked against the file's length and copied, where FreeType's own stream
// maps the file and some damaged faces (a cut collection) then read past its end; null when the
// file cannot be read as a font.
// Buffered reads suit a face opened for a few tables; a face that draws glyphs is mapped.
enum class FaceReads { Buffered, Mapped };
FT_FaceRec_* openBoundedFace(FT_LibraryRec_* freetype, const QByteArray& file, int index,
                             FaceReads reads = FaceReads::Buffered);

// The details of the face at faceIndex of a font file as readDetails gives them for a family
// (fixed: fontconfig spaces it mono or dual): from its tables when readTables and the face is an
// ordinary OpenType one, else read through FreeType; none when the file cannot be read as a font.
// Exposed for the fuzz target: the file is anything a user installs. freetype is made by
// newBoundedFreeType.
std::optional<FontDetails> fontFileDetails(FT_LibraryRec_* freetype, const QByteArray& file, int faceIndex,
                                           bool fixed, bool readTables);

// fontconfig's matches from a configuration of its own, loaded anew from FONTCONFIG_FILE (or the
// system's files) when made, for answers as a browser started now would get them: fonts
// installed since the program started count, and fonts added to the program's own
// configuration do not. The answers are not cached here; callers keep what they reuse.
class FontconfigMatcher
{
public:
    // language: the language fontconfig ranks fonts for ("ja"); empty takes fontconfig's own
    // default, which follows the environment.
    explicit FontconfigMatcher(QString language = {});
    ~FontconfigMatcher();
    FontconfigMatcher(const FontconfigMatcher&) = delete;
    FontconfigMatcher& operator=(const FontconfigMatcher&) = delete;

    // The family names of the font fontconfig matches for family after its substitutions,
    // first the one it is known by; empty when it matches none.
    QStringList matchedFamilies(const QString& family);
    // The first family of the pattern for family once fontconfig's rules have substituted it
    // (an alias the configuration puts first, for the language); family itself when none does.
    QString substitutedFamily(const QString& family);
    // Whether the font matched for family has a glyph for c (its characters kept per family).
    bool matchedFontCovers(const QString& family, char32_t c);
    // The family of the first font, in fontconfig's order for a text of that character in the
    // language, that has a glyph for c; empty when no installed font has one.
    QString fallbackFamily(char32_t c);

private:
    _FcConfig* m_config = nullptr;
    QByteArray m_language;
    QHash<QString, _FcCharSet*> m_charsets; // family -> the matched font's characters
};

// The face fontconfig matches for a family and style, as Qt's own lookup finds it, with whether
// it really is bold or italic (else the drawing makes it so); none when it matches no outline
// font file.
struct MatchedFace
{
    QByteArray file;
    int faceIndex = 0;
    bool bold = false;
    bool italic = false;
};
std::optional<MatchedFace> matchedFace(const QString& family, bool bold, bool italic);

// The language fontconfig takes from the environment: the first of FC_LANG, LC_ALL, LC_CTYPE and
// LANG that is set, whether or not that locale exists on the machine, as the language tag
// fontconfig makes of it ("ja_JP.UTF-8" -> "ja", "zh_TW" -> "zh-tw"); "en" for C, POSIX or none.
// env looks a variable up.
QString fontconfigLanguage(const std::function<QByteArray(const char*)>& env);

// The family fontconfig matches for a pattern in its own syntax ("sans-serif:lang=ja"),
// empty when it matches none.
QString matchedFamily(const QString& pattern);
// The Japanese family that draws what family lacks in a preview or sample: the family fontconfig
// matches for Japanese text of the family's generic kind (Mincho for serif families, else Gothic),
// matched once per kind for the whole program (GUI thread only); empty for a symbol font, which
// keeps Qt's own drawing (Qt never merges other fonts into one).
QString japaneseFallbackFor(const QString& family);
// What japaneseFallbackFor answers for families of that generic kind ("serif"), matched
// beforehand (at start-up, on another thread).
void setJapaneseFallback(const QString& generic, const QString& family);

// How fontconfig says glyphs are to be rasterised (antialiasing and hinting), as the match for
// pattern carries it; what it leaves unsaid is as Qt takes it (antialiased, full hinting).
struct GlyphRendering
{
    bool antialias = true;
    bool hinting = true;
    bool autohint = false;
    int hintStyle = 3; // fontconfig's FC_HINT_NONE 0 ... FC_HINT_FULL 3
};
GlyphRendering glyphRenderingFor(const QString& pattern);

// The generic family ("serif", "sans-serif" or "monospace") fontconfig's rules file a family
// under; "sans-serif" for a family they do not know.
QString genericFamilyOf(const QString& family);

} // namespace typecask
