// The HTML font check and the font list pages: scanning in the process (the check and its CSS
// form), typecask-cli check and check --css against grep -c font as whole processes over a 100 MB page, and
// writing the pages of 30,000 families. Run with --benchmark_repetitions=9
// --benchmark_enable_random_interleaving=true for medians of alternating runs.
#include "core/font_catalog.h"
#include "fakes/fake_font_source.h"
#include "font_tools/css_font_scan.h"
#include "font_tools/font_list_pages.h"
#include "font_tools/html_font_scan.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <vector>

extern char** environ;

using namespace typecask;

namespace {

// A real page as Debian installs it, or a page of the same make when that one is missing.
QByteArray realPage()
{
    for (const char* path :
         {"/usr/share/doc/libffi8/html/index.html", "/usr/share/doc/libffi8/html/Types.html"}) {
        QFile f(QString::fromLatin1(path));
        if (f.open(QIODevice::ReadOnly))
            return f.readAll();
    }
    QByteArray page = "<html><head><style>body { font-family: serif; }\n"
                      "pre { font-family: monospace, Courier New; }</style></head><body>\n";
    for (int i = 0; i < 200; ++i)
        page += "<p>Some text of a manual <font face=\"Helvetica, Arial\">with a face</font> "
                "and <span style=\"font-family:DejaVu Sans\">a style</span>.</p>\n";
    return page + "</body></html>\n";
}

// A file of the page repeated to at least bytes, made once per run.
QString repeatedPage(QTemporaryDir& dir, const char* name, qint64 bytes)
{
    const QString path = dir.filePath(QString::fromLatin1(name));
    if (QFile::exists(path))
        return path;
    const QByteArray page = realPage();
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        return {};
    for (qint64 written = 0; written < bytes; written += page.size())
        f.write(page);
    return path;
}

QTemporaryDir& scratch()
{
    static QTemporaryDir dir;
    return dir;
}

void BM_ScanPage(benchmark::State& state)
{
    const QString path = repeatedPage(scratch(), "page16.html", 16 << 20);
    auto source = fakes::manyFamilies(3000);
    const FontCatalog catalog = fakes::catalogOf(*source);
    for (auto _ : state) {
        HtmlFontCheck check(catalog);
        const HtmlReadResult r = check.readFile(path);
        benchmark::DoNotOptimize(r.lines);
    }
    state.SetBytesProcessed(state.iterations() * QFileInfo(path).size());
}

void BM_ScanPageCss(benchmark::State& state)
{
    const QString path = repeatedPage(scratch(), "page16.html", 16 << 20);
    for (auto _ : state) {
        CssFontCheck check;
        const CssFileResult r = check.scanFile(path);
        benchmark::DoNotOptimize(r.status);
    }
    state.SetBytesProcessed(state.iterations() * QFileInfo(path).size());
}

// Runs a whole process to its end; exit codes up to maxExit count as success.
void runProcess(benchmark::State& state, std::vector<std::string> argv, int maxExit)
{
    std::vector<char*> args;
    for (auto& a : argv)
        args.push_back(a.data());
    args.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    // Not /dev/null: grep takes that as -q and stops at the first match.
    const std::string out = scratch().filePath(u"out.txt"_qs).toStdString();
    posix_spawn_file_actions_addopen(&actions, 1, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    for (auto _ : state) {
        pid_t pid = 0;
        if (posix_spawnp(&pid, args[0], &actions, nullptr, args.data(), environ) != 0) {
            state.SkipWithError("cannot start the process");
            break;
        }
        int status = 0;
        waitpid(pid, &status, 0);
        if (!WIFEXITED(status) || WEXITSTATUS(status) > maxExit) {
            state.SkipWithError("the process failed");
            break;
        }
    }
    posix_spawn_file_actions_destroy(&actions);
}

void BM_CheckProcess100MB(benchmark::State& state)
{
    const QString path = repeatedPage(scratch(), "page100.html", 100 << 20);
    runProcess(state, {TYPECASK_CLI_PATH, "check", path.toStdString()}, 1);
    state.SetBytesProcessed(state.iterations() * QFileInfo(path).size());
}

void BM_CheckCssProcess100MB(benchmark::State& state)
{
    const QString path = repeatedPage(scratch(), "page100.html", 100 << 20);
    runProcess(state, {TYPECASK_CLI_PATH, "check", "--css", path.toStdString()}, 1);
    state.SetBytesProcessed(state.iterations() * QFileInfo(path).size());
}

void BM_GrepCountFont100MB(benchmark::State& state)
{
    const QString path = repeatedPage(scratch(), "page100.html", 100 << 20);
    runProcess(state, {"grep", "-c", "font", path.toStdString()}, 1);
    state.SetBytesProcessed(state.iterations() * QFileInfo(path).size());
}

void BM_WriteFontList30000(benchmark::State& state)
{
    QStringList names;
    for (int i = 0; i < 30000; ++i)
        names.append(u"Family Name %1"_qs.arg(i, 5, 10, QChar(u'0')));
    FontListStyle style;
    style.sample = u"AaBbCcDdEeXxYyZz12345 あいうえお"_qs;
    style.italic = true;
    QTemporaryDir dir;
    for (auto _ : state) {
        const FontListWriteResult r = writeFontListPages(dir.filePath(u"List"_qs), names, 100, style);
        if (!r.ok())
            state.SkipWithError("the pages could not be written");
        benchmark::DoNotOptimize(r.written.size());
    }
}

} // namespace

BENCHMARK(BM_ScanPage)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ScanPageCss)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CheckProcess100MB)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_CheckCssProcess100MB)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_GrepCountFont100MB)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_WriteFontList30000)->Unit(benchmark::kMillisecond)->UseRealTime();

BENCHMARK_MAIN();
