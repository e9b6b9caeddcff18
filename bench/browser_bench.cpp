// The font browser on the offscreen platform: refilling the list with 30,000 families,
// previewing a family for the first time and again.
#include "core/font_list_model.h"
#include "core/fontconfig_source.h"
#include "core/session.h"
#include "fakes/fake_font_source.h"
#include "fakes/fake_platform.h"
#include "main_window/font_browser.h"
#include "main_window/main_window.h"
#include "main_window/start_up.h"
#include "platform/ui_font.h"
#include "widgets/font_list_view.h"

#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QRadioButton>
#include <QTemporaryDir>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <vector>

using namespace typecask;

namespace {

// 200 characters of mixed Japanese and Latin text.
QString sampleText()
{
    const QString piece = u"あいうえおかきくけこ亜亥宇江尾AaBbCcDdEeXxYyZz12345"_qs;
    QString text;
    while (text.size() < 200)
        text += piece;
    return text.left(200);
}

struct Program
{
    explicit Program(std::shared_ptr<FontSource> fonts)
    {
        session.programFolder = dir.path();
        main = StartUp(session, fake.services, std::move(fonts));
        main->findChild<QRadioButton*>(u"Option1(0)"_qs)->click();
        for (int i = 0; i < 4; ++i)
            if (auto* box = main->findChild<QCheckBox*>(u"Check4(%1)"_qs.arg(i)); !box->isChecked())
                box->click();
        session.state.PreviewSize = 72;
        main->form1()->Text1->setText(sampleText());
        QCoreApplication::processEvents();
    }
    QTemporaryDir dir;
    Session session;
    fakes::FakeServices fake;
    std::unique_ptr<MDIForm1> main;
};

} // namespace

// ListChenge with the shown view: the refill, the model reset and the view's reaction to it.
static void BM_ListChengeShownView(benchmark::State& state)
{
    Program p(fakes::manyFamilies(30000));
    for (auto _ : state) {
        p.main->ListChenge();
        benchmark::DoNotOptimize(p.main->form1()->fontModel()->count());
    }
    state.counters["names"] = p.main->form1()->fontModel()->count();
}
BENCHMARK(BM_ListChengeShownView)->Unit(benchmark::kMillisecond);

// The same, then the event loop turn that lays the whole view out and paints it.
static void BM_ListChengeAndRepaint(benchmark::State& state)
{
    Program p(fakes::manyFamilies(30000));
    for (auto _ : state) {
        p.main->ListChenge();
        QCoreApplication::processEvents();
        p.main->form1()->List1->viewport()->repaint();
    }
}
BENCHMARK(BM_ListChengeAndRepaint)->Unit(benchmark::kMillisecond);

// Selecting each installed family once: every step measures and draws a family for the
// first time (200 characters; at 72 points the area holds two lines of them, at 8 points
// the large area holds all of them).
static void selectEveryFamily(benchmark::State& state, int size, int areaSize)
{
    Program p(std::make_shared<FontconfigSource>());
    p.session.state.PreviewSize = static_cast<std::int16_t>(size);
    p.session.state.PreviewAreaSize = static_cast<std::int16_t>(areaSize);
    p.main->form1()->OokisaHenkou();
    FontListView* list = p.main->form1()->List1;
    const int count = p.main->form1()->fontModel()->count();
    std::vector<double> steps;
    for (auto _ : state) {
        for (int row = 0; row < count; ++row) {
            QElapsedTimer t;
            t.start();
            list->selectRow(row);
            steps.push_back(t.nsecsElapsed() / 1e6);
        }
    }
    const double first = steps.empty() ? 0 : steps.front();
    std::sort(steps.begin(), steps.end());
    const auto at = [&](double q) { return steps.empty() ? 0 : steps[std::size_t(q * (steps.size() - 1))]; };
    state.counters["families"] = count;
    state.counters["first_ms"] = first;
    state.counters["p50_ms"] = at(0.5);
    state.counters["p90_ms"] = at(0.9);
    state.counters["max_ms"] = at(1.0);
    state.counters["lines"] = p.main->form1()->lastLines().lines.size();
    state.SetItemsProcessed(state.iterations() * count);
}
static void BM_SelectUnseenFamily72(benchmark::State& state)
{
    selectEveryFamily(state, 72, 1);
}
static void BM_SelectUnseenFamily8(benchmark::State& state)
{
    selectEveryFamily(state, 8, 2);
}
BENCHMARK(BM_SelectUnseenFamily72)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SelectUnseenFamily8)->Iterations(1)->Unit(benchmark::kMillisecond);

// Drawing a family again: widths come from the cache.
static void BM_RedrawSeenFamily(benchmark::State& state)
{
    Program p(std::make_shared<FontconfigSource>());
    p.main->form1()->List1->selectRow(0);
    for (auto _ : state)
        p.main->form1()->ShowPreview(p.session.state.CurrentFontName);
}
BENCHMARK(BM_RedrawSeenFamily)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("FONTCONFIG_FILE"))
        qputenv("FONTCONFIG_FILE", TYPECASK_TEST_FONTCONFIG);
    QApplication app(argc, argv);
    QApplication::setApplicationName(u"Typecask"_qs);
    useJapaneseUiFont(); // as the program does
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
