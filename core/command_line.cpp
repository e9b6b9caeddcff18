#include "core/command_line.h"

#include "core/program_info.h"

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

CommandLine parseCommandLine(const QStringList& arguments)
{
    CommandLine result;
    QStringList pathArguments;
    bool optionsEnded = false;
    for (const QString& a : arguments) {
        if (optionsEnded || a.size() < 2 || !a.startsWith(u'-')) {
            pathArguments.append(a);
        } else if (a == u"--") {
            optionsEnded = true;
        } else if (a == u"--help" || a == u"--version") {
            result.action = a == u"--help" ? CommandLine::Action::ShowHelp : CommandLine::Action::ShowVersion;
            result.error.clear();
            return result;
        } else if (result.action == CommandLine::Action::Run) {
            result.action = CommandLine::Action::Fail;
            result.error = u"unrecognized option '"_qs + a + u'\'';
        }
    }
    if (result.action == CommandLine::Action::Run)
        result.paths = commandLinePaths(pathArguments);
    return result;
}

QString desktopHelpText()
{
    return u"Usage: typecask [OPTION]... [FILE]...\n"
           "Browse the installed fonts, preview a sample text in any of them and copy it\n"
           "as RTF or HTML. Each FILE is an HTML page (at most 11) whose fonts are checked\n"
           "against the installed ones.\n"
           "\n"
           "      --help     display this help and exit\n"
           "      --version  output version information and exit\n"
           "      --         treat every later argument as a FILE\n"
           "\n"
           "Qt's own options, such as -platform NAME or -style NAME, are accepted too.\n"
           "typecask-cli gives the same fonts, RTF and HTML without a window.\n"
           "\n"
           "Home page: <"_qs +
           homePage() + u">\n"_qs;
}

QString versionText(const QString& program)
{
    return program + u" (Typecask) "_qs + programVersion() + u"\nHome page: <"_qs + homePage() + u">\n"_qs;
}

QString commandLineErrorText(const QString& program, const QString& error)
{
    return program + u": "_qs + error + u"\nTry '"_qs + program + u" --help' for more information.\n"_qs;
}

} // namespace typecask
