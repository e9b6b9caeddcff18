// The desktop program's arguments: HTML paths for the font check.
#pragma once

#include <QStringList>

namespace typecask {

constexpr int MaxCommandLinePaths = 11;

// Each argument is one path (the shell has split them); of the first 11, the non-empty ones.
QStringList commandLinePaths(const QStringList& arguments);

} // namespace typecask
