#include "calculators/sheets.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>

#include "calculators/parallel_solvers.h"
#include "calculators/series_solvers.h"
#include "common/tolerance.h"
#include "solver_test_support.h"
#include "toolkit/filter_frequencies.h"

using namespace calculators;

namespace {

constexpr long double zwei_pi = 6.283185307179586477L;

std::optional<Blattzeile> Zeile(const Blatt& b, const std::string& vor) {
  for (const auto& z : b.zeilen)
    if (z.vor == vor) return z;
  return std::nullopt;
}

TEST(Blaetter, TitlesAreDrawnAsTheyStand) {
  const Kreiswerte w{.R = 100, .C = 1e-6L, .Xc = 3000, .L = 0.5L, .XL = 157, .f = 50, .Ueff = 10, .Ieff = 0.1L};
  EXPECT_EQ(Blatt_Kondensator(w).titel, "Nur Kondesator im Wechselstromkreis:");
  EXPECT_EQ(Blatt_RCL_Reihe(w, 100).titel, "Widerstand, Kondensator u. Spule in Reihe:");
  EXPECT_EQ(Blatt_RCL_parallel(w).titel, "Widerstand, Kondensator, Spule parallel:");
  EXPECT_EQ(Blatt_RCL_parallel(w).bezug, Blatt_RCL_parallel(w).titel);
}

TEST(Blaetter, HighAndLowPassListsEightFrequenciesInFixedPoint) {
  const Blatt b = Blatt_Hoch_Tiefpass(1000, 1e-6L);
  EXPECT_EQ(b.titel, "Hoch-Tiefpass aus R und C:");
  EXPECT_EQ(b.bezug, "Berechnungsergebnisse: (Hochpass)");
  ASSERT_EQ(b.zeilen.size(), 15u);
  EXPECT_EQ(b.zeilen[2].vor, "  C = ");
  EXPECT_TRUE(RelNear(b.zeilen[2].wert, 1));
  EXPECT_EQ(b.zeilen[2].nach, " uF");
  EXPECT_TRUE(b.zeilen[3].leer());
  EXPECT_EQ(b.zeilen[8].vor, "  -24db Frequenz=");
  EXPECT_EQ(b.zeilen[8].form, Zahlform::Festkomma);
  EXPECT_EQ(b.zeilen[8].nach, "Hz");
  EXPECT_EQ(b.zeilen[8].wert, Frequenz_Hochpass(1000, 1e-6L, 24));
  EXPECT_EQ(b.zeilen[10].farbe, Farbrolle::Kondensator);
  EXPECT_EQ(b.zeilen[11].wert, Frequenz_Tiefpass(1000, 1e-6L, 3));
}

TEST(Blaetter, SeriesPartialVoltagesOnlyWithCurrent) {
  Rechnung r(Kreiswerte{.R = 100, .C = 1e-6L, .f = 50, .Ueff = 10});
  Berechne_RC_Reihe(r);
  ASSERT_TRUE(r.erfolgreich);
  const Blatt mit = Blatt_RC_Reihe(r.w);
  ASSERT_TRUE(Zeile(mit, "  Uc = "));
  EXPECT_TRUE(RelNear(Zeile(mit, "  Ur = ")->wert, r.w.Ieff * 100));
  EXPECT_EQ(Zeile(mit, "  C = ")->form, Zahlform::Vorsatz);
  EXPECT_EQ(Zeile(mit, "  C = ")->nach, "F");

  Kreiswerte ohne = r.w;
  ohne.Ieff = 0;
  const Blatt b = Blatt_RC_Reihe(ohne);
  EXPECT_FALSE(Zeile(b, "  Ur = "));
  EXPECT_FALSE(Zeile(b, "  Uc = "));
  EXPECT_EQ(b.zeilen.back().vor, "Teilspannungen:");
}

TEST(Blaetter, SeriesPhaseWithoutResistanceIsNinetyDegrees) {
  const Kreiswerte w{.R = 0, .C = 1e-6L, .Xc = 3000, .L = 0.5L, .XL = 157, .f = 50, .Ueff = 10, .Ieff = 0.1L};
  EXPECT_EQ(Zeile(Blatt_RL_Reihe(w, 0), "  Phi = 90 Grad")->form, Zahlform::Keine);
  EXPECT_TRUE(RelNear(Zeile(Blatt_RL_Reihe(w, 157), "  Phi = ")->wert, 45, 1e-12L));
}

TEST(Blaetter, ParallelCoilAngleIsNegative) {
  const Kreiswerte w{.R = 100, .L = 0.5L, .XL = 100, .f = 50, .Ueff = 10, .Ieff = 0.1L};
  const Blatt b = Blatt_RL_parallel(w);
  ASSERT_TRUE(Zeile(b, "  Phi = -"));
  EXPECT_TRUE(RelNear(Zeile(b, "  Phi = -")->wert, 45, 1e-12L));
  EXPECT_TRUE(RelNear(Zeile(b, "  Z = ")->wert, 50 * std::sqrt(2.0L), 1e-12L));
  const Kreiswerte rc{.R = 100, .C = 1e-6L, .Xc = 100, .f = 50, .Ueff = 10, .Ieff = 0.1L};
  EXPECT_TRUE(RelNear(Zeile(Blatt_RC_parallel(rc), " Ic = ")->wert, 0.1L));
  EXPECT_TRUE(RelNear(Zeile(Blatt_RC_parallel(rc), "  Phi = ")->wert, 45, 1e-12L));
}

TEST(Blaetter, ParallelCLAtResonanceHasInfiniteImpedance) {
  Rechnung r(Kreiswerte{.C = 1e-6L, .f = 50, .Ueff = 10});
  Berechne_CL_parallel(r);
  ASSERT_TRUE(r.erfolgreich);
  const Blatt b = Blatt_CL_parallel(r.w);
  EXPECT_FALSE(Zeile(b, "  Z = "));
  ASSERT_TRUE(Zeile(b, "  Z = Unendlich"));
  EXPECT_TRUE(RelNear(Zeile(b, "  fr = ")->wert, 50, 1e-10L));

  Kreiswerte verstimmt = r.w;
  verstimmt.XL = 2 * r.w.Xc;
  EXPECT_TRUE(RelNear(Zeile(Blatt_CL_parallel(verstimmt), "  Z = ")->wert, 2 * r.w.Xc, 1e-12L));
}

// The phase follows the sheet's own currents, tan(phi) = |IL - Ic| / Ir, and passes
// through 0 at resonance without a jump.
TEST(Blaetter, ParallelRCLPhaseFollowsTheBranchCurrents) {
  Kreiswerte w{.R = 100, .C = 1e-6L, .Xc = 3000, .L = 0.5L, .XL = 3000, .f = 50, .Ueff = 10, .Ieff = 0.1L};
  const Blatt b = Blatt_RCL_parallel(w);
  EXPECT_EQ(Zeile(b, "  Phi = ")->wert, 0);
  EXPECT_TRUE(RelNear(Zeile(b, "  Z = ")->wert, 100, 1e-12L));
  const auto grad = [](long double x) { return std::atan(x) * 360 / zwei_pi; };
  for (const long double XL : {2999.0L, 3100.0L, 157.08L, 1e5L}) {
    w.XL = XL;
    const Blatt v = Blatt_RCL_parallel(w);
    const long double Ir = Zeile(v, "  Ir = ")->wert, Ic = Zeile(v, "  Ic = ")->wert, IL = Zeile(v, "  IL = ")->wert;
    EXPECT_TRUE(RelNear(Zeile(v, "  Phi = ")->wert, grad(std::fabs(IL - Ic) / Ir), 1e-12L)) << XL;
  }
  w.XL = 2999.999L;  // next to resonance the angle is next to 0, not 90 degrees
  EXPECT_LT(Zeile(Blatt_RCL_parallel(w), "  Phi = ")->wert, 0.001L);
}

}  // namespace

namespace {

TEST(Blaetter, LineTextsJoinLabelNumberAndUnit) {
  Rechnung r(Kreiswerte{.C = 1e-6L, .L = 0.5L, .f = 50, .Ueff = 10});
  Berechne_CL_parallel(r);
  ASSERT_TRUE(r.erfolgreich);
  const Blatt b = Blatt_CL_parallel(r.w);
  EXPECT_EQ(Zeilentext(*Zeile(b, "  C = ")), "  C = 1 uF");
  EXPECT_EQ(Zeilentext(*Zeile(b, "  f = ")), "  f = 50 Hz");
  EXPECT_EQ(Zeilentext(*Zeile(b, "  Ueff = ")), "  Ueff = 10 V");
  EXPECT_EQ(Zeilentext(*Zeile(b, "  Phi= +/- 90 Grad")), "  Phi= +/- 90 Grad");
  EXPECT_EQ(Zeilentext(Blatt_Hoch_Tiefpass(1000, 1e-6L).zeilen[2]), "  C = 1 uF");
  EXPECT_EQ(Zeilentext(Blatt_Hoch_Tiefpass(1000, 1e-6L).zeilen[5]), "  - 3db Frequenz=159.533Hz");
}

}  // namespace
