#include "core/program_info.h"

// CMake passes these, so the package, the installed files and the program agree.
#ifndef TYPECASK_VERSION
#error "TYPECASK_VERSION is set by CMake"
#endif

namespace typecask {

QString programVersion()
{
    return QStringLiteral(TYPECASK_VERSION);
}

QString applicationId()
{
    return QStringLiteral(TYPECASK_APP_ID);
}

QString homePage()
{
    return QStringLiteral(TYPECASK_HOME_PAGE);
}

} // namespace typecask
