// The point values and legend texts of one series group.
//
// Counts make slots; a slot holds NaN until a value is written to it and unwritten slots are
// never drawn. Under layout code 1 the X values and the point count of series 1 are shared by
// every series of the group. Value arrays are allocated on the first write to a series, so a
// group with many series and long counts costs memory only for what is written.
#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace chartcontrol {

class SeriesData {
 public:
  static constexpr int32_t kMaxSeries = 4096;
  static constexpr int32_t kMaxPoints = 1 << 26;
  static constexpr int32_t kSharedLayout = 1;

  // The values of one series as the renderer reads them. The arrays may be shorter than
  // `count` (or null): the missing slots are unwritten.
  struct View {
    const double* x = nullptr;
    size_t xSize = 0;
    const double* y = nullptr;
    size_t ySize = 0;
    size_t count = 0;
  };

  int32_t layoutCode() const { return layout_; }
  void SetLayoutCode(int32_t code);
  bool SharesX() const { return layout_ == kSharedLayout; }

  int32_t seriesCount() const { return static_cast<int32_t>(series_.size()); }
  // Lowering the count drops the series beyond it with their values and legend texts.
  bool SetSeriesCount(int32_t count);

  // Indexes count from 1. Out-of-range indexes give 0 / NaN and make the setters fail.
  int32_t PointCount(int32_t series) const;
  // Under the shared layout any series sets the count of all. Lowering drops the slots.
  bool SetPointCount(int32_t series, int32_t count);
  bool SetX(int32_t series, int32_t point, double value);
  bool SetY(int32_t series, int32_t point, double value);
  double X(int32_t series, int32_t point) const;
  double Y(int32_t series, int32_t point) const;
  // True when `point` of `series` has a value written to it (NaN counts as unwritten).
  bool IsWritten(int32_t series, int32_t point) const;

  View SeriesView(int32_t series) const;
  // True when the series has at least one point with both values written.
  bool HasDrawablePoint(int32_t series) const;

  // Legend texts may be given to series beyond the count (they appear when it is raised) and
  // go when the count is lowered below their series.
  bool SetLabel(int32_t series, const std::string& text);
  const std::string* Label(int32_t series) const;
  int32_t LabelCount() const { return static_cast<int32_t>(labels_.size()); }
  void ClearLabels() { labels_.clear(); }

 private:
  struct Series {
    std::vector<double> x;
    std::vector<double> y;
    int32_t count = 0;
  };
  bool ValidSeries(int32_t series) const { return series >= 1 && series <= seriesCount(); }
  int32_t CountOf(int32_t series) const;
  static bool Store(std::vector<double>& values, int32_t count, int32_t point, double value);
  static double Read(const std::vector<double>& values, int32_t point);

  int32_t layout_ = kSharedLayout;
  int32_t sharedCount_ = 0;
  std::vector<Series> series_ = std::vector<Series>(1);
  std::map<int32_t, std::string> labels_;
};

}  // namespace chartcontrol
