#include "cli/cli_support.h"

#include "core/ascii.h"
#include "core/colour.h"

#include <algorithm>

namespace typecask::cli {

InstalledFonts::InstalledFonts(FontconfigSource::Order order)
    : source(std::make_shared<FontconfigSource>(order))
{
    catalog.setSource(source);
    enumerateFonts(catalog, *source);
}

ArgReader::ArgReader(const char* command, const QStringList& args, Streams io)
    : m_command(command), m_args(args), m_io(io)
{
}

QStringList ArgReader::rest()
{
    const QStringList remaining = m_args.mid(m_at);
    m_at = m_args.size();
    return remaining;
}

std::optional<QString> ArgReader::value(const QString& option)
{
    if (done()) {
        fail(option + u" needs a value");
        return std::nullopt;
    }
    return next();
}

int ArgReader::fail(const QString& message)
{
    m_io.err << "typecask-cli " << m_command << ": " << message << "\nTry 'typecask-cli " << m_command
             << " --help' for more information.\n";
    return 2;
}

std::optional<std::int32_t> parseColour(const QString& s)
{
    // toUInt alone would take a sign or spaces.
    if (s.size() != 6 ||
        !std::all_of(s.cbegin(), s.cend(), [](QChar c) { return ascii::isHexDigit(c.unicode()); }))
        return std::nullopt;
    bool ok = false;
    const uint v = s.toUInt(&ok, 16);
    if (!ok)
        return std::nullopt;
    return Rgb(static_cast<int>(v >> 16), static_cast<int>((v >> 8) & 0xFF), static_cast<int>(v & 0xFF));
}

QString rowField(const QString& name)
{
    QString out;
    out.reserve(name.size());
    for (QChar c : name) {
        const char16_t u = c.unicode();
        if (u == u'\\')
            out += u"\\\\";
        else if (u == u'\t')
            out += u"\\t";
        else if (u == u'\r')
            out += u"\\r";
        else if (u == u'\n')
            out += u"\\n";
        else if (u < 0x20 || u == 0x7F)
            out += u"\\x"_qs + QString::number(u, 16).rightJustified(2, u'0');
        else
            out += c;
    }
    return out;
}

} // namespace typecask::cli
