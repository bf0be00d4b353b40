#include "core/AssessMeasurements.h"

#include <cmath>
#include <numeric>

#include "core/ParseMeasurementText.h"
#include "core/ThresholdTable.h"

namespace vertebra {

std::array<double, MeasurementCount> Measurements{};
std::array<std::string_view, MeasurementCount> GradeCodes{};

int GradeCounts::Total() const {
    return std::accumulate(counts.begin(), counts.end(), 0);
}

Grade GradeOf(int number, double x) {
    // Comparing a NaN is an invalid operation; it fails at the first comparison.
    if (std::isnan(x)) throw FloatingPointError();
    for (int g = gdCertainlyFemale; g <= gdCertainlyMale; ++g) {
        const Interval bounds = Bounds(number, static_cast<Grade>(g));
        if (x > bounds.hi) continue;
        if (x > bounds.lo) return static_cast<Grade>(g);
    }
    return gdNone;
}

GradeCounts AssessMeasurements(const MeasurementTexts& texts) {
    for (int i = 0; i < MeasurementCount; ++i)
        Measurements[i] = ParseMeasurementText(texts[i]);

    GradeCounts result;
    for (int i = 0; i < MeasurementCount; ++i) {
        const Grade grade = GradeOf(i + 1, Measurements[i]);
        GradeCodes[i] = GradeDisplayString(grade);
        if (grade != gdNone) ++result.counts[grade];
    }
    return result;
}

}  // namespace vertebra
