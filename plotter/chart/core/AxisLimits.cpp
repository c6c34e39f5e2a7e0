#include "plotter/chart/core/AxisLimits.h"

#include <cfloat>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "plotter/spectrum/core/TextScan.h"

namespace chart {

namespace {

// "%.1e" with the exponent written as sign and at least three digits, whatever number of
// exponent digits the C runtime gives ("5.0e-03" or "5.0e-003").
void FormatWithExponent(double value, char* text, std::size_t size) {
  char printed[64];
  std::snprintf(printed, sizeof printed, "%.1e", value);
  char* e = std::strchr(printed, 'e');
  if (!e) {  // no C runtime prints a finite value without one; keep whatever came
    std::snprintf(text, size, "%s", printed);
    return;
  }
  *e = '\0';
  const long exponent = std::strtol(e + 1, nullptr, 10);
  std::snprintf(text, size, "%se%c%03ld", printed, exponent < 0 ? '-' : '+',
                exponent < 0 ? -exponent : exponent);
}

}  // namespace

std::string FormatLimit(double value) {
  if (std::isnan(value)) return "nan";
  if (std::isinf(value)) return value > 0 ? "inf" : "-inf";
  if (value == 0.0) return "0.0";

  char text[kLimitTextSize];
  if (std::fabs(value) > 0.01) {
    const int length = std::snprintf(text, sizeof text, "%f", value);
    if (length > 0 && length < kLimitTextSize) return text;
  }
  FormatWithExponent(value, text, sizeof text);
  return text;
}

double ReadLimit(std::string_view text) {
  const double value = spectrum::ReadDecimal(text);
  if (std::isnan(value)) return 0.0;
  if (std::isinf(value)) return value > 0 ? DBL_MAX : -DBL_MAX;
  return value;
}

}  // namespace chart
