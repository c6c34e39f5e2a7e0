// The SpectrumFile grammar: header, data lines, early ends, stored forms and overlays.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "plotter/spectrum/core/SpectrumReader.h"
#include "tests/plotter/spectrum/SpectrumTestFiles.h"

namespace spectrum {
namespace {

using Values = std::vector<double>;

// Two bins with edges 1, 4, 9 (bin energies 2 and 6, widths 3 and 5) and values 8 and 12.
std::string TwoBins(int storedForm, int lethargyCode) {
  return "Two bins\n" + std::to_string(storedForm) + " 2 0\n" + std::to_string(lethargyCode) +
         " 0 2 9.0\n1.0 8.0 0.1\n4.0 12.0 0.1\n9.0 77.0 0\n";
}

class SpectrumFileTest : public SpectrumFilesTest {
 protected:
  // Entries 0 ... N of a block: its N bins and the upper edge.
  Values X(int b = 0) const { return Values(set.blocks[b].xValues.begin(), set.blocks[b].xValues.begin() + set.pointCount[b] + 1); }
  Values Y(int b = 0) const { return Values(set.blocks[b].yValues.begin(), set.blocks[b].yValues.begin() + set.pointCount[b] + 1); }
};

TEST_F(SpectrumFileTest, HeaderAndDataLines) {
  MustLoad("a.flu", TwoBins(1, 1));
  EXPECT_EQ(set.blocks[0].title, "Two bins\n");
  EXPECT_EQ(set.storedForm, PerEnergy);
  EXPECT_EQ(set.energyUnit, 2);
  EXPECT_EQ(set.upperEdge, 9.0);
  EXPECT_EQ(set.maxPoints, 2);
  EXPECT_EQ(set.BlockCapacity(), 3);
  EXPECT_EQ(X(), (Values{1.0, 4.0, 9.0}));
  EXPECT_EQ(Y(), (Values{8.0, 12.0, 77.0}));  // entry N: the upper-edge line's value, not a bin
  EXPECT_DOUBLE_EQ(binEnergy(set, 0, 1), 6.0);
  EXPECT_EQ(binEnergy(set, 0, 2), 0.0);  // no upper edge
  MustLoad("t.flu", std::string(100, 'T') + "\n0 0 0\n0 0 1 9\n1 1\n9 0\n");
  EXPECT_EQ(set.blocks[0].title, std::string(80, 'T'));
}

TEST_F(SpectrumFileTest, StoredFormsAndLethargyCode) {
  struct Case {
    int form, code;
    double y0, y1;
    bool requested, shown;
  } const cases[] = {
      {1, 1, 8.0, 12.0, false, false},         {1, 2, 16.0, 72.0, true, true},
      {1, 0, 8.0, 12.0, false, false},         {2, 1, 8.0 / 3, 12.0 / 5, false, false},
      {2, 2, 8.0 / 3 * 2, 12.0 / 5 * 6, true, true}, {3, 1, 4.0, 2.0, false, false},
      {3, 2, 8.0, 12.0, true, true},           {3, 7, 4.0, 2.0, false, false},
      {5, 2, 8.0, 12.0, true, false},  // other forms: as read, lethargyShown untouched
  };
  for (const Case& c : cases) {
    MustLoad("f.flu", TwoBins(c.form, c.code));
    EXPECT_DOUBLE_EQ(Y()[0], c.y0) << c.form << "/" << c.code;
    EXPECT_DOUBLE_EQ(Y()[1], c.y1) << c.form << "/" << c.code;
    EXPECT_EQ(Y()[2], 77.0);
    EXPECT_EQ(set.lethargyRequested, c.requested) << c.form << "/" << c.code;
    EXPECT_EQ(set.lethargyShown, c.shown) << c.form << "/" << c.code;
  }
}

TEST_F(SpectrumFileTest, MissingLinesTakeTheUpperEdgeAndZero) {
  MustLoad("edge.flu", "t\n1 0 0\n1 0 2 9.5\n1.0 8.0\n4.0 12.0\n");
  EXPECT_EQ(X(), (Values{1.0, 4.0, 9.5}));
  EXPECT_EQ(Y(), (Values{8.0, 12.0, 0.0}));
  MustLoad("early.flu", "t\n1 0 0\n1 0 4 9.5\n1.0 8.0\n4.0 12.0\n");
  EXPECT_EQ(set.pointCount[0], 4);
  EXPECT_EQ(X(), (Values{1.0, 4.0, 9.5, 9.5, 9.5}));
  EXPECT_EQ(Y(), (Values{8.0, 12.0, 0.0, 0.0, 0.0}));
}

TEST_F(SpectrumFileTest, DataLineWords) {
  // Missing words keep the numbers of the line before (0 and 0 at first); words split at 25.
  MustLoad("w.flu", "t\n0 0 0\n0 0 4 9\n\n2.0 5.0\n  \t\n3.0\n1." + std::string(23, '0') + "9 7\n");
  EXPECT_EQ(X(), (Values{0.0, 2.0, 2.0, 3.0, 1.0}));
  EXPECT_EQ(Y(), (Values{0.0, 5.0, 5.0, 5.0, 9.0}));
}

TEST_F(SpectrumFileTest, OnlyTheFirstSpectrumCountsAndNIsBoundedByTheFile) {
  MustLoad("two.flu", TwoBins(1, 1) + "Second\n1 0 0\n1 0 50 9\n1 1\n2 2\n");
  EXPECT_EQ(set.blockCount, 1);
  EXPECT_EQ(set.maxPoints, 2);
  // Nine bytes follow the header: N = 2000000000 is clamped to 9.
  MustLoad("huge.flu", "t\n0 0 0\n0 0 2000000000 5\n1 1\n2 2\n\n");
  EXPECT_EQ(set.maxPoints, 9);
  EXPECT_EQ(X(), (Values{1, 2, 2, 5, 5, 5, 5, 5, 5, 5}));
  MustLoad("negative.flu", "t\n0 0 0\n0 0 -5 5\n1 1\n2 2\n");
  EXPECT_EQ(X(), (Values{1.0}));
}

TEST_F(SpectrumFileTest, OverlayIsStoredAtOverlayCountAndKeepsWhatFits) {
  MustLoad("main.flu", TwoBins(1, 1));
  set.overlayCount = 1;
  ReaderState state;
  state.readPass = true;
  ASSERT_TRUE(state.file.Open(Write("over.flu", "o\n2 0 0\n2 0 5 50\n1 3\n4 10\n9 20\n16 30\n25 40\n")));
  ASSERT_EQ(ReadBlock(set, state), BlockResult::Read);
  EXPECT_EQ(set.pointCount[1], 2);  // 3 entries: 2 bins and their upper edge
  EXPECT_EQ(X(1), (Values{1.0, 4.0, 9.0}));
  EXPECT_TRUE(set.lethargyRequested);
  // PerBin overlay: divided by its width, then multiplied by its bin energy (lethargy asked).
  ConvertOverlayBlock(set, 1);
  EXPECT_EQ(Y(1), (Values{2.0, 12.0, 20.0}));
  EXPECT_FALSE(set.lethargyShown);
  EXPECT_EQ(set.blocks[0].yValues[0], 8.0);  // the main block is untouched
}

}  // namespace
}  // namespace spectrum
