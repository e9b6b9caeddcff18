// The favourites editor's duplicate removal and font check over 10,001 favourites: the core
// functions alone, and the window's round trip (disabled, run, list refilled, enabled).
#include "core/font_list_model.h"
#include "core/session.h"
#include "dialogs/favorites_editing.h"
#include "dialogs/favorites_editor_window.h"
#include "fakes/fake_font_source.h"
#include "fakes/fake_platform.h"
#include "main_window/main_window.h"
#include "main_window/start_up.h"

#include <QApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace typecask;

namespace {

constexpr int CatalogSize = 30000;
constexpr int FavoriteCount = 10001;

// 10,001 favourites: two thirds installed families, one third names of fonts not installed,
// every name about twice.
QStringList favorites(const FontCatalog& catalog)
{
    QStringList names;
    names.reserve(FavoriteCount);
    for (int i = 0; i < FavoriteCount; ++i) {
        const int k = (i * 7919) % (FavoriteCount / 2);
        if (k % 3 == 0)
            names.append(u"Removed Font %1"_qs.arg(k));
        else
            names.append(catalog.entries()[static_cast<std::size_t>(k % catalog.totalCount())].font.faceName);
    }
    return names;
}

struct Program
{
    Program()
    {
        session.programFolder = dir.path();
        main = StartUp(session, fake.services, fakes::manyFamilies(CatalogSize));
        names = favorites(session.catalog);
    }
    QTemporaryDir dir;
    Session session;
    fakes::FakeServices fake;
    std::unique_ptr<MDIForm1> main;
    QStringList names;
};

FontCatalog& catalog()
{
    static FontCatalog c = [] {
        FontCatalog built;
        enumerateFonts(built, *fakes::manyFamilies(CatalogSize));
        return built;
    }();
    return c;
}

} // namespace

static void BM_WithoutDuplicateNames(benchmark::State& state)
{
    const QStringList names = favorites(catalog());
    for (auto _ : state)
        benchmark::DoNotOptimize(withoutDuplicateNames(names, [](int) {}));
    state.counters["kept"] = withoutDuplicateNames(names).size();
}
BENCHMARK(BM_WithoutDuplicateNames)->Unit(benchmark::kMillisecond);

static void BM_InstalledNames(benchmark::State& state)
{
    const QStringList names = favorites(catalog());
    for (auto _ : state)
        benchmark::DoNotOptimize(installedNames(names, catalog(), [](int) {}));
    state.counters["kept"] = installedNames(names, catalog()).size();
}
BENCHMARK(BM_InstalledNames)->Unit(benchmark::kMillisecond);

// The shown window's command from the click to the enabled window with the new list.
static void editorRoundTrip(benchmark::State& state, void (Form11::*command)())
{
    Program p;
    Form11& f = p.main->windows().form11();
    f.Form_Load();
    f.LGetList(p.main->fontListNames());
    f.show();
    QCoreApplication::processEvents();
    for (auto _ : state) {
        state.PauseTiming();
        f.working()->setNames(p.names);
        QCoreApplication::processEvents();
        state.ResumeTiming();
        (f.*command)();
    }
    state.counters["after"] = f.working()->count();
}
static void BM_EditorRemoveDuplicates(benchmark::State& state)
{
    editorRoundTrip(state, &Form11::Command5_Click);
}
static void BM_EditorFontCheck(benchmark::State& state)
{
    editorRoundTrip(state, &Form11::FontCheck_Click);
}
BENCHMARK(BM_EditorRemoveDuplicates)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EditorFontCheck)->Unit(benchmark::kMillisecond);

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
