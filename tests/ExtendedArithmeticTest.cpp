// The integer arithmetic under the conversion, each step checked on its own.

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>

#include "core/ExtendedArithmetic.h"

using namespace vertebra::extended;

namespace {

constexpr std::uint64_t kTop = std::uint64_t{1} << 63;

TEST(WideArithmetic, PortableProductMatchesWide) {
    std::mt19937_64 rng(1);
    const std::uint64_t edges[] = {0, 1, 0xffffffff, 0x100000000, kTop, ~std::uint64_t{0}};
    auto check = [](std::uint64_t a, std::uint64_t b) {
        const U128 p = MultiplyPortable(a, b), w = MultiplyWide(a, b);
        ASSERT_TRUE(p.hi == w.hi && p.lo == w.lo) << a << " * " << b;
    };
    for (auto a : edges)
        for (auto b : edges)
            check(a, b);
    for (int i = 0; i < 1000000; ++i)
        check(rng(), rng());
}

TEST(WideArithmetic, PreinvertedQuotientMatchesLongDivision) {
    std::mt19937_64 rng(2);
    auto check = [](std::uint64_t hi, std::uint64_t lo, std::uint64_t d) {
        std::uint64_t rp = 0, rq = 0;
        const std::uint64_t qp = DividePortable(hi, lo, d, rp);
        const std::uint64_t qq = DividePreinverted(hi, lo, d, Reciprocal(d), rq);
        ASSERT_TRUE(qp == qq && rp == rq) << hi << ":" << lo << " / " << d;
        // And the long division itself: q * d + r == hi:lo with r < d.
        const U128 back = MultiplyPortable(qp, d);
        const std::uint64_t lowSum = back.lo + rp;
        ASSERT_EQ(lowSum, lo);
        ASSERT_EQ(back.hi + (lowSum < back.lo ? 1 : 0), hi);
        ASSERT_LT(rp, d);
    };
    const std::uint64_t all = ~std::uint64_t{0};
    check(0, 0, kTop);
    check(kTop - 1, all, kTop);
    check(all - 1, all, all);
    check(0xfffffffeffffffff, 0xffffffff00000000, 0xffffffff00000001);
    check(kTop, 0, kTop | 1);
    for (int i = 0; i < 1000000; ++i) {
        const std::uint64_t d = rng() | kTop;
        check(rng() % d, rng(), d);
        check(d - 1, rng(), d);  // the largest quotients
    }
}

#if LDBL_MANT_DIG == 64
// The x87 extended format has the same 64-bit significand: every Extended is exactly a long
// double, and the unit's own operations are the reference.
long double AsLongDouble(Extended x) {
    return std::ldexp(static_cast<long double>(x.significand), x.exponent);
}

TEST(ExtendedArithmetic, PowersOfTenAreRoundedOnceToSixtyFourBits) {
    for (int k = 0; k <= MaxPowerOfTen; ++k) {
        const long double expected = std::strtold(("1e" + std::to_string(k)).c_str(), nullptr);
        const Extended p = PowerOfTen(k);
        EXPECT_GE(p.significand, kTop) << k;
        EXPECT_EQ(AsLongDouble(p), expected) << "10^" << k;
    }
}

TEST(ExtendedArithmetic, ProductsAndQuotientsMatchX87) {
    std::mt19937_64 rng(3);
    for (int i = 0; i < 1000000; ++i) {
        std::uint64_t m = rng() >> std::uniform_int_distribution<int>(0, 63)(rng);
        if (m == 0) m = 1;
        const Extended p = i % 2 ? PowerOfTen(static_cast<int>(rng() % (MaxPowerOfTen + 1)))
                                 : Extended{rng() | kTop, static_cast<int>(rng() % 200) - 100};
        const long double lm = static_cast<long double>(m), lp = AsLongDouble(p);
        ASSERT_EQ(AsLongDouble(Multiply(m, p)), lm * lp) << m << " * " << p.significand;
        ASSERT_EQ(AsLongDouble(Divide(m, p, Reciprocal(p.significand))), lm / lp)
            << m << " / " << p.significand;
    }
}

TEST(ExtendedArithmetic, RoundingToDoubleMatchesX87) {
    std::mt19937_64 rng(4);
    auto check = [](Extended x) {
        const double expected = static_cast<double>(AsLongDouble(x));
        const double got = ToDouble(x, false);
        ASSERT_EQ(std::memcmp(&expected, &got, sizeof got), 0)
            << x.significand << " * 2^" << x.exponent;
        ASSERT_EQ(-got, ToDouble(x, true));
    };
    // Ties at every precision the double has: normal, subnormal and the overflow edge.
    for (int e :
         {-1200, -1140, -1138, -1137, -1136, -1130, -1086, -1085, -1084, -1000, 0, 960, 961}) {
        check({kTop, e});
        check({kTop | 0x400, e});
        check({kTop | 0xc00, e});
        check({~std::uint64_t{0}, e});
        for (int i = 0; i < 20000; ++i) {
            check({rng() | kTop, e});
            check({(rng() | kTop) & ~std::uint64_t{0x3ff}, e});  // round bit alone decides
        }
    }
    for (int i = 0; i < 1000000; ++i) {
        check({rng() | kTop, static_cast<int>(rng() % 2300) - 1200});
    }
}
#endif

}  // namespace
