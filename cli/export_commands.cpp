// rtf, html, name, details, gradient and random-colours: print exactly what the copy commands
// put on the clipboard, or what the details window shows.
#include "cli/cli_support.h"
#include "cli/commands.h"

#include "colour_tools/gradient_text.h"
#include "colour_tools/random_colour_text.h"
#include "core/colour.h"
#include "core/size_link.h"
#include "core/text_helpers.h"
#include "export/html_tag.h"
#include "export/rtf_writer.h"
#include "font_tools/font_details.h"

#include <QIODevice>

namespace typecask::cli {

namespace {

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

// --align's value; none (with the message given) when it is missing or another word.
std::optional<Alignment> alignmentValue(ArgReader& r, const QString& option)
{
    const auto parse = [](const QString& v) -> std::optional<Alignment> {
        if (v == u"left")
            return Alignment::Left;
        if (v == u"center")
            return Alignment::Center;
        if (v == u"right")
            return Alignment::Right;
        return std::nullopt;
    };
    return r.parsedValue(option, parse, u"--align must be left, center or right"_qs);
}

// The options of the HTML bar that html and the two makers share.
struct HtmlArgs
{
    HtmlTagOptions options;
    std::optional<QString> fontSize, px;

    // The options with the sizes not given derived from the sample's size.
    HtmlTagOptions forSize(std::int16_t size) const
    {
        HtmlTagOptions o = options;
        o.fontTagSize = fontSize.value_or(fontTagSizeFor(size));
        o.pixelSize = px.value_or(pixelSizeFor(size));
        return o;
    }
};

// Handles one HTML bar option; 1 handled, 0 not one of them, -1 failed.
int readHtmlOption(ArgReader& r, const QString& a, HtmlArgs& h)
{
    if (a == u"--no-font-tag") {
        h.options.useFontTag = false;
    } else if (a == u"--style-sheet") {
        h.options.useStyleSheet = true;
    } else if (a == u"--font-family") {
        h.options.fontFamilyInStyleSheet = true;
    } else if (a == u"--font-size" || a == u"--px") {
        auto v = r.value(a);
        if (!v)
            return -1;
        (a == u"--px" ? h.px : h.fontSize) = *v;
    } else {
        return 0;
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
            const auto v = alignmentValue(r, a);
            if (!v)
                return 2;
            alignment = *v;
        } else if (answerStandardOption(u"rtf"_qs, a, io)) {
            return 0;
        } else {
            return r.fail(u"unknown option " + a);
        }
    }
    if (const int rc = requireSample(r, s))
        return rc;
    InstalledFonts fonts;
    writeBytes(io.out,
               sampleRtf(fonts.catalog, s.font, s.text, s.size, s.colour, s.italic, s.bold, alignment));
    return 0;
}

int htmlCommand(const QStringList& args, Streams io)
{
    ArgReader r("html", args, io);
    SampleArgs s;
    HtmlArgs h;
    while (!r.done()) {
        const QString& a = r.next();
        int handled = readSampleOption(r, a, s);
        if (handled == 0)
            handled = readHtmlOption(r, a, h);
        if (handled < 0)
            return 2;
        if (handled > 0)
            continue;
        if (answerStandardOption(u"html"_qs, a, io)) {
            return 0;
        } else {
            return r.fail(u"unknown option " + a);
        }
    }
    if (const int rc = requireSample(r, s))
        return rc;
    io.out << sampleHtml(s.font, s.text, s.colour, s.bold, s.italic, h.forSize(s.size));
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
    InstalledFonts fonts;
    // Nothing to measure with here: the size table is the window's alone.
    const FontDetailsView view = fontDetailsView(fonts.catalog, args.first(), SampleMeasure{});
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
    HtmlArgs htmlArgs;

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
    HtmlTagOptions html() const { return htmlArgs.forSize(sample.size); }
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
        const auto v = alignmentValue(r, a);
        if (!v)
            return -1;
        m.alignment = *v;
    } else {
        return readHtmlOption(r, a, m.htmlArgs);
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
        InstalledFonts fonts;
        writeBytes(io.out, gradientRtf(fonts.catalog, colours, m.sample.text, m.style()));
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
        InstalledFonts fonts;
        writeBytes(io.out, randomColourRtf(fonts.catalog, captions, *colours, m.style()));
    } else {
        io.out << randomColourHtml(captions, *colours, m.style(), m.html());
    }
    return 0;
}

} // namespace typecask::cli
