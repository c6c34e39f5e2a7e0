// The PlotFile grammar: curve headers, number lines, plot grouping and conversions.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "plotter/spectrum/core/SpectrumReader.h"
#include "tests/plotter/spectrum/SpectrumTestFiles.h"

namespace spectrum {
namespace {

using Values = std::vector<double>;

// A curve of N points: header lines with N, P and K, a short third line, then the given data.
std::string Curve(int n, int plotNumber, const std::string& data, int dataKind = 0) {
  return std::to_string(n) + " " + std::to_string(plotNumber) + " " + std::to_string(dataKind) +
         " 0\n0 0 1\nlabel\n" + data;
}

class PlotFileTest : public SpectrumFilesTest {
 protected:
  Values Part(const std::vector<double>& v, int b) const { return Values(v.begin(), v.begin() + set.pointCount[b]); }
  Values X(int b) const { return Part(set.blocks[b].xValues, b); }
  Values Y(int b) const { return Part(set.blocks[b].yValues, b); }
  Values U(int b) const { return Part(set.blocks[b].uncertainty, b); }
};

TEST_F(PlotFileTest, NumbersAreTakenUntil3NAndTheNextLineIsAHeader) {
  MustLoad("a.plo", Curve(5, 1, "1 2 3 4\n5 6 7 8 9 10 11\n12 13 14 15 16 17 18\n") + Curve(1, 0, "100 200 300\n"));
  EXPECT_EQ(set.blockCount, 2);
  EXPECT_EQ(X(0), (Values{1, 2, 3, 4, 5}));
  EXPECT_EQ(Y(0), (Values{6, 7, 8, 9, 10}));
  EXPECT_EQ(U(0), (Values{11, 12, 13, 14, 15}));
  EXPECT_EQ(U(1), (Values{300}));
  EXPECT_EQ(set.blocks[1].yValues.size(), 5u);  // every block at the set's capacity
  // "x" ends its line, "xy" reads 0, at most seven words count, long words split at 11.
  MustLoad("x.plo", Curve(4, 1, "1 2 x 3\n4 xy 6 7 8 9 10 11 12\n1.234567890123 5\n"));
  EXPECT_EQ(X(0), (Values{1, 2, 4, 0}));
  EXPECT_EQ(U(0), (Values{10, 1.23456789, 123, 5}));
}

TEST_F(PlotFileTest, HeaderFieldsAndTwentyColumnLabels) {
  const std::string l3 = std::string("Curve label one     Title text here     ") + "Energy (MeV)        Counts" +
                         std::string(14, ' ') + "beyond";
  MustLoad("h.plo", "1 4 -2 99\n7 8 2\n" + l3 + "\n1 2 3\n" + "1 0 0 0\n0 0 0\nshort\n1 2 3\n" +
                        "1 0 0 0\n0 0 0\n" + std::string(25, 'a') + "\n1 2 3\n");
  const SpectrumBlock& b = set.blocks[0];
  EXPECT_TRUE(b.plotNumber == 4 && b.dataKind == -2 && b.legendMode == 99 && b.unitCode == 2);
  EXPECT_EQ(b.curveLabel, "Curve label one     ");
  EXPECT_EQ(b.title, " Title text here      ");
  EXPECT_EQ(b.axisLabelX, "Energy (MeV)        ");
  EXPECT_EQ(b.axisLabelY, "Counts" + std::string(14, ' '));
  // Columns past the line's end are empty; its "\n" is a column of the field it falls in.
  EXPECT_EQ(set.blocks[1].curveLabel, "short\n");
  EXPECT_EQ(set.blocks[1].title, "  ");
  EXPECT_EQ(set.blocks[1].axisLabelX, "");
  EXPECT_EQ(set.blocks[2].title, " aaaaa\n ");
}

TEST_F(PlotFileTest, PlotCodesAndPlotCount) {
  MustLoad("p.plo", Curve(1, 5, "1 2 3\n") + Curve(1, 0, "1 2 3\n") + Curve(1, 7, "1 2 3\n"));
  EXPECT_EQ(set.blocks[0].plotCode, 15);
  EXPECT_EQ(set.blocks[2].plotCode, 7);
  EXPECT_EQ(set.plotCount, 2);
  // P = 2, 0, 0, -1, 0; zero and negative N are blocks without points.
  MustLoad("q.plo", Curve(1, 2, "1 2 3\n") + Curve(0, 0, "") + Curve(-4, 0, "") + Curve(1, -1, "1 2 3\n") +
                        Curve(1, 0, "1 2 3\n"));
  EXPECT_EQ(set.blockCount, 5);
  EXPECT_EQ(set.plotCount, 2);
  EXPECT_EQ(set.pointCount[2], 0);
  EXPECT_EQ(set.blocks[0].plotCode, 22);
  EXPECT_EQ(set.blocks[3].plotCode, 11);
  EXPECT_TRUE(set.blocks[3].lethargyForm && set.lethargyRequested && !set.blocks[0].lethargyForm);
}

TEST_F(PlotFileTest, CutShortBlocksAndBlocksPast255AreDropped) {
  MustLoad("cut.plo", Curve(1, 1, "1 2 3\n") + Curve(1, 2, "1 2 3\n") + Curve(2, 3, "1 2 3 4 5\n"));
  EXPECT_EQ(set.blockCount, 2);
  EXPECT_EQ(set.plotCount, 2);
  MustLoad("huge.plo", Curve(1, 1, "1 2 3\n") + Curve(2000000000, 2, "1 2 3 4 5 6\n"));
  EXPECT_EQ(set.blockCount, 1);
  std::string many;
  for (int i = 0; i < 300; ++i) many += Curve(1, 1, std::to_string(i) + " 0 0\n");
  MustLoad("many.plo", many);
  EXPECT_EQ(set.blockCount, kMaxPlotBlocks);
  EXPECT_EQ(set.plotCount, kMaxPlotBlocks);
  EXPECT_EQ(X(254), (Values{254}));
}

TEST_F(PlotFileTest, PerBinAndLethargyConversions) {
  // X 1 4 9: bin widths 3 and 5, bin energies 2 and 6; the last point has no upper neighbour.
  MustLoad("c.plo", Curve(3, -1, "1 4 9 6 10 1\n0 0 0\n", 3) + Curve(3, 0, "1 4 9 1 1 1\n0 0 0\n") +
                        Curve(3, 2, "1 4 9 1 1 1\n0 0 0\n") + Curve(3, 0, "1 4 9 6 10 1\n0 0 0\n", 3));
  EXPECT_EQ(Y(0), (Values{4, 12, 1}));
  EXPECT_EQ(Y(1), (Values{2, 6, 1}));
  EXPECT_EQ(Y(2), (Values{1, 1, 1}));
  EXPECT_EQ(Y(3), (Values{2, 2, 1}));
  EXPECT_FALSE(set.lethargyRequested);
}

TEST_F(PlotFileTest, StoringMoreThanTheCapacityKeepsTheFirstPointsOfEachSection) {
  // As when a file grows between the passes: the arrays were made for 2 points.
  set.fileKind = PlotFile;
  set.blockCount = 1;
  set.maxPoints = 2;
  set.blocks.resize(2);
  ReaderState state;
  state.readPass = true;
  ASSERT_TRUE(state.file.Open(Write("grown.plo", Curve(4, 1, "1 2 3 4 5 6 7\n8 9 10 11 12\n") + Curve(1, 1, "1 2 3\n"))));
  ASSERT_EQ(ReadBlock(set, state), BlockResult::Read);
  ConvertMainBlock(set, 0);
  EXPECT_EQ(X(0), (Values{1, 2}));
  EXPECT_EQ(Y(0), (Values{5, 6}));
  EXPECT_EQ(U(0), (Values{9, 10}));
  state.blockIndex = 1;  // no array slot: not stored
  EXPECT_EQ(ReadBlock(set, state), BlockResult::NoStorage);
}

}  // namespace
}  // namespace spectrum
