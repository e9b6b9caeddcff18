#include "core/font_filter.h"

#include <algorithm>
#include <numeric>

namespace typecask {

namespace {

bool passes(const QString& name, bool showVertical)
{
    return showVertical || !name.startsWith(u'@');
}

// Rank of a list in ListChenge's adding order: TrueType pass, then the others.
int passRank(int list)
{
    const bool trueType = list % 2 == 0;
    return (trueType ? 0 : 4) + list / 2;
}

bool listShown(int list, const FontFilter& f)
{
    return f.categories[list / 2] && (list % 2 == 0 || f.allFontTypes);
}

} // namespace

bool lessIgnoringCase(const QString& a, const QString& b)
{
    return QString::compare(a, b, Qt::CaseInsensitive) < 0;
}

QStringList filteredNames(const FontCatalog& catalog, const FontFilter& filter)
{
    QStringList out;
    for (int pass = 0; pass < 2; ++pass) {
        if (pass == 1 && !filter.allFontTypes)
            break;
        for (int cat = 0; cat < 4; ++cat) {
            if (!filter.categories[cat])
                continue;
            const int list = cat * 2 + pass;
            for (const QString& n : catalog.names(list))
                if (passes(n, filter.showVerticalFonts))
                    out.append(n);
        }
    }
    return out;
}

void sortIgnoringCase(QStringList& names)
{
    std::vector<std::pair<QString, qsizetype>> keyed;
    keyed.reserve(names.size());
    for (qsizetype i = 0; i < names.size(); ++i)
        keyed.emplace_back(names[i].toCaseFolded(), i);
    std::stable_sort(keyed.begin(), keyed.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    QStringList out;
    out.reserve(names.size());
    for (const auto& k : keyed)
        out.append(names[k.second]);
    names = std::move(out);
}

SortedFontLists::SortedFontLists(const FontCatalog& catalog) : m_catalog(catalog)
{
    m_sorted.reserve(catalog.totalCount());
    for (int list = 0; list < CatalogListCount; ++list)
        for (int i = 0; i < catalog.count(list); ++i)
            m_sorted.push_back(Item{catalog.name(list, i).toCaseFolded(), list, i});
    // Ties keep ListChenge's adding order, so the result equals sorting its output.
    std::sort(m_sorted.begin(), m_sorted.end(), [](const Item& a, const Item& b) {
        if (a.key != b.key)
            return a.key < b.key;
        if (a.list != b.list)
            return passRank(a.list) < passRank(b.list);
        return a.index < b.index;
    });
}

QStringList SortedFontLists::names(const FontFilter& filter) const
{
    QStringList out;
    out.reserve(static_cast<qsizetype>(m_sorted.size()));
    for (const Item& it : m_sorted) {
        if (!listShown(it.list, filter))
            continue;
        const QString& n = m_catalog.name(it.list, it.index);
        if (passes(n, filter.showVerticalFonts))
            out.append(n);
    }
    return out;
}

} // namespace typecask
