// typecask-cli: the program's GUI-free core for scripts and tests.
#include "cli/commands.h"

#include <QCoreApplication>
#include <QTextStream>
#include <cstdio>
#include <map>

namespace {

void usage(QTextStream& err)
{
    err << "usage: typecask-cli fonts [--categories LETTERS] [--all-types] [--vertical]\n"
           "       typecask-cli fonts --details\n"
           "       typecask-cli rtf --font NAME [--size N] [--color RRGGBB] [--bold] [--italic]\n"
           "                        [--align left|center|right] [--] TEXT\n"
           "       typecask-cli html --font NAME [--size N] [--color RRGGBB] [--bold] [--italic]\n"
           "                         [--no-font-tag] [--style-sheet] [--font-family] [--font-size TEXT]\n"
           "                         [--px TEXT] [--] TEXT\n"
           "       typecask-cli name --form N NAME\n"
           "       typecask-cli details NAME\n";
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    out.setEncoding(QStringConverter::Utf8);
    err.setEncoding(QStringConverter::Utf8);
    const QStringList args = app.arguments().mid(1);
    if (args.isEmpty()) {
        usage(err);
        return 2;
    }
    using Command = int (*)(const QStringList&, typecask::cli::Streams);
    const std::map<QString, Command> commands{{u"fonts"_qs, &typecask::cli::fontsCommand},
                                              {u"rtf"_qs, &typecask::cli::rtfCommand},
                                              {u"html"_qs, &typecask::cli::htmlCommand},
                                              {u"name"_qs, &typecask::cli::nameCommand},
                                              {u"details"_qs, &typecask::cli::detailsCommand}};
    const auto it = commands.find(args.first());
    if (it == commands.end()) {
        err << "typecask-cli: unknown command " << args.first() << "\n";
        usage(err);
        return 2;
    }
    const int rc = it->second(args.mid(1), typecask::cli::Streams{out, err});
    out.flush();
    err.flush();
    return rc;
}
