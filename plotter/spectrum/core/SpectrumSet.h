// The plotter's one record of everything read from spectrum files: the blocks of the main
// file (and its overlays), their texts and plot attributes, and the view state.
// Portable: no windows.h.
#pragma once

#include <array>
#include <string>
#include <vector>

namespace spectrum {

// Kind of the main file, decided by DetectFileKind.
enum FileKind : int {
  NoFileKind = 0,
  SpectrumFile = 1,  // ".flu", ".phs", ".gru": one spectrum of bin edges and values
  PlotFile = 2,      // ".plo": curves grouped into plots
  ChannelFile = 3,   // ".dat": one count per line
};

// How a SpectrumFile stores its values; other numbers leave the values as read.
enum StoredForm : int {
  PerEnergy = 1,  // F(E)
  PerBin = 2,     // content of the bin
  Lethargy = 3,   // F(E)*E
};

// Capacities of the tables.
constexpr int kPointCountEntries = 1000;  // entries of the pointCount table
constexpr int kMaxTextBlocks = 256;       // entries of each per-block text table
constexpr int kMaxTextLength = 255;       // characters of one text (256 bytes with its zero)
constexpr int kMaxPlotBlocks = 255;       // blocks a PlotFile may hold
constexpr int kSpectrumBlockSlots = 20;   // per-block arrays made for a SpectrumFile or ChannelFile
constexpr int kMaxOverlays = 10;          // overlays after the main block
constexpr int kSpectrumTitleLength = 80;  // characters of a SpectrumFile's first line kept as title
// Points one block may hold, whatever a file states: keeps every size computation far from the
// int range (BlockCapacity() adds one) and bounds what a damaged file can make us allocate.
constexpr int kMaxBlockPoints = 1 << 27;

// One block: a spectrum, one curve of a plot file, a channel list or one overlay.
// Its arrays are all made at the set's capacity (maxPoints, +1 for a SpectrumFile).
// uncertainty is made for PlotFile blocks only.
struct SpectrumBlock {
  std::vector<double> xValues;
  std::vector<double> yValues;
  std::vector<double> uncertainty;  // PlotFile only
  std::string title;                // header text of the chart for this block
  std::string curveLabel;           // legend text: PlotFile columns 1-20 of the third header line;
                                    // an overlay's file name part
  std::string axisLabelX;           // PlotFile: replacement X axis title (columns 41-60)
  std::string axisLabelY;           // PlotFile: replacement Y axis title (columns 61-80)
  int plotNumber = 0;               // PlotFile: non-zero starts a plot, negative = lethargy form
  int dataKind = 0;                 // PlotFile: 3 = per-bin contents, negative = uncertainty band
  int legendMode = 0;               // PlotFile: 99 = blank legend text
  bool lethargyForm = false;        // PlotFile: plotNumber < 0
  int plotCode = 0;                 // PlotFile, first curve of a plot: |plotNumber| + 10 * further curves
  int unitCode = 0;                 // PlotFile: X unit, 0 eV, 1 MeV, 2 keV, 3 channel
  bool lethargyValues = false;      // yValues hold F(E)*E at present (each block keeps its own)
  bool allocated = false;           // arrays made at the set's capacity
};

struct SpectrumSet {
  std::string filePath;       // full path of the main file
  std::string fileName;       // after the last backslash; legend text of the main curve
  std::string fileExtension;  // from the last full stop on, dot included
  int fileKind = NoFileKind;
  int blockCount = 0;  // blocks counted in the first pass
  int maxPoints = 0;   // largest pointCount of the main file: capacity of every block array
  std::array<int, kPointCountEntries> pointCount{};
  std::vector<SpectrumBlock> blocks;  // slots by block index: the text slots (see TextBlockSlots)
  std::vector<double> rawValues;      // PlotFile reader scratch: 3 * maxPoints numbers in file order
  int storedForm = 0;                 // StoredForm of the SpectrumFile block read last; 0 for a ChannelFile
  int energyUnit = 0;                 // SpectrumFile: X unit, 0 eV, 1 MeV, 2 keV
  bool lethargyRequested = false;     // the file asks for F(E)*E
  bool lethargyShown = false;         // the shown yValues hold F(E)*E
  double upperEdge = 0.0;             // SpectrumFile: last bin edge stated in the header
  int overlayCount = 0;               // overlays since the main file; index of the newest
  int extraCurveCount = 0;            // curves drawn beside the first
  int plotCount = 0;                  // PlotFile: blocks with a non-zero plotNumber
  int currentPlotNumber = 0;          // 1-based plot on show; 0 until a file is loaded
  int currentBlock = 0;               // block of the first curve of the plot on show

  // Points a block array holds: maxPoints, plus the upper edge of a SpectrumFile.
  int BlockCapacity() const { return maxPoints + (fileKind == SpectrumFile ? 1 : 0); }
  // Blocks that may have arrays: blockCount for a PlotFile, kSpectrumBlockSlots otherwise.
  int ArrayBlockSlots() const { return fileKind == PlotFile ? blockCount : kSpectrumBlockSlots; }
  // Blocks that have texts (the size a load gives `blocks`): one more than ArrayBlockSlots().
  int TextBlockSlots() const { return ArrayBlockSlots() + 1; }
  // Makes the arrays of block `index` at BlockCapacity(), zero-filled; false if `index` has no
  // array slot or the memory is not available (nothing then changes).
  bool AllocateBlock(int index);
  bool HasBlock(int index) const {
    return index >= 0 && index < static_cast<int>(blocks.size()) && blocks[index].allocated;
  }
};

// Geometric mean of the edges of bin j of a block: the factor between F(E) and F(E)*E.
// The caller asks only for a bin whose upper edge j+1 exists; any other bin gives 0.0.
double binEnergy(const SpectrumSet& set, int block, int j);

// Whether a bin's binEnergy or width may divide or multiply its value: finite and not 0. A bin
// whose factor is not usable (a lowest edge of 0 is common) is left as it is by that
// conversion, so that no value becomes NaN or infinite and converting there and back returns
// the values before.
bool UsableFactor(double factor);

// Y of bin j divided by its width (edges x[j] and x[j+1]) where that width is usable.
void DivideByWidth(const double* x, double* y, int j);

// Multiplies (toLethargy) or divides the Y of bins 0 ... bins-1 of `block` by their binEnergy
// where it is usable; bins beyond the block's arrays are not touched.
void ScaleByBinEnergy(SpectrumSet& set, int block, int bins, bool toLethargy);

// Brings every block from 0 to overlayCount that holds points to F(E)*E (lethargy true) or
// F(E), each from the form it holds at present, and sets lethargyShown. A block already in that
// form is left as it is, so ticking and unticking always return the values before.
void BringToForm(SpectrumSet& set, bool lethargy);

}  // namespace spectrum
