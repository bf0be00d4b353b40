// The built-in reference data: measurement captions, grades and the table of bounds.

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "TextHelpers.h"
#include "core/Grade.h"
#include "core/MeasurementCatalogue.h"
#include "core/ThresholdTable.h"

using namespace vertebra;
using testing_text::CharacterCount;
using testing_text::ToCp1251;

namespace {

// Length in characters and the closing run of underscores of each window caption, as the
// window's layout needs them (the input panel covers their right end).
struct CaptionShape {
    std::size_t characters;
    std::size_t underscores;
};
constexpr CaptionShape kCaptionShapes[MeasurementCount] = {
    {56, 6},  {56, 33}, {55, 34}, {56, 34}, {57, 21}, {56, 21}, {56, 20}, {56, 34},
    {55, 34}, {55, 33}, {56, 6},  {55, 6},  {58, 8},  {57, 2},  {58, 1},  {55, 49},
};

TEST(MeasurementCatalogue, NumbersRunFromOneToSixteenInOrder) {
    for (int n = 1; n <= MeasurementCount; ++n) {
        EXPECT_EQ(CatalogueEntry(n).number, n);
    }
}

TEST(MeasurementCatalogue, WindowCaptionsHaveNumberNameAndUnderscores) {
    for (int n = 1; n <= MeasurementCount; ++n) {
        SCOPED_TRACE("measurement " + std::to_string(n));
        const std::string caption(CatalogueEntry(n).windowCaption);
        // Two spaces after a one-digit number, one after a two-digit number.
        const std::string prefix = std::to_string(n) + (n < 10 ? "  " : " ");
        EXPECT_EQ(caption.substr(0, prefix.size()), prefix);
        EXPECT_NE(caption[prefix.size()], ' ');

        const std::size_t nameEnd = caption.find_last_not_of('_') + 1;
        EXPECT_EQ(caption.size() - nameEnd, kCaptionShapes[n - 1].underscores);
        EXPECT_EQ(CharacterCount(caption), kCaptionShapes[n - 1].characters);
    }
}

TEST(MeasurementCatalogue, ReportNamesAreShortAndPlain) {
    for (const Measurement& m : MeasurementCatalogue) {
        SCOPED_TRACE(std::string(m.reportName));
        EXPECT_FALSE(m.reportName.empty());
        EXPECT_EQ(m.reportName.find('_'), std::string_view::npos);
        EXPECT_LT(CharacterCount(m.reportName), CharacterCount(m.windowCaption) - 3);
        // The report name begins like the caption's name (it is its abbreviation).
        const std::size_t nameStart = m.windowCaption.find_first_not_of("0123456789 ");
        EXPECT_EQ(m.windowCaption.substr(nameStart, 6), m.reportName.substr(0, 6));
    }
    EXPECT_EQ(CatalogueEntry(16).reportName, "Вес");
}

TEST(Grade, CodesAreTheRightCyrillicLetters) {
    // Windows-1251 bytes of the codes: catches a Latin look-alike letter.
    EXPECT_EQ(ToCp1251(GradeCode(gdCertainlyFemale)), "\xC4\xC6");
    EXPECT_EQ(ToCp1251(GradeCode(gdProbablyFemale)), "\xC2\xC6");
    EXPECT_EQ(ToCp1251(GradeCode(gdUndetermined)), "\xCD\xCF");
    EXPECT_EQ(ToCp1251(GradeCode(gdProbablyMale)), "\xC2\xCC");
    EXPECT_EQ(ToCp1251(GradeCode(gdCertainlyMale)), "\xC4\xCC");
}

TEST(Grade, DisplayStringIsSixSpacesAndTheCode) {
    for (int g = gdCertainlyFemale; g <= gdCertainlyMale; ++g) {
        const auto grade = static_cast<Grade>(g);
        SCOPED_TRACE(std::string(GradeCode(grade)));
        EXPECT_EQ(ToCp1251(GradeDisplayString(grade)), "      " + ToCp1251(GradeCode(grade)));
        EXPECT_EQ(CharacterCount(GradeDisplayString(grade)), 8u);
    }
}

TEST(Grade, LegendSpellsTheCodeWithPointsInTwentySevenCharacters) {
    for (int g = gdCertainlyFemale; g <= gdCertainlyMale; ++g) {
        const auto grade = static_cast<Grade>(g);
        const std::u32string code = testing_text::DecodeUtf8(GradeCode(grade));
        const std::u32string legend = testing_text::DecodeUtf8(GradeLegend(grade));
        SCOPED_TRACE(std::string(GradeLegend(grade)));
        ASSERT_EQ(legend.size(), 27u);
        EXPECT_EQ(legend.substr(0, 7), code.substr(0, 1) + U"." + code.substr(1, 1) + U". - ");
        EXPECT_EQ(legend.substr(25), U" -");  // the dash in the same character cell on every line
    }
}

TEST(Grade, NoneHasNoTexts) {
    EXPECT_TRUE(GradeCode(gdNone).empty());
    EXPECT_TRUE(GradeDisplayString(gdNone).empty());
    EXPECT_TRUE(GradeLegend(gdNone).empty());
}

TEST(ThresholdTable, EveryRowCoversZeroToThousandWithoutGapOrOverlap) {
    for (int n = 1; n <= MeasurementCount; ++n) {
        SCOPED_TRACE("row " + std::to_string(n));
        EXPECT_EQ(Bounds(n, gdCertainlyFemale).lo, 0.0);
        EXPECT_EQ(Bounds(n, gdCertainlyMale).hi, 1000.0);
        for (int g = gdCertainlyFemale; g < gdCertainlyMale; ++g) {
            const Interval here = Bounds(n, static_cast<Grade>(g));
            const Interval next = Bounds(n, static_cast<Grade>(g + 1));
            EXPECT_EQ(here.hi, next.lo);
            EXPECT_LT(here.lo, here.hi);
        }
    }
}

TEST(ThresholdTable, InnerCutPointsHaveAtMostOneDecimal) {
    for (int n = 1; n <= MeasurementCount; ++n) {
        for (int g = gdProbablyFemale; g <= gdCertainlyMale; ++g) {
            const double cut = Bounds(n, static_cast<Grade>(g)).lo;
            EXPECT_EQ(std::round(cut * 10) / 10, cut) << "row " << n << " cut " << cut;
        }
    }
}

TEST(ThresholdTable, FirstAndLastRowsHoldTheirCutPoints) {
    // Spot checks against the reference table, one row at each end.
    const double row1[] = {55.6, 62.4, 82.9, 91};
    const double row16[] = {15, 20, 29, 33.1};
    for (int g = gdProbablyFemale; g <= gdCertainlyMale; ++g) {
        EXPECT_EQ(Bounds(1, static_cast<Grade>(g)).lo, row1[g - 1]);
        EXPECT_EQ(Bounds(16, static_cast<Grade>(g)).lo, row16[g - 1]);
    }
}

}  // namespace

namespace {

TEST(DerivedTexts, MeasurementNamesMeaningsAndBounds) {
    EXPECT_EQ(MeasurementName(1), "Расстояние между вершинами поперечных отростков");
    EXPECT_EQ(MeasurementName(10), "Средняя ширина тела");
    EXPECT_EQ(MeasurementName(16), "Вес");
    EXPECT_EQ(GradeMeaning(gdCertainlyFemale), "достоверно женский");
    EXPECT_EQ(GradeMeaning(gdProbablyMale), "вероятно мужской");
    EXPECT_EQ(GradeMeaning(gdUndetermined), "неопределенный");
    EXPECT_EQ(GradeMeaning(gdNone), "");
    EXPECT_EQ(BoundsText(1), "ДЖ ≤ 55.6 < ВЖ ≤ 62.4 < НП ≤ 82.9 < ВМ ≤ 91 < ДМ");
    EXPECT_EQ(BoundsText(16), "ДЖ ≤ 15 < ВЖ ≤ 20 < НП ≤ 29 < ВМ ≤ 33.1 < ДМ");
}

}  // namespace
