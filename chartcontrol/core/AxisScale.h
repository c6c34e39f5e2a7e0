// The range an axis draws, made from the limits the host put, whatever they are.
//
// The minimum limit is always at the start of the axis (left, or bottom) and the maximum at its
// end, so a minimum above the maximum draws the axis reversed, values falling to the right or
// upwards. Limits that cannot be drawn as given are made drawable:
//   - NaN limits are taken from the other limit (or the range 0 to 1 when both are NaN);
//     infinite limits and magnitudes above 1e300 are clamped to 1e300;
//   - equal limits open to 10 % either side (-1 to 1 around 0; a decade either side on a log
//     axis);
//   - a range narrower than double precision can resolve (1e-12 of its magnitude, or 1e-300)
//     is widened to that around its centre;
//   - on a logarithmic axis a limit of 0 or below (or NaN) is replaced: a minimum by the
//     smallest positive data value below the maximum, else by the maximum / 1e6; a maximum by
//     the largest positive data value above the minimum, else the minimum * 1e6; with neither
//     limit usable the positive data range, or 1 to 10. Log limits are clamped to 1e-300..1e300.
#pragma once

#include <limits>

namespace chartcontrol {

struct ChartModel;

// The positive values that data put on an axis span; empty when `minPositive` > `maxPositive`.
struct PositiveExtent {
  double minPositive = std::numeric_limits<double>::infinity();
  double maxPositive = -std::numeric_limits<double>::infinity();
  void Add(double v) {
    if (v > 0 && v < std::numeric_limits<double>::infinity()) {
      if (v < minPositive) minPositive = v;
      if (v > maxPositive) maxPositive = v;
    }
  }
  bool empty() const { return minPositive > maxPositive; }
};

class AxisScale {
 public:
  static constexpr double kLargest = 1e300;
  static constexpr double kSmallestLog = 1e-300;

  AxisScale() = default;
  // `data` is consulted only for a logarithmic axis with a limit of 0 or below; it may be null.
  static AxisScale Make(double minLimit, double maxLimit, bool logarithmic,
                        const PositiveExtent* data = nullptr);

  bool logarithmic() const { return log_; }
  // The values at the start and the end of the axis.
  double start() const;
  double end() const;
  double lower() const { return reversed() ? end() : start(); }
  double upper() const { return reversed() ? start() : end(); }
  bool reversed() const { return e_ < s_; }
  // Where `value` lies: 0 at the start, 1 at the end; NaN for NaN, or 0 and below on a log axis.
  double Fraction(double value) const;
  double Value(double fraction) const;
  // The axis in its drawing space: values, or their decimal logarithms on a log axis.
  double spaceStart() const { return s_; }
  double spaceEnd() const { return e_; }

 private:
  bool log_ = false;
  double s_ = 0.0;  // start, in drawing space
  double e_ = 1.0;  // end, in drawing space
};

// Whether the axis needs the data's positive extent to make its scale (so it is worth scanning).
bool NeedsDataExtent(double minLimit, double maxLimit, bool logarithmic);

}  // namespace chartcontrol
