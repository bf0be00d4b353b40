#pragma once

// A console reporter that also keeps each benchmark's median time, for the ratios the
// benchmarks print after their runs.

#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <vector>

class MedianReporter : public benchmark::ConsoleReporter {
public:
    // Median real time by "function/arguments" ("Parse/3"), or by function alone without arguments.
    std::map<std::string, double> medians;

    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            if (run.aggregate_name != "median") continue;
            const std::string& args = run.run_name.args;
            medians[run.run_name.function_name + (args.empty() ? "" : "/" + args)] =
                run.GetAdjustedRealTime();
        }
        ConsoleReporter::ReportRuns(runs);
    }
};
