#include "core/fontconfig_source.h"

#include "core/vertical_text.h"

#include "core/sfnt_tables.h"

#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_MODULE_H
#include FT_TRUETYPE_TABLES_H

#include <fcntl.h>
#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <vector>

namespace typecask {

namespace {

QString fcString(FcPattern* p, const char* object, int n = 0)
{
    FcChar8* s = nullptr;
    if (FcPatternGetString(p, object, n, &s) != FcResultMatch || !s)
        return {};
    const auto* text = reinterpret_cast<const char*>(s);
    // QString::fromUtf8 drops a leading U+FEFF, and a family named with one is then found by
    // no one who gives its real name.
    if (qstrncmp(text, "\xEF\xBB\xBF", 3) == 0)
        return QChar(0xFEFF) + QString::fromUtf8(text + 3);
    return QString::fromUtf8(text);
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

// Windows lists "@" variants for the East Asian character sets only; reading the GSUB of just
// these families keeps start-up from opening every font file.
bool mayWriteVertically(const FontconfigSource::Family& f)
{
    const int c = f.font.charset;
    return f.font.fontType == TrueTypeFontType && (c == ShiftJisCharset || c == 129 || c == 134 || c == 136);
}

void findVerticalFamilies(std::vector<FontconfigSource::Family>& families)
{
    for (FontconfigSource::Family& f : families)
        f.vertical = mayWriteVertically(f) && hasVerticalAlternates(f.file, f.faceIndex);
}

} // namespace

FontconfigSource::FontconfigSource(Order order) : m_order(order) {}
FontconfigSource::~FontconfigSource()
{
    if (m_charsetConfig)
        FcConfigDestroy(m_charsetConfig);
    if (m_freetype)
        FT_Done_Library(m_freetype);
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
        findVerticalFamilies(m_families);
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
    findVerticalFamilies(m_families);
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
        if (f.vertical) {
            const QString at = u'@' + f.font.faceName;
            if (!m_byFaceName.contains(at))
                m_byFaceName.insert(at, i);
            for (const QString& n : names)
                if (!m_byFoldedName.contains(u'@' + n.toCaseFolded()))
                    m_byFoldedName.insert(u'@' + n.toCaseFolded(), i);
        }
    }
}

void FontconfigSource::enumerate(const std::function<bool(const EnumeratedFont&)>& visit)
{
    load();
    for (const Family& f : m_families) {
        if (!visit(f.font))
            break;
        if (f.vertical && !visit({u'@' + f.font.faceName, f.font.charset, f.font.fontType}))
            break;
    }
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
    if (it == m_byFoldedName.constEnd())
        return {};
    const QString& faceName = m_families[it.value()].font.faceName;
    return isVerticalFamilyName(name) ? u'@' + faceName : faceName;
}

QStringList FontconfigSource::familyNames(const QString& faceName)
{
    index();
    const auto it = m_byFaceName.constFind(faceName);
    if (it == m_byFaceName.constEnd())
        return {};
    QStringList names = m_families[it.value()].allNames;
    if (isVerticalFamilyName(faceName))
        for (QString& n : names)
            n.prepend(u'@');
    if (!names.contains(faceName))
        names.append(faceName);
    return names;
}

const FontconfigSource::Family* FontconfigSource::familyNamed(const QString& faceName)
{
    index();
    const auto it = m_byFaceName.constFind(faceName);
    return it == m_byFaceName.constEnd() ? nullptr : &m_families[it.value()];
}

std::optional<FaceFile> FontconfigSource::faceFile(const QString& faceName)
{
    const Family* fam = familyNamed(faceName);
    if (!fam) {
        // Another of the family's names ("IPAGothic" for IPAゴシック).
        const QString listed = resolveFamily(faceName);
        fam = listed.isEmpty() ? nullptr : familyNamed(listed);
    }
    if (!fam || fam->file.isEmpty())
        return std::nullopt;
    return FaceFile{fam->file, fam->faceIndex};
}

_FcCharSet* FontconfigSource::charsetOf(const QString& faceName)
{
    index();
    const auto it = m_byFaceName.constFind(faceName);
    if (it == m_byFaceName.constEnd())
        return nullptr;
    if (!m_charsetConfig) {
        // Not kept from the listing: start-up would pay for it and most runs never ask. One walk
        // over the configuration's faces finds each family's representative face again.
        m_charsetConfig = FcConfigReference(nullptr);
        m_charsets.assign(m_families.size(), nullptr);
        QMultiHash<QPair<QByteArray, int>, int> wanted;
        for (int i = 0; i < static_cast<int>(m_families.size()); ++i)
            wanted.insert({m_families[i].file, m_families[i].faceIndex}, i);
        for (FcSetName which : {FcSetSystem, FcSetApplication}) {
            FcFontSet* set = m_charsetConfig ? FcConfigGetFonts(m_charsetConfig, which) : nullptr;
            for (int f = 0; set && f < set->nfont; ++f) {
                FcPattern* p = set->fonts[f];
                FcCharSet* chars = nullptr;
                const QPair<QByteArray, int> key{fcRawBytes(p, FC_FILE), fcInt(p, FC_INDEX, 0)};
                for (auto found = wanted.constFind(key); found != wanted.constEnd() && found.key() == key;
                     ++found)
                    if (!m_charsets[found.value()] &&
                        FcPatternGetCharSet(p, FC_CHARSET, 0, &chars) == FcResultMatch)
                        m_charsets[found.value()] = chars;
            }
        }
    }
    return m_charsets[it.value()];
}

CharacterPages FontconfigSource::characters(const QString& faceName)
{
    FcCharSet* chars = charsetOf(faceName);
    if (!chars)
        return {};
    std::vector<CharacterPages::Page> pages;
    FcChar32 map[FC_CHARSET_MAP_SIZE];
    FcChar32 next = 0;
    for (FcChar32 base = FcCharSetFirstPage(chars, map, &next); base != FC_CHARSET_DONE;
         base = FcCharSetNextPage(chars, map, &next)) {
        CharacterPages::Page page;
        page.index = base >> 8;
        std::copy_n(map, page.bits.size(), page.bits.begin());
        pages.push_back(page);
    }
    return CharacterPages(std::move(pages));
}

bool FontconfigSource::mapsAll(const QString& faceName, std::span<const char32_t> characters)
{
    FcCharSet* chars = charsetOf(faceName);
    return std::all_of(characters.begin(), characters.end(), [chars](char32_t c) {
        return chars && FcCharSetHasChar(chars, static_cast<FcChar32>(c)) != FcFalse;
    });
}

namespace {

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

// A font file mapped into memory and read through a callback that copies: FreeType then keeps
// its own copy of every table it takes and checks each read against the file's length, where
// with its own mapped stream it points into the mapping and a damaged face reads past its end.
// For faces that draw many glyphs, where a system call per read would cost too much.
struct MappedStream
{
    FT_StreamRec rec{};
    const unsigned char* data = nullptr;

    static unsigned long read(FT_Stream s, unsigned long offset, unsigned char* out, unsigned long count)
    {
        if (count == 0) // a seek: 0 for success
            return offset <= s->size ? 0 : 1;
        if (offset >= s->size)
            return 0;
        const unsigned long available = std::min(count, s->size - offset);
        std::memcpy(out, static_cast<MappedStream*>(s->descriptor.pointer)->data + offset, available);
        return available;
    }
    static void close(FT_Stream s)
    {
        auto* self = static_cast<MappedStream*>(s->descriptor.pointer);
        ::munmap(const_cast<unsigned char*>(self->data), s->size);
        delete self;
    }
};

// The details of an ordinary OpenType face read straight from its table directory and OS/2
// table. Opening the face with FreeType parses far more than these few fields and was most of
// a details listing's time. Anything out of the ordinary (no usable OS/2 table, bitmaps only,
// variations, a file FreeType would read another way) is left to FreeType: none then.
std::optional<FontDetails> sfntDetails(const QByteArray& file, int index, bool fixed)
{
    if ((index >> 16) != 0) // a named instance: FreeType varies its metrics
        return std::nullopt;
    const int fd = ::open(file.constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return std::nullopt;
    // A few small reads at the offsets the directory gives: mapping the whole file costs more.
    const auto readAt = [fd](std::uint64_t offset, std::size_t count, unsigned char* out) {
        return offset <= static_cast<std::uint64_t>(std::numeric_limits<off_t>::max()) &&
               ::pread(fd, out, count, static_cast<off_t>(offset)) == static_cast<ssize_t>(count);
    };
    const std::optional<SfntFace> face = readSfntFace(readAt, index);
    ::close(fd);
    return face ? detailsFromTables(*face, fixed) : std::nullopt;
}

// The OS/2 fields as FreeType has read them; none when the face has no such table.
std::optional<Os2Fields> os2FieldsOf(FT_Face face)
{
    const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
    if (!os2 || os2->version == 0xFFFF) // FreeType's marker for a missing table
        return std::nullopt;
    Os2Fields f;
    f.version = os2->version;
    f.xAvgCharWidth = os2->xAvgCharWidth;
    f.sFamilyClass = os2->sFamilyClass;
    std::copy_n(os2->panose, f.panose.size(), f.panose.begin());
    f.usWinAscent = os2->usWinAscent;
    f.usWinDescent = os2->usWinDescent;
    return f;
}

// FreeType allocates sizes read from the file before it checks them against the file: a Type 1
// font with one flipped bit in a segment length asked for 2 GiB. No block larger
// than the face being opened could need is handed out; FreeType then reports the face unreadable.
thread_local std::size_t t_largestBlock = std::numeric_limits<std::size_t>::max();

void* boundedAlloc(FT_Memory, long size)
{
    return size > 0 && static_cast<std::size_t>(size) <= t_largestBlock
               ? std::malloc(static_cast<std::size_t>(size))
               : nullptr;
}

void* boundedRealloc(FT_Memory, long, long size, void* block)
{
    return size > 0 && static_cast<std::size_t>(size) <= t_largestBlock
               ? std::realloc(block, static_cast<std::size_t>(size))
               : nullptr;
}

void boundedFree(FT_Memory, void* block)
{
    std::free(block);
}

FT_MemoryRec_ BoundedMemory{nullptr, &boundedAlloc, &boundedFree, &boundedRealloc};

} // namespace

FT_Face openBoundedFace(FT_Library lib, const QByteArray& file, int index, FaceReads reads)
{
    const int fd = ::open(file.constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return nullptr;
    const off_t size = ::lseek(fd, 0, SEEK_END);
    if (size <= 0) {
        ::close(fd);
        return nullptr;
    }
    // Generous for any real face: its tables, glyph arrays and decoded segments are all within
    // a few times the file's size.
    constexpr std::size_t Floor = 64 * 1024 * 1024;
    t_largestBlock = std::max(Floor, static_cast<std::size_t>(size) * 8);
    FT_Open_Args args{};
    args.flags = FT_OPEN_STREAM;
    void* mapped = reads == FaceReads::Mapped
                       ? ::mmap(nullptr, static_cast<std::size_t>(size), PROT_READ, MAP_PRIVATE, fd, 0)
                       : MAP_FAILED;
    if (mapped != MAP_FAILED) {
        ::close(fd);
        auto* stream = new MappedStream;
        stream->data = static_cast<const unsigned char*>(mapped);
        stream->rec.size = static_cast<unsigned long>(size);
        stream->rec.descriptor.pointer = stream;
        stream->rec.read = &MappedStream::read;
        stream->rec.close = &MappedStream::close;
        args.stream = &stream->rec;
    } else {
        auto* stream = new ReadStream;
        stream->fd = fd;
        stream->rec.size = static_cast<unsigned long>(size);
        stream->rec.descriptor.pointer = stream;
        stream->rec.read = &ReadStream::read;
        stream->rec.close = &ReadStream::close;
        args.stream = &stream->rec;
    }
    FT_Face face = nullptr;
    // FreeType closes the stream itself, also when the face cannot be opened.
    if (FT_Open_Face(lib, &args, index, &face) != 0)
        return nullptr;
    return face;
}

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
    if (!m_freetype && !(m_freetype = newBoundedFreeType()))
        return std::nullopt;
    return fontFileDetails(m_freetype, fam.file, fam.faceIndex, fixed, false);
}

FT_LibraryRec_* newBoundedFreeType()
{
    FT_Library lib = nullptr;
    if (FT_New_Library(&BoundedMemory, &lib) != 0)
        return nullptr;
    FT_Add_Default_Modules(lib);
    FT_Set_Default_Properties(lib);
    return lib;
}

std::optional<FontDetails> fontFileDetails(FT_LibraryRec_* freetype, const QByteArray& file, int faceIndex,
                                           bool fixed, bool readTables)
{
    if (readTables)
        if (std::optional<FontDetails> quick = sfntDetails(file, faceIndex, fixed))
            return quick;
    FT_Face face = openBoundedFace(freetype, file, faceIndex);
    if (!face)
        return std::nullopt;

    FontDetails d;
    const std::optional<Os2Fields> os2Fields = os2FieldsOf(face);
    const Os2Fields* os2 = os2Fields ? &*os2Fields : nullptr;
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

namespace {
QHash<QString, QString>& japaneseByGeneric()
{
    static QHash<QString, QString> families; // "serif" -> IPAMincho, ...
    return families;
}
} // namespace

QString japaneseFallbackFor(const QString& family)
{
    if (family.contains(u"symbol"_qs, Qt::CaseInsensitive))
        return {};
    // Each family's kind is kept: running fontconfig's rules again for every row drawn costs more
    // than drawing it.
    static QHash<QString, QString> genericOf;
    auto kind = genericOf.constFind(family);
    if (kind == genericOf.constEnd())
        kind = genericOf.insert(family, genericFamilyOf(family));
    QHash<QString, QString>& known = japaneseByGeneric();
    auto it = known.constFind(kind.value());
    if (it == known.constEnd())
        it = known.insert(kind.value(), matchedFamily(kind.value() + u":lang=ja"_qs));
    return it.value();
}

void setJapaneseFallback(const QString& generic, const QString& family)
{
    japaneseByGeneric().insert(generic, family);
}

GlyphRendering glyphRenderingFor(const QString& pattern)
{
    GlyphRendering r;
    FcPattern* p = FcNameParse(reinterpret_cast<const FcChar8*>(pattern.toUtf8().constData()));
    if (!p)
        return r;
    FcConfig* config = FcConfigReference(nullptr);
    FcConfigSubstitute(config, p, FcMatchPattern);
    FcDefaultSubstitute(p);
    FcResult result = FcResultNoMatch;
    if (FcPattern* match = FcFontMatch(config, p, &result)) {
        r.antialias = fcBool(match, FC_ANTIALIAS, true);
        r.hinting = fcBool(match, FC_HINTING, true);
        r.autohint = fcBool(match, FC_AUTOHINT, false);
        r.hintStyle = fcInt(match, FC_HINT_STYLE, FC_HINT_FULL);
        FcPatternDestroy(match);
    }
    FcPatternDestroy(p);
    FcConfigDestroy(config);
    return r;
}

std::optional<MatchedFace> matchedFace(const QString& family, bool bold, bool italic)
{
    FcPattern* p = FcPatternCreate();
    FcPatternAddString(p, FC_FAMILY, reinterpret_cast<const FcChar8*>(family.toUtf8().constData()));
    FcPatternAddInteger(p, FC_WEIGHT, bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
    FcPatternAddInteger(p, FC_SLANT, italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
    FcPatternAddBool(p, FC_OUTLINE, FcTrue);
    FcConfig* config = FcConfigReference(nullptr);
    FcConfigSubstitute(config, p, FcMatchPattern);
    FcDefaultSubstitute(p);
    std::optional<MatchedFace> face;
    FcResult result = FcResultNoMatch;
    if (FcPattern* match = FcFontMatch(config, p, &result)) {
        const QByteArray file = fcBytes(match, FC_FILE);
        // fontconfig's own synthetic rules raise the weight and slant of a face that has none and
        // ask for emboldening or a slanting matrix instead: such a face is not bold or italic.
        FcMatrix* slant = nullptr;
        const bool synthetic = FcPatternGetMatrix(match, FC_MATRIX, 0, &slant) == FcResultMatch && slant &&
                               (slant->xy != 0 || slant->yx != 0);
        if (!file.isEmpty() && fcBool(match, FC_OUTLINE, true))
            face = MatchedFace{file, fcInt(match, FC_INDEX, 0),
                               fcInt(match, FC_WEIGHT, 0) >= FC_WEIGHT_BOLD &&
                                   !fcBool(match, FC_EMBOLDEN, false),
                               fcInt(match, FC_SLANT, 0) != FC_SLANT_ROMAN && !synthetic};
        FcPatternDestroy(match);
    }
    FcPatternDestroy(p);
    FcConfigDestroy(config);
    return face;
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

namespace {

// Fonts ranked for the language, and their names given in it ("IPAゴシック" for "ja").
void addLanguage(FcPattern* pattern, const QByteArray& language)
{
    if (language.isEmpty())
        return;
    const auto* tag = reinterpret_cast<const FcChar8*>(language.constData());
    FcPatternAddString(pattern, FC_LANG, tag);
    FcPatternAddString(pattern, FC_NAMELANG, tag);
}

// The pattern for family after fontconfig's substitutions, asking for a scalable font as
// browsers do.
FcPattern* substitutedPattern(FcConfig* config, const QString& family, const QByteArray& language)
{
    FcPattern* pattern = FcPatternCreate();
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(family.toUtf8().constData()));
    FcPatternAddBool(pattern, FC_SCALABLE, FcTrue);
    addLanguage(pattern, language);
    FcConfigSubstitute(config, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    return pattern;
}

// The font fontconfig matches for family after its substitutions; null when none.
FcPattern* matchFamily(FcConfig* config, const QString& family, const QByteArray& language)
{
    FcPattern* pattern = substitutedPattern(config, family, language);
    FcResult result = FcResultNoMatch;
    FcPattern* match = FcFontMatch(config, pattern, &result);
    FcPatternDestroy(pattern);
    return match;
}

} // namespace

QString fontconfigLanguage(const std::function<QByteArray(const char*)>& env)
{
    // fontconfig reads these itself, so a locale the machine never generated still counts.
    QByteArray value;
    for (const char* name : {"FC_LANG", "LC_ALL", "LC_CTYPE", "LANG"}) {
        value = env(name);
        if (!value.isEmpty())
            break;
    }
    // FC_LANG may list several; the first ranks the fonts.
    if (const qsizetype colon = value.indexOf(':'); colon >= 0)
        value.truncate(colon);
    for (char cut : {'.', '@'})
        if (const qsizetype at = value.indexOf(cut); at >= 0)
            value.truncate(at);
    QString tag = QString::fromLatin1(value).toLower().replace(u'_', u'-');
    if (tag.isEmpty() || tag == u"c" || tag == u"posix")
        return u"en"_qs;
    // As fontconfig normalizes it: a territory it has no orthography for is dropped ("ja-jp" is
    // "ja", "zh-tw" stays), so that fonts are ranked, and named, as for the language itself.
    if (const qsizetype dash = tag.indexOf(u'-'); dash > 0) {
        FcStrSet* known = FcGetLangs();
        if (!FcStrSetMember(known, reinterpret_cast<const FcChar8*>(tag.toLatin1().constData())))
            tag.truncate(dash);
        FcStrSetDestroy(known);
    }
    return tag;
}

FontconfigMatcher::FontconfigMatcher(QString language)
    : m_config(FcInitLoadConfigAndFonts()), m_language(language.toUtf8())
{
}

FontconfigMatcher::~FontconfigMatcher()
{
    for (FcCharSet* c : std::as_const(m_charsets))
        if (c)
            FcCharSetDestroy(c);
    if (m_config)
        FcConfigDestroy(m_config);
}

QStringList FontconfigMatcher::matchedFamilies(const QString& family)
{
    QStringList names;
    if (!m_config)
        return names;
    if (FcPattern* m = matchFamily(m_config, family, m_language)) {
        for (int n = 0;; ++n) {
            FcChar8* s = nullptr;
            if (FcPatternGetString(m, FC_FAMILY, n, &s) != FcResultMatch)
                break;
            names += QString::fromUtf8(reinterpret_cast<const char*>(s));
        }
        FcPatternDestroy(m);
    }
    return names;
}

QString FontconfigMatcher::substitutedFamily(const QString& family)
{
    if (!m_config)
        return family;
    FcPattern* pattern = substitutedPattern(m_config, family, m_language);
    const QString first = fcString(pattern, FC_FAMILY);
    FcPatternDestroy(pattern);
    return first.isEmpty() ? family : first;
}

bool FontconfigMatcher::matchedFontCovers(const QString& family, char32_t c)
{
    auto it = m_charsets.find(family);
    if (it == m_charsets.end()) {
        FcCharSet* chars = nullptr;
        if (m_config) {
            if (FcPattern* m = matchFamily(m_config, family, m_language)) {
                FcCharSet* found = nullptr;
                if (FcPatternGetCharSet(m, FC_CHARSET, 0, &found) == FcResultMatch && found)
                    chars = FcCharSetCopy(found);
                FcPatternDestroy(m);
            }
        }
        it = m_charsets.insert(family, chars);
    }
    return *it && FcCharSetHasChar(*it, static_cast<FcChar32>(c));
}

QString FontconfigMatcher::fallbackFamily(char32_t c)
{
    // Asked the way Chromium asks for a character none of an element's fonts has: a scalable
    // font with that character, ranked for the language, the first of the sorted set that
    // really has it.
    if (!m_config)
        return {};
    FcPattern* pattern = FcPatternCreate();
    FcCharSet* wanted = FcCharSetCreate();
    FcCharSetAddChar(wanted, static_cast<FcChar32>(c));
    FcPatternAddCharSet(pattern, FC_CHARSET, wanted);
    FcCharSetDestroy(wanted);
    FcPatternAddBool(pattern, FC_SCALABLE, FcTrue);
    addLanguage(pattern, m_language);
    FcConfigSubstitute(m_config, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    FcFontSet* sorted = FcFontSort(m_config, pattern, FcFalse, nullptr, &result);
    FcPatternDestroy(pattern);
    QString family;
    for (int i = 0; sorted && i < sorted->nfont && family.isEmpty(); ++i) {
        FcCharSet* chars = nullptr;
        if (FcPatternGetCharSet(sorted->fonts[i], FC_CHARSET, 0, &chars) == FcResultMatch && chars &&
            FcCharSetHasChar(chars, static_cast<FcChar32>(c)))
            family = fcString(sorted->fonts[i], FC_FAMILY);
    }
    if (sorted)
        FcFontSetDestroy(sorted);
    return family;
}

} // namespace typecask
