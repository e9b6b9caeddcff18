// "TypecaskBK.lst": one favourite family name per line.
#pragma once

#include <QString>
#include <QStringList>

namespace typecask {

constexpr int MaxFavoriteLinesRead = 32001;
// Adding from the font context menu is refused while the list holds more than this.
constexpr int FavoritesAddLimit = 10000;

// The file's lines, at most 32001 of them, empty ones included; none for a missing file.
QStringList LoadFavorites(const QString& folder);
// The names to list: the non-empty lines in file order.
QStringList favoriteNames(const QStringList& lines);
// Writes the names (one empty line for none); false and the old file kept on failure.
bool SaveFavorites(const QString& folder, const QStringList& names);

} // namespace typecask
