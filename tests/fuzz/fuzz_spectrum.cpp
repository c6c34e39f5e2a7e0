// Loads any bytes as each of the three grammars into a set that already holds a file, then reads
// them once more as an overlay of it, and checks the set's invariants after every step.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include <unistd.h>

#include "plotter/spectrum/core/SpectrumLoad.h"
#include "plotter/spectrum/core/SpectrumReader.h"

using namespace spectrum;

namespace {

#define CHECK(condition)                                                  \
  do {                                                                    \
    if (!(condition)) {                                                   \
      std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #condition); \
      std::abort();                                                       \
    }                                                                     \
  } while (false)

std::filesystem::path Folder() {
  static const std::filesystem::path folder = [] {
    std::filesystem::path path = std::filesystem::temp_directory_path() /
                                 ("fuzz_spectrum_" + std::to_string(static_cast<long>(::getpid())));
    std::filesystem::create_directories(path);
    return path;
  }();
  return folder;
}

std::string WriteFile(const std::string& name, const uint8_t* data, std::size_t size) {
  const std::string path = (Folder() / name).string();
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  return path;
}

// A set holding a small file of `extension`'s kind, made once.
const SpectrumSet& LoadedSet(const std::string& extension) {
  static SpectrumSet sets[3];
  static bool made = false;
  if (!made) {
    const char* texts[3] = {"1\n2\n3\n4\n",
                            "2 1 0 0\n0 0 1\nlabel\n1 2 3 4 5 6\n",
                            "t\n1 0 0\n2 0 2 9\n1 1\n4 2\n9 0\n"};
    const char* names[3] = {"prior.dat", "prior.plo", "prior.flu"};
    for (int i = 0; i < 3; ++i) {
      const std::string path = WriteFile(names[i], reinterpret_cast<const uint8_t*>(texts[i]),
                                         std::char_traits<char>::length(texts[i]));
      CHECK(LoadSpectrumData(path, sets[i]) == LoadOutcome::Loaded);
    }
    made = true;
  }
  return sets[extension == ".dat" ? 0 : extension == ".plo" ? 1 : 2];
}

void CheckInvariants(const SpectrumSet& set) {
  CHECK(set.fileKind >= SpectrumFile && set.fileKind <= ChannelFile);
  CHECK(set.blockCount >= 1 && set.blockCount <= set.ArrayBlockSlots());
  CHECK(set.blockCount <= kMaxPlotBlocks && set.blockCount <= kPointCountEntries);
  CHECK(static_cast<int>(set.blocks.size()) >= set.TextBlockSlots());
  CHECK(static_cast<int>(set.blocks.size()) <= kMaxTextBlocks);
  CHECK(set.maxPoints >= 0 && set.maxPoints <= kMaxBlockPoints);
  CHECK(set.currentPlotNumber == 1);
  CHECK(set.plotCount >= 0 && set.plotCount <= set.blockCount);
  const std::size_t capacity = static_cast<std::size_t>(set.BlockCapacity());
  const int lastIndex = set.fileKind == PlotFile ? set.blockCount - 1 : set.overlayCount;
  for (int i = 0; i <= lastIndex; ++i) CHECK(set.HasBlock(i));
  for (std::size_t i = 0; i < set.blocks.size(); ++i) {
    const SpectrumBlock& block = set.blocks[i];
    for (const std::string* text : {&block.title, &block.curveLabel, &block.axisLabelX, &block.axisLabelY}) {
      CHECK(text->size() <= static_cast<std::size_t>(kMaxTextLength));
    }
    if (!block.allocated) continue;
    CHECK(static_cast<int>(i) < set.ArrayBlockSlots());
    CHECK(block.xValues.size() == capacity && block.yValues.size() == capacity);
    CHECK(block.uncertainty.size() == (set.fileKind == PlotFile ? capacity : 0));
    const int points = set.pointCount[i];
    CHECK(points >= 0);
    CHECK(static_cast<std::size_t>(points) + (set.fileKind == SpectrumFile ? 1 : 0) <= capacity);
    if (set.fileKind == ChannelFile) {
      // Nothing is converted: every value comes straight from the number reader.
      for (int k = 0; k < points; ++k) CHECK(!std::isnan(block.yValues[k]) && block.xValues[k] == k);
    }
  }
  for (int i = set.blockCount; i < set.ArrayBlockSlots() && set.fileKind == PlotFile; ++i) {
    CHECK(set.pointCount[i] == 0);
  }
}

// Reads the file at `path` into `target` as its first overlay would be read.
void ReadAsOverlay(SpectrumSet& target, const std::string& path) {
  target.overlayCount = 1;
  ReaderState state;
  CHECK(state.file.Open(path));
  state.readPass = true;
  const BlockResult result = ReadBlock(target, state);
  CHECK(result != BlockResult::NoStorage);
  if (result == BlockResult::Read) ConvertOverlayBlock(target, 1);
  CheckInvariants(target);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  for (const std::string extension : {".dat", ".plo", ".flu"}) {
    SpectrumSet set = LoadedSet(extension);
    const std::string path = WriteFile("input" + extension, data, size);
    const LoadOutcome outcome = LoadSpectrumData(path, set);
    CHECK(outcome == LoadOutcome::Loaded || outcome == LoadOutcome::NoBlock);
    if (outcome != LoadOutcome::Loaded) {
      const SpectrumSet& prior = LoadedSet(extension);
      CHECK(set.filePath == prior.filePath && set.blockCount == prior.blockCount);
      CHECK(set.pointCount == prior.pointCount && set.blocks[0].yValues == prior.blocks[0].yValues);
      continue;
    }
    CheckInvariants(set);
    if (set.fileKind == PlotFile) continue;

    // The same bytes as an overlay of the file just loaded, and of a prior file of that grammar.
    ReadAsOverlay(set, path);
    SpectrumSet prior = LoadedSet(extension);
    if (prior.fileKind != PlotFile) ReadAsOverlay(prior, path);
  }
  return 0;
}
