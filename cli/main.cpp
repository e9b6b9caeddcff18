// typecask-cli: the program's GUI-free core for scripts and tests.
#include "cli/commands.h"

#include "core/command_line.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QStringDecoder>
#include <QTextStream>
#include <csignal>
#include <cstdio>
#include <map>
#include <memory>

namespace {

// The arguments exactly as given, read as UTF-8 like the output: QCoreApplication::arguments()
// decodes through the locale codec, which drops a leading U+FEFF.
QStringList argumentsOf(int argc, char** argv)
{
    QStringList args;
    for (int i = 1; i < argc; ++i) {
        QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::ConvertInitialBom);
        args.append(utf8(QByteArrayView(argv[i])));
    }
    return args;
}

} // namespace

int main(int argc, char** argv)
{
    // A file-size limit makes a write fail with EFBIG, reported, instead of ending the process.
    std::signal(SIGXFSZ, SIG_IGN);
    const QStringList args = argumentsOf(argc, argv); // before Qt takes any out
    // Only render draws text, and Qt's fonts need a GUI application; it needs no display.
    const bool drawing = !args.isEmpty() && args.first() == u"render";
    if (drawing && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    std::unique_ptr<QCoreApplication> app = drawing ? std::make_unique<QGuiApplication>(argc, argv)
                                                    : std::make_unique<QCoreApplication>(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    out.setEncoding(QStringConverter::Utf8);
    err.setEncoding(QStringConverter::Utf8);
    const auto fail = [&err](const QString& message) {
        err << typecask::commandLineErrorText(u"typecask-cli"_qs, message);
        return 2;
    };
    if (args.isEmpty())
        return fail(u"missing command"_qs);
    if (args.first() == u"--help") {
        out << typecask::cli::cliHelp();
        return 0;
    }
    if (args.first() == u"--version") {
        out << typecask::versionText(u"typecask-cli"_qs);
        return 0;
    }
    if (args.first().startsWith(u'-'))
        return fail(u"unrecognized option '"_qs + args.first() + u'\'');
    using Command = int (*)(const QStringList&, typecask::cli::Streams);
    const std::map<QString, Command> commands{{u"fonts"_qs, &typecask::cli::fontsCommand},
                                              {u"rtf"_qs, &typecask::cli::rtfCommand},
                                              {u"html"_qs, &typecask::cli::htmlCommand},
                                              {u"name"_qs, &typecask::cli::nameCommand},
                                              {u"details"_qs, &typecask::cli::detailsCommand},
                                              {u"gradient"_qs, &typecask::cli::gradientCommand},
                                              {u"random-colours"_qs, &typecask::cli::randomColoursCommand},
                                              {u"search"_qs, &typecask::cli::searchCommand},
                                              {u"coverage"_qs, &typecask::cli::coverageCommand},
                                              {u"check"_qs, &typecask::cli::checkCommand},
                                              {u"fontlist"_qs, &typecask::cli::fontlistCommand},
                                              {u"render"_qs, &typecask::cli::renderCommand}};
    const auto it = commands.find(args.first());
    if (it == commands.end())
        return fail(u"unknown command '"_qs + args.first() + u'\'');
    const int rc = it->second(args.mid(1), typecask::cli::Streams{out, err});
    out.flush();
    err.flush();
    return rc;
}
