// The font sample list window on the offscreen platform: opening it over 30,000 families and
// paging through them, each row in its own family. Steps over families met before and over
// families never drawn in the process are measured apart (a family's first drawing loads its
// font), so the benchmarks that need unseen families run first.
#include "core/fontconfig_source.h"
#include "core/session.h"
#include "fakes/fake_font_source.h"
#include "fakes/fake_platform.h"
#include "main_window/font_browser.h"
#include "main_window/main_window.h"
#include "main_window/sample_list_window.h"
#include "main_window/start_up.h"

#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <ctime>
#include <unistd.h>

using namespace typecask;

namespace {

// 200 characters of mixed Japanese and Latin text (or Latin only): every row shapes all of it.
QString sampleText(bool japanese = true)
{
    const QString piece = japanese ? u"あいうえおかきくけこ亜亥宇江尾AaBbCcDdEeXxYyZz12345"_qs
                                   : u"The quick brown fox jumps 0123 "_qs;
    QString text;
    while (text.size() < 200)
        text += piece;
    return text.left(200);
}

// The program started with every category and font type listed.
struct Program
{
    explicit Program(std::shared_ptr<FontSource> fonts, bool japaneseSample = true)
    {
        session.programFolder = dir.path();
        main = StartUp(session, fake.services, std::move(fonts));
        main->findChild<QRadioButton*>(u"Option1(0)"_qs)->click();
        for (int i = 0; i < 4; ++i)
            if (auto* box = main->findChild<QCheckBox*>(u"Check4(%1)"_qs.arg(i)); !box->isChecked())
                box->click();
        main->form1()->Text1->setText(sampleText(japaneseSample));
        // A tall window, as the sample list takes the main window's size: many rows a page.
        if (const QScreen* screen = main->screen())
            main->resize(1100, std::min(900, screen->availableGeometry().height() - 60));
        QCoreApplication::processEvents();
    }

    // Load, StartItiran and the first page on the screen.
    Form18& open()
    {
        Form18& f = main->windows().form18();
        f.Form_Load();
        f.StartItiran(main->fontListNames(), main->size());
        f.show();
        f.repaint();
        return f;
    }

    QTemporaryDir dir;
    Session session;
    fakes::FakeServices fake;
    std::unique_ptr<MDIForm1> main;
};

double msSince(const QElapsedTimer& t)
{
    return static_cast<double>(t.nsecsElapsed()) / 1e6;
}

// This thread's processor time in milliseconds: what a step costs whatever else the machine
// is running.
double threadCpuMs()
{
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return static_cast<double>(ts.tv_sec) * 1e3 + static_cast<double>(ts.tv_nsec) / 1e6;
}

// The process's resident memory in megabytes.
double rssMb()
{
    long pages = 0;
    long resident = 0;
    if (FILE* f = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(f, "%ld %ld", &pages, &resident) != 2)
            resident = 0;
        std::fclose(f);
    }
    return static_cast<double>(resident) * static_cast<double>(sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0);
}

// Wall and processor milliseconds of some steps.
struct Steps
{
    std::vector<double> wall;
    std::vector<double> cpu;
};

// The median, the 99th percentile and the worst of the steps' wall times, and the median
// and worst processor time.
void reportSteps(benchmark::State& state, Steps steps)
{
    if (steps.wall.empty())
        return;
    const auto at = [](std::vector<double>& v, std::size_t percent) {
        std::sort(v.begin(), v.end());
        return v[std::min(v.size() - 1, v.size() * percent / 100)];
    };
    state.counters["steps"] = static_cast<double>(steps.wall.size());
    state.counters["p50_ms"] = at(steps.wall, 50);
    state.counters["p90_ms"] = at(steps.wall, 90);
    state.counters["p99_ms"] = at(steps.wall, 99);
    state.counters["max_ms"] = steps.wall.back();
    state.counters["cpu_p50_ms"] = at(steps.cpu, 50);
    state.counters["cpu_max_ms"] = steps.cpu.back();
}

// One page down (or up), from the key press to the rows on the screen.
void pageStep(Form18& f, bool down, Steps* steps = nullptr)
{
    QElapsedTimer t;
    t.start();
    const double cpu = threadCpuMs();
    QKeyEvent key(QEvent::KeyPress, down ? Qt::Key_PageDown : Qt::Key_PageUp, Qt::NoModifier);
    QCoreApplication::sendEvent(&f, &key);
    f.repaint();
    if (steps) {
        steps->wall.push_back(msSince(t));
        steps->cpu.push_back(threadCpuMs() - cpu);
    }
}

} // namespace

// The installed families (the test set unless FONTCONFIG_FILE says otherwise), none drawn
// before: the first page, then each page down once, five back up, and the window closed. With
// the Japanese sample (0) or a Latin one (1). Memory: before opening, after the pass, after closing.
static void BM_RealFamiliesFirstTime(benchmark::State& state)
{
    Program p(std::make_shared<FontconfigSource>(), state.range(0) == 0);
    double open = 0;
    double openCpu = 0;
    Steps steps;
    Steps seen;
    const double rssBefore = rssMb();
    double rssPassed = 0;
    for (auto _ : state) {
        QElapsedTimer t;
        t.start();
        const double cpu = threadCpuMs();
        Form18& f = p.open();
        open = msSince(t);
        openCpu = threadCpuMs() - cpu;
        while (f.VScroll1->value() < f.VScroll1->maximum())
            pageStep(f, true, &steps);
        // Back over the last pages, drawn a moment ago.
        for (int i = 0; i < 5 && f.VScroll1->value() > 0; ++i)
            pageStep(f, false, &seen);
        rssPassed = rssMb();
        f.close();
    }
    // Qt lets go of unused font engines from a timer of its own.
    QElapsedTimer settle;
    settle.start();
    while (settle.elapsed() < 1500)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    state.counters["rss_before_mb"] = rssBefore;
    state.counters["rss_after_pass_mb"] = rssPassed;
    state.counters["rss_after_close_mb"] = rssMb();
    if (!seen.wall.empty()) {
        std::sort(seen.wall.begin(), seen.wall.end());
        state.counters["seen_max_ms"] = seen.wall.back();
    }
    state.counters["families"] = p.main->form1()->fontModel()->count();
    state.counters["rows_per_page"] = p.main->windows().form18().VScroll1->pageStep() + 2;
    state.counters["open_ms"] = open;
    state.counters["open_cpu_ms"] = openCpu;
    reportSteps(state, steps);
}
BENCHMARK(BM_RealFamiliesFirstTime)->Arg(0)->Arg(1)->Iterations(1)->Unit(benchmark::kMillisecond);

// 30,000 made-up families (each its own face name, drawn in the desktop's fallback): the
// first opening, then 100 pages down, every family on them drawn for the first time.
static void BM_ManyFamiliesFirstTime(benchmark::State& state)
{
    Program p(fakes::manyFamilies(30000));
    double open = 0;
    double openCpu = 0;
    Steps steps;
    for (auto _ : state) {
        QElapsedTimer t;
        t.start();
        const double cpu = threadCpuMs();
        Form18& f = p.open();
        open = msSince(t);
        openCpu = threadCpuMs() - cpu;
        for (int i = 0; i < 100; ++i)
            pageStep(f, true, &steps);
        f.hide();
    }
    state.counters["names"] = p.main->form1()->fontModel()->count();
    state.counters["rows_per_page"] = p.main->windows().form18().VScroll1->pageStep() + 2;
    state.counters["open_ms"] = open;
    state.counters["open_cpu_ms"] = openCpu;
    reportSteps(state, steps);
}
BENCHMARK(BM_ManyFamiliesFirstTime)->Iterations(1)->Unit(benchmark::kMillisecond);

// Opening again over the same 30,000 names (the window and the first page's fonts known).
static void BM_ManyFamiliesOpen(benchmark::State& state)
{
    Program p(fakes::manyFamilies(30000));
    p.open().hide();
    for (auto _ : state) {
        Form18& f = p.open();
        state.PauseTiming();
        f.hide();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ManyFamiliesOpen)->Unit(benchmark::kMillisecond);

// Paging back and forth over 20 pages whose families have all been drawn once.
static void BM_ManyFamiliesSeenStep(benchmark::State& state)
{
    Program p(fakes::manyFamilies(30000));
    Form18& f = p.open();
    constexpr int Pages = 20;
    for (int i = 0; i < Pages; ++i)
        pageStep(f, true);
    bool down = false;
    int at = Pages;
    Steps steps;
    for (auto _ : state) {
        if (at == 0 || at == Pages)
            down = at == 0;
        pageStep(f, down, &steps);
        at += down ? 1 : -1;
    }
    state.counters["rows_per_page"] = f.VScroll1->pageStep() + 2;
    reportSteps(state, steps);
}
BENCHMARK(BM_ManyFamiliesSeenStep)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("FONTCONFIG_FILE"))
        qputenv("FONTCONFIG_FILE", TYPECASK_TEST_FONTCONFIG);
    QApplication app(argc, argv);
    QApplication::setApplicationName(u"Typecask"_qs);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
