// Where the program keeps its files.
#pragma once

#include <QString>

namespace typecask {

// The executable's folder when "Typecask.ini" stands beside it (a portable install),
// otherwise the per-user data folder ($XDG_DATA_HOME/Typecask). Not created here.
QString programFolder();

// The same rule for a given executable folder and data folder (for tests).
QString programFolderFor(const QString& executableFolder, const QString& dataFolder);

// path + "/" + name.
QString programFile(const QString& folder, const QString& name);

} // namespace typecask
