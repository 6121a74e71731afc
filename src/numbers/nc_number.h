#pragma once
// Numbers in and out of NC text: the formats of the dialect, the one
// scanner of number texts, the lenient reader of entry boxes and the strict
// one of stored settings. The lowest layer: it uses nothing but the standard
// library and the error table.
#include <concepts>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace quillon {

// A binary double can land a hair under the whole number it stands for
// (1.005 * 1000 == 1004.9999999999999). Before every floor that decides NC
// output, a value this close (relative) to the next whole number counts as it.
inline constexpr double kNcEpsilon = 1e-9;
// ...but never more than this part of one step. Relative to a large value the
// tolerance reaches a whole step: the offset word 1200019 of tool 99 is
// 1200019000 thousandths, within 1e-9 of 1200019001, and came out 1200019.001.
inline constexpr double kNcMaxSlack = 1e-6;

// floor(x) where a value within kNcEpsilon below a whole number counts as it.
double NcFloor(double x);

// Cuts x to three decimals by floor and writes it without trailing zeros:
// "0", "0.15", "-0.5", "12.5", "100". The caller's variable takes the cut
// value, so later arithmetic of a generator on it uses what was written.
// A value that is not finite, or whose thousandths do not fit in 64 bits,
// throws ValueTooLarge (ProcessError{kErrOverflow}): written as "0" or as
// hundreds of digits it would send the tool somewhere no one meant.
std::string FormatNcNumber(double& x);
// For computed values that no later line reuses.
std::string FormatNcNumber(double&& x);
// Single-precision fields (C, StartC, EndC) keep their own kind.
std::string FormatNcNumber(float& x);
// A computed single-precision value ("StartC + 2" of a float box). A template
// so that a whole-number argument still picks the double overload.
template <std::same_as<float> T>
std::string FormatNcNumber(T&& x) {
  float v = x;
  return FormatNcNumber(v);
}

// A single-precision box holds the float nearest to what was typed: 0.3 is
// kept as 0.300000011920929. Widened bit for bit, that error (about 1e-8) is
// far beyond kNcEpsilon, so 0 - 0.3 - 0.5 would be written "-0.801". Widening
// through the float's shortest decimal text gives the double of "0.3" instead.
double WidenSingle(float x);

// Whole part by floor, a leading "0" below 10 ("05", "12"); replaces the
// caller's variable with the whole part. Not writable as FormatNcNumber: ValueTooLarge.
std::string FormatTwoDigit(double& n);
std::string FormatTwoDigit(double&& n);

// Whether FormatNcNumber can write x.
bool IsWritableNcNumber(double x);

// Shortest text (at most 15 significant digits) of a double, no exponent for
// the magnitudes in use, locale independent: 5 -> "5", -0.5 -> "-0.5".
std::string ShortestNumberText(double x);

// The length of the number at the start of text: an optional sign, digits
// with at most one point (at least one digit), then an exponent when one with
// digits follows ("1e5"; "1e" ends before the "e"). 0 when no number starts there.
std::size_t ScanNumber(std::string_view text);

// The lenient reader of every entry box: blanks, tabs and line feeds anywhere
// are ignored, then the leading number is taken; text without a leading
// number reads as 0.
double ReadNumber(std::string_view text);

// The strict reader of stored values: blanks and tabs around, nothing else
// but one number ("12abc" is not one); nullopt when the text is not one or
// is too large for a double ("1e400").
std::optional<double> ParseStrictNumber(std::string_view text);

// Whether an entry box counts as filled (the calculators test this).
bool IsEmptyEntry(std::string_view text);

}  // namespace quillon
