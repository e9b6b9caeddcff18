// The preview of an "@" family at 72 points with a 200-character sample, as ShowPreview draws
// it: the image cleared, then the vertical text shaped, laid out and drawn. "Warm" redraws a
// family already shown (a resize, a colour or a text change); "Cold" is a family's first
// drawing, its face opened and every glyph rasterised. Run with --benchmark_repetitions=N for
// the p50 and p90 over N runs.
#include "platform/specimen.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <cstdlib>

using namespace typecask;

namespace {

// Japanese prose with punctuation, long vowels, brackets, Latin and digits: 200 characters.
QString sampleText()
{
    const QString piece = u"「縦書き」の見本です。ひらがな、カタカナー、漢字とLatin 2026年12月、"_qs;
    QString text;
    while (text.size() < 200)
        text += piece;
    return text.left(200);
}

// The preview area: a wide window with the largest preview (PreviewAreaSize 2), where the text
// is cut, and one large enough for all 200 characters.
QImage previewImage(int area)
{
    const QSize size = area == 0 ? QSize(1200, 200) : QSize(2000, 1400);
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.setDotsPerMeterX(qRound(96 / 0.0254));
    image.setDotsPerMeterY(qRound(96 / 0.0254));
    return image;
}

bool drawOnce(SpecimenPainter& specimen, QImage& image, const QString& text)
{
    image.fill(Qt::white);
    QPainter p(&image);
    const SpecimenResult r = specimen.draw(p, QRectF(QPointF(0, 0), image.size()), u"@IPA明朝"_qs, text,
                                           {72, false, false, Qt::black});
    return r.drawn;
}

void VerticalPreviewWarm(benchmark::State& state)
{
    QImage image = previewImage(static_cast<int>(state.range(0)));
    const QString text = sampleText();
    SpecimenPainter specimen;
    if (!drawOnce(specimen, image, text))
        state.SkipWithError("@IPA明朝 cannot be drawn");
    for (auto _ : state)
        drawOnce(specimen, image, text);
}

void VerticalPreviewCold(benchmark::State& state)
{
    QImage image = previewImage(static_cast<int>(state.range(0)));
    const QString text = sampleText();
    for (auto _ : state) {
        SpecimenPainter specimen;
        if (!drawOnce(specimen, image, text))
            state.SkipWithError("@IPA明朝 cannot be drawn");
    }
}

double percentile(const std::vector<double>& v, double p)
{
    std::vector<double> s = v;
    std::sort(s.begin(), s.end());
    return s[static_cast<std::size_t>(p * (s.size() - 1) + 0.5)];
}

} // namespace

BENCHMARK(VerticalPreviewWarm)
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->ComputeStatistics("p50", [](const std::vector<double>& v) { return percentile(v, 0.5); })
    ->ComputeStatistics("p90", [](const std::vector<double>& v) { return percentile(v, 0.9); });
BENCHMARK(VerticalPreviewCold)
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->ComputeStatistics("p50", [](const std::vector<double>& v) { return percentile(v, 0.5); })
    ->ComputeStatistics("p90", [](const std::vector<double>& v) { return percentile(v, 0.9); });

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
#ifdef TYPECASK_TEST_FONTCONFIG
    setenv("FONTCONFIG_FILE", TYPECASK_TEST_FONTCONFIG, 0);
#endif
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
