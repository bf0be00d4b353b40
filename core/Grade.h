#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace vertebra {

// The five grades in order of increasing values, which is also the order in which a value is
// tested against a row of bounds. gdNone marks a value outside every interval.
enum Grade : int {
    gdCertainlyFemale,
    gdProbablyFemale,
    gdUndetermined,
    gdProbablyMale,
    gdCertainlyMale,
    gdNone,
};

inline constexpr std::size_t GradeCount = 5;  // gdNone is not a grade of its own

struct GradeText {
    std::string_view code;           // two capital Cyrillic letters
    std::string_view displayString;  // six spaces, then the code: what the grade cells show
    std::string_view legend;         // the appendix's legend line, 27 characters
};

inline constexpr std::array<GradeText, GradeCount> GradeTexts{{
    {"ДЖ", "      ДЖ", "Д.Ж. - достоверно женский -"},
    {"ВЖ", "      ВЖ", "В.Ж. - вероятно женский   -"},
    {"НП", "      НП", "Н.П. - неопределенный     -"},
    {"ВМ", "      ВМ", "В.М. - вероятно мужской   -"},
    {"ДМ", "      ДМ", "Д.М. - достоверно мужской -"},
}};

// For gdNone each of these is the empty text.
constexpr std::string_view GradeCode(Grade g) {
    return g == gdNone ? std::string_view{} : GradeTexts[g].code;
}
constexpr std::string_view GradeDisplayString(Grade g) {
    return g == gdNone ? std::string_view{} : GradeTexts[g].displayString;
}
constexpr std::string_view GradeLegend(Grade g) {
    return g == gdNone ? std::string_view{} : GradeTexts[g].legend;
}

// What the grade means in words, as its legend spells it: "достоверно женский" and so on.
constexpr std::string_view GradeMeaning(Grade g) {
    std::string_view legend = GradeLegend(g);
    if (legend.empty()) return legend;
    legend.remove_prefix(legend.find(" - ") + 3);
    legend.remove_suffix(2);  // the closing " -"
    return legend.substr(0, legend.find_last_not_of(' ') + 1);
}

}  // namespace vertebra
