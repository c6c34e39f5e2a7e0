// Times the line-end conversion of 10 MB texts (detection, to memory and back to disk) against
// one copy of the same text, the floor of any pass over it, and against the same conversion of a
// text twice as long (a linear pass takes about twice the time, a quadratic one four times).
// Prints the medians of 9 runs.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "editor/app/core/LineEnds.h"

using namespace editor;

namespace {

constexpr int kRuns = 9;
constexpr std::size_t kTextBytes = 10 * 1024 * 1024;

// Lines of 1 to 120 printable characters ending in `lineEnd`.
std::string MakeText(std::size_t bytes, const char* lineEnd) {
  std::mt19937 random(7);
  std::uniform_int_distribution<int> length(1, 120), letter(32, 126);
  std::string text;
  text.reserve(bytes + 128);
  while (text.size() < bytes) {
    for (int n = length(random); n > 0; --n) text += static_cast<char>(letter(random));
    text += lineEnd;
  }
  return text;
}

double Seconds(const std::chrono::steady_clock::time_point& start) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

double Median(std::vector<double> times) {
  std::sort(times.begin(), times.end());
  return times[times.size() / 2];
}

struct Timing {
  double detect, toMemory, toDisk;
};

// One read (detect, to memory) and one save (to disk) of the text.
Timing Convert(const std::string& disk, bool* exact) {
  std::string text = disk;
  auto start = std::chrono::steady_clock::now();
  const int type = DetectLineEnds(text);
  const double detect = Seconds(start);
  start = std::chrono::steady_clock::now();
  ToMemoryLineEnds(text, type);
  const double toMemory = Seconds(start);
  start = std::chrono::steady_clock::now();
  ToDiskLineEnds(text, type);
  const double toDisk = Seconds(start);
  *exact = *exact && text == disk;
  return {detect, toMemory, toDisk};
}

double CopyOnce(const std::string& text) {
  const auto start = std::chrono::steady_clock::now();
  std::string copy = text;
  const double seconds = Seconds(start);
  if (copy.size() != text.size()) std::puts("copy failed");
  return seconds;
}

}  // namespace

int main() {
  std::printf("%-10s %8s %10s %10s %10s %10s %14s\n", "text", "MB", "detect", "to memory", "to disk", "copy",
              "20 MB / 10 MB");
  const struct {
    const char* name;
    const char* lineEnd;
  } kinds[] = {{"Unix", "\n"}, {"Macintosh", "\r"}, {"Windows", "\r\n"}};
  bool exact = true;
  for (const auto& kind : kinds) {
    const std::string big = MakeText(kTextBytes, kind.lineEnd);
    const std::string twice = big + big;
    std::vector<double> detect, toMemory, toDisk, copy, whole, doubled;
    for (int run = 0; run < kRuns; ++run) {
      const Timing t = Convert(big, &exact);
      const Timing d = Convert(twice, &exact);
      detect.push_back(t.detect);
      toMemory.push_back(t.toMemory);
      toDisk.push_back(t.toDisk);
      whole.push_back(t.detect + t.toMemory + t.toDisk);
      doubled.push_back(d.detect + d.toMemory + d.toDisk);
      copy.push_back(CopyOnce(big));
    }
    std::printf("%-10s %8.1f %8.2f ms %7.2f ms %7.2f ms %7.2f ms %14.2f\n", kind.name, big.size() / 1048576.0,
                1e3 * Median(detect), 1e3 * Median(toMemory), 1e3 * Median(toDisk), 1e3 * Median(copy),
                Median(doubled) / Median(whole));
  }
  std::printf("round trips exact: %s\n", exact ? "yes" : "NO");
  return exact ? 0 : 1;
}
