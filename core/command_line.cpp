#include "core/command_line.h"

namespace typecask {

QStringList commandLinePaths(const QStringList& arguments)
{
    QStringList paths;
    // The first eleven arguments are read, as eleven parts were; empty ones open nothing.
    for (const QString& a : arguments.mid(0, MaxCommandLinePaths))
        if (!a.isEmpty())
            paths.append(a);
    return paths;
}

} // namespace typecask
