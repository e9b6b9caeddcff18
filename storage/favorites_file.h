// "TypecaskBK.lst": one favourite family name per line.
#pragma once

#include "core/text_file.h"

#include <QString>
#include <QStringList>

namespace typecask {

constexpr int MaxFavoriteLinesRead = 32001;
// A longer line is cut when read: no font family name comes near it.
constexpr qsizetype FavoriteLineMaxBytes = 1024;

// The file's lines, at most 32001 of them, empty ones included; none for a missing file.
QStringList loadFavorites(const QString& folder);
// The names to list: the non-empty lines in file order.
QStringList favoriteNames(const QStringList& lines);
// Writes the names (one empty line for none); when that fails the old file is kept and the
// result says why.
SaveResult saveFavorites(const QString& folder, const QStringList& names);

} // namespace typecask
