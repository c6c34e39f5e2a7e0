#include "chartcontrol/core/AxisTicks.h"

#include <algorithm>
#include <cmath>

#include "chartcontrol/core/TickLabels.h"

namespace chartcontrol {

namespace {

constexpr int kExponentMode = 9;
constexpr double kMinorMinPx = 5.0;     // closer minor ticks are left out
constexpr double kDecadeMinorPx = 24.0;  // a decade needs this much room for its 2..9 ticks
constexpr double kPlainLogLow = 1e-6;   // plain log labels outside this range take exponents
constexpr double kPlainLogHigh = 1e9;

int MaxIntervals(const TickOptions& options) {
  const double spacing = std::max(options.labelSpacingPx, 1.0);
  const double fit = std::floor(std::max(options.lengthPx, 0.0) / spacing);
  return static_cast<int>(std::min(std::max(fit, 1.0), static_cast<double>(kMaxLabelIntervals)));
}

bool Collide(const std::vector<Tick>& ticks) {
  const std::string* previous = nullptr;
  for (const Tick& t : ticks) {
    if (!t.major) continue;
    if (previous && *previous == t.label) return true;
    previous = &t.label;
  }
  return false;
}

void LabelLinear(std::vector<Tick>& ticks, double labelStep, const AxisScale& scale,
                 const TickLabelStyle& style) {
  const int last = LastDigitExponent(labelStep);
  const double magnitude = std::max(std::fabs(scale.lower()), std::fabs(scale.upper()));
  const int needed = std::max(0, -last);
  const bool exponent =
      style.mode == kExponentMode || magnitude >= kPlainLimit || needed > kMaxPlainDecimals;
  if (exponent) {
    for (Tick& t : ticks)
      if (t.major) t.label = FormatExponent(t.value, SignificantDigits(t.value, last));
    return;
  }
  int decimals = style.digitsAutomatic ? needed : std::min(std::max(style.digits, 0), kMaxPlainDecimals);
  for (Tick& t : ticks)
    if (t.major) t.label = FormatPlain(t.value, decimals);
  // Fixed decimals that would show two ticks alike give way to the decimals the step needs.
  if (decimals < needed && Collide(ticks)) {
    decimals = needed;
    for (Tick& t : ticks)
      if (t.major) t.label = FormatPlain(t.value, decimals);
  }
}

// Ticks at multiples of `fine` between the axis ends; every `ratio`-th is a labelled one.
std::vector<Tick> LinearTicks(const AxisScale& scale, double lower, double upper, double fine,
                              double ratio, bool gridOnMinor) {
  std::vector<Tick> ticks;
  const double first = std::ceil(lower / fine - 1e-9);
  const double last = std::floor(upper / fine + 1e-9);
  if (!(last - first < static_cast<double>(kMaxTicks))) return ticks;
  for (double k = first; k <= last && ticks.size() < kMaxTicks; k += 1.0) {
    Tick t;
    t.value = k * fine;
    if (std::fabs(t.value) < fine * 1e-6) t.value = 0.0;
    t.fraction = scale.Fraction(t.value);
    t.major = std::fmod(std::fabs(k), ratio) == 0.0;
    t.grid = t.major || gridOnMinor;
    ticks.push_back(std::move(t));
  }
  return ticks;
}

double MinorDivisions(double step) {
  const double mantissa = step / PowerOfTen(static_cast<int>(std::floor(std::log10(step))));
  return std::fabs(mantissa - 2.0) < 1e-6 ? 4.0 : 5.0;
}

std::vector<Tick> LinearAxisTicks(const AxisScale& scale, const TickOptions& options,
                                  double lower, double upper) {
  const double span = upper - lower;
  const double pxPerValue = options.lengthPx / span;
  double labelStep = NiceStepAtLeast(span / MaxIntervals(options));
  std::vector<Tick> ticks;
  const double spacing = options.grid.spacing;
  if (!options.grid.automatic && spacing > 0 && std::isfinite(spacing) && span / spacing <= 200.0) {
    // Grid lines at the given spacing, labels on the multiples of it that have room.
    const double ratio = std::max(1.0, std::ceil(labelStep / spacing - 1e-9));
    labelStep = spacing * ratio;
    ticks = LinearTicks(scale, lower, upper, spacing, ratio, true);
  } else {
    const double divisions = MinorDivisions(labelStep);
    const double minor = labelStep / divisions;
    if (minor * pxPerValue >= kMinorMinPx)
      ticks = LinearTicks(scale, lower, upper, minor, divisions, false);
    else
      ticks = LinearTicks(scale, lower, upper, labelStep, 1.0, false);
  }
  LabelLinear(ticks, labelStep, scale, options.labels);
  return ticks;
}

std::string LogLabel(double value, int exponent, int mode) {
  if (mode == kExponentMode || value < kPlainLogLow || value >= kPlainLogHigh)
    return FormatExponent(value, 1);
  return FormatPlain(value, std::max(0, -exponent));
}

std::vector<Tick> LogAxisTicks(const AxisScale& scale, const TickOptions& options) {
  const double lo = std::min(scale.spaceStart(), scale.spaceEnd());
  const double hi = std::max(scale.spaceStart(), scale.spaceEnd());
  const bool subdivisionGrid = !options.grid.automatic && options.grid.spacing > 0 &&
                               options.grid.spacing < 1.0;
  const double pxPerDecade = options.lengthPx / (hi - lo);
  const int maxLabels = MaxIntervals(options) + 1;
  const double firstDecade = std::ceil(lo - 1e-9);
  const double lastDecade = std::floor(hi + 1e-9);
  const double decadesInside = lastDecade - firstDecade + 1;
  std::vector<Tick> ticks;

  if (decadesInside >= 2) {
    static const int kStrides[] = {1, 2, 3, 5, 10, 20, 25, 50, 100, 200, 250, 500, 1000};
    int stride = kStrides[0];
    for (int s : kStrides) {
      stride = s;
      if (std::ceil(decadesInside / s) <= maxLabels) break;
    }
    const bool minors = stride == 1 && pxPerDecade >= kDecadeMinorPx;
    for (double d = std::floor(lo); d <= std::ceil(hi) && ticks.size() < kMaxTicks; d += 1.0) {
      for (int m = 1; m <= (minors ? 9 : 1); ++m) {
        const double space = d + std::log10(static_cast<double>(m));
        if (space < lo - 1e-9 || space > hi + 1e-9) continue;
        Tick t;
        t.value = m * PowerOfTen(static_cast<int>(d));
        t.fraction = (space - scale.spaceStart()) / (scale.spaceEnd() - scale.spaceStart());
        t.major = m == 1 && std::fmod(std::fabs(d), stride) == 0.0;
        t.grid = t.major || subdivisionGrid;
        if (t.major) t.label = LogLabel(t.value, static_cast<int>(d), options.labels.mode);
        ticks.push_back(std::move(t));
      }
    }
    return ticks;
  }

  // Less than two decades: label 1..9 times a power of ten, thinned to 1, 2, 5 or 1 alone.
  struct Candidate {
    double value, space;
    int mantissa, exponent;
  };
  std::vector<Candidate> candidates;
  for (double d = std::floor(lo); d <= std::ceil(hi); d += 1.0)
    for (int m = 1; m <= 9; ++m) {
      const double space = d + std::log10(static_cast<double>(m));
      if (space >= lo - 1e-9 && space <= hi + 1e-9)
        candidates.push_back({m * PowerOfTen(static_cast<int>(d)), space, m, static_cast<int>(d)});
    }
  auto labelled = [&](const Candidate& c, int level) {
    return level == 0 || (level == 1 ? (c.mantissa == 1 || c.mantissa == 2 || c.mantissa == 5)
                                     : c.mantissa == 1);
  };
  for (int level = 0; level < 3; ++level) {
    const auto count = std::count_if(candidates.begin(), candidates.end(),
                                     [&](const Candidate& c) { return labelled(c, level); });
    if (count > maxLabels) continue;
    if (count < 2) break;
    for (const Candidate& c : candidates) {
      Tick t;
      t.value = c.value;
      t.fraction = (c.space - scale.spaceStart()) / (scale.spaceEnd() - scale.spaceStart());
      t.major = labelled(c, level);
      t.grid = t.major || subdivisionGrid;
      if (t.major) t.label = LogLabel(c.value, c.exponent, options.labels.mode);
      ticks.push_back(std::move(t));
    }
    return ticks;
  }
  // Too narrow for whole mantissas: linear steps within the range, placed logarithmically.
  TickOptions linear = options;
  linear.grid.automatic = true;
  return LinearAxisTicks(scale, linear, std::pow(10.0, lo), std::pow(10.0, hi));
}

}  // namespace

double NiceStepAtLeast(double raw) {
  if (!(raw > 0) || !std::isfinite(raw)) return 1.0;
  const double base = PowerOfTen(static_cast<int>(std::floor(std::log10(raw))));
  const double mantissa = raw / base;
  const double nice = mantissa <= 1.0 + 1e-9 ? 1.0 : mantissa <= 2.0 + 1e-9 ? 2.0
                      : mantissa <= 5.0 + 1e-9 ? 5.0 : 10.0;
  return nice * base;
}

std::vector<Tick> MakeTicks(const AxisScale& scale, const TickOptions& options) {
  if (scale.logarithmic()) return LogAxisTicks(scale, options);
  return LinearAxisTicks(scale, options, scale.lower(), scale.upper());
}

}  // namespace chartcontrol
