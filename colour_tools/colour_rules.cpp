#include "colour_tools/colour_rules.h"

#include "core/colour.h"

#include <QRegularExpression>
#include <algorithm>
#include <cmath>

namespace typecask {

namespace {

// The saturated hue at column x; channels kept within 2-253 as in the original picture.
Channels hueAt(int x)
{
    const double hue = 6.0 * x / (ColourFieldWidth - 1); // 0..6, both ends red
    const int sector = static_cast<int>(hue) % 6;
    const double f = hue - std::floor(hue);
    double r = 0, g = 0, b = 0;
    switch (sector) {
    case 0:
        r = 1, g = f, b = 0;
        break;
    case 1:
        r = 1 - f, g = 1, b = 0;
        break;
    case 2:
        r = 0, g = 1, b = f;
        break;
    case 3:
        r = 0, g = 1 - f, b = 1;
        break;
    case 4:
        r = f, g = 0, b = 1;
        break;
    default:
        r = 1, g = 0, b = 1 - f;
        break;
    }
    auto level = [](double v) { return 2 + static_cast<int>(std::lround(v * 251)); };
    return {level(r), level(g), level(b)};
}

// VB's Int: rounds towards minus infinity.
int floorInt(double v)
{
    return static_cast<int>(std::floor(v));
}

// A decimal part of "r,g,b": blanks around it allowed, fractions rounded half to even, and the
// value must fit a 16-bit integer.
std::optional<int> decimalPart(const QString& part)
{
    static const QRegularExpression number(u"^[+-]?(\\d+\\.?\\d*|\\.\\d+)([eE][+-]?\\d+)?$"_qs);
    const QString t = part.trimmed();
    if (!number.match(t).hasMatch())
        return std::nullopt;
    bool ok = false;
    const double v = t.toDouble(&ok);
    if (!ok || !std::isfinite(v))
        return std::nullopt;
    const double rounded = std::nearbyint(v); // the default mode rounds halves to even
    if (rounded < -32768 || rounded > 32767)
        return std::nullopt;
    return static_cast<int>(rounded);
}

// A hexadecimal pair read up to its first non-hexadecimal character.
int hexPair(QStringView pair)
{
    int value = 0;
    for (const QChar c : pair) {
        const char16_t u = c.unicode();
        int d = 0;
        if (u >= u'0' && u <= u'9')
            d = u - u'0';
        else if (u >= u'a' && u <= u'f')
            d = u - u'a' + 10;
        else if (u >= u'A' && u <= u'F')
            d = u - u'A' + 10;
        else
            break;
        value = value * 16 + d;
    }
    return value;
}

} // namespace

std::int32_t colourFieldPixel(int x, int y)
{
    const Channels top = hueAt(x);
    const double t = static_cast<double>(y) / (ColourFieldHeight - 1);
    Channels c{};
    for (int k = 0; k < 3; ++k)
        c[k] = static_cast<int>(std::lround(top[k] + (127 - top[k]) * t));
    return Rgb(c[0], c[1], c[2]);
}

std::vector<std::int32_t> colourFieldPixels()
{
    std::vector<std::int32_t> pixels;
    pixels.reserve(ColourFieldWidth * ColourFieldHeight);
    for (int y = 0; y < ColourFieldHeight; ++y)
        for (int x = 0; x < ColourFieldWidth; ++x)
            pixels.push_back(colourFieldPixel(x, y));
    return pixels;
}

std::vector<ShadeLine> shadeStripLines(const Channels& colour, int innerHeight)
{
    std::vector<ShadeLine> lines;
    const int h = floorInt(0.5 * innerHeight);
    if (h <= 0)
        return lines;
    for (int y = 2; y <= h; y += 4) {
        Channels c{};
        for (int k = 0; k < 3; ++k)
            c[k] = -floorInt(y * static_cast<double>(0 - colour[k]) / h);
        lines.push_back({y, Rgb(c[0], c[1], c[2])});
    }
    for (int y = 1; y <= h; y += 4) {
        Channels c{};
        for (int k = 0; k < 3; ++k)
            c[k] = colour[k] - floorInt(y * static_cast<double>(colour[k] - 255) / h);
        lines.push_back({h + y, Rgb(c[0], c[1], c[2])});
    }
    return lines;
}

Channels applyStep(const Channels& colour, ColourStep step)
{
    Channels out = colour;
    for (int& v : out) {
        switch (step) {
        case ColourStep::Darker1:
            if (v > 0)
                v -= 1;
            break;
        case ColourStep::Lighter1:
            if (v < 255)
                v += 1;
            break;
        case ColourStep::Darker10:
            v = v < 11 ? 0 : v - 10;
            break;
        case ColourStep::Lighter10:
            v = v > 244 ? 255 : v + 10;
            break;
        case ColourStep::Invert:
            v = 255 - v;
            break;
        }
    }
    return out;
}

int randomChannel(double uniform)
{
    return std::clamp(floorInt(uniform * 255), 0, 254);
}

QString narrowForm(const QString& text)
{
    QString out = text;
    for (QChar& c : out) {
        const char16_t u = c.unicode();
        if (u >= 0xFF01 && u <= 0xFF5E)
            c = QChar(char16_t(u - 0xFEE0));
        else if (u == 0x3000)
            c = u' ';
        else if (u == 0x2019) // the full-width apostrophe of code page 932
            c = u'\'';
        else if (u == 0x201D)
            c = u'"';
        else if (u == 0xFFE5) // full-width yen: the yen sign of code page 932 is the backslash byte
            c = u'\\';
    }
    return out;
}

std::optional<Channels> parseNumericColour(const QString& s)
{
    Channels c{};
    const qsizetype p1 = s.indexOf(u',');
    if (p1 >= 0) {
        const qsizetype p2 = s.indexOf(u',', p1 + 1);
        if (p2 < 0)
            return std::nullopt;
        const auto r = decimalPart(s.first(p1));
        const auto g = decimalPart(s.mid(p1 + 1, p2 - p1 - 1));
        const auto b = decimalPart(s.mid(p2 + 1));
        if (!r || !g || !b)
            return std::nullopt;
        c = {*r, *g, *b};
    } else {
        if (s.size() < 6)
            return std::nullopt;
        const QStringView t = QStringView(s).right(6);
        c = {hexPair(t.mid(0, 2)), hexPair(t.mid(2, 2)), hexPair(t.mid(4, 2))};
    }
    for (int& v : c)
        v = std::clamp(v, 0, 255);
    return c;
}

} // namespace typecask
