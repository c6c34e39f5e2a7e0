#include "plotter/spectrum/core/SpectrumReader.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstdlib>
#include <new>
#include <stdexcept>
#include <string_view>

#include "plotter/spectrum/core/TextScan.h"

namespace spectrum {

namespace {

constexpr std::size_t kSpectrumWordWidth = 25;  // "%25s%25s%25s"
constexpr std::size_t kPlotWordWidth = 11;      // seven "%11s"
constexpr int kPlotWords = 7;
constexpr std::size_t kPlotFieldWidth = 20;     // columns of each field of a PlotFile's third line

struct HeaderLines {
  std::string line[3];
};

bool ReadHeader(ReaderState& state, HeaderLines& header) {
  for (std::string& text : header.line) {
    std::string_view line;
    if (!state.file.ReadLine(line)) return false;
    text.assign(line.data(), line.size());
  }
  return true;
}

// Word `index` (from 0) of a header line split as sscanf("%s %s %s %s") splits it; empty if missing.
std::string_view HeaderWord(std::string_view line, int index) {
  std::string_view words[4];
  const int count = ScanWords(line, words, 4);
  return index < count ? words[index] : std::string_view();
}

std::string CutText(std::string_view text, std::size_t length) {
  const std::size_t keep = std::min<std::size_t>({text.size(), length, static_cast<std::size_t>(kMaxTextLength)});
  return std::string(text.substr(0, keep));
}

// Columns [first, first + width) of a line, clipped at its end.
std::string_view Columns(std::string_view line, std::size_t first, std::size_t width) {
  if (first >= line.size()) return std::string_view();
  return line.substr(first, width);
}

int Clamp64(std::int64_t value, std::int64_t low, std::int64_t high) {
  return static_cast<int>(std::max(low, std::min(value, high)));
}

BlockResult EndOfFile(ReaderState& state) {
  state.endOfFile = true;
  return BlockResult::EndOfFile;
}

// Makes the arrays of `index` unless they exist.
bool EnsureBlock(SpectrumSet& set, int index) {
  return set.HasBlock(index) || set.AllocateBlock(index);
}

// One spectrum: three header lines and N+1 data lines of bin edge X and value Y.
BlockResult ReadSpectrumBlock(SpectrumSet& set, ReaderState& state, const HeaderLines& header) {
  const std::string_view l3 = header.line[2];
  // N is bounded by what the rest of the file can hold: its N+1 data lines need at least N line
  // ends, so a larger N is clamped to the bytes left (and to kMaxBlockPoints); negative N is 0.
  const std::int64_t stated = ReadWholeNumber(HeaderWord(l3, 2));
  const std::int64_t bytesLeft = static_cast<std::int64_t>(
      std::min<std::uint64_t>(state.file.BytesLeft(), static_cast<std::uint64_t>(kMaxBlockPoints)));
  int points = Clamp64(stated, 0, bytesLeft);
  if (!state.readPass) {
    state.blockPoints = points;
    return BlockResult::Read;
  }

  const int index = set.overlayCount;
  if (!EnsureBlock(set, index)) return BlockResult::NoStorage;
  SpectrumBlock& block = set.blocks[static_cast<std::size_t>(index)];
  block.title = CutText(header.line[0], kSpectrumTitleLength);
  set.storedForm = ReadWholeNumber(HeaderWord(header.line[1], 0));
  set.energyUnit = ReadWholeNumber(HeaderWord(header.line[1], 1));
  const int lethargyCode = ReadWholeNumber(HeaderWord(l3, 0));
  if (lethargyCode == 1) set.lethargyRequested = false;
  if (lethargyCode == 2) set.lethargyRequested = true;
  set.upperEdge = ReadDecimal(HeaderWord(l3, 3));

  points = std::min(points, set.BlockCapacity() - 1);
  double* x = block.xValues.data();
  double* y = block.yValues.data();
  // Like sscanf into buffers that outlive the line: missing words keep the line before's numbers.
  double lastX = 0.0;
  double lastY = 0.0;
  int i = 0;
  for (; i <= points; ++i) {
    std::string_view line;
    if (!state.file.ReadLine(line)) break;
    double numbers[2];  // X and Y; the third word is not used
    const int count = ScanNumberWords(line, numbers, 2, kSpectrumWordWidth, false);
    if (count >= 1) lastX = numbers[0];
    if (count >= 2) lastY = numbers[1];
    x[i] = lastX;
    y[i] = lastY;
  }
  // An early end: the missing points, the upper edge line included, sit at the upper edge.
  for (; i <= points; ++i) {
    x[i] = set.upperEdge;
    y[i] = 0.0;
  }
  set.pointCount[static_cast<std::size_t>(index)] = points;
  state.blockPoints = points;
  return BlockResult::Read;
}

// The attributes a PlotFile block's first line gives, applied once the block is complete.
void ApplyPlotNumber(SpectrumSet& set, ReaderState& state, int index, int plotNumber) {
  if (plotNumber == 0) {
    ++state.childCount;
    SpectrumBlock& parent = set.blocks[static_cast<std::size_t>(state.parentBlock)];
    const std::int64_t code = std::llabs(static_cast<std::int64_t>(parent.plotNumber)) +
                              10 * static_cast<std::int64_t>(state.childCount);
    parent.plotCode = Clamp64(code, 0, INT_MAX);
    return;
  }
  SpectrumBlock& block = set.blocks[static_cast<std::size_t>(index)];
  set.lethargyRequested = plotNumber < 0;
  block.lethargyForm = plotNumber < 0;
  state.childCount = 0;
  state.parentBlock = index;
  block.plotCode = Clamp64(std::llabs(static_cast<std::int64_t>(plotNumber)), 0, INT_MAX);
}

// One curve: three header lines and 3N numbers on lines of up to seven words.
BlockResult ReadPlotBlock(SpectrumSet& set, ReaderState& state, const HeaderLines& header) {
  std::string_view l1Words[4];
  const int l1Count = ScanWords(header.line[0], l1Words, 4);
  auto l1 = [&](int k) { return k < l1Count ? ReadWholeNumber(l1Words[k]) : 0; };
  const int points = std::max(0, l1(0));
  const int plotNumber = l1(1);
  // A block this large could not be held; it is taken as cut short, like one that runs out of file.
  if (points > kMaxBlockPoints) return EndOfFile(state);
  const std::int64_t needed = 3 * static_cast<std::int64_t>(points);

  const int index = state.blockIndex;
  int kept = points;  // points stored: all of them unless the capacity is smaller
  double* raw = nullptr;
  if (state.readPass) {
    if (!EnsureBlock(set, index)) return BlockResult::NoStorage;
    kept = std::min(points, set.BlockCapacity());
    const std::size_t rawNeeded = 3 * static_cast<std::size_t>(set.BlockCapacity());
    if (set.rawValues.size() < rawNeeded) {
      set.rawValues.assign(rawNeeded, 0.0);  // may throw: ReadBlock answers NoStorage
    }
    raw = set.rawValues.data();
    SpectrumBlock& block = set.blocks[static_cast<std::size_t>(index)];
    block.plotNumber = plotNumber;
    block.dataKind = l1(2);
    block.legendMode = l1(3);
    block.lethargyForm = false;
    block.plotCode = 0;
    block.unitCode = ReadWholeNumber(HeaderWord(header.line[1], 2));
    const std::string_view l3 = header.line[2];
    block.curveLabel = CutText(Columns(l3, 0, kPlotFieldWidth), kPlotFieldWidth);
    block.title = " " + std::string(Columns(l3, kPlotFieldWidth, kPlotFieldWidth)) + " ";
    block.axisLabelX = CutText(Columns(l3, 2 * kPlotFieldWidth, kPlotFieldWidth), kPlotFieldWidth);
    block.axisLabelY = CutText(Columns(l3, 3 * kPlotFieldWidth, kPlotFieldWidth), kPlotFieldWidth);
  }

  // Number n of the block belongs to section n / N (X, Y, uncertainty) at point n % N; points
  // past what is kept are read and dropped. Numbers are moved a line's run at a time.
  std::int64_t got = 0;
  int section = 0;
  int point = 0;
  while (got < needed) {
    std::string_view line;
    if (!state.file.ReadLine(line)) return EndOfFile(state);
    double numbers[kPlotWords];
    const int count = ScanNumberWords(line, raw != nullptr ? numbers : nullptr, kPlotWords, kPlotWordWidth, true);
    const int take = static_cast<int>(std::min<std::int64_t>(count, needed - got));
    got += take;
    if (raw == nullptr) continue;
    for (int w = 0; w < take;) {
      const int run = std::min(take - w, points - point);  // numbers left in this section
      const int stored = std::min(run, kept - point);
      if (stored > 0) {
        std::copy(numbers + w, numbers + w + stored,
                  raw + static_cast<std::size_t>(section) * static_cast<std::size_t>(kept) + static_cast<std::size_t>(point));
      }
      w += run;
      point += run;
      if (point == points) {
        point = 0;
        ++section;
      }
    }
  }

  if (plotNumber != 0) ++set.plotCount;
  if (state.readPass) {
    ApplyPlotNumber(set, state, index, plotNumber);
    set.pointCount[static_cast<std::size_t>(index)] = kept;
  }
  state.blockPoints = kept;
  return BlockResult::Read;
}

// The whole file as one channel list: every line, the three header lines included, is a count.
BlockResult ReadChannelBlock(SpectrumSet& set, ReaderState& state, const HeaderLines& header) {
  if (!state.readPass) {
    std::int64_t lines = 3;
    std::string_view line;
    while (lines < kMaxBlockPoints && state.file.ReadLine(line)) ++lines;
    state.blockPoints = static_cast<int>(lines);
    return BlockResult::Read;
  }

  const int index = set.overlayCount;
  if (!EnsureBlock(set, index)) return BlockResult::NoStorage;
  SpectrumBlock& block = set.blocks[static_cast<std::size_t>(index)];
  block.title.clear();
  set.storedForm = 0;
  const int capacity = set.BlockCapacity();
  double* x = block.xValues.data();
  double* y = block.yValues.data();
  double count = 0.0;  // a line without words repeats the count before it
  int k = 0;
  auto take = [&](std::string_view line) {
    std::string_view word;
    if (ScanWords(line, &word, 1) == 1) count = ReadDecimal(word);
    x[k] = k;
    y[k] = count;
    ++k;
  };
  for (const std::string& line : header.line) {
    if (k < capacity) take(line);
  }
  std::string_view line;
  while (k < capacity && state.file.ReadLine(line)) take(line);
  set.pointCount[static_cast<std::size_t>(index)] = k;
  state.blockPoints = k;
  return BlockResult::Read;
}

}  // namespace

std::string FileNamePart(const std::string& path) {
  const std::size_t slash = path.rfind('\\');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string FileExtensionPart(const std::string& path) {
  const std::size_t dot = path.rfind('.');
  return dot == std::string::npos ? path : path.substr(dot);
}

bool DetectFileKind(SpectrumSet& set, ReaderState& state) {
  HeaderLines header;
  if (!ReadHeader(state, header)) {
    state.endOfFile = true;
    return state.file.Rewind();
  }
  const int first = ReadWholeNumber(HeaderWord(header.line[0], 0));
  const int third = ReadWholeNumber(HeaderWord(header.line[1], 2));
  if (set.fileExtension == ".dat") {
    set.fileKind = ChannelFile;
  } else if (set.fileExtension == ".plo" || first != 0 || third != 0) {
    set.fileKind = PlotFile;
  } else {
    set.fileKind = SpectrumFile;
  }
  return state.file.Rewind();
}

BlockResult ReadBlock(SpectrumSet& set, ReaderState& state) {
  try {
    HeaderLines header;
    if (!ReadHeader(state, header)) return EndOfFile(state);
    switch (set.fileKind) {
      case SpectrumFile:
        return ReadSpectrumBlock(set, state, header);
      case PlotFile:
        return ReadPlotBlock(set, state, header);
      case ChannelFile:
        return ReadChannelBlock(set, state, header);
      default:
        return EndOfFile(state);
    }
  } catch (const std::bad_alloc&) {  // texts and PlotFile scratch; block arrays check their own
    return BlockResult::NoStorage;
  } catch (const std::length_error&) {
    return BlockResult::NoStorage;
  }
}

int StoringBlockIndex(const SpectrumSet& set, const ReaderState& state) {
  return set.fileKind == PlotFile ? state.blockIndex : set.overlayCount;
}

namespace {

bool KnownForm(int storedForm) {
  return storedForm == PerEnergy || storedForm == PerBin || storedForm == Lethargy;
}

// A SpectrumFile block (main or overlay) brought from its stored form to the form its header
// asks for: a PerBin block divided by its bin widths, then F(E) and F(E)*E by binEnergy.
void ConvertStoredForm(SpectrumSet& set, int index) {
  SpectrumBlock& block = set.blocks[static_cast<std::size_t>(index)];
  const int n = set.pointCount[static_cast<std::size_t>(index)];
  if (n < 1 || static_cast<std::size_t>(n) >= block.xValues.size()) return;  // n bins need n + 1 edges
  const double* x = block.xValues.data();
  double* y = block.yValues.data();
  const bool lethargy = set.lethargyRequested;
  switch (set.storedForm) {
    case PerBin:
      for (int j = 0; j < n; ++j) DivideByWidth(x, y, j);
      [[fallthrough]];
    case PerEnergy:
      if (lethargy) ScaleByBinEnergy(set, index, n, true);
      break;
    case Lethargy:
      if (!lethargy) ScaleByBinEnergy(set, index, n, false);
      break;
    default:
      break;
  }
}

}  // namespace

void ConvertMainBlock(SpectrumSet& set, int index) {
  if (!set.HasBlock(index)) return;
  SpectrumBlock& block = set.blocks[static_cast<std::size_t>(index)];
  const int n = set.pointCount[static_cast<std::size_t>(index)];

  if (set.fileKind == SpectrumFile) {
    ConvertStoredForm(set, index);
    if (KnownForm(set.storedForm)) set.lethargyShown = set.lethargyRequested;
    block.lethargyValues = set.lethargyShown;
    return;
  }

  if (set.fileKind == PlotFile) {
    if (set.rawValues.size() < 3 * static_cast<std::size_t>(n) || block.uncertainty.size() < static_cast<std::size_t>(n)) return;
    const double* raw = set.rawValues.data();
    double* x = block.xValues.data();
    double* y = block.yValues.data();
    double* u = block.uncertainty.data();
    for (int k = 0; k < n; ++k) {
      x[k] = raw[k];
      y[k] = raw[n + k];
      u[k] = raw[2 * static_cast<std::size_t>(n) + k];
    }
    if (block.dataKind == 3) {
      for (int k = 0; k + 1 < n; ++k) DivideByWidth(x, y, k);
    }
    if (set.lethargyRequested) ScaleByBinEnergy(set, index, n - 1, true);
    block.lethargyValues = set.lethargyRequested;
  }
}

void ConvertOverlayBlock(SpectrumSet& set, int index) {
  if (!set.HasBlock(index)) return;
  // An overlay is converted exactly as a main file of its form would be; one whose form leaves
  // the values as read is taken to be in the form the main curve shows.
  ConvertStoredForm(set, index);
  set.blocks[static_cast<std::size_t>(index)].lethargyValues =
      KnownForm(set.storedForm) ? set.lethargyRequested : set.lethargyShown;
}

}  // namespace spectrum
