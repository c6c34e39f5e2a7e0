#include "chartcontrol/core/TickLabels.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace chartcontrol {

std::string FormatPlain(double value, int decimals) {
  decimals = std::min(std::max(decimals, 0), kMaxPlainDecimals);
  if (!std::isfinite(value)) return value != value ? "nan" : (value > 0 ? "inf" : "-inf");
  if (std::fabs(value) >= kPlainLimit) {
    const int whole = static_cast<int>(std::floor(std::log10(std::fabs(value)))) + 1;
    return FormatExponent(value, std::min(whole + decimals, 17));
  }
  char text[64];
  std::snprintf(text, sizeof text, "%.*f", decimals, value);
  // A value that rounds to zero shows no sign.
  if (text[0] == '-' && std::strspn(text + 1, "0.") == std::strlen(text + 1))
    return std::string(text + 1);
  return text;
}

std::string FormatExponent(double value, int significant) {
  if (!std::isfinite(value)) return value != value ? "nan" : (value > 0 ? "inf" : "-inf");
  if (value == 0.0) return "0";
  significant = std::min(std::max(significant, 1), 17);
  char text[64];
  std::snprintf(text, sizeof text, "%.*e", significant - 1, value);
  char* e = std::strchr(text, 'e');
  if (!e) return text;
  const int exponent = std::atoi(e + 1);
  *e = '\0';
  std::string mantissa = text;
  if (mantissa.find('.') != std::string::npos) {
    while (!mantissa.empty() && mantissa.back() == '0') mantissa.pop_back();
    if (!mantissa.empty() && mantissa.back() == '.') mantissa.pop_back();
  }
  return mantissa + "e" + std::to_string(exponent);
}

double PowerOfTen(int exponent) {
  if (exponent >= 0) return std::pow(10.0, exponent);
  if (exponent >= -22) return 1.0 / std::pow(10.0, -exponent);
  return std::pow(10.0, exponent);
}

int LastDigitExponent(double step) {
  step = std::fabs(step);
  if (!(step > 0) || !std::isfinite(step)) return 0;
  const int top = static_cast<int>(std::floor(std::log10(step)));
  for (int k = top; k > top - 16; --k) {
    const double units = step / PowerOfTen(k);
    if (std::fabs(units - std::round(units)) <= 1e-6 * units) return k;
  }
  return top - 16;
}

int SignificantDigits(double value, int lastDigit) {
  if (value == 0.0 || !std::isfinite(value)) return 1;
  const int top = static_cast<int>(std::floor(std::log10(std::fabs(value))));
  return std::max(1, top - lastDigit + 1);
}

}  // namespace chartcontrol
