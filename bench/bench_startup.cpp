// Start-up time: whole runs of the probe, from process start to the first exposed window, for
// Kelvora, for a bare QApplication + QMainWindow, and for the same with one line of text.
// Compare them in the same run.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

void RunProbe(benchmark::State& state, const char* mode) {
    std::string probe = KELVORA_STARTUP_PROBE;
    char* args[] = {probe.data(), const_cast<char*>(mode), nullptr};
    for (auto _ : state) {
        pid_t pid = 0;
        if (posix_spawn(&pid, probe.c_str(), nullptr, nullptr, args, environ) != 0) {
            state.SkipWithError("cannot start the probe");
            return;
        }
        int status = 0;
        waitpid(pid, &status, 0);
        if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
            state.SkipWithError("the probe failed");
            return;
        }
    }
}

void BM_StartupBareMainWindow(benchmark::State& state) {
    RunProbe(state, "bare");
}
void BM_StartupMainWindowWithText(benchmark::State& state) {
    RunProbe(state, "text");
}
void BM_StartupKelvora(benchmark::State& state) {
    RunProbe(state, "kelvora");
}

} // namespace

BENCHMARK(BM_StartupBareMainWindow)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(3.0);
BENCHMARK(BM_StartupMainWindowWithText)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(3.0);
BENCHMARK(BM_StartupKelvora)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(3.0);

int main(int argc, char** argv) {
    // A private runtime and configuration folder, so no running Kelvora is disturbed.
    char runtime[] = "/tmp/kelvora-bench-XXXXXX";
    if (mkdtemp(runtime)) {
        setenv("XDG_RUNTIME_DIR", runtime, 1);
        setenv("XDG_CONFIG_HOME", runtime, 1);
    }
    if (!getenv("QT_QPA_PLATFORM")) {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
