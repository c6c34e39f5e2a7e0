// The readers of the three spectrum grammars: file kind detection, ReadBlock in its counting
// and storing passes, and the conversions made after a block is stored. Portable: no windows.h.
#pragma once

#include <string>

#include "plotter/spectrum/core/LineReader.h"
#include "plotter/spectrum/core/SpectrumSet.h"

namespace spectrum {

// What the reader keeps beside the SpectrumSet while it reads one file.
struct ReaderState {
  bool readPass = false;   // false in the counting pass, true in the storing pass
  bool endOfFile = false;  // the file ended before a block was complete
  int blockIndex = 0;      // block being read
  int blockPoints = 0;     // N of the block being read (as stored, in the storing pass)
  int childCount = 0;      // PlotFile: further curves since the last block that started a plot
  int parentBlock = 0;     // PlotFile: index of the last block that started a plot
  LineReader file;         // the open file
};

enum class BlockResult {
  Read,       // a complete block; the file stands at the first line after it
  EndOfFile,  // the file ended first (endOfFile is set); a cut-short block does not count
  NoStorage,  // the block has no array slot or its memory is not available
};

// The part of a path after its last backslash, and from its last full stop on (dot included);
// each is the whole path when that character does not occur.
std::string FileNamePart(const std::string& path);
std::string FileExtensionPart(const std::string& path);

// Decides set.fileKind from set.fileExtension and the first three lines of the open file, then
// rewinds it. A file of fewer than three lines sets endOfFile and leaves fileKind as it was.
// False only if the file cannot be rewound.
bool DetectFileKind(SpectrumSet& set, ReaderState& state);

// Reads one block of set.fileKind at the file's position.
//
// Counting pass (readPass false): sets blockPoints to the block's N. A SpectrumFile's header is
// all it reads (its N, clamped to 0 ... the bytes left after the header, is the count); a
// PlotFile block is read to its 3N-th number and adds to set.plotCount only when complete; a
// ChannelFile block counts its lines to the end of the file.
//
// Storing pass (readPass true): a SpectrumFile or ChannelFile block is stored at block index
// set.overlayCount, a PlotFile block at blockIndex; the block's arrays are made at the set's
// capacity on first use (AllocateBlock), and a block with more points than the capacity keeps
// only what fits (its pointCount says how many).
BlockResult ReadBlock(SpectrumSet& set, ReaderState& state);

// The block index a storing ReadBlock of set.fileKind writes.
int StoringBlockIndex(const SpectrumSet& set, const ReaderState& state);

// The conversion after each block of a main file's storing pass: per-bin to per-energy and the
// lethargy form of a SpectrumFile (sets lethargyShown), the raw numbers of a PlotFile curve into
// its arrays with its per-bin and lethargy forms; nothing for a ChannelFile. A factor that is not
// usable (UsableFactor) leaves its bin as it is. The block records the form it now holds.
void ConvertMainBlock(SpectrumSet& set, int block);

// The conversion of an overlay block by its own header's storedForm and lethargyRequested,
// exactly as a main file of that form is converted. lethargyShown stays; the block records the
// form it now holds.
void ConvertOverlayBlock(SpectrumSet& set, int block);

}  // namespace spectrum
