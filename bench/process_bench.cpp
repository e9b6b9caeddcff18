// Whole processes: typecask-cli's catalog against fc-list reading the same fontconfig data.
// Run with --benchmark_repetitions=15 for medians.
#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <vector>

extern char** environ;

namespace {

void runProcess(benchmark::State& state, std::vector<std::string> argv)
{
    std::vector<char*> args;
    for (auto& a : argv)
        args.push_back(a.data());
    args.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    for (auto _ : state) {
        pid_t pid = 0;
        if (posix_spawnp(&pid, args[0], &actions, nullptr, args.data(), environ) != 0) {
            state.SkipWithError("cannot start the process");
            break;
        }
        int status = 0;
        waitpid(pid, &status, 0);
        if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
            state.SkipWithError("the process failed");
            break;
        }
    }
    posix_spawn_file_actions_destroy(&actions);
}

void BM_TypecaskCliFontsDetails(benchmark::State& state)
{
    runProcess(state, {TYPECASK_CLI_PATH, "fonts", "--details"});
}

void BM_FcList(benchmark::State& state)
{
    runProcess(state, {"fc-list", ":", "family", "familylang", "fontformat", "lang", "spacing", "symbol"});
}

} // namespace

BENCHMARK(BM_TypecaskCliFontsDetails)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_FcList)->Unit(benchmark::kMillisecond)->UseRealTime();

BENCHMARK_MAIN();
