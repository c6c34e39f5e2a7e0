#include "plotter/spectrum/core/SpectrumLoad.h"

#include <algorithm>
#include <new>
#include <stdexcept>

#include "plotter/spectrum/core/SpectrumReader.h"

namespace spectrum {

namespace {

// Counting pass: blocks and the largest of their point counts. False if no block is complete.
bool CountBlocks(SpectrumSet& set, ReaderState& state) {
  state.readPass = false;
  state.endOfFile = false;
  state.blockIndex = 0;
  set.plotCount = 0;
  int maxPoints = 0;
  while (state.blockIndex < kMaxPlotBlocks && ReadBlock(set, state) == BlockResult::Read) {
    set.pointCount[static_cast<std::size_t>(state.blockIndex)] = state.blockPoints;
    maxPoints = std::max(maxPoints, state.blockPoints);
    ++state.blockIndex;
    // A SpectrumFile is one spectrum and a ChannelFile one list: neither has a second block.
    if (set.fileKind != PlotFile) break;
  }
  set.blockCount = state.blockIndex;
  set.maxPoints = maxPoints;
  return set.blockCount > 0;
}

// Storing pass over the blocks counted. A file that changed since the count may end sooner: the
// blocks stored completely are kept. Returns how many those are, or -1 if memory ran out.
int StoreBlocks(SpectrumSet& set, ReaderState& state) {
  state.readPass = true;
  state.endOfFile = false;
  state.blockIndex = 0;
  state.parentBlock = 0;
  state.childCount = 0;
  set.plotCount = 0;
  const int counted = set.blockCount;
  int stored = 0;
  while (stored < counted) {
    const BlockResult result = ReadBlock(set, state);
    if (result == BlockResult::NoStorage) return -1;
    if (result == BlockResult::EndOfFile) break;
    ConvertMainBlock(set, StoringBlockIndex(set, state));
    ++state.blockIndex;
    ++stored;
  }
  return stored;
}

LoadOutcome Load(const std::string& path, SpectrumSet& set) {
  ReaderState state;
  if (!state.file.Open(path)) return LoadOutcome::CannotOpen;

  SpectrumSet loaded;
  loaded.filePath = path;
  loaded.fileName = FileNamePart(path);
  loaded.fileExtension = FileExtensionPart(path);
  if (!DetectFileKind(loaded, state)) return LoadOutcome::CannotOpen;
  if (!CountBlocks(loaded, state)) return LoadOutcome::NoBlock;

  // Tables for the storing pass; each block's arrays are made when it is first stored.
  loaded.blocks.resize(static_cast<std::size_t>(loaded.TextBlockSlots()));
  if (loaded.fileKind == PlotFile) loaded.rawValues.assign(3 * static_cast<std::size_t>(loaded.maxPoints), 0.0);

  if (!state.file.Rewind()) return LoadOutcome::CannotOpen;
  const int stored = StoreBlocks(loaded, state);
  if (stored < 0) return LoadOutcome::OutOfMemory;
  if (stored == 0) return LoadOutcome::NoBlock;
  for (int i = stored; i < loaded.blockCount; ++i) loaded.pointCount[static_cast<std::size_t>(i)] = 0;
  loaded.blockCount = stored;
  loaded.blocks.resize(static_cast<std::size_t>(loaded.TextBlockSlots()));  // a PlotFile that shrank

  loaded.currentPlotNumber = 1;
  loaded.currentBlock = 0;
  loaded.overlayCount = 0;
  loaded.extraCurveCount = 0;
  set = std::move(loaded);
  return LoadOutcome::Loaded;
}

}  // namespace

LoadOutcome LoadSpectrumData(const std::string& path, SpectrumSet& set) {
  try {
    return Load(path, set);
  } catch (const std::bad_alloc&) {
    return LoadOutcome::OutOfMemory;
  } catch (const std::length_error&) {
    return LoadOutcome::OutOfMemory;
  }
}

}  // namespace spectrum
