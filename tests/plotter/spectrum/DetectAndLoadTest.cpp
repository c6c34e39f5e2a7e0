// File kind detection and the load as a whole: outcomes, what a failed load leaves, line ends.
#include <gtest/gtest.h>

#include "plotter/spectrum/core/SpectrumReader.h"
#include "tests/plotter/spectrum/SpectrumTestFiles.h"

namespace spectrum {
namespace {

const char kSpectrum[] = "Neutron spectrum\n1 2 0\n1 0 2 100.0\n1.0 10.0 0\n25.0 20.0 0\n100.0 0.5 0\n";
const char kPlot[] =
    "2 1 0 0\n0 0 1\nlabel one           title one           x axis              y axis\n1 2 3 4 5 6\n"
    "2 0 0 0\n0 0 1\nlabel two\n1 2 3 4 5 6\n";
const char kChannels[] = "5\n\n7\n1.5e3\n";

class DetectTest : public SpectrumFilesTest {
 protected:
  int KindOf(const std::string& name, const std::string& bytes) {
    SpectrumSet detected;
    detected.fileExtension = FileExtensionPart(Write(name, bytes));
    ReaderState state;
    EXPECT_TRUE(state.file.Open((folder_ / name).string()) && DetectFileKind(detected, state));
    std::string_view line;  // rewound: the first line comes again
    EXPECT_EQ(state.file.ReadLine(line) ? std::string(line) : "", bytes.substr(0, bytes.find('\n') + 1));
    return detected.fileKind;
  }
};

TEST_F(DetectTest, ExactExtensionFirstThenTheFirstLines) {
  EXPECT_EQ(KindOf("a.dat", kPlot), ChannelFile);
  EXPECT_EQ(KindOf("a.plo", kSpectrum), PlotFile);
  EXPECT_EQ(KindOf("a.flu", kSpectrum), SpectrumFile);
  EXPECT_EQ(KindOf("a.flu", kPlot), PlotFile);                      // first word a non-zero number
  EXPECT_EQ(KindOf("a.gru", "0.5 title\n1 2 7\ny\n"), PlotFile);    // third word of line 2
  EXPECT_EQ(KindOf("a.gru", "0.5 title\n1 2 0.9\ny\n"), SpectrumFile);
  EXPECT_EQ(KindOf("a.gru", "5 title\n1 2\n"), NoFileKind);         // fewer than three lines
  EXPECT_EQ(KindOf("a.DAT", kSpectrum), SpectrumFile);              // case counts: judged by lines
  EXPECT_EQ(KindOf("b.DAT", kPlot), PlotFile);
  EXPECT_EQ(KindOf("a.flu.dat", kSpectrum), ChannelFile);
}

TEST(PathParts, AfterLastBackslashAndFromLastFullStop) {
  EXPECT_EQ(FileNamePart("C:\\data\\run.1\\n.flu"), "n.flu");
  EXPECT_EQ(FileExtensionPart("C:\\data\\run.1\\n.flu"), ".flu");
  EXPECT_EQ(FileExtensionPart("C:\\data.d\\noext"), ".d\\noext");
  EXPECT_EQ(FileNamePart("plain.plo"), "plain.plo");
  EXPECT_EQ(FileExtensionPart("C:\\noext"), "C:\\noext");
}

void ExpectSameSet(const SpectrumSet& a, const SpectrumSet& b) {
  EXPECT_EQ(a.filePath, b.filePath);
  EXPECT_TRUE(a.fileKind == b.fileKind && a.blockCount == b.blockCount && a.maxPoints == b.maxPoints &&
              a.pointCount == b.pointCount && a.plotCount == b.plotCount && a.upperEdge == b.upperEdge &&
              a.lethargyRequested == b.lethargyRequested && a.lethargyShown == b.lethargyShown);
  ASSERT_EQ(a.blocks.size(), b.blocks.size());
  for (std::size_t i = 0; i < a.blocks.size(); ++i) {
    const SpectrumBlock& x = a.blocks[i];
    const SpectrumBlock& y = b.blocks[i];
    EXPECT_TRUE(x.xValues == y.xValues && x.yValues == y.yValues && x.uncertainty == y.uncertainty) << i;
    EXPECT_TRUE(x.title == y.title && x.curveLabel == y.curveLabel && x.plotCode == y.plotCode) << i;
  }
}

class LoadTest : public SpectrumFilesTest {};

TEST_F(LoadTest, SuccessReplacesTheWholeSet) {
  MustLoad("first.plo", kPlot);
  set.overlayCount = set.extraCurveCount = set.currentPlotNumber = set.currentBlock = 2;
  MustLoad("second.flu", kSpectrum);
  EXPECT_EQ(set.fileExtension, ".flu");
  EXPECT_EQ(set.fileKind, SpectrumFile);
  EXPECT_EQ(set.blockCount, 1);
  EXPECT_EQ(set.currentPlotNumber, 1);
  EXPECT_EQ(set.currentBlock + set.overlayCount + set.extraCurveCount + set.plotCount, 0);
  EXPECT_EQ(set.blocks.size(), static_cast<std::size_t>(kSpectrumBlockSlots + 1));
  EXPECT_TRUE(set.HasBlock(0));
  EXPECT_FALSE(set.HasBlock(1));
}

TEST_F(LoadTest, FailedLoadLeavesThePreviousFile) {
  MustLoad("good.plo", kPlot);
  set.overlayCount = 2;
  const SpectrumSet before = set;
  EXPECT_EQ(LoadSpectrumData((folder_ / "missing.flu").string(), set), LoadOutcome::CannotOpen);
  EXPECT_EQ(LoadSpectrumData(Write("empty.flu", ""), set), LoadOutcome::NoBlock);
  EXPECT_EQ(LoadSpectrumData(Write("two.flu", "title\n1 0 0\n"), set), LoadOutcome::NoBlock);
  EXPECT_EQ(LoadSpectrumData(Write("two.dat", "1\n2\n"), set), LoadOutcome::NoBlock);
  EXPECT_EQ(LoadSpectrumData(Write("cut.plo", "3 1 0 0\n0 0 1\nlabel\n1 2 3 4 5 6 7\n8\n"), set),
            LoadOutcome::NoBlock);
  EXPECT_EQ(set.overlayCount, 2);
  ExpectSameSet(set, before);
}

TEST_F(LoadTest, LethargyFlagsStartFromFalseAtEveryLoad) {
  MustLoad("lethargy.flu", "t\n1 0 0\n2 0 1 4.0\n1.0 3.0 0\n4.0 0 0\n");
  EXPECT_TRUE(set.lethargyRequested && set.lethargyShown);
  // Header code 0 and stored form 7 change neither flag: they keep the value the load starts with.
  MustLoad("plain.flu", "t\n7 0 0\n0 0 1 4.0\n1.0 3.0 0\n4.0 0 0\n");
  EXPECT_FALSE(set.lethargyRequested || set.lethargyShown);
}

TEST_F(LoadTest, CrLfFilesLoadAsLfFiles) {
  for (const std::string name : {"s.flu", "p.plo", "c.dat"}) {
    const std::string text = name == "s.flu" ? kSpectrum : name == "p.plo" ? kPlot : kChannels;
    SpectrumSet crlf;
    MustLoad(name, text);
    ASSERT_EQ(LoadSpectrumData(Write(name, WithCrLf(text)), crlf), LoadOutcome::Loaded);
    ExpectSameSet(set, crlf);
  }
}

}  // namespace
}  // namespace spectrum
