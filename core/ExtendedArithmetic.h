#pragma once

// Arithmetic with a 64-bit significand and round-half-to-even, done in integers so that every
// compiler and processor gives the same bits (also where long double is only a double).
// The measurement conversion is built on it; it is public so that tests can check each step.

#include <cstdint>

namespace vertebra::extended {

// significand * 2^exponent; the significand is normalised (bit 63 set) unless the value is 0.
struct Extended {
    std::uint64_t significand;
    int exponent;
};

struct U128 {
    std::uint64_t hi;
    std::uint64_t lo;
};

// Portable 64 x 64 -> 128 bit product.
constexpr U128 MultiplyPortable(std::uint64_t a, std::uint64_t b) {
    const std::uint64_t a0 = a & 0xffffffffu, a1 = a >> 32;
    const std::uint64_t b0 = b & 0xffffffffu, b1 = b >> 32;
    const std::uint64_t p00 = a0 * b0, p01 = a0 * b1, p10 = a1 * b0, p11 = a1 * b1;
    const std::uint64_t mid = (p00 >> 32) + (p01 & 0xffffffffu) + (p10 & 0xffffffffu);
    return {p11 + (p01 >> 32) + (p10 >> 32) + (mid >> 32), (mid << 32) | (p00 & 0xffffffffu)};
}

// Portable (hi:lo) / d with remainder, for a divisor with bit 63 set and hi < d, so that the
// quotient fits in 64 bits (two steps of long division in base 2^32).
constexpr std::uint64_t DividePortable(std::uint64_t hi, std::uint64_t lo, std::uint64_t d,
                                       std::uint64_t& remainder) {
    constexpr std::uint64_t b = std::uint64_t{1} << 32;
    const std::uint64_t dHigh = d >> 32, dLow = d & 0xffffffffu;
    const std::uint64_t lo1 = lo >> 32, lo0 = lo & 0xffffffffu;

    std::uint64_t q1 = hi / dHigh;
    std::uint64_t rhat = hi - q1 * dHigh;
    while (q1 >= b || q1 * dLow > b * rhat + lo1) {
        --q1;
        rhat += dHigh;
        if (rhat >= b) break;
    }
    const std::uint64_t mid = hi * b + lo1 - q1 * d;  // wraps modulo 2^64 to the true remainder

    std::uint64_t q0 = mid / dHigh;
    rhat = mid - q0 * dHigh;
    while (q0 >= b || q0 * dLow > b * rhat + lo0) {
        --q0;
        rhat += dHigh;
        if (rhat >= b) break;
    }
    remainder = mid * b + lo0 - q0 * d;
    return q1 * b + q0;
}

// The 64 x 64 -> 128 bit product with the processor's wide multiply where the compiler offers it.
U128 MultiplyWide(std::uint64_t a, std::uint64_t b);

// The reciprocal of a divisor with bit 63 set, floor((2^128 - 1) / d) - 2^64, which turns each
// later division by d into two multiplications (Moller and Granlund's method).
constexpr std::uint64_t Reciprocal(std::uint64_t d) {
    std::uint64_t remainder = 0;
    return DividePortable(~d, ~std::uint64_t{0}, d, remainder);
}

// (hi:lo) / d with remainder, for a divisor with bit 63 set and hi < d, given Reciprocal(d).
std::uint64_t DividePreinverted(std::uint64_t hi, std::uint64_t lo, std::uint64_t d,
                                std::uint64_t reciprocal, std::uint64_t& remainder);

// 10^k rounded once to 64 significant bits (exact up to 10^27), for 0 <= k <= MaxPowerOfTen.
inline constexpr int MaxPowerOfTen = 342;
Extended PowerOfTen(int k);

// m * p and m / p, each rounded once to 64 significant bits; m > 0, p normalised, and
// `reciprocal` is Reciprocal(p.significand).
Extended Multiply(std::uint64_t m, Extended p);
Extended Divide(std::uint64_t m, Extended p, std::uint64_t reciprocal);

// m * 10^d, rounded once after the power's own rounding; |d| <= MaxPowerOfTen.
Extended ScaleByPowerOfTen(std::uint64_t m, int d);

// Rounds to the nearest double (subnormals and overflow to infinity included).
double ToDouble(Extended x, bool negative);

}  // namespace vertebra::extended
