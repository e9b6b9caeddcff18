#include "cli/cli_support.h"
#include "cli/commands.h"

#include "platform/specimen.h"

#include <QImage>
#include <QPainter>
#include <optional>

namespace typecask::cli {

namespace {

// Points are drawn at 96 pixels an inch, as on a desktop at its usual scale.
constexpr double RenderDpi = 96;
constexpr int DefaultWidth = 800;
constexpr int DefaultHeight = 600;
constexpr int MaxSide = 16384;

// The colour options of the copy commands (RRGGBB, red first), as a QColor.
std::optional<QColor> parseRgbHex(const QString& text)
{
    const std::optional<std::int32_t> bgr = parseColour(text);
    if (!bgr)
        return std::nullopt;
    return QColor(*bgr & 0xFF, *bgr >> 8 & 0xFF, *bgr >> 16 & 0xFF);
}

std::optional<int> parseInt(const QString& text, int low, int high)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    if (!ok || value < low || value > high)
        return std::nullopt;
    return value;
}

} // namespace

int renderCommand(const QStringList& args, Streams io)
{
    ArgReader r("render", args, io);
    QString family;
    QString out;
    QStringList text;
    SpecimenStyle style;
    style.pointSize = 32;
    QColor background(255, 255, 255);
    int width = DefaultWidth;
    int height = DefaultHeight;
    while (!r.done()) {
        const QString& a = r.next();
        if (a == u"--font" || a == u"--out") {
            const std::optional<QString> v = r.value(a);
            if (!v)
                return 2;
            (a == u"--font" ? family : out) = *v;
        } else if (a == u"--size") {
            const auto v = r.parsedValue(
                a, [](const QString& t) { return parseInt(t, 1, 1000); },
                u"--size takes points from 1 to 1000"_qs);
            if (!v)
                return 2;
            style.pointSize = *v;
        } else if (a == u"--width" || a == u"--height") {
            const auto v = r.parsedValue(
                a, [](const QString& t) { return parseInt(t, 1, MaxSide); },
                a + u" takes pixels from 1 to "_qs + QString::number(MaxSide));
            if (!v)
                return 2;
            (a == u"--width" ? width : height) = *v;
        } else if (a == u"--color" || a == u"--background") {
            const auto v = r.parsedValue(a, parseRgbHex, a + u" takes six hexadecimal digits, RRGGBB"_qs);
            if (!v)
                return 2;
            (a == u"--color" ? style.fore : background) = *v;
        } else if (a == u"--bold") {
            style.bold = true;
        } else if (a == u"--italic") {
            style.italic = true;
        } else if (a == u"--") {
            text += r.rest();
        } else if (answerStandardOption(u"render"_qs, a, io)) {
            return 0;
        } else if (a.startsWith(u"--")) {
            return r.fail(u"unknown option "_qs + a);
        } else {
            text.append(a);
        }
    }
    if (family.isEmpty())
        return r.fail(u"missing --font"_qs);
    if (out.isEmpty())
        return r.fail(u"missing --out"_qs);
    if (text.isEmpty())
        return r.fail(u"missing TEXT"_qs);
    // Only installed families: a script that misspells one gets told, not a substitute's picture.
    const InstalledFonts fonts(FontconfigSource::Order::Unsorted);
    if (!fonts.catalog.find(family))
        return r.fail(u"no installed family named "_qs + family);

    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.setDotsPerMeterX(qRound(RenderDpi / 0.0254));
    image.setDotsPerMeterY(qRound(RenderDpi / 0.0254));
    image.fill(background);
    QPainter painter;
    SpecimenResult drawn;
    if (painter.begin(&image)) {
        SpecimenPainter specimen;
        drawn = specimen.draw(painter, QRectF(0, 0, width, height), family, text.join(u' '), style);
        painter.end();
    }
    if (!drawn.drawn) {
        io.err << "typecask-cli: \"" << family << "\" could not be drawn\n";
        return 1;
    }
    if (!image.convertToFormat(QImage::Format_RGB32).save(out, "PNG")) {
        io.err << "typecask-cli: cannot write " << out << '\n';
        return 1;
    }
    return 0;
}

} // namespace typecask::cli
