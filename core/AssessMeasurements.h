#pragma once

#include <array>
#include <stdexcept>
#include <string_view>

#include "core/Grade.h"
#include "core/MeasurementCatalogue.h"

namespace vertebra {

// Raised when a value cannot be compared with a bound, as a NaN cannot.
class FloatingPointError : public std::runtime_error {
public:
    static constexpr const char* InvalidOperation = "Invalid floating point operation";
    FloatingPointError() : std::runtime_error(InvalidOperation) {}
};

// Measurement n's text, value or code is element n - 1.
using MeasurementTexts = std::array<std::string_view, MeasurementCount>;

// The results of the latest assessment; both arrays are rewritten whole by every assessment and
// live for the whole run. A code is a grade's display string, or empty for gdNone.
extern std::array<double, MeasurementCount> Measurements;
extern std::array<std::string_view, MeasurementCount> GradeCodes;

// How many measurements fell in each grade; gdNone is counted nowhere.
struct GradeCounts {
    std::array<int, GradeCount> counts{};

    int operator[](Grade g) const { return counts[g]; }
    int Total() const;
};

// The grade of value x for measurement number (1 to 16): the first grade in grade order whose
// interval lo < x <= hi holds x. Throws FloatingPointError for a NaN.
Grade GradeOf(int number, double x);

// Converts all sixteen texts into Measurements, then grades them in order into GradeCodes.
// A NaN ends the assessment with FloatingPointError: Measurements are all converted by then and
// the codes of the measurements before it are already rewritten.
GradeCounts AssessMeasurements(const MeasurementTexts& texts);

}  // namespace vertebra
