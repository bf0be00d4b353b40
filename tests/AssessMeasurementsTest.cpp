// Grading a set of sixteen measurement texts.

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstdio>
#include <string>

#include "core/AssessMeasurements.h"
#include "core/ThresholdTable.h"

using namespace vertebra;

namespace {

// Holds the sixteen texts so that the views handed over stay valid.
struct TextSet {
    std::array<std::string, MeasurementCount> cells;

    MeasurementTexts Views() const {
        MeasurementTexts views;
        for (int i = 0; i < MeasurementCount; ++i)
            views[i] = cells[i];
        return views;
    }
};

GradeCounts AssessOne(int number, const std::string& text) {
    TextSet set;
    set.cells[number - 1] = text;
    return AssessMeasurements(set.Views());
}

std::string Shortest(double v) {
    char buffer[32];
    return std::string(buffer, std::to_chars(buffer, buffer + sizeof buffer, v).ptr);
}

// What measurement 1 (cut points 55.6, 62.4, 82.9 and 91) makes of the texts an expert types.
struct Row1Case {
    const char* name;
    const char* text;
    double value;
    Grade grade;
};

void PrintTo(const Row1Case& c, std::ostream* os) {
    *os << c.name;
}

class MeasurementOne : public ::testing::TestWithParam<Row1Case> {};

TEST_P(MeasurementOne, ConvertsAndGrades) {
    const Row1Case& c = GetParam();
    const GradeCounts counts = AssessOne(1, c.text);
    if (std::isinf(c.value))
        EXPECT_EQ(Measurements[0], c.value);
    else
        EXPECT_DOUBLE_EQ(Measurements[0], c.value);
    EXPECT_EQ(GradeCodes[0], GradeDisplayString(c.grade));
    for (int g = gdCertainlyFemale; g <= gdCertainlyMale; ++g) {
        EXPECT_EQ(counts[static_cast<Grade>(g)], g == c.grade ? 1 : 0) << "grade " << g;
    }
    for (int i = 1; i < MeasurementCount; ++i)
        EXPECT_TRUE(GradeCodes[i].empty());
}

INSTANTIATE_TEST_SUITE_P(
    TypedTexts, MeasurementOne,
    ::testing::Values(
        Row1Case{"CutPointTakesLowerGrade", "55.6", 55.6, gdCertainlyFemale},
        Row1Case{"CommaEndsNumber", "55,6", 55, gdCertainlyFemale},
        Row1Case{"HundredthAboveCutPoint", "55.61", 55.61, gdProbablyFemale},
        Row1Case{"CommaBelowNextCut", "62,9", 62, gdProbablyFemale},
        Row1Case{"ExponentForm", "5.56e1", 55.6, gdCertainlyFemale},
        Row1Case{"UnitAfterNumber", "70мм", 70, gdUndetermined},
        Row1Case{"LastInnerCut", "91", 91, gdProbablyMale},
        Row1Case{"AboveLastInnerCut", "91.01", 91.01, gdCertainlyMale},
        Row1Case{"UpperEndIncluded", "1000", 1000, gdCertainlyMale},
        Row1Case{"UpperEndByExponent", "1e3", 1000, gdCertainlyMale},
        Row1Case{"AboveUpperEnd", "1e4", 10000, gdNone}, Row1Case{"ZeroExcluded", "0", 0, gdNone},
        Row1Case{"PointFirst", ".5", 0.5, gdCertainlyFemale},
        Row1Case{"SmallestTyped", "0.001", 0.001, gdCertainlyFemale},
        Row1Case{"Negative", "-70", -70, gdNone}, Row1Case{"LettersFirst", "мм70", 0, gdNone},
        Row1Case{"Hexadecimal", "0x50", 0, gdNone}, Row1Case{"SmallInf", "inf", 0, gdNone},
        Row1Case{"SignedInf", "+INF", INFINITY, gdNone},
        Row1Case{"BeyondDouble", "1e400", INFINITY, gdNone}),
    [](const auto& info) { return info.param.name; });

TEST(AssessMeasurements, EveryCutPointTypedTakesLowerGradeAndOneHundredthMoreTheUpper) {
    for (int n = 1; n <= MeasurementCount; ++n) {
        for (int g = gdProbablyFemale; g <= gdCertainlyMale; ++g) {
            const double cut = Bounds(n, static_cast<Grade>(g)).lo;
            const std::string exact = Shortest(cut);
            char above[32];
            std::snprintf(above, sizeof above, "%.2f", cut + 0.01);
            SCOPED_TRACE("row " + std::to_string(n) + ", texts " + exact + " and " + above);

            GradeCounts counts = AssessOne(n, exact);
            EXPECT_EQ(Measurements[n - 1], cut);  // the very bound, not a neighbour
            EXPECT_EQ(GradeCodes[n - 1], GradeDisplayString(static_cast<Grade>(g - 1)));
            EXPECT_EQ(counts[static_cast<Grade>(g - 1)], 1);

            counts = AssessOne(n, above);
            EXPECT_EQ(GradeCodes[n - 1], GradeDisplayString(static_cast<Grade>(g)));
            EXPECT_EQ(counts[static_cast<Grade>(g)], 1);
            EXPECT_EQ(counts.Total(), 1);
        }
    }
}

TEST(AssessMeasurements, EndsOfTheRangeInEveryRow) {
    const struct {
        const char* text;
        Grade grade;
    } cases[] = {{"1000", gdCertainlyMale},
                 {"0.001", gdCertainlyFemale},
                 {"0", gdNone},
                 {"-0", gdNone},
                 {"-5", gdNone},
                 {"1000.01", gdNone},
                 {"-INF", gdNone},
                 {"+INF", gdNone}};
    for (int n = 1; n <= MeasurementCount; ++n) {
        for (const auto& c : cases) {
            AssessOne(n, c.text);
            EXPECT_EQ(GradeCodes[n - 1], GradeDisplayString(c.grade))
                << "row " << n << " text " << c.text;
        }
    }
}

TEST(AssessMeasurements, SixteenEmptyTextsGiveZerosAndNoCodes) {
    AssessOne(3, "30");  // leave something behind that must go
    const GradeCounts counts = AssessMeasurements(MeasurementTexts{});
    for (int i = 0; i < MeasurementCount; ++i) {
        EXPECT_EQ(Measurements[i], 0.0);
        EXPECT_TRUE(GradeCodes[i].empty());
    }
    EXPECT_EQ(counts.Total(), 0);
}

TEST(AssessMeasurements, CountsAddUpToTheGradedMeasurements) {
    TextSet set;
    // One value per row, chosen across all grades; row 16 gets none.
    const char* texts[] = {"50", "23", "25", "27",   "36",  "30", "33", "40",
                           "53", "45", "23", "1000", "0.5", "25", "16", "abc"};
    for (int i = 0; i < MeasurementCount; ++i)
        set.cells[i] = texts[i];
    const GradeCounts counts = AssessMeasurements(set.Views());
    EXPECT_EQ(counts.Total(), 15);
    int coded = 0;
    for (auto code : GradeCodes)
        coded += code.empty() ? 0 : 1;
    EXPECT_EQ(coded, 15);
    EXPECT_EQ(counts[gdCertainlyFemale], 3);  // rows 1, 13, 15
    EXPECT_EQ(counts[gdProbablyFemale], 3);   // rows 2, 8, 11
    EXPECT_EQ(counts[gdUndetermined], 3);     // rows 3, 6, 14
    EXPECT_EQ(counts[gdProbablyMale], 2);     // rows 4, 7
    EXPECT_EQ(counts[gdCertainlyMale], 4);    // rows 5, 9, 10, 12

    for (int i = 0; i < MeasurementCount; ++i)
        set.cells[i] = "500";
    EXPECT_EQ(AssessMeasurements(set.Views())[gdCertainlyMale], 16);
}

TEST(AssessMeasurements, NanStopsAtItsFirstComparison) {
    TextSet before;
    for (auto& cell : before.cells)
        cell = "10";
    AssessMeasurements(before.Views());  // every code "ДЖ"

    TextSet set;
    for (int i = 0; i < MeasurementCount; ++i)
        set.cells[i] = "500";
    set.cells[4] = " +NAN";
    try {
        AssessMeasurements(set.Views());
        FAIL() << "no error";
    } catch (const FloatingPointError& e) {
        EXPECT_STREQ(e.what(), "Invalid floating point operation");
    }
    // Every text was converted before grading began.
    for (int i = 0; i < MeasurementCount; ++i) {
        if (i == 4)
            EXPECT_TRUE(std::isnan(Measurements[i]));
        else
            EXPECT_EQ(Measurements[i], 500.0) << i;
    }
    // Codes before the NaN are rewritten, the rest are as the earlier assessment left them.
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(GradeCodes[i], GradeDisplayString(gdCertainlyMale));
    for (int i = 4; i < MeasurementCount; ++i)
        EXPECT_EQ(GradeCodes[i], GradeDisplayString(gdCertainlyFemale));
}

TEST(AssessMeasurements, NanOnlyFromASignedWord) {
    EXPECT_THROW(AssessOne(16, "-NAN"), FloatingPointError);
    EXPECT_THROW(AssessOne(1, "+NAN55"), FloatingPointError);
    EXPECT_EQ(AssessOne(1, "NAN").Total(), 0);
    EXPECT_EQ(AssessOne(1, "+nan").Total(), 0);
}

}  // namespace
