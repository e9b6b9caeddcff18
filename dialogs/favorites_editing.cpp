#include "dialogs/favorites_editing.h"

#include "core/font_catalog.h"

#include <QSet>
#include <algorithm>
#include <vector>

namespace typecask {

QStringList withoutDuplicateNames(const QStringList& names, const NameProgress& progress)
{
    const auto n = names.size();
    // Walking from the end, a name is kept the first time it is met: that is its last
    // occurrence, and nothing equal stands after it.
    std::vector<bool> keep(static_cast<std::size_t>(n), false);
    QSet<QString> later;
    later.reserve(n);
    qsizetype kept = 0;
    for (qsizetype i = n - 1; i >= 0; --i) {
        if (!later.contains(names[i])) {
            later.insert(names[i]);
            keep[static_cast<std::size_t>(i)] = true;
            ++kept;
        }
    }
    QStringList result;
    result.reserve(kept);
    for (qsizetype i = 0; i < n; ++i) {
        if (keep[static_cast<std::size_t>(i)])
            result.append(names[i]);
        if (progress)
            progress(static_cast<int>(i));
    }
    return result;
}

QStringList installedNames(const QStringList& names, const FontCatalog& catalog, const NameProgress& progress)
{
    QStringList result;
    result.reserve(names.size());
    for (qsizetype i = 0; i < names.size(); ++i) {
        if (catalog.holds(names[i]))
            result.append(names[i]);
        if (progress)
            progress(static_cast<int>(i));
    }
    return result;
}

QString duplicatesProgressText(int index, int count)
{
    const long long percent = count > 1 ? 100LL * index / (count - 1) : 100;
    return u" "_qs + QString::number(percent) + u"%"_qs;
}

} // namespace typecask
