// The conversion against the standard library's, and one whole assessment.
// Prints, after the runs, the ratio of median times per text; the target is at most 1.0.

#include <benchmark/benchmark.h>

#include "MedianReporter.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "core/AssessMeasurements.h"
#include "core/ParseMeasurementText.h"

namespace {

constexpr std::string_view kTexts[] = {"55.6", "23", "1000", "0.001", "70мм", "5.56e1", ""};
constexpr int kTextCount = static_cast<int>(std::size(kTexts));

void Parse(benchmark::State& state) {
    const std::string_view text = kTexts[state.range(0)];
    for (auto _ : state) {
        std::string_view t = text;
        benchmark::DoNotOptimize(t);
        benchmark::DoNotOptimize(vertebra::ParseMeasurementText(t));
    }
    state.SetLabel(std::string(text));
}

void FromChars(benchmark::State& state) {
    const std::string_view text = kTexts[state.range(0)];
    for (auto _ : state) {
        std::string_view t = text;
        benchmark::DoNotOptimize(t);
        double value = 0;
        benchmark::DoNotOptimize(std::from_chars(t.data(), t.data() + t.size(), value));
        benchmark::DoNotOptimize(value);
    }
    state.SetLabel(std::string(text));
}

void Assess(benchmark::State& state) {
    const vertebra::MeasurementTexts texts = {"88.4", "28",   "29.1", "27.6", "34.9", "35",
                                              "33.5", "48.2", "51.7", "44.6", "37.9", "36.3",
                                              "41.4", "30",   "25",   "33.11"};
    for (auto _ : state)
        benchmark::DoNotOptimize(vertebra::AssessMeasurements(texts));
}

BENCHMARK(Parse)->DenseRange(0, kTextCount - 1)->Repetitions(9)->ReportAggregatesOnly(true);
BENCHMARK(FromChars)->DenseRange(0, kTextCount - 1)->Repetitions(9)->ReportAggregatesOnly(true);
BENCHMARK(Assess)->Repetitions(9)->ReportAggregatesOnly(true);

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    MedianReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();

    std::vector<double> ratios;
    std::printf("\n%-10s %12s %14s %8s\n", "text", "parse ns", "from_chars ns", "ratio");
    for (int i = 0; i < kTextCount; ++i) {
        const auto parse = reporter.medians.find("Parse/" + std::to_string(i));
        const auto std = reporter.medians.find("FromChars/" + std::to_string(i));
        if (parse == reporter.medians.end() || std == reporter.medians.end()) continue;
        ratios.push_back(parse->second / std->second);
        std::printf("%-10s %12.2f %14.2f %8.2f\n", ("\"" + std::string(kTexts[i]) + "\"").c_str(),
                    parse->second, std->second, ratios.back());
    }
    if (!ratios.empty()) {
        std::sort(ratios.begin(), ratios.end());
        const double median = ratios[ratios.size() / 2];
        std::printf("median ratio %.2f (target <= 1.0): %s\n", median,
                    median <= 1.0 ? "met" : "MISSED");
    }
    return 0;
}
