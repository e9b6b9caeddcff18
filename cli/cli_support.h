// What every typecask-cli command shares: one way to read its arguments and report a usage
// error, and one way to load the installed fonts.
#pragma once

#include "cli/commands.h"
#include "core/font_catalog.h"
#include "core/fontconfig_source.h"

#include <QString>
#include <QStringList>
#include <cstdint>
#include <memory>
#include <optional>

namespace typecask::cli {

// The installed fonts as the program's catalog holds them.
struct InstalledFonts
{
    explicit InstalledFonts(FontconfigSource::Order order = FontconfigSource::Order::Listing);
    std::shared_ptr<FontconfigSource> source;
    FontCatalog catalog;
};

// A command's arguments read one at a time; usage errors are reported the same way by every
// command, with the exit code 2.
class ArgReader
{
public:
    ArgReader(const char* command, const QStringList& args, Streams io);
    bool done() const { return m_at >= m_args.size(); }
    const QString& next() { return m_args[m_at++]; }
    // Every argument not read yet (after "--", say).
    QStringList rest();
    // The value after an option, or none (with the message given).
    std::optional<QString> value(const QString& option);
    // The value after an option converted by parse, or none (with the message given).
    template <typename Parse>
    auto parsedValue(const QString& option, Parse parse, const QString& message) -> decltype(parse(QString()))
    {
        const auto v = value(option);
        if (!v)
            return std::nullopt;
        auto parsed = parse(*v);
        if (!parsed)
            fail(message);
        return parsed;
    }
    // Prints the message and where help is; returns the exit code.
    int fail(const QString& message);

private:
    const char* m_command;
    const QStringList& m_args;
    Streams m_io;
    qsizetype m_at = 0;
};

// A name as a field of line- and tab-separated output: a backslash, tab, CR, LF and the other
// control characters are written \\, \t, \r, \n and \xHH, so that one name stays one field of
// one line (and a name without them is printed as it is).
QString rowField(const QString& name);

// RRGGBB, red first, as the colour windows show it; none for anything else (a sign, spaces).
std::optional<std::int32_t> parseColour(const QString& s);

} // namespace typecask::cli
