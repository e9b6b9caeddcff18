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

} // namespace typecask::cli
