// Start-up to the first drawn frame, on a real display (run it under Xvfb): whole runs of
// first_frame_probe (Kelvora) and first_frame_baseline (the bare window), taken in turn (A B A B
// ...) so that both see the same machine, with each run's wall time and peak resident memory.
// Prints the median and minimum of each, and the median of the pairwise ratios Kelvora / baseline.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <vector>

extern char** environ;

namespace {

struct Run {
    double ms = 0;
    double peakMb = 0;
};

bool RunProbe(const char* program, Run& run) {
    std::string probe = program;
    char* args[] = {probe.data(), nullptr};
    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    if (posix_spawn(&pid, probe.c_str(), nullptr, nullptr, args, environ) != 0) {
        return false;
    }
    int status = 0;
    rusage usage{};
    if (wait4(pid, &status, 0, &usage) != pid) {
        return false;
    }
    run.ms =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    run.peakMb = static_cast<double>(usage.ru_maxrss) / 1024.0;
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

double Min(const std::vector<double>& values) {
    return *std::min_element(values.begin(), values.end());
}

} // namespace

int main(int argc, char** argv) {
    if (!std::getenv("DISPLAY")) {
        std::fputs("needs a display: run under xvfb-run\n", stderr);
        return 2;
    }
    // A private runtime and configuration folder, so no running Kelvora is disturbed. It lies in
    // memory, as a desktop session's runtime folder does (/run/user/N): the lock that Kelvora
    // takes there is flushed, and a flush to disk would be timed as part of start-up.
    const char* session = std::getenv("XDG_RUNTIME_DIR");
    std::string runtime =
        std::string(session && *session ? session : "/dev/shm") + "/kelvora-bench-XXXXXX";
    if (!mkdtemp(runtime.data())) {
        std::perror("mkdtemp");
        return 1;
    }
    setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);
    setenv("XDG_CONFIG_HOME", runtime.c_str(), 1);
    struct RemoveAtEnd {
        std::string folder;
        ~RemoveAtEnd() { std::filesystem::remove_all(folder); }
    } removeAtEnd{runtime};
    setenv("QT_QPA_PLATFORM", "xcb", 1);
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;

    Run warm;
    if (!RunProbe(KELVORA_FIRST_FRAME_PROBE, warm) ||
        !RunProbe(KELVORA_FIRST_FRAME_BASELINE, warm)) {
        std::fputs("the probe failed\n", stderr);
        return 1;
    }
    std::vector<double> kMs, bMs, kMb, bMb, msRatio, mbRatio;
    for (int i = 0; i < rounds; ++i) {
        Run k, b;
        if (!RunProbe(KELVORA_FIRST_FRAME_PROBE, k) || !RunProbe(KELVORA_FIRST_FRAME_BASELINE, b)) {
            std::fputs("the probe failed\n", stderr);
            return 1;
        }
        kMs.push_back(k.ms);
        bMs.push_back(b.ms);
        kMb.push_back(k.peakMb);
        bMb.push_back(b.peakMb);
        msRatio.push_back(k.ms / b.ms);
        mbRatio.push_back(k.peakMb / b.peakMb);
    }
    std::printf("%d rounds, first frame under %s\n", rounds, std::getenv("DISPLAY"));
    std::printf("%-22s %10s %10s %10s\n", "", "kelvora", "baseline", "ratio");
    std::printf("%-22s %10.1f %10.1f %9.2fx\n", "first frame ms median", Median(kMs), Median(bMs),
                Median(msRatio));
    std::printf("%-22s %10.1f %10.1f %9.2fx\n", "first frame ms min", Min(kMs), Min(bMs),
                Min(kMs) / Min(bMs));
    std::printf("%-22s %10.1f %10.1f %9.2fx\n", "peak RSS MB median", Median(kMb), Median(bMb),
                Median(mbRatio));
    return 0;
}
