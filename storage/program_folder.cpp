#include "storage/program_folder.h"

#include "storage/stored_files.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace typecask {

QString programFolderFor(const QString& executableFolder, const QString& dataFolder)
{
    if (!executableFolder.isEmpty() && QFileInfo::exists(programFile(executableFolder, SettingsFileName)))
        return executableFolder;
    return dataFolder;
}

QString programFolder()
{
    QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    data = data.isEmpty() ? QDir::homePath() + u"/.local/share"_qs : data;
    const QString exe = QCoreApplication::instance() ? QCoreApplication::applicationDirPath() : QString();
    return programFolderFor(exe, data + u"/Typecask"_qs);
}

QString programFile(const QString& folder, const QString& name)
{
    return folder.endsWith(u'/') ? QString(folder + name) : QString(folder + u'/' + name);
}

} // namespace typecask
