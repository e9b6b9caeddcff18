#include "font_tools/font_search.h"

#include "core/font_filter.h"
#include "font_tools/character_set.h"

#include <algorithm>
#include <cmath>

namespace typecask {

namespace {

// Half-width katakana U+FF61..U+FF9F in full width.
constexpr char16_t HalfWidthKana[] = {
    0x3002, 0x300C, 0x300D, 0x3001, 0x30FB, 0x30F2, 0x30A1, 0x30A3, 0x30A5, 0x30A7, 0x30A9, 0x30E3, 0x30E5,
    0x30E7, 0x30C3, 0x30FC, 0x30A2, 0x30A4, 0x30A6, 0x30A8, 0x30AA, 0x30AB, 0x30AD, 0x30AF, 0x30B1, 0x30B3,
    0x30B5, 0x30B7, 0x30B9, 0x30BB, 0x30BD, 0x30BF, 0x30C1, 0x30C4, 0x30C6, 0x30C8, 0x30CA, 0x30CB, 0x30CC,
    0x30CD, 0x30CE, 0x30CF, 0x30D2, 0x30D5, 0x30D8, 0x30DB, 0x30DE, 0x30DF, 0x30E0, 0x30E1, 0x30E2, 0x30E4,
    0x30E6, 0x30E8, 0x30E9, 0x30EA, 0x30EB, 0x30EC, 0x30ED, 0x30EF, 0x30F3, 0x309B, 0x309C};

constexpr char16_t VoicedMark = 0xFF9E;
constexpr char16_t SemiVoicedMark = 0xFF9F;

// The kana a sound mark joins with, in full width.
bool takesVoicedMark(char16_t c)
{
    return (c >= 0x30AB && c <= 0x30C2 && (c - 0x30AB) % 2 == 0) || c == 0x30C4 || c == 0x30C6 ||
           c == 0x30C8 || (c >= 0x30CF && c <= 0x30DB && (c - 0x30CF) % 3 == 0);
}

bool takesSemiVoicedMark(char16_t c)
{
    return c >= 0x30CF && c <= 0x30DB && (c - 0x30CF) % 3 == 0;
}

char16_t fullWidthOf(char16_t c)
{
    if (c == u' ')
        return 0x3000;
    if (c >= 0x21 && c <= 0x7E)
        return static_cast<char16_t>(c + 0xFEE0);
    if (c >= 0xFF61 && c <= 0xFF9F)
        return HalfWidthKana[c - 0xFF61];
    switch (c) {
    case 0xA2:
        return 0xFFE0;
    case 0xA3:
        return 0xFFE1;
    case 0xA5:
        return 0xFFE5;
    case 0xA6:
        return 0xFFE4;
    case 0xAC:
        return 0xFFE2;
    case 0xAF:
        return 0xFFE3;
    default:
        return c;
    }
}

// Splits at half-width spaces as the name test does (at most 11 words, empty ones kept).
QStringList splitWords(const QString& text)
{
    constexpr int MaxWords = 11;
    QStringList words;
    qsizetype from = 0;
    while (words.size() < MaxWords) {
        const qsizetype space = text.indexOf(u' ', from);
        if (space < 0) {
            words.append(text.mid(from));
            break;
        }
        words.append(text.mid(from, space - from));
        from = space + 1;
    }
    return words;
}

bool containsAll(const QString& normalisedName, const QStringList& words)
{
    for (const QString& w : words)
        if (!normalisedName.contains(w))
            return false;
    return true;
}

} // namespace

QString toFullWidth(const QString& text)
{
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        const char16_t wide = fullWidthOf(c);
        const char16_t next = i + 1 < text.size() ? text[i + 1].unicode() : 0;
        // A half-width kana and its sound mark make one full-width kana.
        if (c >= 0xFF61 && next == VoicedMark && wide == 0x30A6) {
            out.append(QChar(0x30F4)); // ｳﾞ
            ++i;
        } else if (c >= 0xFF61 && next == VoicedMark && takesVoicedMark(wide)) {
            out.append(QChar(static_cast<char16_t>(wide + 1)));
            ++i;
        } else if (c >= 0xFF61 && next == SemiVoicedMark && takesSemiVoicedMark(wide)) {
            out.append(QChar(static_cast<char16_t>(wide + 2)));
            ++i;
        } else {
            out.append(QChar(wide));
        }
    }
    return out;
}

QString normalisedFontName(const QString& name)
{
    return toFullWidth(name.toUpper());
}

QStringList searchWords(const QString& searchText)
{
    QStringList words;
    for (const QString& w : splitWords(searchText.toUpper()))
        if (!w.isEmpty())
            words.append(toFullWidth(w));
    return words;
}

bool matchFontName(const QString& searchText, const QString& fontName)
{
    if (searchText.isEmpty())
        return true;
    return containsAll(normalisedFontName(fontName), searchWords(searchText));
}

FontNameIndex::FontNameIndex(const FontCatalog& catalog)
{
    m_names.reserve(catalog.totalCount());
    for (int pass = 0; pass < 2; ++pass)
        for (int category = 0; category < 4; ++category)
            m_names += catalog.names(catalogListIndex(static_cast<FontCategory>(category), pass == 0));
    const auto n = static_cast<std::size_t>(m_names.size());
    m_normalised.reserve(n);
    std::vector<std::pair<QString, int>> folded;
    folded.reserve(n);
    for (qsizetype i = 0; i < m_names.size(); ++i) {
        m_normalised.push_back(normalisedFontName(m_names[i]));
        folded.emplace_back(m_names[i].toCaseFolded(), static_cast<int>(i));
        if (!m_byName.contains(m_names[i]))
            m_byName.insert(m_names[i], i);
    }
    // The order sortIgnoringCase gives, found once so that each search sorts numbers only.
    std::stable_sort(folded.begin(), folded.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    m_rank.resize(n);
    for (std::size_t r = 0; r < n; ++r)
        m_rank[static_cast<std::size_t>(folded[r].second)] = static_cast<int>(r);
}

QString FontNameIndex::normalised(const QString& name) const
{
    const auto it = m_byName.constFind(name);
    return it == m_byName.constEnd() ? normalisedFontName(name) : normalisedAt(it.value());
}

int searchCharsetClass(int charset)
{
    switch (charset) {
    case AnsiCharset:
        return SearchWestern;
    case ShiftJisCharset:
        return SearchJapanese;
    case SymbolCharset:
        return SearchSymbol;
    default:
        return SearchOtherCharset;
    }
}

int searchFontTypeClass(int fontType)
{
    switch (fontType) {
    case DeviceFontType:
        return SearchDevice;
    case TrueTypeFontType:
        return SearchTrueType;
    case RasterFontType:
        return SearchRaster;
    default:
        return SearchOtherType;
    }
}

std::optional<int> searchFamilyClass(std::uint8_t pitchAndFamily)
{
    switch (pitchAndFamily & 0x7C) {
    case 0x50:
        return SearchDecorative;
    case 0x00:
        return SearchFamilyNone;
    case 0x30:
        return SearchModern;
    case 0x10:
        return SearchRoman;
    case 0x40:
        return SearchScript;
    case 0x20:
        return SearchSwiss;
    default:
        return std::nullopt;
    }
}

bool passesDetailedConditions(const EnumeratedFont& font, const FontDetails* details,
                              const DetailedConditions& c)
{
    if (!c.charsets[static_cast<std::size_t>(searchCharsetClass(font.charset))])
        return false;
    if (c.ratio) {
        // A family of height 0 has no ratio to compare.
        if (!details || details->logicalHeight == 0)
            return false;
        const float r =
            static_cast<float>(details->logicalWidth) / static_cast<float>(details->logicalHeight);
        const float t = static_cast<float>(c.threshold) / 100.0f;
        if (c.atMost ? r > t : r < t)
            return false;
    }
    if (!c.fontTypes[static_cast<std::size_t>(searchFontTypeClass(font.fontType))])
        return false;
    if (const std::optional<int> family = searchFamilyClass(details ? details->pitchAndFamily : 0))
        return c.families[static_cast<std::size_t>(*family)];
    return true;
}

std::optional<std::vector<char32_t>> charactersToCover(const QString& text)
{
    CharacterSet chars;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        char32_t code = c.unicode();
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            code = QChar::surrogateToUcs4(c, text[++i]);
        else if (c.isSurrogate())
            return std::nullopt;
        if (needsGlyph(code))
            chars.add(code);
    }
    return chars.toVector();
}

bool coversShare(int covered, int total, int percent)
{
    return static_cast<std::int64_t>(covered) * 100 >= static_cast<std::int64_t>(total) * percent;
}

bool passesCoverageConditions(const FontCatalog& catalog, const FontCatalog::Entry& entry,
                              const DetailedConditions& c)
{
    const std::span<const JapaneseSet> sets = japaneseSets();
    if (c.set >= 0 && static_cast<std::size_t>(c.set) < sets.size() &&
        !coversShare(catalog.coverage(entry)[static_cast<std::size_t>(c.set)],
                     sets[static_cast<std::size_t>(c.set)].total, c.setPercent))
        return false;
    return c.covers.empty() || (catalog.source() && catalog.source()->mapsAll(entry.font.faceName, c.covers));
}

QString searchThresholdText(const QString& text)
{
    constexpr int Largest = 32767;
    const bool digits = !text.isEmpty() && std::all_of(text.cbegin(), text.cend(),
                                                       [](QChar ch) { return ch >= u'0' && ch <= u'9'; });
    bool ok = false;
    const int value = digits ? text.toInt(&ok) : -1;
    return ok && value <= Largest ? text : u"50"_qs;
}

int searchProgressPercent(int i, int count)
{
    if (count <= 0)
        return 0;
    // Rounding half to even, as the 16-bit conversion does.
    return static_cast<int>(std::nearbyint(static_cast<double>(i) / count * 100.0));
}

QStringList searchFonts(const FontCatalog& catalog, const FontNameIndex& index, const SearchRequest& request,
                        const SearchProgress& progress)
{
    const bool everything = request.text.isEmpty();
    const QStringList words = searchWords(request.text);
    const bool narrowing = request.narrowFrom.has_value();
    const QStringList& candidates = narrowing ? *request.narrowFrom : index.names();
    const int count = static_cast<int>(candidates.size());
    // With every family box checked and no ratio, nothing depends on a font's details.
    const bool readDetails =
        request.detailed && (request.detailed->ratio ||
                             !std::all_of(request.detailed->families.begin(),
                                          request.detailed->families.end(), [](bool on) { return on; }));
    QStringList found;        // narrowing: the names found
    std::vector<int> foundAt; // over the catalog: the index positions found
    const auto keep = [&](int i, const QString& name) {
        if (narrowing)
            found.append(name);
        else
            foundAt.push_back(i);
    };
    for (int i = 0; i < count; ++i) {
        const QString& name = candidates[i];
        const bool named =
            everything || containsAll(narrowing ? index.normalised(name) : index.normalisedAt(i), words);
        if (named && !request.detailed) {
            keep(i, name);
        } else if (named) {
            // The family as the system reports it, under its own face name (over the catalog,
            // the candidate's own). Its font is opened only when the cheap tests pass and the
            // details can decide.
            const FontCatalog::Entry* entry = catalog.find(name);
            const DetailedConditions& c = *request.detailed;
            if (entry && c.charsets[static_cast<std::size_t>(searchCharsetClass(entry->font.charset))] &&
                c.fontTypes[static_cast<std::size_t>(searchFontTypeClass(entry->font.fontType))] &&
                passesDetailedConditions(entry->font,
                                         readDetails ? catalog.details(entry->font.faceName) : nullptr, c) &&
                passesCoverageConditions(catalog, *entry, c))
                keep(i, entry->font.faceName);
        }
        if (progress && !progress(i, count))
            break;
    }
    if (narrowing) {
        sortIgnoringCase(found);
        return found;
    }
    std::sort(foundAt.begin(), foundAt.end(),
              [&index](int a, int b) { return index.rankAt(a) < index.rankAt(b); });
    QStringList sorted;
    sorted.reserve(static_cast<qsizetype>(foundAt.size()));
    for (int i : foundAt)
        sorted.append(index.names()[i]);
    return sorted;
}

} // namespace typecask
