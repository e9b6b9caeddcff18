#include "core/fontconfig_source.h"

#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_TRUETYPE_TABLES_H

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <tuple>
#include <vector>

namespace typecask {

int charsetForCoverage(const LanguageCoverage& c)
{
    auto any = [&](std::initializer_list<const char*> langs) {
        for (const char* l : langs)
            if (c.has(l))
                return true;
        return false;
    };
    if (c.has("ja"))
        return 128;
    if (c.symbol || c.empty || c.byteTable)
        return 2;
    if (c.has("ko"))
        return 129;
    if (c.has("zh-cn"))
        return 134;
    if (any({"zh-tw", "zh-hk"}))
        return 136;
    if (c.has("th"))
        return 222;
    // A pan-European text font (Latin with Greek or Cyrillic) is a Western font even when it
    // also carries a few glyph sets of other scripts (DejaVu Sans covers Lao).
    const bool latin = any({"en", "de", "fr"});
    if (latin && any({"el", "ru"}))
        return 0;
    // Scripts Latin text fonts never carry: such a font is for other scripts.
    if (any({"hi", "bn", "ta", "te", "km", "lo", "my", "si", "gu", "pa", "kn", "ml", "or", "mr", "ne", "sa"}))
        return 1;
    if (latin)
        return 0;
    static const std::pair<const char*, int> rest[] = {{"el", 161}, {"ru", 204}, {"ar", 178}, {"he", 177},
                                                       {"tr", 162}, {"vi", 163}, {"lt", 186}, {"pl", 238}};
    for (const auto& [lang, cs] : rest)
        if (c.has(lang))
            return cs;
    return 1;
}

int fontTypeForFormat(const QByteArray& fontFormat, bool outline)
{
    if (fontFormat == "TrueType" || fontFormat == "CFF")
        return outline ? TrueTypeFontType : RasterFontType;
    if (fontFormat == "PCF" || fontFormat == "BDF" || !outline)
        return RasterFontType;
    return 0;
}

namespace {

// Lower is closer to the family's regular face.
int regularScore(const ListedFace& f)
{
    return std::abs(f.weight - FC_WEIGHT_REGULAR) * 4 + (f.slant != FC_SLANT_ROMAN ? 1000 : 0) +
           std::abs(f.width - FC_WIDTH_NORMAL) * 2;
}

// Lower is preferred: TrueType/OpenType, then other outlines (Type 1), then bitmaps.
int formatRank(const ListedFace& f)
{
    switch (fontTypeForFormat(f.format, f.outline)) {
    case TrueTypeFontType:
        return 0;
    case RasterFontType:
        return 2;
    default:
        return 1;
    }
}

bool representsBetter(const ListedFace& a, const ListedFace& b)
{
    const auto key = [](const ListedFace& f) { return std::make_tuple(formatRank(f), regularScore(f)); };
    if (key(a) != key(b))
        return key(a) < key(b);
    if (a.file != b.file)
        return a.file < b.file;
    return a.index < b.index;
}

} // namespace

std::vector<std::size_t> representativeFaces(const std::vector<ListedFace>& faces)
{
    std::vector<std::size_t> chosen;
    QHash<QByteArray, std::size_t> byFamily; // family -> slot in chosen
    for (std::size_t i = 0; i < faces.size(); ++i) {
        const ListedFace& f = faces[i];
        if (f.family.isEmpty())
            continue;
        const auto found = byFamily.constFind(f.family);
        if (found == byFamily.constEnd()) {
            byFamily.insert(f.family, chosen.size());
            chosen.push_back(i);
        } else if (representsBetter(f, faces[chosen[found.value()]])) {
            chosen[found.value()] = i;
        }
    }
    return chosen;
}

namespace {

QString fcString(FcPattern* p, const char* object, int n = 0)
{
    FcChar8* s = nullptr;
    if (FcPatternGetString(p, object, n, &s) != FcResultMatch || !s)
        return {};
    return QString::fromUtf8(reinterpret_cast<const char*>(s));
}

QByteArray fcBytes(FcPattern* p, const char* object)
{
    FcChar8* s = nullptr;
    if (FcPatternGetString(p, object, 0, &s) != FcResultMatch || !s)
        return {};
    return QByteArray(reinterpret_cast<const char*>(s));
}

int fcInt(FcPattern* p, const char* object, int fallback)
{
    int v = 0;
    return FcPatternGetInteger(p, object, 0, &v) == FcResultMatch ? v : fallback;
}

bool fcBool(FcPattern* p, const char* object, bool fallback)
{
    FcBool v = FcFalse;
    return FcPatternGetBool(p, object, 0, &v) == FcResultMatch ? v != FcFalse : fallback;
}

// The pattern's own bytes, valid while the listing is.
QByteArray fcRawBytes(FcPattern* p, const char* object)
{
    FcChar8* s = nullptr;
    if (FcPatternGetString(p, object, 0, &s) != FcResultMatch || !s)
        return {};
    return QByteArray::fromRawData(reinterpret_cast<const char*>(s),
                                   qstrlen(reinterpret_cast<const char*>(s)));
}

ListedFace listedFace(FcPattern* p)
{
    ListedFace f;
    f.family = fcRawBytes(p, FC_FAMILY);
    f.format = fcRawBytes(p, FC_FONTFORMAT);
    f.outline = fcBool(p, FC_OUTLINE, true);
    f.weight = fcInt(p, FC_WEIGHT, FC_WEIGHT_REGULAR);
    f.slant = fcInt(p, FC_SLANT, FC_SLANT_ROMAN);
    f.width = fcInt(p, FC_WIDTH, FC_WIDTH_NORMAL);
    f.file = fcRawBytes(p, FC_FILE);
    f.index = fcInt(p, FC_INDEX, 0);
    return f;
}

// Every language fontconfig knows that is no orthography ("und-zsye" emoji, "und-zmth" math).
FcLangSet* notOrthographies()
{
    static FcLangSet* const set = [] {
        FcLangSet* s = FcLangSetCreate();
        FcStrSet* known = FcGetLangs();
        FcStrList* it = FcStrListCreate(known);
        while (const FcChar8* l = FcStrListNext(it))
            if (qstrncmp(reinterpret_cast<const char*>(l), "und-", 4) == 0)
                FcLangSetAdd(s, l);
        FcStrListDone(it);
        FcStrSetDestroy(known);
        return s;
    }();
    return set;
}

// Asked of the set as a whole: listing its languages builds a string set per face.
bool coversNoOrthography(FcLangSet* langs)
{
    return !langs || FcLangSetContains(notOrthographies(), langs) != FcFalse;
}

bool isByteTable(FcPattern* p)
{
    FcCharSet* chars = nullptr;
    if (FcPatternGetCharSet(p, FC_CHARSET, 0, &chars) != FcResultMatch || !chars)
        return false;
    FcChar32 map[FC_CHARSET_MAP_SIZE];
    FcChar32 next = 0;
    if (FcCharSetFirstPage(chars, map, &next) != 0)
        return false;                          // nothing in U+0000-U+00FF
    const bool controls = map[0x80 / 32] != 0; // U+0080-U+009F
    return controls && FcCharSetNextPage(chars, map, &next) == FC_CHARSET_DONE;
}

FontconfigSource::Family familyOf(FcPattern* p)
{
    FontconfigSource::Family fam;
    QString japanese;
    for (int n = 0;; ++n) {
        const QString name = fcString(p, FC_FAMILY, n);
        if (name.isEmpty())
            break;
        fam.allNames.append(name);
        if (japanese.isEmpty() && fcString(p, FC_FAMILYLANG, n) == u"ja")
            japanese = name;
    }
    fam.font.faceName = japanese.isEmpty() ? fam.allNames.value(0) : japanese;

    FcLangSet* langs = nullptr;
    if (FcPatternGetLangSet(p, FC_LANG, 0, &langs) != FcResultMatch)
        langs = nullptr;
    LanguageCoverage coverage;
    coverage.has = [langs](const char* l) {
        return langs && FcLangSetHasLang(langs, reinterpret_cast<const FcChar8*>(l)) == FcLangEqual;
    };
    coverage.symbol = fcBool(p, FC_SYMBOL, false);
    coverage.empty = coversNoOrthography(langs);
    coverage.byteTable = isByteTable(p);
    fam.font.charset = charsetForCoverage(coverage);

    fam.outline = fcBool(p, FC_OUTLINE, true);
    fam.font.fontType = fontTypeForFormat(fcBytes(p, FC_FONTFORMAT), fam.outline);
    fam.spacing = fcInt(p, FC_SPACING, FC_PROPORTIONAL);
    fam.file = fcBytes(p, FC_FILE);
    fam.faceIndex = fcInt(p, FC_INDEX, 0);
    return fam;
}

} // namespace

FontconfigSource::FontconfigSource(Order order) : m_order(order) {}
FontconfigSource::~FontconfigSource()
{
    if (m_freetype)
        FT_Done_FreeType(m_freetype);
}

std::vector<FontconfigSource::Family> FontconfigSource::familiesOf(FcPattern* const* faces, int count)
{
    std::vector<ListedFace> listed;
    listed.reserve(static_cast<std::size_t>(std::max(count, 0)));
    for (int i = 0; i < count; ++i)
        listed.push_back(listedFace(faces[i]));
    std::vector<Family> families;
    const std::vector<std::size_t> chosen = representativeFaces(listed);
    families.reserve(chosen.size());
    for (std::size_t i : chosen)
        families.push_back(familyOf(faces[i]));
    return families;
}

void FontconfigSource::load()
{
    if (m_loaded)
        return;
    m_loaded = true;
    // The configuration Qt has already loaded, if it has; loading a second one reads every
    // cache file again.
    FcConfig* config = FcConfigReference(nullptr);
    if (!config)
        return;
    if (m_order == Order::Unsorted) {
        // FcFontList copies every face's values and hashes its charset, only to drop duplicates
        // that file and index already rule out.
        std::vector<FcPattern*> faces;
        for (FcSetName which : {FcSetSystem, FcSetApplication})
            if (FcFontSet* set = FcConfigGetFonts(config, which))
                faces.insert(faces.end(), set->fonts, set->fonts + set->nfont);
        m_families = familiesOf(faces.data(), static_cast<int>(faces.size()));
        FcConfigDestroy(config);
        return;
    }
    FcPattern* pattern = FcPatternCreate();
    FcObjectSet* objects = FcObjectSetBuild(FC_FAMILY, FC_FAMILYLANG, FC_FONTFORMAT, FC_LANG, FC_CHARSET,
                                            FC_SPACING, FC_SYMBOL, FC_OUTLINE, FC_WEIGHT, FC_SLANT, FC_WIDTH,
                                            FC_FILE, FC_INDEX, static_cast<char*>(nullptr));
    FcFontSet* set = FcFontList(config, pattern, objects);
    FcObjectSetDestroy(objects);
    FcPatternDestroy(pattern);
    if (set) {
        m_families = familiesOf(set->fonts, set->nfont);
        FcFontSetDestroy(set);
    }
    FcConfigDestroy(config);
}

void FontconfigSource::prepare()
{
    load();
}

// The name indexes are only for looking families up; a plain listing never does.
void FontconfigSource::index()
{
    load();
    if (m_indexed)
        return;
    m_indexed = true;
    for (int i = 0; i < static_cast<int>(m_families.size()); ++i) {
        const Family& f = m_families[i];
        if (!m_byFaceName.contains(f.font.faceName))
            m_byFaceName.insert(f.font.faceName, i);
        QStringList names = f.allNames;
        names.append(f.font.faceName);
        for (const QString& n : names) {
            const QString folded = n.toCaseFolded();
            if (!m_byFoldedName.contains(folded))
                m_byFoldedName.insert(folded, i);
        }
    }
}

void FontconfigSource::enumerate(const std::function<bool(const EnumeratedFont&)>& visit)
{
    load();
    for (const Family& f : m_families)
        if (!visit(f.font))
            break;
}

QString FontconfigSource::resolveFamily(const QString& name)
{
    index();
    auto it = m_byFoldedName.constFind(name.toCaseFolded());
    if (it == m_byFoldedName.constEnd() && name.endsWith(u']')) {
        // Qt names a family that two foundries supply (URW's OpenType and Type 1 builds)
        // "Family [Foundry]".
        const qsizetype bracket = name.lastIndexOf(u" ["_qs);
        if (bracket > 0)
            it = m_byFoldedName.constFind(name.left(bracket).toCaseFolded());
    }
    return it == m_byFoldedName.constEnd() ? QString() : m_families[it.value()].font.faceName;
}

namespace {

std::uint8_t familyBits(const TT_OS2* os2, bool fixedPitch)
{
    if (os2) {
        const int kind = os2->panose[0];
        if (kind == 3)
            return 0x40;
        if (kind == 4 || kind == 5)
            return 0x50;
        if (kind == 2) {
            if (os2->panose[3] == 9)
                return 0x30;
            const int serif = os2->panose[1];
            if (serif >= 11 && serif <= 13)
                return 0x20;
            if (serif >= 2 && serif <= 10)
                return 0x10;
        }
        const int cls = (os2->sFamilyClass >> 8) & 0xFF;
        if (cls >= 1 && cls <= 7)
            return 0x10;
        if (cls == 8)
            return 0x20;
        if (cls == 9 || cls == 12)
            return 0x50;
        if (cls == 10)
            return 0x40;
    }
    return fixedPitch ? 0x30 : 0x00;
}

// The logical font record's pitch-and-family byte: family bits, then fixed (1) or variable (2).
std::uint8_t pitchAndFamily(const TT_OS2* os2, bool fixed)
{
    return static_cast<std::uint8_t>(familyBits(os2, fixed) | (fixed ? 1 : 2));
}

// Windows reports an enumerated outline family at a 16-pixel cell.
constexpr int OutlineCellHeight = 16;
int outlineCellWidth(double averageAdvance, double cellUnits)
{
    return cellUnits > 0 ? static_cast<int>(std::lround(averageAdvance * OutlineCellHeight / cellUnits)) : 0;
}

// A font file read through a small buffer: FreeType's own stream maps the whole file, and
// unmapping it again costs more than the few tables a face's details need; without a buffer
// FreeType would ask for each header field with a read of its own.
struct ReadStream
{
    FT_StreamRec rec{};
    int fd = -1;
    std::vector<unsigned char> buffer;
    unsigned long bufferStart = 0;
    unsigned long bufferSize = 0;

    static constexpr unsigned long BlockSize = 16384;

    static unsigned long read(FT_Stream s, unsigned long offset, unsigned char* out, unsigned long count)
    {
        auto* self = static_cast<ReadStream*>(s->descriptor.pointer);
        if (count == 0) // a seek: 0 for success
            return offset <= s->size ? 0 : 1;
        if (count > BlockSize) {
            const ssize_t n = ::pread(self->fd, out, count, static_cast<off_t>(offset));
            return n > 0 ? static_cast<unsigned long>(n) : 0;
        }
        if (offset < self->bufferStart || offset + count > self->bufferStart + self->bufferSize) {
            self->buffer.resize(BlockSize);
            const ssize_t n = ::pread(self->fd, self->buffer.data(), BlockSize, static_cast<off_t>(offset));
            self->bufferStart = offset;
            self->bufferSize = n > 0 ? static_cast<unsigned long>(n) : 0;
        }
        const unsigned long available = std::min(count, self->bufferStart + self->bufferSize - offset);
        std::copy_n(self->buffer.data() + (offset - self->bufferStart), available, out);
        return available;
    }
    static void close(FT_Stream s)
    {
        auto* self = static_cast<ReadStream*>(s->descriptor.pointer);
        ::close(self->fd);
        delete self;
    }
};

// The details of an ordinary OpenType face read straight from its table directory and OS/2
// table. Opening the face with FreeType parses far more than these few fields and was most of
// a details listing's time. Anything out of the ordinary (no usable OS/2 table, bitmaps only,
// variations, a file FreeType would read another way) is left to FreeType: none then.
std::optional<FontDetails> sfntDetails(const QByteArray& file, int index, bool fixed)
{
    if (index < 0 || (index >> 16) != 0) // a named instance: FreeType varies its metrics
        return std::nullopt;
    const int fd = ::open(file.constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return std::nullopt;
    const auto readAt = [fd](unsigned char* out, std::size_t count, std::uint32_t offset) {
        return ::pread(fd, out, count, static_cast<off_t>(offset)) == static_cast<ssize_t>(count);
    };
    const auto u16 = [](const unsigned char* p) { return static_cast<std::uint16_t>(p[0] << 8 | p[1]); };
    const auto u32 = [](const unsigned char* p) {
        return static_cast<std::uint32_t>(p[0]) << 24 | static_cast<std::uint32_t>(p[1]) << 16 |
               static_cast<std::uint32_t>(p[2]) << 8 | p[3];
    };
    constexpr std::uint32_t Ttcf = 0x74746366, Otto = 0x4F54544F, True = 0x74727565;
    std::optional<FontDetails> result;
    unsigned char header[12];
    std::uint32_t start = 0;
    bool ok = readAt(header, 12, 0);
    if (ok && u32(header) == Ttcf) {
        unsigned char at[4];
        ok = static_cast<std::uint32_t>(index) < u32(header + 8) && readAt(at, 4, 12 + 4 * index) &&
             readAt(header, 12, start = u32(at));
    } else {
        ok = ok && index == 0;
    }
    const std::uint32_t version = ok ? u32(header) : 0;
    const int tables = ok ? u16(header + 4) : 0;
    std::vector<unsigned char> directory(static_cast<std::size_t>(tables) * 16);
    if ((version == 0x00010000 || version == Otto || version == True) && tables > 0 && tables <= 512 &&
        readAt(directory.data(), directory.size(), start + 12)) {
        bool outline = false, bitmapsOrVariations = false;
        std::uint32_t os2Offset = 0, os2Length = 0;
        for (int i = 0; i < tables; ++i) {
            const unsigned char* entry = directory.data() + 16 * i;
            switch (u32(entry)) {
            case 0x676C7966: // glyf
            case 0x43464620: // CFF
            case 0x43464632: // CFF2
                outline = true;
                break;
            case 0x73626978: // sbix: FreeType treats the face as bitmaps
            case 0x66766172: // fvar
                bitmapsOrVariations = true;
                break;
            case 0x4F532F32: // OS/2
                os2Offset = u32(entry + 8);
                os2Length = u32(entry + 12);
                break;
            }
        }
        unsigned char os2[78];
        if (outline && !bitmapsOrVariations && os2Length >= sizeof os2 &&
            readAt(os2, sizeof os2, os2Offset) && u16(os2) != 0xFFFF) {
            const int winHeight = u16(os2 + 74) + u16(os2 + 76);
            if (winHeight > 0) {
                TT_OS2 fields{};
                fields.xAvgCharWidth = static_cast<FT_Short>(u16(os2 + 2));
                fields.sFamilyClass = static_cast<FT_Short>(u16(os2 + 30));
                std::copy_n(os2 + 32, 10, fields.panose);
                FontDetails d;
                d.pitchAndFamily = pitchAndFamily(&fields, fixed);
                d.logicalHeight = OutlineCellHeight;
                d.logicalWidth = outlineCellWidth(fields.xAvgCharWidth, winHeight);
                d.averageWidthUnits = fields.xAvgCharWidth;
                result = d;
            }
        }
    }
    ::close(fd);
    return result;
}

FT_Face openFace(FT_Library lib, const QByteArray& file, int index)
{
    const int fd = ::open(file.constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return nullptr;
    const off_t size = ::lseek(fd, 0, SEEK_END);
    if (size <= 0) {
        ::close(fd);
        return nullptr;
    }
    auto* stream = new ReadStream;
    stream->fd = fd;
    stream->rec.size = static_cast<unsigned long>(size);
    stream->rec.descriptor.pointer = stream;
    stream->rec.read = &ReadStream::read;
    stream->rec.close = &ReadStream::close;
    FT_Open_Args args{};
    args.flags = FT_OPEN_STREAM;
    args.stream = &stream->rec;
    FT_Face face = nullptr;
    // FreeType closes the stream itself, also when the face cannot be opened.
    if (FT_Open_Face(lib, &args, index, &face) != 0)
        return nullptr;
    return face;
}

} // namespace

std::optional<FontDetails> FontconfigSource::readDetails(const QString& faceName)
{
    index();
    auto it = m_byFaceName.constFind(faceName);
    if (it == m_byFaceName.constEnd())
        return std::nullopt;
    const Family& fam = m_families[it.value()];

    const bool fixed = fam.spacing == FC_MONO || fam.spacing == FC_DUAL || fam.spacing == FC_CHARCELL;
    if (m_readTables)
        if (std::optional<FontDetails> quick = sfntDetails(fam.file, fam.faceIndex, fixed))
            return quick;
    if (!m_freetype && FT_Init_FreeType(&m_freetype) != 0) {
        m_freetype = nullptr;
        return std::nullopt;
    }
    FT_Face face = openFace(m_freetype, fam.file, fam.faceIndex);
    if (!face)
        return std::nullopt;

    FontDetails d;
    const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
    if (os2 && os2->version == 0xFFFF)
        os2 = nullptr; // FreeType's marker for a missing table
    d.pitchAndFamily = pitchAndFamily(os2, fixed);

    if (FT_IS_SCALABLE(face)) {
        double cell = 0;
        double avg = 0;
        if (os2 && os2->usWinAscent + os2->usWinDescent > 0) {
            cell = os2->usWinAscent + os2->usWinDescent;
            avg = os2->xAvgCharWidth;
        } else {
            cell = face->ascender - face->descender;
            if (cell <= 0)
                cell = face->units_per_EM;
            // No OS/2 table: the mean advance of the printable ASCII letters stands in.
            double sum = 0;
            int n = 0;
            for (FT_ULong ch = 0x20; ch < 0x7F; ++ch) {
                const FT_UInt g = FT_Get_Char_Index(face, ch);
                if (g && FT_Load_Glyph(face, g, FT_LOAD_NO_SCALE) == 0) {
                    sum += face->glyph->advance.x;
                    ++n;
                }
            }
            avg = n ? sum / n : 0;
        }
        d.logicalHeight = OutlineCellHeight;
        d.logicalWidth = outlineCellWidth(avg, cell);
    } else if (face->num_fixed_sizes > 0) {
        d.logicalHeight = face->available_sizes[0].height;
        d.logicalWidth = face->available_sizes[0].width;
        if (d.logicalWidth == 0 && FT_Select_Size(face, 0) == 0) {
            double sum = 0;
            int n = 0;
            for (FT_ULong ch = 0x20; ch < 0x7F; ++ch) {
                if (FT_Load_Char(face, ch, FT_LOAD_DEFAULT) == 0) {
                    sum += face->glyph->advance.x / 64.0;
                    ++n;
                }
            }
            d.logicalWidth = n ? static_cast<int>(std::lround(sum / n)) : 0;
        }
    }
    if (os2)
        d.averageWidthUnits = os2->xAvgCharWidth;

    FT_Done_Face(face);
    return d;
}

} // namespace typecask

namespace typecask {

QString matchedFamily(const QString& pattern)
{
    FcPattern* p = FcNameParse(reinterpret_cast<const FcChar8*>(pattern.toUtf8().constData()));
    if (!p)
        return {};
    FcConfig* config = FcConfigReference(nullptr);
    FcConfigSubstitute(config, p, FcMatchPattern);
    FcDefaultSubstitute(p);
    // One scoring pass over the faces. Listing the preferred families one by one looked cheaper,
    // but each listing walks every face too, and the configuration may prefer dozens of families
    // that are not installed before the first that is.
    QString family;
    FcResult result = FcResultNoMatch;
    if (FcPattern* match = FcFontMatch(config, p, &result)) {
        family = fcString(match, FC_FAMILY);
        FcPatternDestroy(match);
    }
    FcPatternDestroy(p);
    FcConfigDestroy(config);
    return family;
}

QString genericFamilyOf(const QString& family)
{
    FcPattern* p = FcPatternCreate();
    FcPatternAddString(p, FC_FAMILY, reinterpret_cast<const FcChar8*>(family.toUtf8().constData()));
    FcConfig* config = FcConfigReference(nullptr);
    // Only the rules run here, no font is looked at: they add the generic name after the
    // family's own ("DejaVu Serif" -> ..., "serif", ...), "sans-serif" for families they do not know.
    FcConfigSubstitute(config, p, FcMatchPattern);
    QString generic = u"sans-serif"_qs;
    for (int n = 0;; ++n) {
        const QString name = fcString(p, FC_FAMILY, n);
        if (name.isEmpty())
            break;
        if (name == u"serif" || name == u"sans-serif" || name == u"monospace") {
            generic = name;
            break;
        }
    }
    FcPatternDestroy(p);
    FcConfigDestroy(config);
    return generic;
}

} // namespace typecask
