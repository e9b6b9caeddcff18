// The subcommands of typecask-cli; each returns the process exit code.
#pragma once

#include <QStringList>
#include <QTextStream>

namespace typecask::cli {

struct Streams
{
    QTextStream& out;
    QTextStream& err;
};

int fontsCommand(const QStringList& args, Streams io);
int rtfCommand(const QStringList& args, Streams io);
int htmlCommand(const QStringList& args, Streams io);
int nameCommand(const QStringList& args, Streams io);
int detailsCommand(const QStringList& args, Streams io);
int searchCommand(const QStringList& args, Streams io);
int coverageCommand(const QStringList& args, Streams io);
int gradientCommand(const QStringList& args, Streams io);
int randomColoursCommand(const QStringList& args, Streams io);
int checkCommand(const QStringList& args, Streams io);
int fontlistCommand(const QStringList& args, Streams io);
int renderCommand(const QStringList& args, Streams io);

// What "typecask-cli --help" prints.
QString cliHelp();

// Prints the command's help for "--help" or the version for "--version" and returns true;
// any other argument is left to the command.
bool answerStandardOption(const QString& command, const QString& argument, Streams io);

} // namespace typecask::cli
