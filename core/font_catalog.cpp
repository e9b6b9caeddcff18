#include "core/font_catalog.h"

namespace typecask {

FontCategory categoryForCharset(int charset)
{
    if (charset == AnsiCharset)
        return FontCategory::Western;
    if (charset == SymbolCharset)
        return FontCategory::Symbol;
    if (charset == ShiftJisCharset)
        return FontCategory::Japanese;
    return FontCategory::Other;
}

void FontCatalog::clear()
{
    for (auto& l : m_lists)
        l.clear();
    m_entries.clear();
    m_byName.clear();
}

bool FontCatalog::add(const EnumeratedFont& font)
{
    const int list = catalogListIndex(categoryForCharset(font.charset), font.fontType == TrueTypeFontType);
    if (m_lists[list].size() >= MaxListSize)
        return false;
    m_lists[list].append(font.faceName);
    if (!m_byName.contains(font.faceName))
        m_byName.insert(font.faceName, static_cast<int>(m_entries.size()));
    m_entries.push_back(Entry{font, list, std::nullopt, {}});
    return true;
}

const FontCatalog::Entry* FontCatalog::find(const QString& name) const
{
    if (name.isEmpty())
        return nullptr;
    auto it = m_byName.constFind(name);
    if (it != m_byName.constEnd())
        return &m_entries[it.value()];
    if (m_source) {
        const QString resolved = m_source->resolveFamily(name);
        if (!resolved.isEmpty()) {
            it = m_byName.constFind(resolved);
            if (it != m_byName.constEnd())
                return &m_entries[it.value()];
        }
    }
    return nullptr;
}

const FontDetails* FontCatalog::details(const QString& name) const
{
    const Entry* e = find(name);
    if (!e)
        return nullptr;
    if (!e->details.has_value())
        e->details = m_source ? m_source->readDetails(e->font.faceName) : std::nullopt;
    return e->details->has_value() ? &**e->details : nullptr;
}

const std::vector<int>& FontCatalog::coverage(const Entry& e) const
{
    if (e.coverage.empty())
        e.coverage = japaneseCoverage(m_source ? m_source->characters(e.font.faceName) : CharacterPages());
    return e.coverage;
}

std::int32_t FontEnumProc(FontCatalog& catalog, const EnumeratedFont& font)
{
    EnumeratedFont f = font;
    // The face name ends at its first NUL, as in the logical-font record.
    const qsizetype nul = f.faceName.indexOf(QChar(0));
    if (nul >= 0)
        f.faceName.truncate(nul);
    catalog.add(f);
    return 1;
}

void enumerateFonts(FontCatalog& catalog, FontSource& source)
{
    source.enumerate([&catalog](const EnumeratedFont& f) { return FontEnumProc(catalog, f) != 0; });
}

} // namespace typecask
