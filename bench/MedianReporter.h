#pragma once

// A console reporter that also keeps each benchmark's median time, for the ratios the
// benchmarks print after their runs.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

class MedianReporter : public benchmark::ConsoleReporter {
public:
    // Median real time by "function/arguments" ("Parse/3"), or by function alone without arguments.
    std::map<std::string, double> medians;
    std::map<std::string, std::string> units;

    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            if (run.aggregate_name != "median") continue;
            const std::string& args = run.run_name.args;
            medians[run.run_name.function_name + (args.empty() ? "" : "/" + args)] =
                run.GetAdjustedRealTime();
        }
        ConsoleReporter::ReportRuns(runs);
    }

    // Prints how one benchmark's median compares with another's against a target ratio.
    void PrintRatio(const std::string& ours, const std::string& baseline, double target) {
        const double a = medians[ours], b = medians[baseline];
        if (a <= 0 || b <= 0) return;
        std::printf("%s %.4g ns against %s %.4g ns: ratio %.2f (target <= %.2g): %s\n",
                    ours.c_str(), a, baseline.c_str(), b, a / b, target,
                    a / b <= target ? "met" : "MISSED");
    }
};
