#include "calculators/series_solvers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "calculators/parallel_solvers.h"
#include "calculators/single_solvers.h"
#include "common/tolerance.h"
#include "solver_test_support.h"

using namespace calculators;

namespace {

constexpr long double zwei_pi = 6.283185307179586477L;
const long double Xc_1uF_50Hz = 1 / (zwei_pi * 50 * 1e-6L);
const long double XL_05H_50Hz = zwei_pi * 50 * 0.5L;

TEST(RC_Reihe, ReactanceAndCurrentFromRCfU) {
  const Rechnung r = Rechne(Berechne_RC_Reihe, Kreiswerte{.R = 100, .C = 1e-6L, .f = 50, .Ueff = 10});
  ASSERT_TRUE(r.erfolgreich);
  EXPECT_TRUE(RelNear(r.w.Xc, Xc_1uF_50Hz, 1e-11L));
  EXPECT_TRUE(RelNear(r.w.Ieff, 10 / std::sqrt(100 * 100 + Xc_1uF_50Hz * Xc_1uF_50Hz), 1e-11L));
  EXPECT_EQ(r.geschrieben, (std::vector<Groesse>{Groesse::Xc, Groesse::Ieff}));
}

TEST(RC_Reihe, WalkStopsAtTheFirstStepWithoutRule) {
  // No current and no voltage: the reactance is derived, then the voltage step fails.
  const Rechnung r = Rechne(Berechne_RC_Reihe, Kreiswerte{.R = 100, .C = 1e-6L, .f = 50});
  EXPECT_FALSE(r.erfolgreich);
  EXPECT_EQ(r.meldungen.size(), 1u);
  EXPECT_EQ(r.geschrieben, std::vector<Groesse>{Groesse::Xc});
  EXPECT_EQ(r.w.Ieff, 0);
}

TEST(RC_Reihe, ImpedanceBelowResistanceRaisesFloatError) {
  // Z = U / I = 10 is smaller than R = 100: the square root of a negative difference.
  Rechnung r{Kreiswerte{.R = 100, .C = 1e-6L, .Ueff = 10, .Ieff = 1}};
  EXPECT_THROW(Berechne_RC_Reihe(r), FloatError);
}

TEST(RL_Reihe, OnlyRfUFailsOnTheInductanceStep) {
  const Rechnung r = Rechne(Berechne_RL_Reihe, Kreiswerte{.R = 100, .f = 50, .Ueff = 10});
  EXPECT_FALSE(r.erfolgreich);
  EXPECT_EQ(r.meldungen.size(), 1u);
  EXPECT_TRUE(r.geschrieben.empty());
}

TEST(RL_Reihe, ImpedanceBelowResistanceIsReportedNotRaised) {
  const Rechnung r = Rechne(Berechne_RL_Reihe, Kreiswerte{.R = 100, .L = 0.5L, .Ueff = 10, .Ieff = 1});
  EXPECT_FALSE(r.erfolgreich);
  EXPECT_EQ(r.meldungen.size(), 1u);
}

TEST(RL_Reihe, ReactanceAndCurrentFromRLfU) {
  const Rechnung r = Rechne(Berechne_RL_Reihe, Kreiswerte{.R = 100, .L = 0.5L, .f = 50, .Ueff = 10});
  ASSERT_TRUE(r.erfolgreich);
  EXPECT_TRUE(RelNear(r.w.XL, XL_05H_50Hz, 1e-11L));
  EXPECT_TRUE(RelNear(r.w.Ieff, 10 / std::hypot(100.0L, XL_05H_50Hz), 1e-11L));
}

TEST(CL_Reihe, DerivesReactancesAndCurrentAndLeavesRAlone) {
  const Rechnung r = Rechne(Berechne_RCL_Reihe_ohne_R, Kreiswerte{.R = 42, .C = 1e-6L, .L = 0.5L, .f = 50, .Ueff = 10});
  ASSERT_TRUE(r.erfolgreich);
  EXPECT_EQ(r.w.R, 42);
  EXPECT_FALSE(r.Geschrieben(Groesse::R));
  EXPECT_TRUE(RelNear(r.w.XL, XL_05H_50Hz, 1e-11L));
  EXPECT_TRUE(RelNear(r.w.Xc, Xc_1uF_50Hz, 1e-11L));
  EXPECT_TRUE(RelNear(r.w.Ieff, 10 / (Xc_1uF_50Hz - XL_05H_50Hz), 1e-10L));
  EXPECT_EQ(r.geschrieben, (std::vector<Groesse>{Groesse::XL, Groesse::Ieff, Groesse::Xc}));
}

TEST(CL_Reihe, CoilReactanceFromImpedance) {
  // Z = U / I; with Xc given the coil's reactance is |Xc - Z|, then f comes from L and XL.
  const long double Z = Xc_1uF_50Hz - XL_05H_50Hz;
  const Rechnung r = Rechne(Berechne_RCL_Reihe_ohne_R, Kreiswerte{.Xc = Xc_1uF_50Hz, .L = 0.5L, .Ueff = Z, .Ieff = 1});
  ASSERT_TRUE(r.erfolgreich);
  EXPECT_TRUE(RelNear(r.w.XL, XL_05H_50Hz, 1e-9L));
  EXPECT_TRUE(RelNear(r.w.f, 50, 1e-9L));
  EXPECT_TRUE(RelNear(r.w.C, 1e-6L, 1e-9L));
}

TEST(RCL_Reihe, WithRDerivesReactanceCurrentAndCapacitiveReactance) {
  const Rechnung r = Rechne(Berechne_RCL_Reihe_mit_R, Kreiswerte{.R = 100, .C = 1e-6L, .L = 0.5L, .f = 50, .Ueff = 10});
  ASSERT_TRUE(r.erfolgreich);
  EXPECT_EQ(r.geschrieben, (std::vector<Groesse>{Groesse::XL, Groesse::Ieff, Groesse::Xc}));
  EXPECT_TRUE(RelNear(r.w.XL, XL_05H_50Hz, 1e-11L));
  EXPECT_TRUE(RelNear(r.w.Xc, Xc_1uF_50Hz, 1e-11L));
  EXPECT_TRUE(RelNear(r.w.Ieff, 10 / std::hypot(100.0L, Xc_1uF_50Hz - XL_05H_50Hz), 1e-10L));
}

TEST(RCL_Reihe, FrequencyFromCoilWhenReactanceOfCoilIsGiven) {
  const Rechnung r =
      Rechne(Berechne_RCL_Reihe_mit_R, Kreiswerte{.R = 100, .C = 1e-6L, .L = 0.5L, .XL = XL_05H_50Hz, .Ueff = 10});
  ASSERT_TRUE(r.erfolgreich);
  EXPECT_TRUE(RelNear(r.w.f, 50, 1e-10L));
  EXPECT_TRUE(RelNear(r.w.Xc, Xc_1uF_50Hz, 1e-10L));
}

// Every series solver reports one message when nothing is given.
class SeriesNothingGiven : public ::testing::TestWithParam<Loeser> {};

TEST_P(SeriesNothingGiven, OneMessage) {
  const Rechnung r = Rechne(GetParam(), Kreiswerte{});
  EXPECT_FALSE(r.erfolgreich);
  EXPECT_EQ(r.meldungen.size(), 1u);
  EXPECT_TRUE(r.geschrieben.empty());
}

INSTANTIATE_TEST_SUITE_P(AllSeries, SeriesNothingGiven,
                         ::testing::Values(Berechne_RC_Reihe, Berechne_RL_Reihe, Berechne_RCL_Reihe_mit_R,
                                           Berechne_RCL_Reihe_ohne_R));

// C f near 1e38 or L f near 1e-40: the reactance underflows the stored form to 0. That step
// fails with the calculator's message instead of writing "0E-12" for the sheet to divide by.
struct Unterlauf {
  Loeser loeser;
  Kreiswerte w;
  Groesse X;
};

class ReactanceUnderflow : public ::testing::TestWithParam<Unterlauf> {};

TEST_P(ReactanceUnderflow, FailsTheStep) {
  const Rechnung r = Rechne(GetParam().loeser, GetParam().w);
  EXPECT_FALSE(r.erfolgreich);
  EXPECT_FALSE(r.meldungen.empty());
  EXPECT_FALSE(r.Geschrieben(GetParam().X));
  for (Groesse g : r.geschrieben) EXPECT_NE(r.w[g], 0) << Name(g);
}

const Kreiswerte grosses_C{.R = 1, .C = 1e30L, .f = 1e8L, .Ueff = 1};
const Kreiswerte kleines_L{.R = 1, .L = 1e-30L, .f = 1e-10L, .Ueff = 1};

INSTANTIATE_TEST_SUITE_P(
    AllGroups, ReactanceUnderflow,
    ::testing::Values(
        Unterlauf{Berechne_Kondensator, grosses_C, Groesse::Xc}, Unterlauf{Berechne_Spule, kleines_L, Groesse::XL},
        Unterlauf{Berechne_Kondensator, Kreiswerte{.C = 1, .Ueff = 1e-30L, .Ieff = 1e10L}, Groesse::Xc},
        Unterlauf{Berechne_RC_Reihe, grosses_C, Groesse::Xc}, Unterlauf{Berechne_RL_Reihe, kleines_L, Groesse::XL},
        Unterlauf{Berechne_RCL_Reihe_mit_R, Kreiswerte{.R = 1, .C = 1e30L, .L = 1, .f = 1e8L, .Ueff = 1}, Groesse::Xc},
        Unterlauf{Berechne_RC_parallel, grosses_C, Groesse::Xc},
        Unterlauf{Berechne_RL_parallel, kleines_L, Groesse::XL}));

}  // namespace
