#include "core/ParseMeasurementText.h"

#include <cstdint>
#include <iterator>
#include <limits>

#include "core/ExtendedArithmetic.h"

namespace vertebra {

namespace {

constexpr int kSignificantDigits = 19;  // 10^19 - 1 < 2^64
constexpr std::int64_t kExponentLimit = 4932;
// Beyond these decimal exponents every M (1 <= M < 10^19) gives infinity, or zero.
constexpr std::int64_t kOverflowExponent = 309;
constexpr std::int64_t kUnderflowExponent = -extended::MaxPowerOfTen - 1;

#if defined(__FAST_MATH__)
#error "the conversion relies on correctly rounded division; build without -ffast-math"
#endif

constexpr std::uint64_t kPowersOfTen[] = {1,
                                          10,
                                          100,
                                          1000,
                                          10000,
                                          100000,
                                          1000000,
                                          10000000,
                                          100000000,
                                          1000000000,
                                          10000000000,
                                          100000000000,
                                          1000000000000,
                                          10000000000000,
                                          100000000000000,
                                          1000000000000000,
                                          10000000000000000,
                                          100000000000000000,
                                          1000000000000000000,
                                          10000000000000000000u};
constexpr int kFastDivisionDigits = 4;
constexpr std::uint64_t kExactDoubleLimit = std::uint64_t{1} << 53;

constexpr bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}
constexpr bool IsSpace(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}

double Signed(double magnitude, bool negative) {
    return negative ? -magnitude : magnitude;
}

}  // namespace

double ParseMeasurementText(std::string_view text) noexcept {
    const char* p = text.data();
    const char* const end = p + text.size();

    while (p != end && IsSpace(*p))
        ++p;

    bool negative = false;
    if (p != end && (*p == '+' || *p == '-')) {
        negative = *p == '-';
        ++p;
        if (end - p >= 3) {
            const std::string_view word(p, 3);
            if (word == "INF") return Signed(std::numeric_limits<double>::infinity(), negative);
            if (word == "NAN") return Signed(std::numeric_limits<double>::quiet_NaN(), negative);
        }
    }

    std::uint64_t m = 0;
    int significant = 0;
    std::int64_t shift = 0;  // decimal exponent that the point position and dropped digits add
    bool anyDigit = false;
    bool point = false;
    for (; p != end; ++p) {
        const char c = *p;
        if (IsDigit(c)) {
            anyDigit = true;
            if (significant < kSignificantDigits) {
                if (m != 0 || c != '0') {
                    m = m * 10 + static_cast<std::uint64_t>(c - '0');
                    ++significant;
                }
                if (point) --shift;
            } else if (!point) {
                ++shift;
            }
        } else if (c == '.' && !point) {
            point = true;
        } else {
            break;
        }
    }
    if (!anyDigit) return 0.0;

    std::int64_t written = 0;
    if (p != end && (*p == 'e' || *p == 'E')) {
        ++p;
        bool negativeExponent = false;
        if (p != end && (*p == '+' || *p == '-')) {
            negativeExponent = *p == '-';
            ++p;
        }
        // Past the limit further digits cannot change the outcome.
        for (; p != end && IsDigit(*p) && written <= kExponentLimit; ++p) {
            written = written * 10 + (*p - '0');
        }
        if (negativeExponent) written = -written;
    }

    if (m == 0 || written < -kExponentLimit) return Signed(0.0, negative);
    if (written > kExponentLimit) return Signed(std::numeric_limits<double>::infinity(), negative);

    const std::int64_t decimalExponent = shift + written;
    if (decimalExponent >= kOverflowExponent) {
        return Signed(std::numeric_limits<double>::infinity(), negative);
    }
    if (decimalExponent <= kUnderflowExponent) return Signed(0.0, negative);

    // Fast paths for the usual texts, giving the same bits as the general one. A product that
    // fits 64 bits is exact, so only the final rounding remains, which the conversion to double
    // does. A quotient by 10^k, k <= 4, of an exact M never needs the double rounding: the binary
    // expansion of a/5^k holds no run of ten equal bits for such k, so the 64-bit intermediate can
    // never land on a midpoint between doubles, and one correctly rounded division gives it.
    if (decimalExponent >= 0 &&
        decimalExponent < static_cast<std::int64_t>(std::size(kPowersOfTen)) &&
        m <= std::numeric_limits<std::uint64_t>::max() / kPowersOfTen[decimalExponent]) {
        return Signed(static_cast<double>(m * kPowersOfTen[decimalExponent]), negative);
    }
    if (decimalExponent < 0 && decimalExponent >= -kFastDivisionDigits && m < kExactDoubleLimit) {
        return Signed(static_cast<double>(m) / static_cast<double>(kPowersOfTen[-decimalExponent]),
                      negative);
    }
    return extended::ToDouble(extended::ScaleByPowerOfTen(m, static_cast<int>(decimalExponent)),
                              negative);
}

}  // namespace vertebra
