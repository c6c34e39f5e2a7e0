// The plots on the real chart component: what each kind of file, navigation, the Lethargy box
// and overlays leave in the chart's model and the limit edits.
#include <vector>

#include "tests/plotter/app/MainWindowTest.h"

namespace {

using chartcontrol::kAxisX;
using chartcontrol::kAxisY;
using Values = std::vector<double>;

// Three bins over edges 0, 1, 4, 9 (bin energies 0, 2, 6) of values 6, 8, 12, stored as F(E);
// code 2 asks for F(E)*E.
std::string ThreeBins(int lethargyCode) {
  return "Three bins\n1 0 0\n" + std::to_string(lethargyCode) + " 0 3 9.0\n0 6\n1 8\n4 12\n9 0\n";
}

// A 20-column field of a plot file's third header line.
std::string Field(std::string text) {
  text.resize(20, ' ');
  return text;
}

// A plot file curve: N points X = 1 ... N, Y = 10 X, uncertainty 1, unit keV.
std::string Curve(int n, int plot, int kind, int mode, const std::string& label, const std::string& xLabel = "") {
  std::string text = std::to_string(n) + " " + std::to_string(plot) + " " + std::to_string(kind) + " " +
                     std::to_string(mode) + "\n0 0 2\n" + Field(label) + Field("") + Field(xLabel) + "\n";
  for (int section = 0; section < 3; ++section)
    for (int i = 1; i <= n; ++i) text += std::to_string(section == 0 ? i : section == 1 ? 10 * i : 1) + "\n";
  return text;
}

class PlotterDlgPlotTest : public MainWindowTest {
 protected:
  void ToggleLethargyBox() {  // the box toggles itself on the space bar, as on a click
    SendMessageA(GetDlgItem(hwnd_, IDC_LETHARGY), WM_KEYDOWN, VK_SPACE, 0);
    SendMessageA(GetDlgItem(hwnd_, IDC_LETHARGY), WM_KEYUP, VK_SPACE, 0);
  }
  const chartcontrol::SeriesGroup& Group(int g) const { return chart_.model().groups[g - 1]; }
  const chartcontrol::SeriesData& Data(int g = 1) const { return Group(g).data; }
  std::string Label(int series) const {
    const std::string* label = Data().Label(series);
    return label ? *label : "<none>";
  }
  std::string Titles() const { return Axis(kAxisX).title + "|" + Axis(kAxisY).title; }
  // The first `count` points of a series, or of the X row (series 1, shared by all: series 0).
  Values Row(int series, int count, int g = 1) const {
    Values v;
    for (int k = 1; k <= count; ++k) v.push_back(series ? Data(g).Y(series, k) : Data(g).X(1, k));
    return v;
  }
};

TEST_F(PlotterDlgPlotTest, SpectrumAndChannelListDrawStepsFromEdgeToEdge) {
  Load(WriteFile("plain.flu", ThreeBins(1)));
  EXPECT_EQ(Data().seriesCount(), 1);
  EXPECT_EQ(Data().PointCount(1), 6);
  EXPECT_EQ(Row(0, 6), (Values{0, 1, 1, 4, 4, 9}));
  EXPECT_EQ(Row(1, 6), (Values{6, 6, 8, 8, 12, 12}));
  EXPECT_EQ(Label(1), "plain.flu");
  EXPECT_TRUE(Group(1).StrokeKind(1) == 2 && Group(1).MarkerKind(1) == 1);
  EXPECT_EQ(Titles(), "Energy/eV ->|F(E) ->");
  EXPECT_EQ(Axis(kAxisY).titleTurn, 2);
  EXPECT_FALSE(chart_.model().holdRedraw || chart_.model().holdLayout);
  EXPECT_EQ(Text(IDC_X_MAX) + "|" + Text(IDC_Y_MAX), "9.000000|12.000000");  // upper edge included

  // N channels make N-1 steps; the last two points stay unwritten.
  Load(WriteFile("counts.dat", "5\n7\n9\n11\n"));
  EXPECT_EQ(Titles(), "Channel ->|Count ->");
  EXPECT_EQ(Data().PointCount(1), 8);
  EXPECT_EQ(Row(0, 6), (Values{0, 1, 1, 2, 2, 3}));
  EXPECT_EQ(Row(1, 6), (Values{5, 5, 7, 7, 9, 9}));
  EXPECT_FALSE(Data().IsWritten(1, 7) || Data().IsWritten(1, 8));
}

TEST_F(PlotterDlgPlotTest, PlotFileNavigationDrawsEachPlotWithItsCurvesBandsAndScales) {
  // Plot 1: code 23, three curves (steps, points with a band, blank legend); plot 2: lethargy
  // form with a replacement X label; plot 3: a last, lone block asking for a further curve.
  Load(WriteFile("plots.plo", Curve(3, 3, 0, 1, "first") + Curve(4, 0, -1, 3, "second") +
                                      Curve(2, 0, 0, 99, "hidden") + Curve(2, -1, 0, 2, "leth", "Time/s") +
                                      Curve(2, 12, 0, 2, "lone")));
  EXPECT_EQ(Text(IDC_PLOT_COUNTER), "1/3");
  EXPECT_EQ(Data().seriesCount(), 3);
  EXPECT_EQ(Data().PointCount(1), 8);
  EXPECT_TRUE(Label(1) == Field("first") && Label(3) == " ");
  EXPECT_TRUE(Axis(kAxisY).logarithmic && Checked(IDC_Y_LOGARITHMIC));
  EXPECT_EQ(Axis(kAxisX).title, "Energy/keV ->");
  // The X row written last (the points of curve 2) wins; curve 1's two steps keep their Y.
  EXPECT_EQ(Row(0, 4), (Values{1, 2, 3, 4}));
  EXPECT_EQ(Row(1, 4), (Values{10, 10, 20, 20}));
  EXPECT_EQ(Row(2, 4), (Values{10, 20, 30, 40}));
  EXPECT_TRUE(Group(1).StrokeKind(2) == 1 && Group(1).MarkerKind(2) == 2);
  EXPECT_FALSE(Data().IsWritten(3, 1));  // legend mode 99: no values
  // The band of curve 2 in series 3 and 4 of group 2, Y -/+ U.
  EXPECT_EQ(Row(3, 4, 2), (Values{9, 19, 29, 39}));
  EXPECT_EQ(Row(4, 4, 2), (Values{11, 21, 31, 41}));

  Click(IDC_NEXT_GRAPH);
  EXPECT_EQ(Axis(kAxisX).title, Field("Time/s"));
  Click(IDC_NEXT_GRAPH);  // the lone block: one curve, X log from its code
  EXPECT_TRUE(set().extraCurveCount == 0 && Data().seriesCount() == 1 && Label(2) == "<none>");
  EXPECT_EQ(Data(2).seriesCount(), 10);
  EXPECT_TRUE(Axis(kAxisX).logarithmic);
  EXPECT_EQ(Text(IDC_X_MIN) + "|" + Text(IDC_X_MAX), "1.000000|2.000000");  // the plot on show

  Click(IDC_NEXT_GRAPH);  // wraps to the first plot, and back
  EXPECT_TRUE(Text(IDC_PLOT_COUNTER) == "1/3" && Data().seriesCount() == 3);
  Click(IDC_PREVIOUS_GRAPH);
  EXPECT_EQ(Text(IDC_PLOT_COUNTER), "3/3");
}

TEST_F(PlotterDlgPlotTest, LethargyBoxBringsEveryCurveToItsFormAndBack) {
  // Main curve in F(E)*E, overlay asking for F(E): drawn side by side until the box changes.
  Load(WriteFile("main.flu", ThreeBins(2)));
  Overlay(WriteFile("fe.flu", ThreeBins(1)));
  const Values fe{6, 6, 8, 8, 12, 12};
  const Values lethargy{6, 6, 16, 16, 72, 72};  // the bin of energy 0 keeps its value
  EXPECT_EQ(Row(1, 6), lethargy);
  EXPECT_EQ(Row(2, 6), fe);
  for (int round = 0; round < 2; ++round) {
    ToggleLethargyBox();  // off: the main curve divided, the overlay already F(E)
    EXPECT_FALSE(Checked(IDC_LETHARGY) || Axis(kAxisX).logarithmic);
    EXPECT_EQ(Axis(kAxisY).title, "F(E) ->");
    EXPECT_TRUE(Row(1, 6) == fe && Row(2, 6) == fe);
    EXPECT_EQ(Label(2), "fe.flu");  // kept on redraws
    ToggleLethargyBox();
    EXPECT_TRUE(Checked(IDC_LETHARGY) && Axis(kAxisX).logarithmic);
    EXPECT_TRUE(Row(1, 6) == lethargy && Row(2, 6) == lethargy);
  }
}

TEST_F(PlotterDlgPlotTest, OverlaysAskTheirDialogFitTheMainCurveAndStopAtTheTenth) {
  const std::string main = WriteFile("main3.flu", ThreeBins(1));
  Load(main);
  Overlay("");  // cancelled: nothing changes
  EXPECT_EQ(request_.fileName, "*.flu;*.dat");
  EXPECT_EQ(request_.filter.substr(0, 18), std::string("Overlay .flu File") + '\0');
  EXPECT_TRUE(request_.owner == nullptr && request_.flags == 0u);
  EXPECT_EQ(set().overlayCount, 0);

  // A ".dat" overlay on a spectrum is read as a spectrum; of its five bins three fit.
  std::string wide = "Wide\n1 0 0\n1 0 5 9\n";
  for (int i = 0; i <= 5; ++i) wide += std::to_string(i) + " " + std::to_string(100 + i) + "\n";
  Overlay(WriteFile("wide.dat", wide));
  EXPECT_TRUE(Data().seriesCount() == 2 && Label(2) == "wide.dat" && Group(1).StrokeKind(2) == 2);
  EXPECT_EQ(Row(2, 6), (Values{100, 100, 101, 101, 102, 102}));

  // A file that cannot be opened counts its slot, holds no points and changes no series.
  Overlay(Folder() + "missing.flu");
  EXPECT_TRUE(set().overlayCount == 2 && set().pointCount[2] == 0 && Data().seriesCount() == 2);
  ToggleLethargyBox();  // a redraw with the empty slot: nothing of it drawn
  EXPECT_EQ(Data().seriesCount(), 3);
  EXPECT_FALSE(Data().IsWritten(3, 1));
  EXPECT_EQ(Row(0, 6), (Values{0, 1, 1, 4, 4, 9}));  // overlays drawn over the main curve's X
  ToggleLethargyBox();

  // An overlay of one bin draws that bin only.
  Overlay(WriteFile("one.flu", "One\n1 0 0\n1 0 1 1\n0 50\n1 0\n"));
  EXPECT_TRUE(Data().IsWritten(4, 2) && !Data().IsWritten(4, 3));

  HWND button = GetDlgItem(hwnd_, IDC_OVERLAY_SPECTRUM);
  for (int i = 4; i <= 10; ++i) {
    EXPECT_TRUE(IsWindowEnabled(button)) << i;
    Overlay(main);
  }
  EXPECT_FALSE(IsWindowEnabled(button));
  EXPECT_EQ(Data().seriesCount(), 11);
  dialog_->LoadOverlay();  // no eleventh, even when asked directly
  EXPECT_EQ(set().overlayCount, 10);

  Load(main);  // a new main file starts counting again
  EXPECT_TRUE(IsWindowEnabled(button) && set().overlayCount == 0 && Data().seriesCount() == 1);
}

}  // namespace
