#include "chartcontrol/core/SeriesData.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace chartcontrol {

namespace {
constexpr double kUnwritten = std::numeric_limits<double>::quiet_NaN();

void Truncate(std::vector<double>& values, int32_t count) {
  if (values.size() > static_cast<size_t>(count)) values.resize(static_cast<size_t>(count));
}
}  // namespace

void SeriesData::SetLayoutCode(int32_t code) {
  const bool wasShared = SharesX();
  layout_ = code;
  if (SharesX() && !wasShared) {
    // Series 1 now speaks for all: its count becomes everyone's.
    SetPointCount(1, series_.empty() ? 0 : series_.front().count);
  } else if (!SharesX() && wasShared) {
    for (Series& s : series_) s.count = sharedCount_;
  }
}

bool SeriesData::SetSeriesCount(int32_t count) {
  if (count < 0 || count > kMaxSeries) return false;
  series_.resize(static_cast<size_t>(count));
  for (Series& s : series_)
    if (SharesX()) s.count = sharedCount_;
  labels_.erase(labels_.upper_bound(count), labels_.end());
  return true;
}

int32_t SeriesData::CountOf(int32_t series) const {
  return SharesX() ? sharedCount_ : series_[static_cast<size_t>(series - 1)].count;
}

int32_t SeriesData::PointCount(int32_t series) const {
  return ValidSeries(series) ? CountOf(series) : 0;
}

bool SeriesData::SetPointCount(int32_t series, int32_t count) {
  if (!ValidSeries(series) || count < 0 || count > kMaxPoints) return false;
  if (SharesX()) {
    sharedCount_ = count;
    for (Series& s : series_) {
      s.count = count;
      Truncate(s.x, count);
      Truncate(s.y, count);
    }
  } else {
    Series& s = series_[static_cast<size_t>(series - 1)];
    s.count = count;
    Truncate(s.x, count);
    Truncate(s.y, count);
  }
  return true;
}

bool SeriesData::Store(std::vector<double>& values, int32_t count, int32_t point, double value) {
  if (point < 1 || point > count) return false;
  if (values.size() < static_cast<size_t>(count)) values.resize(static_cast<size_t>(count), kUnwritten);
  values[static_cast<size_t>(point - 1)] = value;
  return true;
}

double SeriesData::Read(const std::vector<double>& values, int32_t point) {
  if (point < 1 || static_cast<size_t>(point) > values.size()) return kUnwritten;
  return values[static_cast<size_t>(point - 1)];
}

bool SeriesData::SetX(int32_t series, int32_t point, double value) {
  if (!ValidSeries(series)) return false;
  // Under the shared layout only series 1 holds X values; writes to others are taken as its.
  const int32_t owner = SharesX() ? 1 : series;
  return Store(series_[static_cast<size_t>(owner - 1)].x, CountOf(owner), point, value);
}

bool SeriesData::SetY(int32_t series, int32_t point, double value) {
  if (!ValidSeries(series)) return false;
  return Store(series_[static_cast<size_t>(series - 1)].y, CountOf(series), point, value);
}

double SeriesData::X(int32_t series, int32_t point) const {
  if (!ValidSeries(series) || point > CountOf(series)) return kUnwritten;
  return Read(series_[static_cast<size_t>((SharesX() ? 1 : series) - 1)].x, point);
}

double SeriesData::Y(int32_t series, int32_t point) const {
  if (!ValidSeries(series) || point > CountOf(series)) return kUnwritten;
  return Read(series_[static_cast<size_t>(series - 1)].y, point);
}

bool SeriesData::IsWritten(int32_t series, int32_t point) const {
  return !std::isnan(Y(series, point));
}

SeriesData::View SeriesData::SeriesView(int32_t series) const {
  View view;
  if (!ValidSeries(series)) return view;
  const Series& own = series_[static_cast<size_t>(series - 1)];
  const Series& xOwner = SharesX() ? series_.front() : own;
  view.count = static_cast<size_t>(CountOf(series));
  view.x = xOwner.x.data();
  view.xSize = std::min(xOwner.x.size(), view.count);
  view.y = own.y.data();
  view.ySize = std::min(own.y.size(), view.count);
  return view;
}

bool SeriesData::HasDrawablePoint(int32_t series) const {
  const View v = SeriesView(series);
  const size_t n = std::min(v.xSize, v.ySize);
  for (size_t i = 0; i < n; ++i)
    if (std::isfinite(v.x[i]) && std::isfinite(v.y[i])) return true;
  return false;
}

bool SeriesData::SetLabel(int32_t series, const std::string& text) {
  if (series < 1 || series > kMaxSeries) return false;
  labels_[series] = text;
  return true;
}

const std::string* SeriesData::Label(int32_t series) const {
  auto it = labels_.find(series);
  return it == labels_.end() ? nullptr : &it->second;
}

}  // namespace chartcontrol
