#include "plotter/app/core/ClockText.h"

#include <cstdio>

namespace plotter {

namespace {
// Appends `value` in `format`, or in `paddedFormat` (a leading zero) below 10.
void AppendField(std::string& out, int value, const char* format, const char* paddedFormat) {
  char field[32];
  std::snprintf(field, sizeof field, value < 10 ? paddedFormat : format, value);
  out += field;
}
}  // namespace

std::string FormatClockLine(const ClockReading& now) {
  std::string time;
  AppendField(time, now.hour, " %i:", " 0%i:");
  AppendField(time, now.minute, "%i:", "0%i:");
  AppendField(time, now.second, "%i", "0%i");
  time += ' ';

  std::string date;
  AppendField(date, now.day, " %i.", " 0%i.");
  AppendField(date, now.month, "%i.", "0%i.");
  AppendField(date, now.year, "%i", "%i");
  date += ' ';

  return date + " " + time;
}

}  // namespace plotter
