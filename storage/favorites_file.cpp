#include "storage/favorites_file.h"

#include "core/text_file.h"
#include "storage/program_folder.h"
#include "storage/stored_files.h"

namespace typecask {

QStringList loadFavorites(const QString& folder)
{
    return readTextLines(programFile(folder, FavoritesFileName), {MaxFavoriteLinesRead, FavoriteLineMaxBytes})
        .value_or(QStringList{});
}

QStringList favoriteNames(const QStringList& lines)
{
    QStringList names;
    for (const QString& l : lines)
        if (!l.isEmpty())
            names.append(l);
    return names;
}

SaveResult saveFavorites(const QString& folder, const QStringList& names)
{
    return writeTextLines(programFile(folder, FavoritesFileName),
                          names.isEmpty() ? QStringList{QString()} : names);
}

} // namespace typecask
