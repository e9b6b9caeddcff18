// rtf, html, name, details, gradient and random-colours: print exactly what the copy commands
// put on the clipboard, or what the details window shows.
#include "cli/commands.h"

#include "colour_tools/gradient_text.h"
#include "colour_tools/random_colour_text.h"
#include "core/colour.h"
#include "core/font_catalog.h"
#include "core/fontconfig_source.h"
#include "core/size_link.h"
#include "core/text_helpers.h"
#include "export/html_tag.h"
#include "export/rtf_writer.h"
#include "font_tools/font_details.h"

#include <QIODevice>
#include <algorithm>
#include <memory>

namespace typecask::cli {

namespace {

struct Catalog
{
    std::shared_ptr<FontconfigSource> source = std::make_shared<FontconfigSource>();
    FontCatalog catalog;
    Catalog()
    {
        catalog.setSource(source);
        enumerateFonts(catalog, *source);
    }
};

// The sample options that rtf and html share.
struct SampleArgs
{
    QString font;
    QString text;
    bool haveText = false;
    std::int16_t size = 32;
    std::int32_t colour = 0;
    bool bold = false;
    bool italic = false;
};

class ArgReader
{
public:
    ArgReader(const char* command, const QStringList& args, Streams io)
        : m_command(command), m_args(args), m_io(io)
    {
    }
    bool done() const { return m_at >= m_args.size(); }
    const QString& next() { return m_args[m_at++]; }
    // The value after an option, or none (with the message given).
    std::optional<QString> value(const QString& option)
    {
        if (done()) {
            fail(option + u" needs a value");
            return std::nullopt;
        }
        return next();
    }
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
    int fail(const QString& message)
    {
        m_io.err << "typecask-cli " << m_command << ": " << message << "\nTry 'typecask-cli " << m_command
                 << " --help' for more information.\n";
        return 2;
    }

private:
    const char* m_command;
    const QStringList& m_args;
    Streams m_io;
    qsizetype m_at = 0;
};

// Twice the size is RTF's \fs, a signed 16-bit number.
constexpr int MaxSize = 16383;

std::optional<std::int16_t> parseSize(const QString& s)
{
    bool ok = false;
    const int v = s.toInt(&ok);
    if (!ok || v < 1 || v > MaxSize)
        return std::nullopt;
    return static_cast<std::int16_t>(v);
}

bool isHexDigit(QChar c)
{
    return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
}

// RRGGBB, red first, as the colour windows show it.
std::optional<std::int32_t> parseColour(const QString& s)
{
    // toUInt alone would take a sign or spaces.
    if (s.size() != 6 || !std::all_of(s.cbegin(), s.cend(), isHexDigit))
        return std::nullopt;
    bool ok = false;
    const uint v = s.toUInt(&ok, 16);
    if (!ok)
        return std::nullopt;
    return Rgb(static_cast<int>(v >> 16), static_cast<int>((v >> 8) & 0xFF), static_cast<int>(v & 0xFF));
}

int readText(ArgReader& r, const QString& text, SampleArgs& s)
{
    if (s.haveText) {
        r.fail(u"more than one TEXT"_qs);
        return -1;
    }
    s.text = text;
    s.haveText = true;
    return 1;
}

// 0 when the font and the text were given, else the exit code.
int requireSample(ArgReader& r, const SampleArgs& s)
{
    if (s.font.isEmpty())
        return r.fail(u"--font NAME is needed"_qs);
    if (!s.haveText)
        return r.fail(u"TEXT is needed"_qs);
    return 0;
}

// Handles one shared option; 1 handled, 0 not a shared option, -1 failed.
int readSampleOption(ArgReader& r, const QString& a, SampleArgs& s)
{
    if (a == u"--font") {
        const auto v = r.value(a);
        if (!v)
            return -1;
        s.font = *v;
    } else if (a == u"--size") {
        const auto size =
            r.parsedValue(a, parseSize, u"--size must be a whole number from 1 to %1"_qs.arg(MaxSize));
        if (!size)
            return -1;
        s.size = *size;
    } else if (a == u"--color") {
        const auto colour =
            r.parsedValue(a, parseColour, u"--color must be six hexadecimal digits RRGGBB"_qs);
        if (!colour)
            return -1;
        s.colour = *colour;
    } else if (a == u"--bold") {
        s.bold = true;
    } else if (a == u"--italic") {
        s.italic = true;
    } else if (a == u"--") {
        // The argument after "--" is the text, even when it looks like an option.
        const auto v = r.value(a);
        if (!v)
            return -1;
        return readText(r, *v, s);
    } else if (a.startsWith(u"--")) {
        return 0;
    } else {
        return readText(r, a, s);
    }
    return 1;
}

void writeBytes(QTextStream& out, const QByteArray& bytes)
{
    out.flush();
    if (QIODevice* device = out.device())
        device->write(bytes);
    else
        out << QString::fromLatin1(bytes); // RTF is ASCII: the same bytes
}

} // namespace

int rtfCommand(const QStringList& args, Streams io)
{
    ArgReader r("rtf", args, io);
    SampleArgs s;
    Alignment alignment = Alignment::Left;
    while (!r.done()) {
        const QString& a = r.next();
        const int handled = readSampleOption(r, a, s);
        if (handled < 0)
            return 2;
        if (handled > 0)
            continue;
        if (a == u"--align") {
            const auto v = r.value(a);
            if (!v)
                return 2;
            if (*v == u"left")
                alignment = Alignment::Left;
            else if (*v == u"center")
                alignment = Alignment::Center;
            else if (*v == u"right")
                alignment = Alignment::Right;
            else
                return r.fail(u"--align must be left, center or right"_qs);
        } else if (answerStandardOption(u"rtf"_qs, a, io)) {
            return 0;
        } else {
            return r.fail(u"unknown option " + a);
        }
    }
    if (const int rc = requireSample(r, s))
        return rc;
    Catalog c;
    writeBytes(io.out, sampleRtf(c.catalog, s.font, s.text, s.size, s.colour, s.italic, s.bold, alignment));
    return 0;
}

int htmlCommand(const QStringList& args, Streams io)
{
    ArgReader r("html", args, io);
    SampleArgs s;
    HtmlTagOptions options;
    std::optional<QString> fontSize, px;
    while (!r.done()) {
        const QString& a = r.next();
        const int handled = readSampleOption(r, a, s);
        if (handled < 0)
            return 2;
        if (handled > 0)
            continue;
        if (a == u"--no-font-tag") {
            options.useFontTag = false;
        } else if (a == u"--style-sheet") {
            options.useStyleSheet = true;
        } else if (a == u"--font-family") {
            options.fontFamilyInStyleSheet = true;
        } else if (a == u"--font-size" || a == u"--px") {
            auto v = r.value(a);
            if (!v)
                return 2;
            (a == u"--px" ? px : fontSize) = *v;
        } else if (answerStandardOption(u"html"_qs, a, io)) {
            return 0;
        } else {
            return r.fail(u"unknown option " + a);
        }
    }
    if (const int rc = requireSample(r, s))
        return rc;
    options.fontTagSize = fontSize.value_or(fontTagSizeFor(s.size));
    options.pixelSize = px.value_or(pixelSizeFor(s.size));
    io.out << sampleHtml(s.font, s.text, s.colour, s.bold, s.italic, options);
    return 0;
}

int nameCommand(const QStringList& args, Streams io)
{
    ArgReader r("name", args, io);
    std::optional<int> form;
    std::optional<QString> name;
    while (!r.done()) {
        const QString& a = r.next();
        if (a == u"--form") {
            const auto v = r.value(a);
            if (!v)
                return 2;
            bool ok = false;
            form = v->toInt(&ok);
            if (!ok || !fontNameForm(*form, QString()))
                return r.fail(u"--form must be 0, 2, 3, 4, 5 or 6"_qs);
        } else if (answerStandardOption(u"name"_qs, a, io)) {
            return 0;
        } else if (a.startsWith(u"--")) {
            return r.fail(u"unknown option " + a);
        } else if (name) {
            return r.fail(u"more than one NAME"_qs);
        } else {
            name = a;
        }
    }
    if (!form)
        return r.fail(u"--form N is needed"_qs);
    if (!name)
        return r.fail(u"NAME is needed"_qs);
    io.out << *fontNameForm(*form, *name);
    return 0;
}

int detailsCommand(const QStringList& args, Streams io)
{
    ArgReader r("details", args, io);
    if (args.size() == 1 && answerStandardOption(u"details"_qs, args.first(), io))
        return 0;
    if (args.size() != 1 || args.first().startsWith(u"--"))
        return r.fail(u"give one font NAME"_qs);
    Catalog c;
    // Nothing to measure with here: the size table is the window's alone.
    const FontDetailsView view = fontDetailsView(c.catalog, args.first(), SampleMeasure{});
    const auto& l = view.labels;
    io.out << "name: " << l[DetailsFaceName] << '\n'
           << "charset: " << l[DetailsCharset] << '\n'
           << "type: " << l[DetailsFontType] << '\n'
           << l[DetailsHeightHeading] << ": " << l[DetailsHeight] << '\n'
           << l[DetailsWidthHeading] << ": " << l[DetailsWidth] << '\n'
           << l[DetailsAverageWidthHeading] << ": " << l[DetailsAverageWidth] << '\n'
           << "family: " << l[DetailsFamily] << '\n';
    for (const QString& line : l[DetailsSample].split(u"\r\n"_qs))
        io.out << "sample: " << line << '\n';
    return 0;
}

namespace {

// What the two colour makers take: the sample's style without its colour (they colour every
// character themselves), the output form and the bars' options.
struct MakerArgs
{
    SampleArgs sample;
    bool rtf = false;
    Alignment alignment = Alignment::Left;
    HtmlTagOptions options;
    std::optional<QString> fontSize, px;

    Sample style() const
    {
        Sample s;
        s.fontName = sample.font;
        s.size = sample.size;
        s.bold = sample.bold;
        s.italic = sample.italic;
        s.alignment = alignment;
        return s;
    }
    HtmlTagOptions html() const
    {
        HtmlTagOptions o = options;
        o.fontTagSize = fontSize.value_or(fontTagSizeFor(sample.size));
        o.pixelSize = px.value_or(pixelSizeFor(sample.size));
        return o;
    }
};

// Handles one option the makers share; 1 handled, 0 not one of them, -1 failed.
int readMakerOption(ArgReader& r, const QString& a, MakerArgs& m)
{
    if (a == u"--color") {
        r.fail(u"--color is not an option here: the command colours every character"_qs);
        return -1;
    }
    const int handled = readSampleOption(r, a, m.sample);
    if (handled != 0)
        return handled;
    if (a == u"--html" || a == u"--rtf") {
        m.rtf = a == u"--rtf";
    } else if (a == u"--align") {
        const auto v = r.value(a);
        if (!v)
            return -1;
        if (*v == u"left")
            m.alignment = Alignment::Left;
        else if (*v == u"center")
            m.alignment = Alignment::Center;
        else if (*v == u"right")
            m.alignment = Alignment::Right;
        else {
            r.fail(u"--align must be left, center or right"_qs);
            return -1;
        }
    } else if (a == u"--no-font-tag") {
        m.options.useFontTag = false;
    } else if (a == u"--style-sheet") {
        m.options.useStyleSheet = true;
    } else if (a == u"--font-family") {
        m.options.fontFamilyInStyleSheet = true;
    } else if (a == u"--font-size" || a == u"--px") {
        auto v = r.value(a);
        if (!v)
            return -1;
        (a == u"--px" ? m.px : m.fontSize) = *v;
    } else {
        return 0;
    }
    return 1;
}

// RRGGBB,RRGGBB,... with exactly 16 values.
std::optional<CellColours> parseCellColours(const QString& s)
{
    const QStringList parts = s.split(u',');
    if (parts.size() != RandomCellCount)
        return std::nullopt;
    CellColours colours{};
    for (int i = 0; i < RandomCellCount; ++i) {
        const auto c = parseColour(parts[i]);
        if (!c)
            return std::nullopt;
        colours[static_cast<std::size_t>(i)] = *c;
    }
    return colours;
}

} // namespace

int gradientCommand(const QStringList& args, Streams io)
{
    ArgReader r("gradient", args, io);
    MakerArgs m;
    GradientColours colours;
    bool haveStart = false, haveEnd = false;
    while (!r.done()) {
        const QString& a = r.next();
        const int handled = readMakerOption(r, a, m);
        if (handled < 0)
            return 2;
        if (handled > 0)
            continue;
        if (a == u"--start" || a == u"--middle" || a == u"--end") {
            const auto c = r.parsedValue(a, parseColour, a + u" must be six hexadecimal digits RRGGBB");
            if (!c)
                return 2;
            if (a == u"--start") {
                colours.start = *c;
                haveStart = true;
            } else if (a == u"--end") {
                colours.end = *c;
                haveEnd = true;
            } else {
                colours.middle = *c;
                colours.useMiddle = true;
            }
        } else if (answerStandardOption(u"gradient"_qs, a, io)) {
            return 0;
        } else {
            return r.fail(u"unknown option " + a);
        }
    }
    if (const int rc = requireSample(r, m.sample))
        return rc;
    if (!haveStart || !haveEnd)
        return r.fail(u"--start RRGGBB and --end RRGGBB are needed"_qs);
    // The window's copy does nothing below two characters.
    if (codePointCount(m.sample.text) < GradientMinimumCharacters)
        return r.fail(u"TEXT needs at least 2 characters"_qs);
    if (m.rtf) {
        Catalog c;
        writeBytes(io.out, gradientRtf(c.catalog, colours, m.sample.text, m.style()));
    } else {
        io.out << gradientHtml(colours, m.sample.text, m.style(), m.html());
    }
    return 0;
}

int randomColoursCommand(const QStringList& args, Streams io)
{
    ArgReader r("random-colours", args, io);
    MakerArgs m;
    std::optional<CellColours> colours;
    while (!r.done()) {
        const QString& a = r.next();
        const int handled = readMakerOption(r, a, m);
        if (handled < 0)
            return 2;
        if (handled > 0)
            continue;
        if (a == u"--colours") {
            colours = r.parsedValue(a, parseCellColours,
                                    u"--colours must be 16 RRGGBB values separated by commas"_qs);
            if (!colours)
                return 2;
        } else if (answerStandardOption(u"random-colours"_qs, a, io)) {
            return 0;
        } else {
            return r.fail(u"unknown option " + a);
        }
    }
    if (const int rc = requireSample(r, m.sample))
        return rc;
    if (!colours)
        return r.fail(u"--colours RRGGBB,... (16 values) is needed"_qs);
    // The window's cells hold the first 16 characters.
    const CellCaptions captions = cellCaptions(m.sample.text);
    if (m.rtf) {
        Catalog c;
        writeBytes(io.out, randomColourRtf(c.catalog, captions, *colours, m.style()));
    } else {
        io.out << randomColourHtml(captions, *colours, m.style(), m.html());
    }
    return 0;
}

} // namespace typecask::cli
