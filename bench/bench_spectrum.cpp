// Times LoadSpectrumData of a 50 MB SpectrumFile and of a PlotFile of 255 curves against reading
// the same file twice line by line with fgets into a 256-byte buffer (the floor any two-pass
// line reader has), and prints both times and their ratio. Target: load <= 3 x fgets-twice.
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "plotter/spectrum/core/SpectrumLoad.h"

using namespace spectrum;

namespace {

constexpr int kRuns = 7;

std::string MakeSpectrumFile(const std::filesystem::path& folder, std::size_t targetBytes) {
  const std::string path = (folder / "bench.flu").string();
  std::FILE* out = std::fopen(path.c_str(), "wb");
  const std::size_t lineBytes = 42;  // " %13.6E %13.6E %13.6E\n"
  const long bins = static_cast<long>(targetBytes / lineBytes);
  std::fprintf(out, " Neutron fluence, region 1\n 1 1 0\n 1 0 %ld %13.6E\n", bins, 2.0e7);
  std::mt19937 random(1);
  std::uniform_real_distribution<double> value(1e-12, 1e3);
  for (long i = 0; i <= bins; ++i) {
    const double edge = 1e-5 * std::pow(2e12, static_cast<double>(i) / static_cast<double>(bins));
    std::fprintf(out, " %13.6E %13.6E %13.6E\n", edge, value(random), 0.01 * value(random));
  }
  std::fclose(out);
  return path;
}

std::string MakePlotFile(const std::filesystem::path& folder, int curves, int points) {
  const std::string path = (folder / "bench.plo").string();
  std::FILE* out = std::fopen(path.c_str(), "wb");
  std::mt19937 random(2);
  std::uniform_real_distribution<double> value(1e-9, 1e6);
  for (int c = 0; c < curves; ++c) {
    std::fprintf(out, "%5d%5d%5d%5d\n%5d%5d%5d\n%-20s%-20s%-20s%-20s\n", points, c % 4 == 0 ? c / 4 + 1 : 0,
                 c % 3 == 0 ? 3 : 1, 0, 0, 0, 1, ("curve " + std::to_string(c)).c_str(), "Benchmark plot",
                 "Energy (MeV)", "Counts");
    for (int k = 0; k < 3 * points; ++k) {
      std::fprintf(out, " %10.4E", k < points ? 1e-3 * (k + 1) : value(random));
      if (k % 7 == 6 || k == 3 * points - 1) std::fputc('\n', out);
    }
  }
  std::fclose(out);
  return path;
}

double Seconds(const std::chrono::steady_clock::time_point& start) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

double Median(std::vector<double> times) {
  std::sort(times.begin(), times.end());
  return times[times.size() / 2];
}

// Two passes of fgets over the file, as a two-pass reader of the C library would read it.
long FgetsTwice(const std::string& path) {
  long lines = 0;
  char buffer[256];
  for (int pass = 0; pass < 2; ++pass) {
    std::FILE* in = std::fopen(path.c_str(), "r");
    while (std::fgets(buffer, sizeof buffer, in) != nullptr) ++lines;
    std::fclose(in);
  }
  return lines;
}

// Load and fgets-twice runs alternate, so that a busy machine slows both alike.
bool Compare(const char* name, const std::string& path) {
  SpectrumSet set;
  bool loaded = true;
  long lines = 0;
  std::vector<double> loadTimes;
  std::vector<double> fgetsTimes;
  for (int run = 0; run < kRuns; ++run) {
    auto start = std::chrono::steady_clock::now();
    SpectrumSet fresh;
    loaded = loaded && LoadSpectrumData(path, fresh) == LoadOutcome::Loaded;
    loadTimes.push_back(Seconds(start));
    set = std::move(fresh);
    start = std::chrono::steady_clock::now();
    lines += FgetsTwice(path);
    fgetsTimes.push_back(Seconds(start));
  }
  const double load = Median(loadTimes);
  const double fgets = Median(fgetsTimes);
  const double ratio = load / fgets;
  std::printf("%-13s %5.1f MB  %8ld lines  blocks %3d  points %8d  load %6.1f ms  fgets twice %6.1f ms  ratio %.2f %s\n",
              name, static_cast<double>(std::filesystem::file_size(path)) / 1e6, lines / (2 * kRuns),
              set.blockCount, set.maxPoints, load * 1e3, fgets * 1e3, ratio,
              ratio <= 3.0 ? "(ok)" : "(OVER TARGET 3.0)");
  return loaded && ratio <= 3.0;
}

}  // namespace

int main() {
  const std::filesystem::path folder =
      std::filesystem::temp_directory_path() / ("bench_spectrum_" + std::to_string(std::random_device()()));
  std::filesystem::create_directories(folder);
  const std::string spectrum = MakeSpectrumFile(folder, 50u * 1000 * 1000);
  const std::string plot = MakePlotFile(folder, 255, 4000);
  std::printf("median of %d runs each\n", kRuns);
  const bool spectrumOk = Compare("SpectrumFile", spectrum);
  const bool plotOk = Compare("PlotFile", plot);
  std::filesystem::remove_all(folder);
  return spectrumOk && plotOk ? 0 : 1;
}
