// The forms F(E) and F(E)*E: conversions at load, of overlays and by the Lethargy box; overlays
// that fail; the Ctrl-Z that ends a file.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "plotter/spectrum/core/OverlayLoad.h"
#include "plotter/spectrum/core/SpectrumReader.h"
#include "tests/plotter/spectrum/SpectrumTestFiles.h"

namespace spectrum {
namespace {

using Values = std::vector<double>;

// Three bins with edges 0, 1, 4, 9: bin energies 0, 2, 6 and widths 1, 3, 5; values 6, 8, 12.
std::string ThreeBins(int storedForm, int lethargyCode) {
  return "Three bins\n" + std::to_string(storedForm) + " 0 0\n" + std::to_string(lethargyCode) +
         " 0 3 9.0\n0.0 6.0\n1.0 8.0\n4.0 12.0\n9.0 0.0\n";
}

struct FormCase {
  int form, code;
  Values fe;        // F(E) of the three bins
  Values lethargy;  // F(E)*E; the bin of energy 0 keeps its value in both
};

// clang-format off
const FormCase kForms[] = {
    {1, 1, {6, 8, 12},              {6, 16, 72}},
    {1, 2, {6, 8, 12},              {6, 16, 72}},
    {2, 1, {6, 8.0 / 3, 12.0 / 5},  {6, 16.0 / 3, 72.0 / 5}},
    {2, 2, {6, 8.0 / 3, 12.0 / 5},  {6, 16.0 / 3, 72.0 / 5}},
    {3, 1, {6, 4, 2},               {6, 8, 12}},
    {3, 2, {6, 4, 2},               {6, 8, 12}},
};
// clang-format on

class LethargyFormTest : public SpectrumFilesTest {
 protected:
  Values Y(int b) const {
    return Values(set.blocks[b].yValues.begin(), set.blocks[b].yValues.begin() + set.pointCount[b]);
  }
  void ExpectValues(const Values& actual, const Values& expected, const std::string& what) {
    ASSERT_EQ(actual.size(), expected.size()) << what;
    for (size_t i = 0; i < actual.size(); ++i) {
      EXPECT_TRUE(std::isfinite(actual[i])) << what << " bin " << i;
      EXPECT_DOUBLE_EQ(actual[i], expected[i]) << what << " bin " << i;
    }
  }
};

TEST_F(LethargyFormTest, EachStoredFormLoadsAndTogglesThereAndBack) {
  for (const FormCase& c : kForms) {
    const std::string name = "form " + std::to_string(c.form) + " code " + std::to_string(c.code);
    MustLoad("f.flu", ThreeBins(c.form, c.code));
    const bool shown = c.code == 2;
    ASSERT_EQ(set.lethargyShown, shown) << name;
    ExpectValues(Y(0), shown ? c.lethargy : c.fe, name + " loaded");
    BringToForm(set, !shown);
    ExpectValues(Y(0), shown ? c.fe : c.lethargy, name + " toggled");
    BringToForm(set, !shown);  // the same form again changes nothing
    BringToForm(set, shown);
    ExpectValues(Y(0), shown ? c.lethargy : c.fe, name + " back");
  }
}

TEST_F(LethargyFormTest, AnOverlayAgreesWithTheSameFileDrawnAsMainCurve) {
  // Every overlay form beside a main curve in either form: brought to the form shown, the
  // overlay holds the values the same file has as a main curve, through any number of toggles.
  for (const FormCase& overlay : kForms) {
    for (const int mainCode : {1, 2}) {
      const std::string name = "overlay form " + std::to_string(overlay.form) + " code " +
                               std::to_string(overlay.code) + ", main code " + std::to_string(mainCode);
      MustLoad("main.flu", ThreeBins(1, mainCode));
      set.overlayCount = set.extraCurveCount = 1;
      const std::string path = Write("over.dat", ThreeBins(overlay.form, overlay.code));
      ASSERT_EQ(ReadOverlay(path, set), OverlayOutcome::Read);
      EXPECT_EQ(set.blocks[1].curveLabel, FileNamePart(path));
      for (const bool lethargy : {true, false, true, false}) {
        BringToForm(set, lethargy);
        ExpectValues(Y(1), lethargy ? overlay.lethargy : overlay.fe, name);
        ExpectValues(Y(0), lethargy ? kForms[0].lethargy : kForms[0].fe, name + " main");
      }
    }
  }
}

TEST_F(LethargyFormTest, AnOverlayEndingBeforeItsHeaderLeavesItsSlotWithoutPoints) {
  MustLoad("main.flu", ThreeBins(1, 1));
  set.overlayCount = 1;
  set.pointCount[1] = 7;  // what an earlier file left
  EXPECT_EQ(ReadOverlay(Write("short.flu", "one\ntwo\n"), set), OverlayOutcome::NoBlock);
  EXPECT_EQ(set.pointCount[1], 0);
}

TEST_F(LethargyFormTest, ATrailingCtrlZIsNoPointOfASpectrumOrChannelList) {
  MustLoad("z.flu", "t\n1 0 0\n1 0 2 9.5\n1.0 8.0\n4.0 12.0\n\x1a");
  EXPECT_EQ(set.blocks[0].xValues, (Values{1.0, 4.0, 9.5}));  // the upper edge, not X = 0
  MustLoad("z.dat", "1\n2\n3\n4\n\x1a");
  EXPECT_EQ(set.pointCount[0], 4);
}

}  // namespace
}  // namespace spectrum
