// The ChannelFile grammar: every line a channel, header lines included.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "plotter/spectrum/core/SpectrumReader.h"
#include "tests/plotter/spectrum/SpectrumTestFiles.h"

namespace spectrum {
namespace {

using Values = std::vector<double>;

class ChannelFileTest : public SpectrumFilesTest {
 protected:
  Values Y(int b) const { return Values(set.blocks[b].yValues.begin(), set.blocks[b].yValues.begin() + set.pointCount[b]); }
};

TEST_F(ChannelFileTest, EveryLineIsAChannelAndEmptyLinesRepeat) {
  MustLoad("c.dat", "\n  12 extra\n\n1.5e3\nabc\n\t\n-2\n" + std::string(255, ' ') + "5\n");
  EXPECT_EQ(set.blockCount, 1);
  EXPECT_EQ(set.maxPoints, 9);
  EXPECT_EQ(set.storedForm, 0);
  EXPECT_EQ(set.blocks[0].title, "");
  EXPECT_EQ(set.blocks[0].xValues, (Values{0, 1, 2, 3, 4, 5, 6, 7, 8}));
  EXPECT_EQ(Y(0), (Values{0, 12, 12, 1500, 0, 0, -2, -2, 5}));  // a 256-character line is two
}

TEST_F(ChannelFileTest, OverlayKeepsWhatFitsTheCapacity) {
  MustLoad("main.dat", "1\n2\n3\n");
  set.overlayCount = 1;
  ReaderState state;
  state.readPass = true;
  ASSERT_TRUE(state.file.Open(Write("over.flu", "9\n8\n7\n6\n5\n")));
  ASSERT_EQ(ReadBlock(set, state), BlockResult::Read);
  EXPECT_EQ(Y(1), (Values{9, 8, 7}));
  EXPECT_TRUE(set.blocks[1].uncertainty.empty());
  set.overlayCount = kSpectrumBlockSlots;  // past the array slots: nothing is written
  ASSERT_TRUE(state.file.Rewind());
  EXPECT_EQ(ReadBlock(set, state), BlockResult::NoStorage);
}

}  // namespace
}  // namespace spectrum
