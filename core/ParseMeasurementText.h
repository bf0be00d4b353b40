#pragma once

#include <string_view>

namespace vertebra {

// Converts a measurement text, as typed, to a number. Any text is accepted; what is not a number
// gives zero, and the number ends at the first character that does not fit:
//
//   "55.6"   -> 55.6        "55,6"  -> 55          "70мм"   -> 70         "7 0"   -> 7
//   " \t5"   -> 5           ".5"    -> 0.5         "5."     -> 5          "5e"    -> 5
//   "5.56e1" -> 55.6        "1e3"   -> 1000        "-0"     -> -0         "-70"   -> -70
//   ""       -> 0           "мм70"  -> 0           "0x50"   -> 0          "inf"   -> 0
//   "+INF"   -> +infinity   "-INF"  -> -infinity   "+NAN"   -> NaN        "NAN"   -> 0
//   "1e400"  -> +infinity   "1e4933"-> +infinity   "0e4933" -> 0          "1e-4933" -> 0
//
// - White space before the number is the characters 9 to 13 and 32, nothing else.
// - The decimal point is the full stop; a comma, a second point or any byte from 128 up (every
//   byte of a multi-byte UTF-8 character) ends the number.
// - "INF" and "NAN", in capitals, count only straight after an explicit sign.
// - An exponent letter without digits is exponent 0.
// - The first 19 significant digits form an integer M; further digits are dropped, not rounded.
//   M is multiplied or divided once by the power of ten the point and the exponent call for, in
//   arithmetic with a 64-bit significand rounding half to even (the power itself rounded once,
//   exact up to 10^27), and the result is rounded to the nearest double. Any number written
//   with at most three decimals in (0, 1000] gives the double nearest to it.
// - A written exponent above 4932 gives an infinity of the sign (zero stays zero), one below
//   -4932 gives zero; values beyond the double range give an infinity, below it zero.
//
// It never throws, never allocates, never reads the C locale, and takes time linear in the
// text's length whatever that length is.
double ParseMeasurementText(std::string_view text) noexcept;

}  // namespace vertebra
