// Japanese set coverage over every family of the fonts FONTCONFIG_FILE names (bench/make_font_set.sh
// 10000 DIR, then FONTCONFIG_FILE=DIR/fonts.conf): one set counted for all families, cold (a new
// source, every family's charset read) and warm (the counts kept), and the search by set and by
// text beside the search by name; and the details window filled for a Western family, which lacks
// most of every set (offscreen platform).
#include "core/fontconfig_source.h"
#include "font_tools/font_details_window.h"
#include "font_tools/font_search.h"

#include <QApplication>
#include <benchmark/benchmark.h>

using namespace typecask;

namespace {

struct MachineFonts
{
    std::shared_ptr<FontconfigSource> source = std::make_shared<FontconfigSource>();
    FontCatalog catalog;
    MachineFonts()
    {
        catalog.setSource(source);
        enumerateFonts(catalog, *source);
    }
};

int joyoCovered(const FontCatalog& catalog)
{
    const auto joyo = static_cast<std::size_t>(japaneseSetIndex(u"joyo"_qs));
    int complete = 0;
    for (const FontCatalog::Entry& e : catalog.entries())
        complete += catalog.coverage(e)[joyo] == japaneseSets()[joyo].total;
    return complete;
}

} // namespace

static void BM_CoverageOneSetCold(benchmark::State& state)
{
    int complete = 0;
    std::unique_ptr<MachineFonts> fonts;
    for (auto _ : state) {
        state.PauseTiming(); // the start-up's part is not the coverage's, nor the last round's end
        fonts.reset();
        fonts = std::make_unique<MachineFonts>();
        state.ResumeTiming();
        complete = joyoCovered(fonts->catalog);
        benchmark::DoNotOptimize(complete);
    }
    state.counters["families"] = static_cast<double>(fonts->catalog.entries().size());
    state.counters["complete"] = complete;
}
BENCHMARK(BM_CoverageOneSetCold)->Unit(benchmark::kMillisecond)->Iterations(5);

static void BM_CoverageOneSetWarm(benchmark::State& state)
{
    const MachineFonts fonts;
    joyoCovered(fonts.catalog);
    for (auto _ : state)
        benchmark::DoNotOptimize(joyoCovered(fonts.catalog));
    state.counters["families"] = static_cast<double>(fonts.catalog.entries().size());
}
BENCHMARK(BM_CoverageOneSetWarm)->Unit(benchmark::kMillisecond);

static void search(benchmark::State& state, const SearchRequest& request)
{
    const MachineFonts fonts;
    const FontNameIndex index(fonts.catalog);
    joyoCovered(fonts.catalog); // warm, as a second search finds it
    qsizetype found = 0;
    for (auto _ : state) {
        found = searchFonts(fonts.catalog, index, request).size();
        benchmark::DoNotOptimize(found);
    }
    state.counters["found"] = static_cast<double>(found);
}

static void BM_SearchByName(benchmark::State& state)
{
    search(state, {u"R00 sans"_qs, std::nullopt, std::nullopt});
}
BENCHMARK(BM_SearchByName)->Unit(benchmark::kMillisecond);

static void BM_SearchBySetWarm(benchmark::State& state)
{
    DetailedConditions c;
    c.set = japaneseSetIndex(u"aj1-4"_qs);
    c.setPercent = 70;
    search(state, {QString(), c, std::nullopt});
}
BENCHMARK(BM_SearchBySetWarm)->Unit(benchmark::kMillisecond);

static void BM_SearchByText(benchmark::State& state)
{
    DetailedConditions c;
    c.covers = *charactersToCover(u"常用漢字の表"_qs);
    search(state, {QString(), c, std::nullopt});
}
BENCHMARK(BM_SearchByText)->Unit(benchmark::kMillisecond);

// The view (coverage counted, missing characters listed) and the window's fill, the family new
// each time.
static void BM_DetailsWindowWestern(benchmark::State& state)
{
    Form9 form;
    form.show();
    std::unique_ptr<MachineFonts> fonts;
    for (auto _ : state) {
        state.PauseTiming();
        fonts.reset();
        fonts = std::make_unique<MachineFonts>();
        state.ResumeTiming();
        form.fill(fontDetailsView(fonts->catalog, u"DejaVu Sans"_qs, {}));
        form.repaint(); // the boxes lay their text out to draw it
        state.PauseTiming();
        form.fill(fontDetailsView(fonts->catalog, QString(), {}));
        state.ResumeTiming();
    }
}
BENCHMARK(BM_DetailsWindowWestern)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
