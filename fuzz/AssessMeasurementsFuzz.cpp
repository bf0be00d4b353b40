// Fuzzing the assessment: the input is cut into sixteen texts at line feeds. Every code must be
// the grade of its parsed value by the table of bounds, and the counts must add up.

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "core/AssessMeasurements.h"
#include "core/ThresholdTable.h"

namespace {

[[noreturn]] void Fail(const char* what, int n) {
    std::fprintf(stderr, "%s (measurement %d)\n", what, n);
    std::abort();
}

// The grade by the table, read directly: the interval lo < x <= hi that holds x.
vertebra::Grade GradeByTable(int number, double x) {
    for (int g = vertebra::gdCertainlyFemale; g <= vertebra::gdCertainlyMale; ++g) {
        const vertebra::ThresholdRow& row = vertebra::ThresholdTable[number - 1];
        if (row[2 * g] < x && x <= row[2 * g + 1]) return static_cast<vertebra::Grade>(g);
    }
    return vertebra::gdNone;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<std::string> cells(vertebra::MeasurementCount);
    std::size_t cell = 0;
    for (std::size_t i = 0; i < size; ++i) {
        if (data[i] == '\n' && cell + 1 < cells.size())
            ++cell;
        else
            cells[cell] += static_cast<char>(data[i]);
    }
    vertebra::MeasurementTexts texts;
    for (int i = 0; i < vertebra::MeasurementCount; ++i)
        texts[i] = cells[i];

    int firstNan = -1;
    try {
        const vertebra::GradeCounts counts = vertebra::AssessMeasurements(texts);
        int graded = 0;
        for (int n = 1; n <= vertebra::MeasurementCount; ++n) {
            const double x = vertebra::Measurements[n - 1];
            if (std::isnan(x)) Fail("a NaN was graded", n);
            const vertebra::Grade g = GradeByTable(n, x);
            if (vertebra::GradeCodes[n - 1] != vertebra::GradeDisplayString(g))
                Fail("wrong code", n);
            graded += g != vertebra::gdNone;
        }
        if (counts.Total() != graded) Fail("counts do not add up", 0);
        for (int g = vertebra::gdCertainlyFemale; g <= vertebra::gdCertainlyMale; ++g) {
            int expected = 0;
            for (int n = 1; n <= vertebra::MeasurementCount; ++n) {
                expected += GradeByTable(n, vertebra::Measurements[n - 1]) == g;
            }
            if (counts[static_cast<vertebra::Grade>(g)] != expected) Fail("wrong count", 0);
        }
    } catch (const vertebra::FloatingPointError&) {
        for (int n = 1; n <= vertebra::MeasurementCount && firstNan < 0; ++n) {
            if (std::isnan(vertebra::Measurements[n - 1])) firstNan = n;
        }
        if (firstNan < 0) Fail("an error without a NaN", 0);
        // Everything before the NaN was graded as usual.
        for (int n = 1; n < firstNan; ++n) {
            if (vertebra::GradeCodes[n - 1] !=
                vertebra::GradeDisplayString(GradeByTable(n, vertebra::Measurements[n - 1]))) {
                Fail("wrong code before the NaN", n);
            }
        }
    }
    return 0;
}
