#pragma once

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

// Prints every run as usual and, at the end, each measurement's best time against its
// baseline's, both from this run: wall-clock time, and processor time, which a busy machine
// disturbs less. Times are in each benchmark's own unit.
class PairReporter : public benchmark::ConsoleReporter {
public:
    struct Pair {
        std::string measured;
        std::string baseline;
        double target;
    };
    explicit PairReporter(std::vector<Pair> pairs) : pairs(std::move(pairs)) {}

    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.run_type == Run::RT_Iteration) {
                const std::string& full = run.benchmark_name();
                Best& best = times[full.substr(0, full.find('/'))];
                best.real = std::min(best.real, run.GetAdjustedRealTime());
                best.cpu = std::min(best.cpu, run.GetAdjustedCPUTime());
            }
        }
    }
    void Finalize() override {
        ConsoleReporter::Finalize();
        for (const Pair& pair : pairs) {
            if (times.count(pair.measured) && times.count(pair.baseline)) {
                const Best& m = times[pair.measured];
                const Best& b = times[pair.baseline];
                std::printf("%-20s vs %-16s real %9.4f / %9.4f = %4.2fx, processor %9.4f / %9.4f "
                            "= %4.2fx (target %.1fx)\n",
                            pair.measured.c_str(), pair.baseline.c_str(), m.real, b.real,
                            m.real / b.real, m.cpu, b.cpu, m.cpu / b.cpu, pair.target);
            }
        }
    }

private:
    struct Best {
        double real = 1e300;
        double cpu = 1e300;
    };
    std::vector<Pair> pairs;
    std::map<std::string, Best> times;
};
