#include <cmath>
#include <numbers>

#include "common/tolerance.h"
#include "feld_fixture.h"
#include "fields/feldzeichnungen.h"

namespace {

constexpr long double kPi = std::numbers::pi_v<long double>;

using BahnTest = FeldTest;

TEST_F(BahnTest, ElectricFieldStartValuesDeflectByMinusSevenPointEightCentimetres) {
  Startwerte_E_Feld();
  EXPECT_TRUE(RelNear(Feld.Ub, 1.0234, 1e-4L));
  std::vector<TPunkt3> punkte;
  const TBahn_E b = Berechne_Bahn_E(Feld, Sammler(punkte));
  ASSERT_FALSE(b.Treffer);
  EXPECT_TRUE(RelNear(100 * b.z1, -0.977111, 1e-5L));
  EXPECT_TRUE(RelNear(100 * (b.z1 + b.z2), -7.816889, 1e-6L));
  // Approach, 251 points through the capacitor, the screen point.
  ASSERT_EQ(punkte.size(), 1u + 1 + 251 + 1);
  EXPECT_EQ(punkte.front().strich, TStrich::Sprung);
  EXPECT_TRUE(RelNear(punkte.back().z, -7.816889, 1e-6L));
}

TEST_F(BahnTest, ElectricFieldPlateHitStopsThePathAndBeepsOncePerDrawing) {
  Startwerte_E_Feld();
  Feld.Uc = 3;
  std::vector<TPunkt3> punkte;
  const TBahn_E b = Berechne_Bahn_E(Feld, Sammler(punkte));
  EXPECT_TRUE(b.Treffer);
  EXPECT_GT(std::fabs(punkte.back().z), 2.0L);  // the first point beyond half the plate distance
  EXPECT_LT(punkte.back().y, 4.0L);

  const auto rec = Zeichne(Zeichne_E_Feld);
  EXPECT_EQ(services.beeper.count, 1);
  Zeichne(Zeichne_E_Feld);
  EXPECT_EQ(services.beeper.count, 2);
  // Only the screen centre is marked.
  EXPECT_EQ(rec.count("Rectangle"), 1);
}

TEST_F(BahnTest, MagneticFieldStartValuesGiveRadiusPeriodAndPitch) {
  Startwerte_B_Feld();
  std::vector<TPunkt3> punkte;
  const TBahn_B b = Berechne_Bahn_B(Feld, Sammler(punkte));
  EXPECT_TRUE(RelNear(100 * b.r, 2.23971, 1e-5L));
  EXPECT_TRUE(RelNear(b.T, 0.357243e-6L, 1e-5L));
  EXPECT_TRUE(RelNear(100 * b.h, 2.48137, 1e-5L));
  // Stops after the third turn, the first to end above 5 cm.
  EXPECT_EQ(b.Windungen, 3);
  ASSERT_EQ(punkte.size(), 1u + 3 * 361);
  EXPECT_TRUE(RelNear(punkte.back().z, 3 * 100 * b.h, 1e-12L));
  EXPECT_EQ(punkte[1 + 91].strich, TStrich::Punkt);
  EXPECT_EQ(punkte[1 + 270].strich, TStrich::Linie);

  Feld.phi = 0;  // a single circle
  punkte.clear();
  EXPECT_EQ(Berechne_Bahn_B(Feld, Sammler(punkte)).Windungen, 1);
}

// At the slowest, flattest settings the helix has about 40 000 turns. At most 200 are drawn
// (every k-th and the last), while the end still comes from the full path.
TEST_F(BahnTest, MagneticHelixDrawsAtMostTwoHundredTurns) {
  Startwerte_B_Feld();
  Feld.v = 20000;
  Feld.phi = 1;
  Feld.B = 0.01L;
  std::vector<TPunkt3> punkte;
  const TBahn_B b = Berechne_Bahn_B(Feld, Sammler(punkte));
  const long long n = static_cast<long long>(std::floor(0.05L / b.h)) + 1;
  EXPECT_GT(n, 40000);
  EXPECT_EQ(b.Windungen, n);
  EXPECT_EQ(b.Schrittweite, (n + 199) / 200);
  EXPECT_LE(punkte.size(), 1u + 201 * 361);
  EXPECT_TRUE(RelNear(punkte.back().z, 100 * b.h * n, 1e-12L));
  EXPECT_GT(punkte.back().z, 5.0L);
}

TEST_F(BahnTest, CombinedFieldLandsOnTheScreenAfterTheHelix) {
  Startwerte_EB_Feld();
  std::vector<TPunkt3> punkte;
  const TBahn_EB b = Berechne_Bahn_EB(Feld, Sammler(punkte));
  ASSERT_FALSE(b.Kondensator.Treffer);
  EXPECT_TRUE(RelNear(100 * b.r, -0.558474, 1e-5L));
  EXPECT_TRUE(RelNear(100 * b.h, 4.221785, 1e-6L));
  EXPECT_EQ(b.Windungen, 4);
  EXPECT_LE(punkte.back().y, 18.0L);
  EXPECT_TRUE(RelNear(punkte.back().x, b.Landung_x, 1e-11L));
  EXPECT_TRUE(RelNear(punkte.back().z, b.Landung_z, 1e-11L));

  // Many turns: every k-th is drawn, the landing point comes from the full path.
  Feld.v = 20000;
  Feld.phi = 1;
  Feld.Uc = 0.5L;
  Feld.d = 50;
  Feld.l = 1;
  Feld.a = 100;
  Feld.B = 0.01L;
  punkte.clear();
  const TBahn_EB viele = Berechne_Bahn_EB(Feld, Sammler(punkte));
  EXPECT_GT(viele.Windungen, 10000);
  EXPECT_LE(punkte.size(), 253u + 201 * 360);
  const long long n = static_cast<long long>(std::floor(0.99L * 360 / viele.h));
  const long double g = ((n - 1) % 360) * kPi / 180;
  EXPECT_TRUE(RelNear(viele.Landung_z, 100 * (viele.Kondensator.z1 + viele.r * std::sin(g)), 1e-6L));
}

// With the screen closer than one helix step, or inside the capacitor, the landing point
// used to stay unset; it is now the exact point in the screen plane.
TEST_F(BahnTest, CombinedFieldLandingPointWhenNoHelixStepReachesTheScreen) {
  Startwerte_EB_Feld();
  Feld.a = 4.005L;
  std::vector<TPunkt3> punkte;
  TBahn_EB b = Berechne_Bahn_EB(Feld, Sammler(punkte));
  EXPECT_EQ(b.Windungen, 0);
  const long double w = 2 * kPi * 0.00005L / b.h;
  EXPECT_TRUE(RelNear(b.Landung_x, 100 * (-b.r + b.r * std::cos(w)), 1e-6L));
  EXPECT_TRUE(RelNear(b.Landung_z, 100 * (b.Kondensator.z1 + b.r * std::sin(w)), 1e-9L));

  Feld.a = 3;
  b = Berechne_Bahn_EB(Feld, Sammler(punkte));
  EXPECT_EQ(static_cast<long double>(b.Landung_x), 0.0L);
  const long double vy = b.Kondensator.vy, vz = b.Kondensator.vz;
  EXPECT_TRUE(RelNear(b.Landung_z, 100 * Berechne_Parabel(vy, vz, 2, 0.04L, 0.03L), 1e-9L));
}

// Near balance the circle is huge. Its first whole-degree step used to lie beyond the plate
// (a hit and a beep) or fly off by thousands of kilometres; the exact angles give a nearly
// straight path that leaves the plates.
TEST_F(BahnTest, CrossedFieldsNearBalanceLeaveThePlatesStraight) {
  for (const long double B : {0.0005L, 0.000500002L, 0.0005000001L}) {
    Startwerte_EB_gekreuzt();
    Feld.B = B;
    std::vector<TPunkt3> punkte;
    const TBahn_gekreuzt b = Berechne_Bahn_gekreuzt(Feld, Sammler(punkte));
    EXPECT_FALSE(b.Treffer) << static_cast<double>(B);
    EXPECT_TRUE(b.Austritt);
    EXPECT_LT(std::fabs(b.Winkel), 1e-3L);
    EXPECT_TRUE(RelNear(punkte.back().y, 10, 1e-9L));
    for (const auto& p : punkte) EXPECT_LT(std::fabs(p.z), 0.02L);
    if (!b.Parabel) {
      EXPECT_TRUE(RelNear(b.Winkel, std::asin(0.06L / b.R), 1e-9L));
    }
  }
}

TEST_F(BahnTest, CrossedFieldsStraightFlightAngleStaysBelowNinetyDegrees) {
  Startwerte_EB_gekreuzt();
  Feld.d = 50;
  // A circle of radius just above the plate length leaves the plates at almost 90 degrees.
  const long double m = Feld.e / Feld.e_m, Fe = Feld.e * 3 / 0.5L;
  Feld.B = (Fe + m * 1e10L / (0.06L * (1 + 1e-9L))) / (Feld.e * 1e5L);
  std::vector<TPunkt3> punkte;
  const TBahn_gekreuzt b = Berechne_Bahn_gekreuzt(Feld, Sammler(punkte));
  ASSERT_TRUE(b.Austritt);
  EXPECT_GT(b.Winkel, 89.9L * kPi / 180);
  EXPECT_LT(punkte.back().z, 100 * (b.R + 0.04L * std::tan(89 * kPi / 180)) + 1e-6L);
  EXPECT_FALSE(b.Treffer);
}

TEST_F(BahnTest, CrossedFieldsPlateHitAndTurningBack) {
  Startwerte_EB_gekreuzt();
  Feld.Uc = 25;  // the electric force wins: parabola to the lower plate
  std::vector<TPunkt3> punkte;
  TBahn_gekreuzt b = Berechne_Bahn_gekreuzt(Feld, Sammler(punkte));
  EXPECT_TRUE(b.Parabel && b.Treffer);
  Feld.Uc = 0.5L;
  Feld.B = 0.01L;  // small circle that turns back inside the plates
  b = Berechne_Bahn_gekreuzt(Feld, Sammler(punkte));
  EXPECT_TRUE(b.Umkehr);
  EXPECT_FALSE(b.Treffer || b.Austritt || b.Parabel);
  EXPECT_EQ(punkte.back().y, -2.0L);
}

// Every topic draws its path in the resistor colour, width 2, with its title, and keeps its
// coordinates within the picture even for a helix of kilometres.
TEST_F(BahnTest, DrawingsShowTitleAndPath) {
  const struct {
    void (*startwerte)();
    void (*zeichne)(Canvas&);
    const char* titel;
  } themen[] = {{Startwerte_E_Feld, Zeichne_E_Feld, "Elektron im elektrischen Feld:"},
                {Startwerte_B_Feld, Zeichne_B_Feld, "Elektron im Magnetfeld:"},
                {Startwerte_EB_Feld, Zeichne_EB_Feld, "Elektron im elektrischen und magnetischen Feld:"},
                {Startwerte_EB_gekreuzt, Zeichne_EB_gekreuzt, "Elektron im gekreuzten elektrischen"}};
  for (const auto& t : themen) {
    t.startwerte();
    const auto rec = Zeichne(t.zeichne);
    const auto* titel = rec.findText(t.titel);
    ASSERT_NE(titel, nullptr) << t.titel;
    EXPECT_EQ(titel->args, (QList<int>{8, 3}));
    EXPECT_EQ(titel->fontName, "Arial");
    bool bahn = false;
    for (const auto& op : rec.ops("Polyline")) bahn |= op.penColor == Farben.Widerstand && op.penWidth == 2;
    EXPECT_TRUE(bahn) << t.titel;
  }
  EXPECT_EQ(services.beeper.count, 0);

  Startwerte_B_Feld();
  Feld.v = 200000000;
  Feld.B = 0.00001L;
  Feld.phi = 45;
  const auto rec = Zeichne(Zeichne_B_Feld);
  for (const auto& op : rec.ops("Polyline"))
    for (int v : op.args) ASSERT_TRUE(v >= -10 && v <= 800) << v;
}

// The screen mark made the brush solid, so the dotted line after it was drawn solid.
TEST_F(BahnTest, DottedLineAfterAMarkKeepsItsGaps) {
  Startwerte_E_Feld();
  Feld.Uc = 0.5L;  // screen point inside the picture
  const auto rec = Zeichne(Zeichne_E_Feld);
  const auto linien = rec.ops("Polyline");
  ASSERT_FALSE(linien.empty());
  const auto& punktiert = linien.back();
  EXPECT_EQ(punktiert.penStyle, TPenStyle::psDot);
  EXPECT_EQ(punktiert.penColor, Farben.Kondensator);
  EXPECT_TRUE(punktiert.textTransparent);
  // Along the line some pixels keep the background.
  const int x = punktiert.args[0];
  int luecken = 0;
  for (int y = std::min(punktiert.args[1], punktiert.args[3]) + 4;
       y < std::max(punktiert.args[1], punktiert.args[3]) - 4; ++y)
    luecken += bild.pixelColor(x, y) == Farben.Hintergrund;
  EXPECT_GT(luecken, 3);
}

}  // namespace
