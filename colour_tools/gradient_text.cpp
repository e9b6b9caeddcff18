#include "colour_tools/gradient_text.h"

#include "core/colour.h"

#include <array>

namespace typecask {

namespace {

// Int (floor) of a / b for b > 0; exact where the floating-point division would err by one
// on multiples.
long long floorDiv(long long a, long long b)
{
    long long q = a / b;
    if (a % b != 0 && a < 0)
        --q;
    return q;
}

// from - Int(step * ((from - to) / steps)).
int stepTowards(int from, int to, int step, int steps)
{
    return static_cast<int>(from - floorDiv(static_cast<long long>(step) * (from - to), steps));
}

std::array<int, 3> channelsOf(std::int32_t colour)
{
    std::int32_t r = 0, g = 0, b = 0;
    splitColour(colour, r, g, b);
    return {r, g, b};
}

} // namespace

std::int32_t GradientTable::colour(int i) const
{
    const auto k = static_cast<std::size_t>(i);
    return Rgb(red[k], green[k], blue[k]);
}

GradientTable gradientTable(const GradientColours& colours, int n)
{
    GradientTable t;
    if (n < 0)
        n = 0;
    const auto size = static_cast<std::size_t>(n) + 2;
    t.red.assign(size, 0);
    t.green.assign(size, 0);
    t.blue.assign(size, 0);
    const std::array<int, 3> s = channelsOf(colours.start);
    const std::array<int, 3> m = channelsOf(colours.middle);
    const std::array<int, 3> e = channelsOf(colours.end);
    std::array<std::vector<int>*, 3> tables{&t.red, &t.green, &t.blue};
    for (std::size_t k = 0; k < 3; ++k) {
        std::vector<int>& c = *tables[k];
        if (n == 1) {
            c[1] = s[k];
        } else if (!colours.useMiddle || n == 2) {
            for (int i = 1; i <= n; ++i)
                c[static_cast<std::size_t>(i)] = stepTowards(s[k], e[k], i - 1, n - 1);
        } else {
            const int mid = (n + 1) / 2;
            for (int i = 1; i <= mid; ++i)
                c[static_cast<std::size_t>(i)] = stepTowards(s[k], m[k], i - 1, mid - 1);
            for (int i = mid; i <= n; ++i)
                c[static_cast<std::size_t>(i)] = stepTowards(m[k], e[k], i - mid, n - mid);
        }
    }
    return t;
}

std::vector<ColouredCharacter> gradientCharacters(const GradientColours& colours, const QString& text)
{
    const QStringList characters = splitCharacters(text);
    const GradientTable table = gradientTable(colours, static_cast<int>(characters.size()));
    std::vector<ColouredCharacter> out;
    out.reserve(static_cast<std::size_t>(characters.size()));
    for (int i = 0; i < characters.size(); ++i)
        out.push_back({characters[i], table.colour(i + 1)});
    return out;
}

QString gradientHtml(const GradientColours& colours, const QString& text, const Sample& sample,
                     const HtmlTagOptions& options)
{
    return colouredHtml(gradientCharacters(colours, text), sample, options);
}

QByteArray gradientRtf(const FontCatalog& catalog, const GradientColours& colours, const QString& text,
                       const Sample& sample)
{
    return colouredRtf(catalog, gradientCharacters(colours, text), sample);
}

std::vector<GradientBarBox> gradientBarBoxes(const GradientColours& colours, int width)
{
    std::vector<GradientBarBox> boxes;
    const std::array<int, 3> s = channelsOf(colours.start);
    const std::array<int, 3> m = channelsOf(colours.middle);
    const std::array<int, 3> e = channelsOf(colours.end);
    auto band = [&boxes](int x, const std::array<int, 3>& from, const std::array<int, 3>& to, int step,
                         int steps) {
        boxes.push_back(
            {x, Rgb(stepTowards(from[0], to[0], step, steps), stepTowards(from[1], to[1], step, steps),
                    stepTowards(from[2], to[2], step, steps))});
    };
    if (width <= 0)
        return boxes;
    if (!colours.useMiddle) {
        for (int x = 1; x <= width; x += 4)
            band(x, s, e, x, width);
        return boxes;
    }
    const int half = (width + 1) / 2; // width / 2 rounded
    if (half <= 0)
        return boxes;
    for (int x = 1; x <= half; x += 4)
        band(x, s, m, x, half);
    for (int x = 1; x <= half; x += 4)
        band(x + half, m, e, x, half);
    return boxes;
}

int previewScrollStep(int value, int maximum, bool right)
{
    if (right)
        return maximum - value < 110 ? maximum : value + 100;
    return value <= 110 ? 0 : value - 100;
}

} // namespace typecask
