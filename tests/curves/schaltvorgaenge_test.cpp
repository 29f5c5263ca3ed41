#include "curves/schaltvorgaenge.h"

#include <cmath>

#include "curves/kurvenhilfe.h"
#include "kurven_fixture.h"

namespace {

// 800 x 600, status bar 20: nt = 383; upper graph base 283, top 7.
constexpr int kNt = 383, kBasis = 283, kOben = 7;

class SchaltvorgangTest : public KurvenTest {
 protected:
  platform::Recorder Kondensator() {
    return Zeichne([](Canvas& c) { Zeichne_Kondensator_Schaltvorgang(c, Schaltung.Ug, Schaltung.R, Schaltung.C); });
  }
  // Height above the base line of point n of the first curve drawn in colour c.
  static double Anteil(const platform::Recorder& rec, const QColor& c, int n) {
    const int x = 7 + n;
    for (const auto& op : rec.ops("Polyline")) {
      if (op.penColor != c) continue;
      // Straight runs come as one line: interpolate between the vertices around x.
      for (int i = 0; i + 3 < op.args.size(); i += 2) {
        const int x1 = op.args[i], y1 = op.args[i + 1], x2 = op.args[i + 2], y2 = op.args[i + 3];
        if (x1 <= x && x <= x2 && x1 < x2) {
          const double y = y1 + double(y2 - y1) * (x - x1) / (x2 - x1);
          return (kBasis - y) / (kBasis - kOben);
        }
      }
    }
    ADD_FAILURE() << "no curve through x = " << x;
    return 0;
  }
};

TEST_F(SchaltvorgangTest, StartValuesWriteTauAsTheSixByteProductDecides) {
  Startwerte_Kondensator_Schaltvorgang();
  // 1000 * 1e-6 as 6-byte reals comes out a hair below 0.001 s.
  EXPECT_LT(static_cast<long double>(Schaltung.R * Schaltung.C), 0.001L);
  EXPECT_NE(Kondensator().findText("Tau = 1000 us"), nullptr);
  Startwerte_Spule_Schaltvorgang();
  const auto spule = Zeichne([](Canvas& c) { Zeichne_Spule_Schaltvorgang(c, Schaltung.Ug, Schaltung.R, Schaltung.L); });
  EXPECT_NE(spule.findText("Tau = 1 ms"), nullptr);
  EXPECT_NE(spule.findText("  Imax = 1 A"), nullptr);
  EXPECT_NE(spule.findText("  Stromanstieg beim Einschalten I/t = 1000 A/s"), nullptr);
  EXPECT_EQ(Tau_Zeile(real48(100) * real48(1e-6L)), "Tau = 100 us");
  EXPECT_EQ(Tau_Zeile(0.0025L), "Tau = 2.500 ms");
}

TEST_F(SchaltvorgangTest, ConstantAxisReachesOneTauAtAFifthOfTheAxis) {
  Startwerte_Kondensator_Schaltvorgang();
  Zeichenmodus.Konstante_Achse_RC = true;
  const auto rec = Kondensator();
  EXPECT_NEAR(Anteil(rec, Farben.Impedanz, kNt / 5), 1 - std::exp(-1.0), 0.01);
  EXPECT_NEAR(Anteil(rec, Farben.Impedanz, kNt), 1 - std::exp(-5.0), 0.01);
  EXPECT_NE(rec.findText("Zeitachse: tmax = 5 * Tau"), nullptr);
  EXPECT_NE(rec.findText("  U(1 Tau) = 6.321 V"), nullptr);
}

TEST_F(SchaltvorgangTest, VariableAxisWithDoubledResistanceFlattensTheCurves) {
  Startwerte_Kondensator_Schaltvorgang();
  Zeichenmodus.Konstante_Achse_RC = false;
  Schaltung.R = 2000;
  const auto rec = Kondensator();
  EXPECT_NEAR(Anteil(rec, Farben.Impedanz, kNt), 1 - std::exp(-2.5), 0.01);
  EXPECT_NE(rec.findText("Zeitachse: tmax = 0.005 s"), nullptr);
  EXPECT_NE(rec.findText("Tau = 2 ms"), nullptr);
}

TEST_F(SchaltvorgangTest, ChargingCurrentStartsAtSeventyPercentWhateverTheValues) {
  for (long double R : {10.0L, 1000.0L, 10000.0L}) {
    Schaltung.Ug = 10;
    Schaltung.R = R;
    Schaltung.C = 1e-4L;
    const auto rec = Kondensator();
    EXPECT_NEAR(Anteil(rec, Farben.Widerstand, 0), 0.7, 0.005) << double(R);
  }
}

TEST_F(SchaltvorgangTest, AxisLengthIsRoundedToTenMicroseconds) {
  EXPECT_EQ(Achsenlaenge(0.001L), "0.005");
  EXPECT_EQ(Achsenlaenge(1.234567e-3L), "0.00617");
  EXPECT_EQ(Achsenlaenge(0.2L), "1");
  // Too short for the rounding: never "0", and without the stored real's rounding noise.
  EXPECT_EQ(Achsenlaenge(real48(1e-8L)), "5E-8");
  EXPECT_EQ(Achsenlaenge(real48(1.234567e-9L)), "6.172835E-9");
  EXPECT_DOUBLE_EQ(double(Abklingfaktor(0, 100, false, 1e-3L, 2e-3L)), 1.0);
  EXPECT_NEAR(double(Abklingfaktor(100, 100, false, 1e-3L, 2e-3L)), std::exp(-2.5), 1e-12);
}

TEST(ZwischenpunkteTest, OnlyPointsInsideAStraightRunInTheSameDirectionGo) {
  using P = std::vector<QPoint>;
  EXPECT_EQ(Ohne_Zwischenpunkte(P{{0, 0}, {1, 1}, {2, 2}, {3, 2}, {4, 2}, {5, 5}}),
            (P{{0, 0}, {2, 2}, {4, 2}, {5, 5}}));
  // A turn back on the same line and a repeated point stay.
  EXPECT_EQ(Ohne_Zwischenpunkte(P{{0, 0}, {3, 0}, {1, 0}}), (P{{0, 0}, {3, 0}, {1, 0}}));
  EXPECT_EQ(Ohne_Zwischenpunkte(P{{7, 5}, {7, 5}, {8, 6}}), (P{{7, 5}, {7, 5}, {8, 6}}));
  EXPECT_EQ(Ohne_Zwischenpunkte(P{{1, 1}}), (P{{1, 1}}));
}

}  // namespace
