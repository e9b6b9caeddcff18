#include "storage/favorites_file.h"

#include "core/text_file.h"
#include "storage/program_folder.h"

namespace typecask {

namespace {
const QString FavoritesFileName = u"TypecaskBK.lst"_qs;
}

QStringList LoadFavorites(const QString& folder)
{
    return readTextLines(programFile(folder, FavoritesFileName), MaxFavoriteLinesRead)
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

bool SaveFavorites(const QString& folder, const QStringList& names)
{
    return writeTextLines(programFile(folder, FavoritesFileName),
                          names.isEmpty() ? QStringList{QString()} : names);
}

} // namespace typecask
