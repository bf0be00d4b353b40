#pragma once

#include <array>
#include <string>

#include "core/Grade.h"
#include "core/MeasurementCatalogue.h"

namespace vertebra {

// One row per measurement: five (lo, hi) pairs in grade order. A value x has a grade when
// lo < x <= hi, so a value equal to a cut point takes the lower grade. Each inner cut point is
// stored twice, as the hi of one pair and the lo of the next.
using ThresholdRow = std::array<double, 2 * GradeCount>;

inline constexpr std::array<ThresholdRow, MeasurementCount> ThresholdTable{{
    {0, 55.6, 55.6, 62.4, 62.4, 82.9, 82.9, 91, 91, 1000},      // 1
    {0, 22.2, 22.2, 23.7, 23.7, 27.7, 27.7, 29.1, 29.1, 1000},  // 2
    {0, 23.3, 23.3, 24.8, 24.8, 28.6, 28.6, 30, 30, 1000},      // 3
    {0, 20.8, 20.8, 22.2, 22.2, 26, 26, 27.5, 27.5, 1000},      // 4
    {0, 25.2, 25.2, 27.7, 27.7, 33.1, 33.1, 35.2, 35.2, 1000},  // 5
    {0, 26.4, 26.4, 28.7, 28.7, 33.4, 33.4, 35.3, 35.3, 1000},  // 6
    {0, 24.6, 24.6, 27, 27, 32.3, 32.3, 34.2, 34.2, 1000},      // 7
    {0, 37.5, 37.5, 40.4, 40.4, 46.4, 46.4, 49.1, 49.1, 1000},  // 8
    {0, 40.1, 40.1, 43.2, 43.2, 49.5, 49.5, 52.1, 52.1, 1000},  // 9
    {0, 32.2, 32.2, 35, 35, 41.9, 41.9, 44.6, 44.6, 1000},      // 10
    {0, 22, 22, 25.1, 25.1, 35.5, 35.5, 38.2, 38.2, 1000},      // 11
    {0, 19.6, 19.6, 23, 23, 34.2, 34.2, 37.1, 37.1, 1000},      // 12
    {0, 24.2, 24.2, 27.9, 27.9, 39, 39, 42.3, 42.3, 1000},      // 13
    {0, 18.3, 18.3, 20.7, 20.7, 28.3, 28.3, 30.4, 30.4, 1000},  // 14
    {0, 16.1, 16.1, 18.1, 18.1, 24, 24, 25.9, 25.9, 1000},      // 15
    {0, 15, 15, 20, 20, 29, 29, 33.1, 33.1, 1000},              // 16
}};

struct Interval {
    double lo;
    double hi;
};

constexpr Interval Bounds(int number, Grade g) {
    const ThresholdRow& row = ThresholdTable[number - 1];
    return {row[2 * g], row[2 * g + 1]};
}

// A row's bounds as the expert types them, each cut point between the codes it separates:
// "ДЖ ≤ 55.6 < ВЖ ≤ 62.4 < НП ≤ 82.9 < ВМ ≤ 91 < ДМ".
std::string BoundsText(int number);

}  // namespace vertebra
