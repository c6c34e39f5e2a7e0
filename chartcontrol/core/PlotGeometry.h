// Turns series values into device points for drawing: maps them to pixels, reduces them to what
// the pixel columns can show, and clips them to the drawing box. The work per series grows with
// its point count only through one pass of arithmetic; what reaches the device is bounded by the
// box's width (lines and bands) or area (markers).
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "chartcontrol/core/AxisScale.h"
#include "chartcontrol/core/SeriesData.h"

namespace chartcontrol {

// Mapped values are clamped to this distance so that any value gives a finite pixel.
constexpr double kFarPx = 1e9;

struct DoublePoint {
  double x, y;
};

struct PixelPoint {
  int32_t x, y;
};

// Polylines or polygons, in the form PolyPolyline and PolyPolygon take them.
struct PixelPaths {
  std::vector<PixelPoint> points;
  std::vector<int32_t> counts;

  void Clear() {
    points.clear();
    counts.clear();
  }
};

// The region drawing is clipped to, in device pixels (right and bottom included).
struct PixelBox {
  double left, top, right, bottom;
};

// log10 to about 1e-9, without a call into the C runtime.
double FastLog10(double v);

// Maps values of one axis to device pixels along it.
class PixelMap {
 public:
  PixelMap(const AxisScale& scale, double startPx, double endPx);
  bool logarithmic() const { return log_; }
  // NaN for NaN, and for 0 and below on a log axis.
  double operator()(double value) const {
    const double v = log_ ? (value > 0 ? Log10(value) : kNaN) : value;
    return Clamp(scale_ * v + offset_);
  }
  // As above, but 0 and below on a log axis go beyond the start of the axis.
  double MapOrStart(double value) const;
  double Value(double pixel) const;
  // The pixel column of a value the axis can show (finite pixel), fast and to within a
  // thousandth of a pixel: good for grouping points, not for drawing them.
  int64_t Column(double value) const;
  // The pixel of a value as fast and as closely as Column.
  double Approximate(double value) const { return Clamp(scale_ * (log_ ? FastLog10(value) : value) + offset_); }

 private:
  static double Log10(double v);
  static double Clamp(double px) { return px < -kFarPx ? -kFarPx : px > kFarPx ? kFarPx : px; }
  static const double kNaN;
  bool log_;
  double scale_, offset_;
  double startPx_;
  double endPx_;
};

// Reduces a run of points to at most four per pixel column: the first, the lowest, the highest
// and the last point of each stretch of consecutive points that fall into one column, in their
// original order. Lines drawn through the kept points cover the same pixels as through all.
// Points come as their column, their value along the other axis (any monotonic measure of it)
// and their index; the indexes of the kept points are appended to `kept`.
class ColumnReducer {
 public:
  explicit ColumnReducer(std::vector<size_t>& kept) : kept_(kept) {}
  void Add(int64_t column, double value, size_t index) {
    if (open_ && column == column_) {
      if (value < lowValue_) {
        lowValue_ = value;
        low_ = index;
      }
      if (value > highValue_) {
        highValue_ = value;
        high_ = index;
      }
      last_ = index;
      return;
    }
    Flush();
    open_ = true;
    column_ = column;
    first_ = low_ = high_ = last_ = index;
    lowValue_ = highValue_ = value;
  }
  // Ends the current column (before a break in the line, and at the end).
  void Flush();

 private:
  std::vector<size_t>& kept_;
  bool open_ = false;
  int64_t column_ = 0;
  size_t first_ = 0, low_ = 0, high_ = 0, last_ = 0;
  double lowValue_ = 0, highValue_ = 0;
};

// Lines through the drawable points of `series` in their order; an unwritten point (or one the
// axis cannot show) breaks the line.
void TraceLine(const SeriesData::View& series, const PixelMap& mapX, const PixelMap& mapY,
               const PixelBox& box, PixelPaths& out);

// One pixel per drawable point inside the box, each pixel once.
void CollectMarkers(const SeriesData::View& series, const PixelMap& mapX, const PixelMap& mapY,
                    const PixelBox& box, std::vector<PixelPoint>& out);

// Filled bands between a lower and an upper edge over shared X values; each run of points with
// both edges written makes one polygon. On a log axis an edge of 0 or below reaches beyond the
// start of the axis.
void TraceBand(const double* x, size_t xSize, const double* edgeA, size_t aSize,
               const double* edgeB, size_t bSize, size_t count, const PixelMap& mapX,
               const PixelMap& mapY, const PixelBox& box, PixelPaths& out);

// Clips the polyline to the box (Liang-Barsky per segment) and appends its pieces to `out`.
void ClipPolyline(const std::vector<DoublePoint>& line, const PixelBox& box, PixelPaths& out);

// Clips the polygon to the box (Sutherland-Hodgman) and appends it to `out` if anything is left.
void ClipPolygon(const std::vector<DoublePoint>& polygon, const PixelBox& box, PixelPaths& out);

}  // namespace chartcontrol
