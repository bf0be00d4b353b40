// Differential fuzzing of the measurement conversion against a reference written separately
// from it: the text is read by plain string handling into M and a decimal exponent, and the
// value computed by the x87 unit, whose extended format is the 64-bit-significand arithmetic the
// conversion specifies (the power of ten correctly rounded once by the C library).

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>

#include "core/ParseMeasurementText.h"

static_assert(LDBL_MANT_DIG == 64, "the reference needs the x87 extended format");

namespace {

double Reference(std::string_view s) {
    std::size_t i = 0;
    while (i < s.size() && (s[i] == ' ' || (s[i] >= 9 && s[i] <= 13)))
        ++i;
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        negative = s[i] == '-';
        ++i;
        const std::string_view word = s.substr(i, 3);
        if (word == "INF") return negative ? -HUGE_VAL : HUGE_VAL;
        if (word == "NAN") return std::nan("");
    }
    std::string integer, fraction;
    bool point = false;
    for (; i < s.size(); ++i) {
        if (s[i] >= '0' && s[i] <= '9') {
            (point ? fraction : integer) += s[i];
        } else if (s[i] == '.' && !point) {
            point = true;
        } else {
            break;
        }
    }
    if (integer.empty() && fraction.empty()) return 0.0;
    long long written = 0;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        bool minus = false;
        if (i < s.size() && (s[i] == '+' || s[i] == '-')) minus = s[i++] == '-';
        for (; i < s.size() && s[i] >= '0' && s[i] <= '9'; ++i) {
            if (written < 1000000) written = written * 10 + (s[i] - '0');
        }
        if (minus) written = -written;
    }
    // All digits with the point after `integer`; drop leading zeros, keep 19 significant digits.
    std::string digits = integer + fraction;
    long long exponent = -static_cast<long long>(fraction.size());
    const std::size_t first = digits.find_first_not_of('0');
    const double zero = negative ? -0.0 : 0.0;
    if (first == std::string::npos || written < -4932) return zero;
    if (written > 4932) return negative ? -HUGE_VAL : HUGE_VAL;
    digits.erase(0, first);
    if (digits.size() > 19) {
        exponent += static_cast<long long>(digits.size() - 19);
        digits.resize(19);
    }
    exponent += written;
    if (exponent > 400) return negative ? -HUGE_VAL : HUGE_VAL;
    if (exponent < -400) return zero;
    const long double m = static_cast<long double>(std::strtoull(digits.c_str(), nullptr, 10));
    const long double power =
        std::strtold(("1e" + std::to_string(std::llabs(exponent))).c_str(), nullptr);
    const double value = static_cast<double>(exponent >= 0 ? m * power : m / power);
    return negative ? -value : value;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // A copy of exactly the text's size, so that a read past its end is caught.
    const std::unique_ptr<char[]> text(new char[size == 0 ? 1 : size]);
    std::memcpy(text.get(), data, size);
    const std::string_view view(text.get(), size);
    const double got = vertebra::ParseMeasurementText(view);
    const double want = Reference(view);
    if (std::isnan(got) && std::isnan(want)) return 0;
    if (std::memcmp(&got, &want, sizeof got) != 0) {
        std::fprintf(stderr, "text \"%.*s\": got %.17g, reference %.17g\n", static_cast<int>(size),
                     text.get(), got, want);
        std::abort();
    }
    return 0;
}
