// Text forms of tick values: plain numbers with a given count of decimals, and the exponent form
// ("1e3", "2.5e-4", "-7e0", "0") that label mode 9 asks for.
#pragma once

#include <string>

namespace chartcontrol {

// Plain labels longer than this would be unreadable; such values take the exponent form.
constexpr int kMaxPlainDecimals = 12;
constexpr double kPlainLimit = 1e15;

// `value` with `decimals` digits after the point ("-0" shows as "0"). Magnitudes of kPlainLimit
// and more take the exponent form with as many digits as the decimals would have shown.
std::string FormatPlain(double value, int decimals);

// `value` as a mantissa of at most `significant` digits, trailing zeros dropped, and a decimal
// exponent without sign or padding: 2500 with 2 digits gives "2.5e3", 0.00025 "2.5e-4".
std::string FormatExponent(double value, int significant);

// The exponent of the last digit that multiples of `step` need: 2 for 500, 1 for 250, -2 for
// 0.25. At most 16 below the step's own exponent.
int LastDigitExponent(double step);

// 10^exponent, exact where a double can be (std::pow is not on every C runtime).
double PowerOfTen(int exponent);

// The significant digits that show `value` down to the digit of 10^lastDigit (at least 1).
int SignificantDigits(double value, int lastDigit);

}  // namespace chartcontrol
