#include "core/ExtendedArithmetic.h"

#include <array>
#include <bit>

#if defined(_MSC_VER) && defined(_M_X64) && !defined(__clang__)
#include <intrin.h>
#endif

namespace vertebra::extended {

namespace {

constexpr std::uint64_t kTopBit = std::uint64_t{1} << 63;

// Powers of ten computed exactly in a wide integer at compile time and rounded once each.
constexpr std::array<Extended, MaxPowerOfTen + 1> MakePowerTable() {
    constexpr int kLimbs = 40;  // 10^342 < 2^1137 fits 36 limbs of 32 bits
    std::array<Extended, MaxPowerOfTen + 1> table{};
    std::array<std::uint32_t, kLimbs> big{};
    big[0] = 1;
    for (int k = 0; k <= MaxPowerOfTen; ++k) {
        int top = kLimbs - 1;
        while (big[top] == 0)
            --top;
        const int bits = top * 32 + (32 - std::countl_zero(big[top]));
        auto bitAt = [&big](int i) -> std::uint64_t { return (big[i / 32] >> (i % 32)) & 1u; };

        std::uint64_t significand = 0;
        for (int i = 0; i < 64; ++i) {
            const int position = bits - 1 - i;
            significand = (significand << 1) | (position >= 0 ? bitAt(position) : 0);
        }
        int exponent = bits - 64;
        if (bits > 64) {
            const bool half = bitAt(bits - 65) != 0;
            bool sticky = false;
            for (int i = 0; i < bits - 65 && !sticky; ++i)
                sticky = bitAt(i) != 0;
            if (half && (sticky || (significand & 1))) {
                if (++significand == 0) {
                    significand = kTopBit;
                    ++exponent;
                }
            }
        }
        table[k] = {significand, exponent};

        std::uint64_t carry = 0;
        for (std::uint32_t& limb : big) {
            const std::uint64_t v = std::uint64_t{limb} * 10 + carry;
            limb = static_cast<std::uint32_t>(v);
            carry = v >> 32;
        }
    }
    return table;
}

constexpr std::array<Extended, MaxPowerOfTen + 1> kPowers = MakePowerTable();

constexpr std::array<std::uint64_t, MaxPowerOfTen + 1> MakeReciprocalTable() {
    std::array<std::uint64_t, MaxPowerOfTen + 1> table{};
    for (int k = 0; k <= MaxPowerOfTen; ++k)
        table[k] = Reciprocal(kPowers[k].significand);
    return table;
}

constexpr std::array<std::uint64_t, MaxPowerOfTen + 1> kReciprocals = MakeReciprocalTable();

enum class Remainder { Below, Half, Above };  // the discarded part against half a unit

Extended Round(std::uint64_t q, int exponent, Remainder rest) {
    if (rest == Remainder::Above || (rest == Remainder::Half && (q & 1))) {
        if (++q == 0) {
            q = kTopBit;
            ++exponent;
        }
    }
    return {q, exponent};
}

}  // namespace

U128 MultiplyWide(std::uint64_t a, std::uint64_t b) {
#if defined(__SIZEOF_INT128__)
    __extension__ typedef unsigned __int128 Uint128;  // a compiler extension, said so
    const Uint128 p = static_cast<Uint128>(a) * b;
    return {static_cast<std::uint64_t>(p >> 64), static_cast<std::uint64_t>(p)};
#elif defined(_MSC_VER) && defined(_M_X64) && !defined(__clang__)
    std::uint64_t hi = 0;
    const std::uint64_t lo = _umul128(a, b, &hi);
    return {hi, lo};
#else
    return MultiplyPortable(a, b);
#endif
}

std::uint64_t DividePreinverted(std::uint64_t hi, std::uint64_t lo, std::uint64_t d,
                                std::uint64_t reciprocal, std::uint64_t& remainder) {
    const U128 product = MultiplyWide(reciprocal, hi);
    const std::uint64_t q0 = product.lo + lo;
    std::uint64_t q1 = product.hi + hi + (q0 < lo ? 1 : 0) + 1;
    std::uint64_t r = lo - q1 * d;
    if (r > q0) {
        --q1;
        r += d;
    }
    if (r >= d) {  // rare
        ++q1;
        r -= d;
    }
    remainder = r;
    return q1;
}

Extended PowerOfTen(int k) {
    return kPowers[k];
}

Extended Multiply(std::uint64_t m, Extended p) {
    const U128 product = MultiplyWide(m, p.significand);
    if (product.hi == 0) {  // fits 64 bits: exact
        const int shift = std::countl_zero(product.lo);
        return {product.lo << shift, p.exponent - shift};
    }
    const int shift = std::countl_zero(product.hi);
    const std::uint64_t top =
        shift == 0 ? product.hi : (product.hi << shift) | (product.lo >> (64 - shift));
    const std::uint64_t rest = product.lo << shift;
    const Remainder r = rest > kTopBit    ? Remainder::Above
                        : rest == kTopBit ? Remainder::Half
                                          : Remainder::Below;
    return Round(top, p.exponent + 64 - shift, r);
}

Extended Divide(std::uint64_t m, Extended p, std::uint64_t reciprocal) {
    const int shift = std::countl_zero(m);
    const std::uint64_t mn = m << shift;
    const std::uint64_t d = p.significand;
    // Scale the dividend so that the quotient has exactly 64 bits.
    std::uint64_t hi = mn, lo = 0;
    int exponent = -64;
    if (mn >= d) {
        hi = mn >> 1;
        lo = mn << 63;
        exponent = -63;
    }
    std::uint64_t r = 0;
    const std::uint64_t q = DividePreinverted(hi, lo, d, reciprocal, r);
    const Remainder rest = r == 0 || r < d - r ? Remainder::Below
                           : r == d - r        ? Remainder::Half
                                               : Remainder::Above;
    return Round(q, exponent - shift - p.exponent, rest);
}

Extended ScaleByPowerOfTen(std::uint64_t m, int d) {
    return d >= 0 ? Multiply(m, kPowers[d]) : Divide(m, kPowers[-d], kReciprocals[-d]);
}

double ToDouble(Extended x, bool negative) {
    const std::uint64_t sign = negative ? kTopBit : 0;
    constexpr std::uint64_t kInfinity = std::uint64_t{0x7ff} << 52;
    constexpr std::uint64_t kFraction = (std::uint64_t{1} << 52) - 1;
    if (x.significand == 0) return std::bit_cast<double>(sign);

    int e = x.exponent + 63;  // exponent of the leading bit
    std::uint64_t bits = 0;
    if (e > 1023) {
        bits = kInfinity;
    } else if (e >= -1022) {
        std::uint64_t mantissa = x.significand >> 11;
        const std::uint64_t rest = x.significand & 0x7ff;
        if (rest > 0x400 || (rest == 0x400 && (mantissa & 1))) ++mantissa;
        if (mantissa == std::uint64_t{1} << 53) {
            mantissa >>= 1;
            ++e;
        }
        bits = e > 1023 ? kInfinity
                        : (static_cast<std::uint64_t>(e + 1023) << 52) | (mantissa & kFraction);
    } else {
        const int shift = 11 + (-1022 - e);
        if (shift == 64) {
            bits = x.significand > kTopBit ? 1 : 0;
        } else if (shift < 64) {
            bits = x.significand >> shift;
            const std::uint64_t rest = x.significand & ((std::uint64_t{1} << shift) - 1);
            const std::uint64_t half = std::uint64_t{1} << (shift - 1);
            // A carry into bit 52 gives the smallest normal number, as it should.
            if (rest > half || (rest == half && (bits & 1))) ++bits;
        }
    }
    return std::bit_cast<double>(bits | sign);
}

}  // namespace vertebra::extended
