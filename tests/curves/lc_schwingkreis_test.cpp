#include "curves/lc_schwingkreis.h"

#include "common/tolerance.h"
#include "kurven_fixture.h"

namespace {

using LCTest = KurvenTest;

TEST_F(LCTest, StartValuesOscillateAtAboutFiveKilohertz) {
  Startwerte_LC_Schwingkreis();
  const TLC_Werte w = Berechne_LC_Schwingkreis(Schaltung.Ug, Schaltung.R, Schaltung.C, Schaltung.L);
  EXPECT_TRUE(RelNear(w.d, 1e9L - 6.25e6L, 1e-9L));
  ASSERT_TRUE(w.schwingend);
  EXPECT_TRUE(RelNear(w.f_res, 5017.17, 1e-5L));
  EXPECT_TRUE(RelNear(w.I0, 10 * std::sqrt(1e-3L), 1e-9L));
  EXPECT_TRUE(RelNear(w.Rap, 2 * std::sqrt(1000.0L), 1e-9L));
  EXPECT_TRUE(RelNear(w.Tau, 4e-4L, 1e-9L));
  EXPECT_TRUE(RelNear(w.t_max, 5 / w.f_res, 1e-9L));
}

TEST_F(LCTest, TheAperiodicLimitItselfDoesNotOscillate) {
  // 1/(LC) = 1 and R^2/(4L^2) = 1: d is exactly 0.
  const TLC_Werte w = Berechne_LC_Schwingkreis(10, 2, 1, 1);
  EXPECT_EQ(static_cast<long double>(w.d), 0.0L);
  EXPECT_FALSE(w.schwingend);
}

// The capacitor discharges: no current at the start, the full voltage.
TEST_F(LCTest, StartValuesDrawCurrentFromTheAxisAndVoltageFromTheTop) {
  Startwerte_LC_Schwingkreis();
  const auto rec = Zeichne(Zeichne_LC_Schwingkreis);
  // 800 x 600, status bar 20: current graph top 6, axis 151; voltage graph top 306, axis 440.
  auto kurve = [&](const QColor& c) {
    for (const auto& op : rec.ops("Polyline"))
      if (op.penColor == c && op.penWidth == 2) return op.args;
    return QList<int>{};
  };
  const QList<int> strom = kurve(Farben.Widerstand), spannung = kurve(Farben.Kondensator);
  ASSERT_GE(strom.size(), 4);
  ASSERT_GE(spannung.size(), 4);
  EXPECT_EQ(strom.mid(0, 4), (QList<int>{6, 151, 6, 151}));
  EXPECT_EQ(spannung.mid(0, 4), (QList<int>{6, 306, 6, 306}));
  // A quarter period later the current is at its peak and the voltage crosses the axis.
  const auto y_bei = [](const QList<int>& punkte, int x) {
    for (int i = 0; i + 1 < punkte.size(); i += 2)
      if (punkte[i] >= x) return punkte[i + 1];
    return -1;
  };
  const int viertel = 6 + (800 / 2 - 13 - 6) / 20;  // five periods across the graph
  EXPECT_LE(y_bei(strom, viertel), 151 - 110);      // near the damped peak, 145 pixels above the axis undamped
  EXPECT_NEAR(y_bei(spannung, viertel), 440, 12);
  EXPECT_EQ(strom[strom.size() - 2], 800 / 2 - 13);
  EXPECT_EQ(rec.count("Polyline"), 6);  // per graph two dotted envelopes and the curve

  EXPECT_NE(rec.findText("aperiod. Grenzfall bei Rap = 63.246 Ohm"), nullptr);
  EXPECT_NE(rec.findText("Imax = 0.31623 A"), nullptr);
  EXPECT_NE(rec.findText("Resonanzfreq.  fres = 5017.169 Hz"), nullptr);
  EXPECT_NE(rec.findText("Zeitkonstante Tau   = 0.400 ms"), nullptr);
}

TEST_F(LCTest, ResistanceAboveTheLimitRemovesBothCurvesAndMovesTauUp) {
  Startwerte_LC_Schwingkreis();
  const auto schwingend = Zeichne(Zeichne_LC_Schwingkreis);
  Schaltung.R = 100;
  const auto aperiodisch = Zeichne(Zeichne_LC_Schwingkreis);

  EXPECT_EQ(aperiodisch.count("Polyline"), 0);
  EXPECT_EQ(aperiodisch.findTextContaining("fres"), nullptr);
  EXPECT_EQ(aperiodisch.findTextContaining("Ts   ="), nullptr);

  const auto* tau = aperiodisch.findTextContaining("Zeitkonstante Tau");
  const auto* freq = schwingend.findTextContaining("Resonanzfreq.");
  ASSERT_NE(tau, nullptr);
  ASSERT_NE(freq, nullptr);
  EXPECT_EQ(tau->args[1], freq->args[1]);
  EXPECT_NE(aperiodisch.findText("Zeitkonstante Tau   = 0.020 ms"), nullptr);
}

}  // namespace
