#include "chartcontrol/core/AxisScale.h"

#include <algorithm>
#include <cmath>

namespace chartcontrol {

namespace {

double ClampLinear(double v) {
  return std::min(std::max(v, -AxisScale::kLargest), AxisScale::kLargest);
}

double ClampLog(double v) {
  return std::min(std::max(v, AxisScale::kSmallestLog), AxisScale::kLargest);
}

bool UsableOnLog(double v) { return v > 0; }  // false for NaN too

// Opens a degenerate or too narrow range [s, e] around its centre, keeping its direction.
void Widen(double& s, double& e, double need) {
  if (std::fabs(e - s) >= need) return;
  const double centre = s / 2 + e / 2;
  const double half = need / 2;
  if (e >= s) {
    s = centre - half;
    e = centre + half;
  } else {
    s = centre + half;
    e = centre - half;
  }
}

}  // namespace

bool NeedsDataExtent(double minLimit, double maxLimit, bool logarithmic) {
  return logarithmic && !(UsableOnLog(minLimit) && UsableOnLog(maxLimit));
}

AxisScale AxisScale::Make(double minLimit, double maxLimit, bool logarithmic,
                          const PositiveExtent* data) {
  AxisScale scale;
  scale.log_ = logarithmic;
  if (!logarithmic) {
    double s = minLimit, e = maxLimit;
    if (std::isnan(s) && std::isnan(e)) {
      s = 0.0;
      e = 1.0;
    } else if (std::isnan(s)) {
      s = e;
    } else if (std::isnan(e)) {
      e = s;
    }
    s = ClampLinear(s);
    e = ClampLinear(e);
    if (s == e) {
      const double d = s == 0.0 ? 1.0 : std::fabs(s) * 0.1;
      s -= d;
      e += d;
    }
    Widen(s, e, std::max(std::max(std::fabs(s), std::fabs(e)) * 1e-12, 1e-300));
    scale.s_ = s;
    scale.e_ = e;
    return scale;
  }

  const bool hasData = data && !data->empty();
  double lo, hi;
  if (UsableOnLog(minLimit) && UsableOnLog(maxLimit)) {
    lo = ClampLog(minLimit);
    hi = ClampLog(maxLimit);
  } else if (UsableOnLog(minLimit)) {
    lo = ClampLog(minLimit);
    hi = hasData && data->maxPositive > lo ? data->maxPositive : lo * 1e6;
  } else if (UsableOnLog(maxLimit)) {
    hi = ClampLog(maxLimit);
    lo = hasData && data->minPositive < hi ? data->minPositive : hi / 1e6;
  } else if (hasData) {
    lo = data->minPositive;
    hi = data->maxPositive;
  } else {
    lo = 1.0;
    hi = 10.0;
  }
  double s = std::log10(ClampLog(lo)), e = std::log10(ClampLog(hi));
  if (s == e) {
    s -= 1.0;
    e += 1.0;
  }
  Widen(s, e, 1e-12 * std::max(1.0, std::max(std::fabs(s), std::fabs(e))));
  scale.s_ = s;
  scale.e_ = e;
  return scale;
}

double AxisScale::start() const { return log_ ? std::pow(10.0, s_) : s_; }

double AxisScale::end() const { return log_ ? std::pow(10.0, e_) : e_; }

double AxisScale::Fraction(double value) const {
  if (log_) {
    if (!(value > 0)) return std::nan("");
    value = std::log10(value);
  }
  return (value - s_) / (e_ - s_);
}

double AxisScale::Value(double fraction) const {
  const double v = s_ + fraction * (e_ - s_);
  return log_ ? std::pow(10.0, v) : v;
}

}  // namespace chartcontrol
