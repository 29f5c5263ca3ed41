#include "curves/resonanz.h"

#include <algorithm>

#include "common/tolerance.h"
#include "kurven_fixture.h"

namespace {

// 800 x 600 with a status bar of 20: h = N = 400, H = 578, T = 192, B = 86, x_fr = 210.
constexpr int kN = 400, kB = 86, kX_fr = 210;
constexpr int kT = 192;

using ResonanzTest = KurvenTest;

int Endpunkt_bei(const std::vector<platform::RecordedOp>& lines, int x) {
  for (const auto& op : lines)
    if (op.args[2] == x) return op.args[3];
  ADD_FAILURE() << "no line ends at x = " << x;
  return 0;
}

TEST_F(ResonanzTest, SeriesStartValuesPutTheImpedanceMinimumAtResonanceOnePixelAboveTheAxis) {
  Startwerte_Serienschwingkreis();
  const auto rec =
      Zeichne([](Canvas& c) { Zeichne_Serienschwingkreis(c, Schaltung.R, Schaltung.C, Schaltung.L, Schaltung.Ueff); });
  const int axis_1 = kT / 2;
  const auto z = Linien(rec, Farben.Impedanz);
  ASSERT_FALSE(z.empty());
  const auto lowest = std::max_element(z.begin(), z.end(), [](auto& a, auto& b) { return a.args[3] < b.args[3]; });
  EXPECT_EQ(lowest->args[3], axis_1 - 1);
  EXPECT_EQ(Endpunkt_bei(z, kX_fr), axis_1 - 1);

  // Xc enters the band from below: its first line starts outside, every end lies inside.
  const auto xc = Linien(rec, Farben.Kondensator);
  ASSERT_FALSE(xc.empty());
  EXPECT_GT(xc.front().args[1], axis_1 + kB);
  for (const auto& op : xc) EXPECT_LE(op.args[3], axis_1 + kB);

  // XL rises to the upper right and reaches the last column (200 Ohm = 20 pixels at 2 fr).
  const auto xl = Linien(rec, Farben.Spule);
  EXPECT_EQ(xl.back().args[2], 10 + kN);
  EXPECT_EQ(xl.back().args[3], axis_1 - 20);

  // Current peak 2B above its axis at resonance; phase 0 at resonance.
  EXPECT_EQ(Endpunkt_bei(Linien(rec, Farben.Widerstand), kX_fr), 2 * kT - 10 - 2 * kB);

  EXPECT_NE(rec.findText("Imax = 1 A"), nullptr);
  EXPECT_NE(rec.findText("  Xc = 100 V/A"), nullptr);
  const auto* fr = rec.findText("Resonanzfrequenz fr = 1591.549 Hz");
  ASSERT_NE(fr, nullptr);
  EXPECT_EQ(fr->args[1], (2 * kT + 578) / 2 + 20);
}

TEST_F(ResonanzTest, ReactanceCurvesEndWhereTheyLeaveTheBandOrAreLeftOut) {
  // L = 1 H: XL grows past R * B before 2 fr and simply ends there.
  const auto steil = Zeichne([](Canvas& c) { Zeichne_Serienschwingkreis(c, 10, 1e-6L, 1, 10); });
  const auto xl = Linien(steil, Farben.Spule);
  ASSERT_FALSE(xl.empty());
  EXPECT_LT(xl.back().args[2], 10 + kN);
  for (const auto& op : xl) EXPECT_GE(op.args[3], kT / 2 - kB);

  // R = 1 Ohm with sqrt(L/C) = 31623 Ohm: neither reactance ever lies within the band.
  const auto ohne = Zeichne([](Canvas& c) { Zeichne_Serienschwingkreis(c, 1, 1e-9L, 1, 10); });
  EXPECT_TRUE(Linien(ohne, Farben.Kondensator).empty());
  EXPECT_TRUE(Linien(ohne, Farben.Spule).empty());
  EXPECT_FALSE(Linien(ohne, Farben.Impedanz).empty());
}

TEST_F(ResonanzTest, LargeComponentsStartImpedanceAndXcAtThePointOne) {
  // fr about 5 Hz; Xc at the first point is about 6300 Ohm, 6 pixels at R = 1000.
  const auto rec = Zeichne([](Canvas& c) { Zeichne_Serienschwingkreis(c, 1000, 1e-3L, 1, 10); });
  EXPECT_EQ(Linien(rec, Farben.Impedanz).front().args[0], 11);
  EXPECT_EQ(Linien(rec, Farben.Kondensator).front().args[0], 11);
}

TEST_F(ResonanzTest, ParallelCurrentsMeetAtResonanceWithTheTotalOnePixelAboveTheAxis) {
  Startwerte_Parallelschwingkreis();
  const auto rec = Zeichne(
      [](Canvas& c) { Zeichne_Parallelschwingkreis(c, Schaltung.R, Schaltung.C, Schaltung.L, Schaltung.Ueff); });
  const int axis_2 = 3 * kT / 2;
  const int ic = Endpunkt_bei(Linien(rec, Farben.Kondensator), kX_fr);
  const int il = Endpunkt_bei(Linien(rec, Farben.Spule), kX_fr);
  EXPECT_EQ(axis_2 - ic, il - axis_2);
  EXPECT_EQ(axis_2 - ic, 19);  // 0.316 A at 60 pixels per ampere
  EXPECT_EQ(Endpunkt_bei(Linien(rec, Farben.Widerstand), kX_fr), axis_2 - 1);
  // Z = R at resonance reaches 2B above the bottom axis.
  EXPECT_EQ(Endpunkt_bei(Linien(rec, Farben.Impedanz), kX_fr), kT - 10 - 2 * kB);
  EXPECT_NE(rec.findText("  Ic = 0.316 A"), nullptr);
  EXPECT_NE(rec.findText("Gesamtstrom Iges:  Imin = 0.017 A"), nullptr);
}

TEST_F(ResonanzTest, PointsSpanTwiceTheResonanceFrequency) {
  const TResonanzkurven k = Berechne_Serienschwingkreis(10, 1e-6L, 0.01L, 10, 400);
  ASSERT_EQ(k.N(), 400);
  EXPECT_TRUE(RelNear(k.fr, 1591.549430919, 1e-9L));
  EXPECT_TRUE(RelNear(k.punkte[200].f, k.fr, 1e-10L));
  EXPECT_TRUE(RelNear(k.punkte[400].f, 2 * k.fr, 1e-10L));
  EXPECT_EQ(k.punkte[1].x, 11);
  EXPECT_TRUE(RelNear(k.Imax, 1, 1e-9L));
  EXPECT_LT(k.punkte[1].phi, 0);
  EXPECT_GT(k.punkte[400].phi, 0);
}

TEST_F(ResonanzTest, GraphFramesAreGreyOnDarkSchemesAndWhiteOnWhite) {
  auto frame_brush = [this](void (*zeichnung)(Canvas&, long double, long double, long double, long double)) {
    const auto rec = Zeichne([&](Canvas& c) { zeichnung(c, 10, 1e-6L, 0.01L, 10); });
    return rec.ops("Rectangle").at(1).brushColor;  // panel, first graph
  };
  EXPECT_EQ(frame_brush(Zeichne_Serienschwingkreis), QColor(0x80, 0x80, 0x80));
  EXPECT_EQ(frame_brush(Zeichne_Parallelschwingkreis), Farben.Rahmengrau);
  Setze_Farbschema(0);
  EXPECT_EQ(frame_brush(Zeichne_Serienschwingkreis), QColor(0xFF, 0xFF, 0xFF));
}

}  // namespace
