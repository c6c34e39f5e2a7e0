// The axis limits of the plot on show and their text form in the limit edits.
// Portable: no windows.h.
#pragma once

#include <string>
#include <string_view>

namespace chart {

struct AxisLimits {
  double xMin = 0.0;
  double xMax = 0.0;
  double yMin = 0.0;
  double yMax = 0.0;
};

// Which limits ShowLimits writes into their edits.
enum class WhichLimits { X, Y, All };

// Bytes of the buffer a limit's text is built in (its terminating zero included).
constexpr int kLimitTextSize = 256;

// The text of a limit: "0.0" for zero; six decimals ("%f") when the magnitude is above 0.01;
// otherwise one decimal and an exponent of at least three digits ("5.0e-003"), the same on every
// C runtime. Values whose six-decimal text would not fit the buffer (from about 1e247 up) take
// the exponent form too. NaN and the infinities read "nan", "inf" and "-inf".
std::string FormatLimit(double value);

// The number a limit edit holds, read as the Windows C runtime's atof reads it: text that begins
// no number gives 0.0, and so do "nan", "inf" and "-inf". A number too large for a double gives
// the largest double of its sign, so that only finite limits come from an edit.
double ReadLimit(std::string_view text);

}  // namespace chart
