// The font search over 30,000 families and over this machine's fonts, and the character map
// opening on a Japanese family and switching its double-byte pages (offscreen platform).
#include "core/fontconfig_source.h"
#include "core/session.h"
#include "fakes/fake_font_source.h"
#include "fakes/fake_platform.h"
#include "font_tools/character_grid.h"
#include "font_tools/character_map_window.h"
#include "font_tools/font_search.h"
#include "main_window/main_window.h"
#include "main_window/start_up.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QListWidget>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace typecask;

namespace {

struct ManyFamilies
{
    std::shared_ptr<fakes::FakeFontSource> source = fakes::manyFamilies(30000);
    FontCatalog catalog = fakes::catalogOf(*source);
};

// This machine's families, as the program enumerates them.
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

// The ratio condition needs every family's details.
SearchRequest everyFamilysDetails()
{
    DetailedConditions c;
    c.ratio = true;
    return {QString(), c, std::nullopt};
}

} // namespace

// Normalising every catalog name, once per catalog.
static void BM_SearchIndexBuild(benchmark::State& state)
{
    const ManyFamilies m;
    for (auto _ : state) {
        FontNameIndex index(m.catalog);
        benchmark::DoNotOptimize(index.count());
    }
}
BENCHMARK(BM_SearchIndexBuild)->Unit(benchmark::kMillisecond);

static void nameSearch(benchmark::State& state, const QString& text)
{
    const ManyFamilies m;
    const FontNameIndex index(m.catalog);
    qsizetype found = 0;
    for (auto _ : state) {
        found = searchFonts(m.catalog, index, {text, std::nullopt, std::nullopt}).size();
        benchmark::DoNotOptimize(found);
    }
    state.counters["found"] = static_cast<double>(found);
}
static void BM_NameSearch30000TwoWords(benchmark::State& state)
{
    nameSearch(state, u"family 12"_qs);
}
static void BM_NameSearch30000Everything(benchmark::State& state)
{
    nameSearch(state, QString()); // every name found: the result sort at its largest
}
static void BM_NameSearch30000Nothing(benchmark::State& state)
{
    nameSearch(state, u"ｚｚ"_qs);
}
BENCHMARK(BM_NameSearch30000TwoWords)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_NameSearch30000Everything)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_NameSearch30000Nothing)->Unit(benchmark::kMillisecond);

// The first detailed search reads every family's font once.
static void BM_DetailedSearchFirstRun(benchmark::State& state)
{
    int families = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto fonts = std::make_unique<MachineFonts>();
        const FontNameIndex index(fonts->catalog);
        families = fonts->catalog.totalCount();
        state.ResumeTiming();
        benchmark::DoNotOptimize(searchFonts(fonts->catalog, index, everyFamilysDetails()).size());
        state.PauseTiming();
        fonts.reset();
        state.ResumeTiming();
    }
    state.counters["families"] = families;
}
BENCHMARK(BM_DetailedSearchFirstRun)->Unit(benchmark::kMillisecond);

// Every later one finds the details kept in the catalog.
static void BM_DetailedSearchSecondRun(benchmark::State& state)
{
    const MachineFonts fonts;
    const FontNameIndex index(fonts.catalog);
    searchFonts(fonts.catalog, index, everyFamilysDetails());
    for (auto _ : state)
        benchmark::DoNotOptimize(searchFonts(fonts.catalog, index, everyFamilysDetails()).size());
    state.counters["families"] = fonts.catalog.totalCount();
}
BENCHMARK(BM_DetailedSearchSecondRun)->Unit(benchmark::kMillisecond);

namespace {

// The program started over this machine's fonts with a Japanese family current.
struct Program
{
    Program()
    {
        session.programFolder = dir.path();
        main = StartUp(session, fake.services, std::make_shared<FontconfigSource>());
        for (const FontCatalog::Entry& e : session.catalog.entries())
            if (e.font.charset == ShiftJisCharset && japanese.isEmpty())
                japanese = e.font.faceName;
        session.state.CurrentFontName = japanese;
        QCoreApplication::processEvents();
    }
    // Loads the map, lays it out and paints every visible cell.
    void open(Form12& form) const
    {
        form.Form_Load(main->size());
        form.show();
        QCoreApplication::processEvents();
        form.List1()->viewport()->repaint();
    }
    QTemporaryDir dir;
    Session session;
    fakes::FakeServices fake;
    std::unique_ptr<MDIForm1> main;
    QString japanese;
};

} // namespace

static void BM_CharacterMapOpen(benchmark::State& state)
{
    Program p;
    if (p.japanese.isEmpty()) {
        state.SkipWithError("no Japanese family installed");
        return;
    }
    Form12& form = p.main->windows().form12();
    QElapsedTimer first;
    first.start();
    p.open(form);
    state.counters["first_ms"] = first.nsecsElapsed() / 1e6;
    form.hide();
    for (auto _ : state) {
        p.open(form);
        state.PauseTiming();
        form.hide();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_CharacterMapOpen)->Unit(benchmark::kMillisecond);

// Switching through the double-byte pages that hold characters (81..9F, E0..FC), each
// painted; the first round draws every glyph for the first time.
static void BM_CharacterMapDoubleBytePage(benchmark::State& state)
{
    Program p;
    if (p.japanese.isEmpty()) {
        state.SkipWithError("no Japanese family installed");
        return;
    }
    Form12& form = p.main->windows().form12();
    p.open(form);
    QListWidget* pages = form.List2();
    QList<int> rows;
    for (int row = 0; row < pages->count(); ++row) {
        const int lead = pages->item(row)->text().toInt(nullptr, 16);
        if ((lead >= 0x81 && lead <= 0x9F) || (lead >= 0xE0 && lead <= 0xFC))
            rows.append(row);
    }
    double worst = 0;
    qsizetype at = 0;
    for (auto _ : state) {
        QElapsedTimer t;
        t.start();
        pages->setCurrentRow(rows[at++ % rows.size()]);
        form.List1()->viewport()->repaint();
        worst = std::max(worst, t.nsecsElapsed() / 1e6);
    }
    state.counters["max_ms"] = worst;
    state.counters["pages"] = static_cast<double>(rows.size());
}
BENCHMARK(BM_CharacterMapDoubleBytePage)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationName(u"Typecask"_qs);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
