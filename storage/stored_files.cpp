#include "storage/stored_files.h"

#include <QDateTime>
#include <QDir>
#include <QFile>

#include <cstdlib>
#include <sys/stat.h>
#include <unistd.h>

namespace typecask {

QStringList removeStaleSaveFiles(const QString& folder)
{
    QStringList removed;
    const QDir dir(folder);
    const qint64 now = QDateTime::currentSecsSinceEpoch();
    for (const QString& stored : {SettingsFileName, FavoritesFileName, PaletteFileName}) {
        const QStringList candidates =
            dir.entryList({stored + u".??????"_qs}, QDir::Files | QDir::Hidden | QDir::CaseSensitive);
        for (const QString& name : candidates) {
            if (!isSaveFileSuffix(QStringView(name).sliced(stored.size() + 1)))
                continue;
            const QString path = dir.filePath(name);
            struct stat st;
            if (::lstat(QFile::encodeName(path).constData(), &st) != 0 || !S_ISREG(st.st_mode) ||
                st.st_uid != ::geteuid() || std::abs(now - st.st_mtime) < 60)
                continue;
            if (QFile::remove(path))
                removed.append(path);
        }
    }
    return removed;
}

QString failedSavesMessage(const QList<SaveResult>& saves)
{
    QStringList failed;
    for (const SaveResult& s : saves)
        if (!s.ok())
            failed.append(QDir::toNativeSeparators(s.path) + u'（' + s.error + u'）');
    if (failed.isEmpty())
        return {};
    return u"次のファイルを保存できませんでした。\n\n"_qs + failed.join(u'\n');
}

} // namespace typecask
