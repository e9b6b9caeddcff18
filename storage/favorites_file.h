// "TypecaskBK.lst": one favourite family name per line.
#pragma once

#include "core/text_file.h"

#include <QString>
#include <QStringList>

namespace typecask {

constexpr int MaxFavoriteLinesRead = 32001;
// A longer line is cut when read. A family name is one name-table string (at most 65,535 bytes
// of UTF-16, under 96 KiB of UTF-8), stored escaped (see favoriteLine), so any name fits.
constexpr qsizetype FavoriteLineMaxBytes = 256 * 1024;
// The file is read no further: many times what 10,001 real names take.
constexpr qsizetype FavoritesMaxBytesRead = 32 * 1024 * 1024;

// A name as its line in the file: as it is, unless it holds a line break or begins with
// U+0001, which marks a line written as U+0001 followed by the name with "\\", "\r" and "\n"
// for backslash, CR and LF. No name written by an older version begins with a control
// character, so every old file reads as before.
QString favoriteLine(const QString& name);
// The name a line of the file stands for.
QString favoriteFromLine(const QString& line);

// The file's lines as names (see favoriteFromLine), at most 32001 of them, empty ones included;
// none for a missing file.
QStringList loadFavorites(const QString& folder);
// The names to list: the non-empty lines in file order.
QStringList favoriteNames(const QStringList& lines);
// Writes the names (one empty line for none); when that fails the old file is kept and the
// result says why.
SaveResult saveFavorites(const QString& folder, const QStringList& names);

} // namespace typecask
