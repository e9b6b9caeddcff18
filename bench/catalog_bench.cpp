// The catalog and the font list filters with tens of thousands of families.
#include "core/font_catalog.h"
#include "core/font_filter.h"
#include "core/font_list_model.h"
#include "core/fontconfig_source.h"
#include "fakes/fake_font_source.h"

#include <benchmark/benchmark.h>

using namespace typecask;

static void BM_EnumerateFonts(benchmark::State& state)
{
    auto src = fakes::manyFamilies(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        FontCatalog catalog;
        enumerateFonts(catalog, *src);
        benchmark::DoNotOptimize(catalog.totalCount());
    }
}
BENCHMARK(BM_EnumerateFonts)->Arg(30000)->Unit(benchmark::kMillisecond);

// ListChenge's work: the filtered, sorted names into the list model (with its reset).
static void BM_ListChengeIntoModel(benchmark::State& state)
{
    auto src = fakes::manyFamilies(static_cast<int>(state.range(0)));
    FontCatalog catalog;
    enumerateFonts(catalog, *src);
    const SortedFontLists sorted(catalog);
    FontListModel model;
    FontFilter filter;
    filter.categories = {true, true, true, true};
    filter.allFontTypes = true;
    for (auto _ : state) {
        model.setNames(sorted.names(filter));
        benchmark::DoNotOptimize(model.count());
    }
}
BENCHMARK(BM_ListChengeIntoModel)->Arg(30000)->Unit(benchmark::kMillisecond);

// The one-time sort behind every later refill.
static void BM_SortOnce(benchmark::State& state)
{
    auto src = fakes::manyFamilies(static_cast<int>(state.range(0)));
    FontCatalog catalog;
    enumerateFonts(catalog, *src);
    for (auto _ : state) {
        SortedFontLists sorted(catalog);
        benchmark::DoNotOptimize(&sorted);
    }
}
BENCHMARK(BM_SortOnce)->Arg(30000)->Unit(benchmark::kMillisecond);

// The installed fonts (FONTCONFIG_FILE, e.g. a set from bench/make_font_set.sh) read into a
// catalog, as at start-up; fontconfig's configuration is loaded before the timing.
static void BM_FontconfigCatalog(benchmark::State& state)
{
    benchmark::DoNotOptimize(matchedFamily(u"sans-serif"_qs));
    int families = 0;
    for (auto _ : state) {
        auto source = std::make_shared<FontconfigSource>();
        FontCatalog catalog;
        enumerateFonts(catalog, *source);
        families = catalog.totalCount();
    }
    state.counters["families"] = families;
}
BENCHMARK(BM_FontconfigCatalog)->Unit(benchmark::kMillisecond);

// The details of every installed family (what `typecask-cli fonts --details` reads).
static void BM_FontconfigDetails(benchmark::State& state)
{
    auto source = std::make_shared<FontconfigSource>();
    FontCatalog catalog;
    catalog.setSource(source);
    enumerateFonts(catalog, *source);
    for (auto _ : state) {
        int read = 0;
        for (const FontCatalog::Entry& e : catalog.entries())
            read += source->readDetails(e.font.faceName).has_value();
        benchmark::DoNotOptimize(read);
    }
}
BENCHMARK(BM_FontconfigDetails)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
