// The catalog and the font list filters with tens of thousands of families.
#include "core/font_catalog.h"
#include "core/font_filter.h"
#include "core/font_list_model.h"
#include "fakes/fake_font_source.h"

#include <benchmark/benchmark.h>

using namespace typecask;

static void BM_EnumerateFonts(benchmark::State& state)
{
    auto src = fakes::manyFamilies(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        FontCatalog catalog;
        EnumerateFonts(catalog, *src);
        benchmark::DoNotOptimize(catalog.totalCount());
    }
}
BENCHMARK(BM_EnumerateFonts)->Arg(30000)->Unit(benchmark::kMillisecond);

// ListChenge's work: the filtered, sorted names into the list model (with its reset).
static void BM_ListChengeIntoModel(benchmark::State& state)
{
    auto src = fakes::manyFamilies(static_cast<int>(state.range(0)));
    FontCatalog catalog;
    EnumerateFonts(catalog, *src);
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
    EnumerateFonts(catalog, *src);
    for (auto _ : state) {
        SortedFontLists sorted(catalog);
        benchmark::DoNotOptimize(&sorted);
    }
}
BENCHMARK(BM_SortOnce)->Arg(30000)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
