// The desktop program's arguments: HTML paths for the font check, and the GNU options.
#pragma once

#include <QStringList>

namespace typecask {

constexpr int MaxCommandLinePaths = 11;

// Each argument is one path (the shell has split them); of the first 11, the non-empty ones.
QStringList commandLinePaths(const QStringList& arguments);

// What a command line asks the desktop program to do.
struct CommandLine
{
    enum class Action { Run, ShowHelp, ShowVersion, Fail };
    Action action = Action::Run;
    QStringList paths; // Run: the HTML paths, as commandLinePaths gives them
    QString error;     // Fail: what is wrong, without the program name
};

// Arguments are read in the GNU way: "--" ends the options and every argument after it is a path;
// before it, "--help" or "--version" answers (the first one given), any other argument that begins
// with "-" is an unknown option, and the rest are paths. "-" alone is a path. Help and version win
// over an unknown option, so that they can be answered before Qt has taken its own options out.
CommandLine parseCommandLine(const QStringList& arguments);

// What "typecask --help" prints.
QString desktopHelpText();

// What --version prints for the named executable: "typecask (Typecask) 2.01" and the home page.
QString versionText(const QString& program);

// The two lines for a command line that could not be read, as GNU tools write them.
QString commandLineErrorText(const QString& program, const QString& error);

} // namespace typecask
