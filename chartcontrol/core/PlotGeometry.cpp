#include "chartcontrol/core/PlotGeometry.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>

namespace chartcontrol {

const double PixelMap::kNaN = std::numeric_limits<double>::quiet_NaN();

PixelMap::PixelMap(const AxisScale& scale, double startPx, double endPx)
    : log_(scale.logarithmic()), startPx_(startPx), endPx_(endPx) {
  scale_ = (endPx - startPx) / (scale.spaceEnd() - scale.spaceStart());
  offset_ = startPx - scale_ * scale.spaceStart();
}

double PixelMap::Log10(double v) { return std::log10(v); }

double PixelMap::MapOrStart(double value) const {
  if (log_ && value <= 0) return Clamp(startPx_ + (startPx_ < endPx_ ? -kFarPx : kFarPx));
  return (*this)(value);
}

double PixelMap::Value(double pixel) const {
  const double v = (pixel - offset_) / scale_;
  return log_ ? std::pow(10.0, v) : v;
}

namespace {

bool IsNaN(double v) { return v != v; }

// log10 to about 1e-9 without a call into the C runtime: the exponent from the bits, the
// mantissa's logarithm from a table of 256 steps and three terms of a series for the rest.
// Subnormal and infinite values take log10.
struct Log2Table {
  double base[257];
  double inverse[257];
  Log2Table() {
    for (int i = 0; i <= 256; ++i) {
      const double m = 1.0 + i / 256.0;
      base[i] = std::log2(m);
      inverse[i] = 1.0 / m;
    }
  }
};

const Log2Table table;

}  // namespace

double FastLog10(double v) {
  uint64_t bits;
  std::memcpy(&bits, &v, sizeof bits);
  const int biased = static_cast<int>((bits >> 52) & 0x7FF);
  if (biased == 0 || biased == 0x7FF) return std::log10(v);
  const int index = static_cast<int>((bits >> 44) & 0xFF);
  bits = (bits & 0x000FFFFFFFFFFFFFull) | 0x3FF0000000000000ull;
  double m;  // the mantissa, in [1, 2)
  std::memcpy(&m, &bits, sizeof m);
  const double r = (m - (1.0 + index / 256.0)) * table.inverse[index];  // in [0, 1/256)
  const double log2 = (biased - 1023) + table.base[index] +
                      r * (1.4426950408889634 + r * (-0.7213475204444817 + r * 0.4808983469629878));
  return log2 * 0.30102999566398120;
}

namespace {

inline int64_t FloorToInt(double v) {
  const auto i = static_cast<int64_t>(v);
  return v < static_cast<double>(i) ? i - 1 : i;
}

}  // namespace

int64_t PixelMap::Column(double value) const { return FloorToInt(Approximate(value)); }

namespace {

// Finds the columns of a stream of values. Once a column has taken a few values in a row, the
// values at its edges are worked out, and the values that follow in it are known by comparison
// alone: dense data then costs no logarithms.
class ColumnFinder {
 public:
  explicit ColumnFinder(const PixelMap& map) : map_(map) {}
  int64_t operator()(double value) {
    if (value >= low_ && value < high_) return column_;
    const int64_t column = map_.Column(value);
    if (column != column_) {
      column_ = column;
      run_ = 1;
      low_ = high_ = std::numeric_limits<double>::quiet_NaN();
    } else if (++run_ == kRunBeforeEdges) {
      const double a = map_.Value(static_cast<double>(column)), b = map_.Value(static_cast<double>(column + 1));
      low_ = std::min(a, b);
      high_ = std::max(a, b);
    }
    return column;
  }

 private:
  static constexpr int kRunBeforeEdges = 8;
  const PixelMap& map_;
  int64_t column_ = std::numeric_limits<int64_t>::min();
  int run_ = 0;
  double low_ = std::numeric_limits<double>::quiet_NaN();
  double high_ = std::numeric_limits<double>::quiet_NaN();
};

}  // namespace

void ColumnReducer::Flush() {
  if (!open_) return;
  open_ = false;
  size_t kept[4] = {first_, low_, high_, last_};
  std::sort(kept, kept + 4);
  for (int i = 0; i < 4; ++i)
    if (i == 0 || kept[i] != kept[i - 1]) kept_.push_back(kept[i]);
}

namespace {

// Appends points to the open path of `out`, skipping repeats; paths of one point are dropped.
class PathWriter {
 public:
  explicit PathWriter(PixelPaths& out) : out_(out) {}
  ~PathWriter() { End(); }
  void Begin() {
    End();
    start_ = out_.points.size();
    open_ = true;
  }
  void Add(double x, double y) {
    const PixelPoint p{static_cast<int32_t>(std::lround(x)), static_cast<int32_t>(std::lround(y))};
    if (out_.points.size() > start_) {
      const PixelPoint& q = out_.points.back();
      if (q.x == p.x && q.y == p.y) return;
    }
    out_.points.push_back(p);
  }
  void End() {
    if (!open_) return;
    open_ = false;
    const size_t n = out_.points.size() - start_;
    if (n >= 2)
      out_.counts.push_back(static_cast<int32_t>(n));
    else
      out_.points.resize(start_);
  }

 private:
  PixelPaths& out_;
  size_t start_ = 0;
  bool open_ = false;
};

// Liang-Barsky: the part [t0, t1] of the segment p + t (q - p) inside the box.
bool ClipSegment(const DoublePoint& p, const DoublePoint& q, const PixelBox& box, double& t0,
                 double& t1) {
  const double dx = q.x - p.x, dy = q.y - p.y;
  const double edges[4][2] = {{-dx, p.x - box.left},
                              {dx, box.right - p.x},
                              {-dy, p.y - box.top},
                              {dy, box.bottom - p.y}};
  t0 = 0.0;
  t1 = 1.0;
  for (const auto& e : edges) {
    const double den = e[0], num = e[1];
    if (den == 0.0) {
      if (num < 0) return false;
    } else {
      const double t = num / den;
      if (den < 0) {
        if (t > t1) return false;
        if (t > t0) t0 = t;
      } else {
        if (t < t0) return false;
        if (t < t1) t1 = t;
      }
    }
  }
  return true;
}

}  // namespace

void ClipPolyline(const std::vector<DoublePoint>& line, const PixelBox& box, PixelPaths& out) {
  PathWriter writer(out);
  bool open = false;
  for (size_t j = 1; j < line.size(); ++j) {
    const DoublePoint& p = line[j - 1];
    const DoublePoint& q = line[j];
    double t0, t1;
    if (!ClipSegment(p, q, box, t0, t1)) {
      open = false;
      continue;
    }
    const double dx = q.x - p.x, dy = q.y - p.y;
    if (!open || t0 > 0.0) {
      writer.Begin();
      writer.Add(p.x + t0 * dx, p.y + t0 * dy);
      open = true;
    }
    writer.Add(p.x + t1 * dx, p.y + t1 * dy);
    if (t1 < 1.0) open = false;
  }
}

void TraceLine(const SeriesData::View& series, const PixelMap& mapX, const PixelMap& mapY,
               const PixelBox& box, PixelPaths& out) {
  std::vector<size_t> kept;
  std::vector<DoublePoint> line;
  ColumnReducer reducer(kept);
  // Draws the points kept of one unbroken run.
  auto endRun = [&] {
    reducer.Flush();
    line.clear();
    for (size_t i : kept) line.push_back({mapX(series.x[i]), mapY(series.y[i])});
    ClipPolyline(line, box, out);
    kept.clear();
  };
  const size_t n = std::min(series.xSize, series.ySize);
  const bool logX = mapX.logarithmic(), logY = mapY.logarithmic();
  ColumnFinder column(mapX);
  for (size_t i = 0; i < n; ++i) {
    const double x = series.x[i], y = series.y[i];
    if (IsNaN(x) || IsNaN(y) || (logX && !(x > 0)) || (logY && !(y > 0))) {
      endRun();
      continue;
    }
    reducer.Add(column(x), y, i);
  }
  endRun();
}

void CollectMarkers(const SeriesData::View& series, const PixelMap& mapX, const PixelMap& mapY,
                    const PixelBox& box, std::vector<PixelPoint>& out) {
  const double width = std::floor(box.right) - std::ceil(box.left) + 1;
  const double height = std::floor(box.bottom) - std::ceil(box.top) + 1;
  if (!(width >= 1 && height >= 1)) return;
  // One bit per cell of the box; cells grow past a pixel only on huge devices.
  int cell = 1;
  while ((width / cell) * (height / cell) > 16e6) cell *= 2;
  const size_t columns = static_cast<size_t>(width / cell) + 1;
  const size_t rows = static_cast<size_t>(height / cell) + 1;
  std::vector<bool> seen(columns * rows, false);
  const size_t n = std::min(series.xSize, series.ySize);
  for (size_t i = 0; i < n; ++i) {
    const double x = series.x[i], y = series.y[i];
    if (IsNaN(x) || IsNaN(y) || (mapX.logarithmic() && !(x > 0)) || (mapY.logarithmic() && !(y > 0))) continue;
    const double px = mapX.Approximate(x), py = mapY.Approximate(y);
    if (!(px >= box.left && px <= box.right && py >= box.top && py <= box.bottom)) continue;
    const PixelPoint p{static_cast<int32_t>(FloorToInt(px + 0.5)), static_cast<int32_t>(FloorToInt(py + 0.5))};
    const double cx = (p.x - std::ceil(box.left)) / cell, cy = (p.y - std::ceil(box.top)) / cell;
    if (cx < 0 || cy < 0) continue;
    const size_t index = static_cast<size_t>(cy) * columns + static_cast<size_t>(cx);
    if (index >= seen.size() || seen[index]) continue;
    seen[index] = true;
    out.push_back(p);
  }
}

void ClipPolygon(const std::vector<DoublePoint>& polygon, const PixelBox& box, PixelPaths& out) {
  if (polygon.size() < 3) return;
  std::vector<DoublePoint> current = polygon, next;
  // The four half-planes: inside test and the crossing point of an edge with the boundary.
  for (int side = 0; side < 4 && !current.empty(); ++side) {
    auto inside = [&](const DoublePoint& p) {
      switch (side) {
        case 0: return p.x >= box.left;
        case 1: return p.x <= box.right;
        case 2: return p.y >= box.top;
        default: return p.y <= box.bottom;
      }
    };
    auto cross = [&](const DoublePoint& a, const DoublePoint& b) {
      const double bound = side == 0 ? box.left : side == 1 ? box.right : side == 2 ? box.top : box.bottom;
      if (side < 2) {
        const double t = (bound - a.x) / (b.x - a.x);
        return DoublePoint{bound, a.y + t * (b.y - a.y)};
      }
      const double t = (bound - a.y) / (b.y - a.y);
      return DoublePoint{a.x + t * (b.x - a.x), bound};
    };
    next.clear();
    for (size_t i = 0; i < current.size(); ++i) {
      const DoublePoint& a = current[(i + current.size() - 1) % current.size()];
      const DoublePoint& b = current[i];
      const bool aIn = inside(a), bIn = inside(b);
      if (bIn) {
        if (!aIn) next.push_back(cross(a, b));
        next.push_back(b);
      } else if (aIn) {
        next.push_back(cross(a, b));
      }
    }
    current.swap(next);
  }
  if (current.size() < 3) return;
  PathWriter writer(out);
  writer.Begin();
  for (const DoublePoint& p : current) writer.Add(p.x, p.y);
  writer.End();
  if (!out.counts.empty() && out.counts.back() < 3 &&
      out.points.size() >= static_cast<size_t>(out.counts.back())) {
    out.points.resize(out.points.size() - static_cast<size_t>(out.counts.back()));
    out.counts.pop_back();
  }
}

namespace {

// Gathers one run of a band, reduced per pixel column to the first and last X of the column
// and the lowest and highest edge value in it (values, mapped when the column ends).
class BandReducer {
 public:
  BandReducer(const double* x, const PixelMap& mapX, const PixelMap& mapY, std::vector<DoublePoint>& top,
              std::vector<DoublePoint>& bottom)
      : x_(x), mapX_(mapX), mapY_(mapY), top_(top), bottom_(bottom) {}
  void Add(int64_t column, size_t index, double low, double high) {
    if (open_ && column == column_) {
      last_ = index;
      low_ = std::min(low_, low);
      high_ = std::max(high_, high);
      return;
    }
    Flush();
    open_ = true;
    column_ = column;
    first_ = last_ = index;
    low_ = low;
    high_ = high;
  }
  void Flush() {
    if (!open_) return;
    open_ = false;
    const double a = mapY_.MapOrStart(low_), b = mapY_.MapOrStart(high_);
    const double upper = std::min(a, b), lower = std::max(a, b);  // in pixels, upper is smaller
    for (size_t i : {first_, last_}) {
      const double px = mapX_(x_[i]);
      top_.push_back({px, upper});
      bottom_.push_back({px, lower});
      if (first_ == last_) break;
    }
  }

 private:
  const double* x_;
  const PixelMap& mapX_;
  const PixelMap& mapY_;
  std::vector<DoublePoint>& top_;
  std::vector<DoublePoint>& bottom_;
  bool open_ = false;
  int64_t column_ = 0;
  size_t first_ = 0, last_ = 0;
  double low_ = 0, high_ = 0;
};

}  // namespace

void TraceBand(const double* x, size_t xSize, const double* edgeA, size_t aSize,
               const double* edgeB, size_t bSize, size_t count, const PixelMap& mapX,
               const PixelMap& mapY, const PixelBox& box, PixelPaths& out) {
  std::vector<DoublePoint> top, bottom;
  BandReducer reducer(x, mapX, mapY, top, bottom);
  auto endRun = [&] {
    reducer.Flush();
    if (top.size() >= 2) {
      top.insert(top.end(), bottom.rbegin(), bottom.rend());
      ClipPolygon(top, box, out);
    }
    top.clear();
    bottom.clear();
  };
  const size_t n = std::min(count, std::min(xSize, std::min(aSize, bSize)));
  const bool logX = mapX.logarithmic();
  ColumnFinder column(mapX);
  for (size_t i = 0; i < n; ++i) {
    const double xi = x[i], a = edgeA[i], b = edgeB[i];
    if (IsNaN(xi) || IsNaN(a) || IsNaN(b) || (logX && !(xi > 0))) {
      endRun();
      continue;
    }
    reducer.Add(column(xi), i, std::min(a, b), std::max(a, b));
  }
  endRun();
}

}  // namespace chartcontrol
