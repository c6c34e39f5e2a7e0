#include "plotter/spectrum/core/OverlayLoad.h"

#include "plotter/spectrum/core/SpectrumReader.h"

namespace spectrum {

OverlayOutcome ReadOverlay(const std::string& path, SpectrumSet& set) {
  const int slot = set.overlayCount;
  const bool overlaid = set.fileKind == SpectrumFile || set.fileKind == ChannelFile;
  if (!overlaid || slot < 1 || slot >= set.ArrayBlockSlots() || slot >= static_cast<int>(set.blocks.size()))
    return OverlayOutcome::NoBlock;
  set.pointCount[static_cast<std::size_t>(slot)] = 0;
  set.blocks[static_cast<std::size_t>(slot)].curveLabel.clear();

  ReaderState state;
  if (!state.file.Open(path)) return OverlayOutcome::CannotOpen;
  set.blocks[static_cast<std::size_t>(slot)].curveLabel = FileNamePart(path);
  state.readPass = true;
  if (ReadBlock(set, state) != BlockResult::Read) {
    set.pointCount[static_cast<std::size_t>(slot)] = 0;
    return OverlayOutcome::NoBlock;
  }
  ConvertOverlayBlock(set, slot);
  return OverlayOutcome::Read;
}

}  // namespace spectrum
