#include "core/text_file.h"

#include "core/cp932.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace typecask {

QStringList splitLines(const QString& text, qsizetype maxLines)
{
    QStringList lines;
    const qsizetype n = text.size();
    qsizetype start = 0;
    qsizetype i = 0;
    while (i < n) {
        if (maxLines >= 0 && lines.size() >= maxLines)
            return lines;
        const QChar c = text[i];
        if (c == u'\r' || c == u'\n') {
            lines.append(text.mid(start, i - start));
            if (c == u'\r' && i + 1 < n && text[i + 1] == u'\n')
                ++i;
            start = ++i;
        } else {
            ++i;
        }
    }
    if (start < n && (maxLines < 0 || lines.size() < maxLines))
        lines.append(text.mid(start));
    return lines;
}

std::optional<QStringList> readTextLines(const QString& path, qsizetype maxLines)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return std::nullopt;
    return splitLines(cp932::decodeUtf8OrCp932(f.readAll()), maxLines);
}

bool writeTextLines(const QString& path, const QStringList& lines)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        return false;
    QByteArray bytes;
    for (const QString& l : lines) {
        bytes += l.toUtf8();
        bytes += "\r\n";
    }
    if (f.write(bytes) != bytes.size())
        return false;
    return f.commit();
}

} // namespace typecask
