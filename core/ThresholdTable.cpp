#include "core/ThresholdTable.h"

#include <charconv>

namespace vertebra {

std::string BoundsText(int number) {
    std::string text(GradeCode(gdCertainlyFemale));
    for (int g = gdProbablyFemale; g <= gdCertainlyMale; ++g) {
        char cut[32];
        const auto end = std::to_chars(cut, cut + sizeof cut, Bounds(number, static_cast<Grade>(g)).lo).ptr;
        text += " ≤ ";
        text.append(cut, end);
        text += " < ";
        text += GradeCode(static_cast<Grade>(g));
    }
    return text;
}

}  // namespace vertebra
