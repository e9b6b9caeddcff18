// The favourites editor's list operations without its widgets. Both run in linear time and
// report each name they have handled, so the window can show its progress and let events
// run now and then.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>

namespace typecask {

class FontCatalog;

// Called with the index of each name once it has been handled.
using NameProgress = std::function<void(int index)>;

// Of each group of equal names (exact, case-sensitive) only the last survives, at the place
// of that last one: A, B, A, C, B gives A, C, B.
QStringList withoutDuplicateNames(const QStringList& names, const NameProgress& progress = {});

// The names some list of the catalog holds exactly, in order, duplicates kept.
QStringList installedNames(const QStringList& names, const FontCatalog& catalog,
                           const NameProgress& progress = {});

// The remove-duplicates progress after name i of n: " 50%" (the whole percent, a space first).
QString duplicatesProgressText(int index, int count);

// The add command's refusal when the working copy already holds too many.
inline const QString TooManyEditedFavoritesMessage = u"多すぎます"_qs;

} // namespace typecask
