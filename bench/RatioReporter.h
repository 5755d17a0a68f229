#pragma once

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <string>

// Prints every run as usual and, at the end, each benchmark's best time against the baseline's,
// all measured in the same run.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    // `baseline` is the benchmark the others are compared with; `label` names it in the table.
    RatioReporter(std::string baseline, std::string label)
        : baseline_(std::move(baseline)), label_(std::move(label)) {}

    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        // The fastest repetition: the one least disturbed by the rest of the machine.
        for (const Run& run : runs) {
            if (run.run_type == Run::RT_Iteration) {
                const auto [it, fresh] =
                    times_.try_emplace(run.benchmark_name(), run.GetAdjustedRealTime());
                if (!fresh) {
                    it->second = std::min(it->second, run.GetAdjustedRealTime());
                }
            }
        }
    }
    void Finalize() override {
        ConsoleReporter::Finalize();
        const auto base = times_.find(baseline_);
        if (base == times_.end()) {
            return;
        }
        for (const auto& [name, time] : times_) {
            std::printf("%-32s %8.3f ms  %5.2fx %s\n", name.c_str(), time, time / base->second,
                        label_.c_str());
        }
    }

private:
    std::string baseline_;
    std::string label_;
    std::map<std::string, double> times_;
};
