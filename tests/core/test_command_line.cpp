// The desktop program's command line: the option rule, and the executable acting on it.
#include "core/command_line.h"
#include "core/program_info.h"

#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace typecask;
using Action = CommandLine::Action;

TEST(CommandLine, PathsAreReadAsBefore)
{
    // Eleven arguments at most are read, empty ones among them; a lone "-" is a path.
    QStringList args;
    for (int i = 0; i < 12; ++i)
        args << (i == 3 ? QString() : u"p%1.html"_qs.arg(i));
    args[5] = u"-"_qs;
    const CommandLine r = parseCommandLine(args);
    EXPECT_EQ(r.action, Action::Run);
    EXPECT_EQ(r.paths,
              (QStringList{u"p0.html"_qs, u"p1.html"_qs, u"p2.html"_qs, u"p4.html"_qs, u"-"_qs, u"p6.html"_qs,
                           u"p7.html"_qs, u"p8.html"_qs, u"p9.html"_qs, u"p10.html"_qs}));
    EXPECT_EQ(parseCommandLine({}).paths, QStringList());
}

TEST(CommandLine, OptionsEndAtTheDoubleDash)
{
    // After "--" everything is a path, and "--" itself is not one of the eleven.
    CommandLine r = parseCommandLine({u"a b.html"_qs, u"--"_qs, u"--help"_qs, u"-x"_qs});
    EXPECT_EQ(r.action, Action::Run);
    EXPECT_EQ(r.paths, (QStringList{u"a b.html"_qs, u"--help"_qs, u"-x"_qs}));

    QStringList many{u"--"_qs};
    for (int i = 0; i < 12; ++i)
        many << u"f%1"_qs.arg(i);
    EXPECT_EQ(parseCommandLine(many).paths.size(), MaxCommandLinePaths);
}

TEST(CommandLine, HelpVersionAndUnknownOptions)
{
    const struct
    {
        QStringList args;
        Action action;
        QString error;
    } cases[] = {
        {{u"--help"_qs}, Action::ShowHelp, {}},
        {{u"x.html"_qs, u"--version"_qs}, Action::ShowVersion, {}},
        {{u"--version"_qs, u"--help"_qs}, Action::ShowVersion, {}},
        // Qt's own options are still in the arguments when help is first looked for.
        {{u"-platform"_qs, u"offscreen"_qs, u"--help"_qs}, Action::ShowHelp, {}},
        {{u"--bogus"_qs}, Action::Fail, u"unrecognized option '--bogus'"_qs},
        {{u"a.html"_qs, u"-x"_qs, u"--y"_qs}, Action::Fail, u"unrecognized option '-x'"_qs},
        {{u"--help=all"_qs}, Action::Fail, u"unrecognized option '--help=all'"_qs},
    };
    for (const auto& c : cases) {
        const CommandLine r = parseCommandLine(c.args);
        EXPECT_EQ(r.action, c.action) << c.args.join(u' ').toStdString();
        EXPECT_EQ(r.error, c.error) << c.args.join(u' ').toStdString();
        EXPECT_TRUE(r.paths.isEmpty()) << c.args.join(u' ').toStdString();
    }
}

namespace {

struct ProgramResult
{
    int exitCode = -1;
    QString out;
    QString err;
};

// The built typecask (TYPECASK_PROGRAM), with no display unless the caller's environment has one.
ProgramResult runProgram(const QStringList& args, const QString& platform = {})
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(u"DISPLAY"_qs);
    env.remove(u"WAYLAND_DISPLAY"_qs);
    if (platform.isEmpty())
        env.remove(u"QT_QPA_PLATFORM"_qs);
    else
        env.insert(u"QT_QPA_PLATFORM"_qs, platform);
    p.setProcessEnvironment(env);
    p.start(qEnvironmentVariable("TYPECASK_PROGRAM"), args);
    EXPECT_TRUE(p.waitForFinished(60000));
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
            QString::fromUtf8(p.readAllStandardOutput()), QString::fromUtf8(p.readAllStandardError())};
}

} // namespace

TEST(DesktopProgram, AnswersHelpAndVersionWithoutADisplay)
{
    ProgramResult r = runProgram({u"--help"_qs});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_TRUE(r.out.startsWith(u"Usage: typecask [OPTION]... [FILE]...\n"_qs)) << r.out.toStdString();
    EXPECT_EQ(r.out, desktopHelpText());
    EXPECT_TRUE(r.err.isEmpty()) << r.err.toStdString();

    r = runProgram({u"-platform"_qs, u"xcb"_qs, u"--version"_qs});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out,
              u"typecask (Typecask) "_qs + programVersion() + u"\nHome page: <"_qs + homePage() + u">\n"_qs);
}

TEST(DesktopProgram, UnknownOptionFailsAfterQtTookItsOwn)
{
    ProgramResult r = runProgram({u"--bogus"_qs, u"x.html"_qs}, u"offscreen"_qs);
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_TRUE(r.out.isEmpty());
    EXPECT_TRUE(r.err.contains(
        u"typecask: unrecognized option '--bogus'\nTry 'typecask --help' for more information.\n"_qs))
        << r.err.toStdString();

    // "-style" is Qt's: taken out before the program reads its options, so "-x" is what fails.
    r = runProgram({u"-style"_qs, u"fusion"_qs, u"-x"_qs}, u"offscreen"_qs);
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_TRUE(r.err.contains(u"unrecognized option '-x'"_qs)) << r.err.toStdString();
}
