#include "storage/favorites_file.h"

#include "core/text_file.h"
#include "storage/program_folder.h"
#include "storage/stored_files.h"

namespace typecask {

namespace {

constexpr QChar EscapedLine = QChar(0x0001);

} // namespace

QString favoriteLine(const QString& name)
{
    if (!name.startsWith(EscapedLine) && !name.contains(u'\r') && !name.contains(u'\n'))
        return name;
    QString line = EscapedLine;
    for (QChar c : name) {
        if (c == u'\\')
            line += u"\\\\";
        else if (c == u'\r')
            line += u"\\r";
        else if (c == u'\n')
            line += u"\\n";
        else
            line += c;
    }
    return line;
}

QString favoriteFromLine(const QString& line)
{
    if (!line.startsWith(EscapedLine))
        return line;
    QString name;
    for (qsizetype i = 1; i < line.size(); ++i) {
        const QChar c = line[i];
        if (c != u'\\' || i + 1 == line.size()) {
            name += c;
            continue;
        }
        const QChar next = line[++i];
        name += next == u'r' ? QChar(u'\r') : next == u'n' ? QChar(u'\n') : next;
    }
    return name;
}

QStringList loadFavorites(const QString& folder)
{
    QStringList lines = readTextLines(programFile(folder, FavoritesFileName),
                                      {MaxFavoriteLinesRead, FavoriteLineMaxBytes, FavoritesMaxBytesRead})
                            .value_or(QStringList{});
    for (QString& l : lines)
        l = favoriteFromLine(l);
    return lines;
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
    QStringList lines;
    for (const QString& n : names)
        lines.append(favoriteLine(n));
    return writeTextLines(programFile(folder, FavoritesFileName),
                          lines.isEmpty() ? QStringList{QString()} : lines);
}

} // namespace typecask
