#include "calculators/parallel_solvers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "common/tolerance.h"
#include "solver_test_support.h"

using namespace calculators;

namespace {

constexpr long double zwei_pi = 6.283185307179586477L;
const long double Xc_1uF_50Hz = 1 / (zwei_pi * 50 * 1e-6L);

TEST(RC_parallel, CurrentFromRCfU) {
  const Rechnung r = Rechne(Berechne_RC_parallel, Kreiswerte{.R = 100, .C = 1e-6L, .f = 50, .Ueff = 10});
  ASSERT_TRUE(r.erfolgreich);
  const long double Xc = Xc_1uF_50Hz;
  const long double Z = 100 * Xc / std::sqrt(100 * 100 + Xc * Xc);
  EXPECT_TRUE(RelNear(r.w.Xc, Xc, 1e-11L));
  EXPECT_TRUE(RelNear(r.w.Ieff, 10 / Z, 1e-11L));
  // On success every field of the group is written.
  EXPECT_EQ(r.geschrieben.size(), 6u);
}

TEST(RC_parallel, OnlyVoltageAndCurrentGiveOneMessageAndNoWrites) {
  const Rechnung r = Rechne(Berechne_RC_parallel, Kreiswerte{.Ueff = 10, .Ieff = 0.1L});
  EXPECT_FALSE(r.erfolgreich);
  EXPECT_EQ(r.meldungen.size(), 1u);
  EXPECT_TRUE(r.geschrieben.empty());
}

TEST(RC_parallel, TotalCurrentBelowBranchCurrentRaisesFloatError) {
  // Ic = U / Xc = 1 exceeds I = 0.5.
  Rechnung r{Kreiswerte{.Xc = 10, .f = 50, .Ueff = 10, .Ieff = 0.5L}};
  EXPECT_THROW(Berechne_RC_parallel(r), FloatError);
}

TEST(CL_parallel, CapacitorFrequencyAndVoltageGiveResonance) {
  const Rechnung r = Rechne(Berechne_CL_parallel, Kreiswerte{.C = 1e-6L, .f = 50, .Ueff = 10});
  ASSERT_TRUE(r.erfolgreich);
  EXPECT_TRUE(RelNear(r.w.Xc, Xc_1uF_50Hz, 1e-11L));
  EXPECT_EQ(r.w.XL, r.w.Xc);
  EXPECT_TRUE(RelNear(r.w.L, Xc_1uF_50Hz / (zwei_pi * 50), 1e-11L));
  EXPECT_EQ(r.w.Ieff, 0);
  EXPECT_TRUE(r.Geschrieben(Groesse::Ieff));
  EXPECT_FALSE(r.Geschrieben(Groesse::R));
}

// A current other than 0 rules out resonance: the missing reactance cannot be taken equal to
// the other one, and the circuit is not solved at all rather than solved inconsistently.
TEST(CL_parallel, AGivenCurrentRulesOutTheResonanceAssumption) {
  for (const Kreiswerte& gegeben : {Kreiswerte{.C = 1e-6L, .f = 50, .Ueff = 10, .Ieff = 0.5L},
                                    Kreiswerte{.L = 0.5L, .f = 50, .Ueff = 10, .Ieff = 0.5L}}) {
    const Rechnung r = Rechne(Berechne_CL_parallel, gegeben);
    EXPECT_FALSE(r.erfolgreich);
    EXPECT_NE(r.w.XL, r.w.Xc);
  }
}

TEST(CL_parallel, VoltageFromCurrentAgreesWithTheCurrentStep) {
  const Rechnung vor = Rechne(Berechne_CL_parallel, Kreiswerte{.C = 1e-6L, .L = 0.5L, .f = 50, .Ueff = 10});
  ASSERT_TRUE(vor.erfolgreich);
  EXPECT_TRUE(RelNear(vor.w.Ieff, std::fabs(10 / Xc_1uF_50Hz - 10 / (zwei_pi * 50 * 0.5L)), 1e-10L));
  const Rechnung zurueck =
      Rechne(Berechne_CL_parallel, Nur(vor.w, {Groesse::C, Groesse::L, Groesse::f, Groesse::Ieff}));
  ASSERT_TRUE(zurueck.erfolgreich);
  EXPECT_TRUE(RelNear(zurueck.w.Ueff, 10, 1e-10L));
}

struct NaheResonanz {
  const char* name;
  long double Xc, XL, U;
};

class RCL_parallel_Spannung : public ::testing::TestWithParam<NaheResonanz> {};

TEST_P(RCL_parallel_Spannung, VoltageFromCurrent) {
  const auto& p = GetParam();
  const Rechnung r = Rechne(Berechne_RCL_parallel, Kreiswerte{.R = 100, .Xc = p.Xc, .XL = p.XL, .f = 50, .Ieff = 0.1L});
  ASSERT_TRUE(r.erfolgreich);
  EXPECT_TRUE(RelNear(r.w.Ueff, p.U, 1e-9L));
}

INSTANTIATE_TEST_SUITE_P(Threshold, RCL_parallel_Spannung,
                         ::testing::Values(
                             // |Xc - XL| < 0.001: U = I R, although 1/Xc - 1/XL = 4.76 would give far less.
                             NaheResonanz{"within_threshold", 0.01L, 0.0105L, 10},
                             NaheResonanz{"outside_threshold", 0.01L, 0.012L,
                                          0.1L / std::sqrt(1e-4L + std::pow(1 / 0.012L - 1 / 0.01L, 2.0L))}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(RCL_parallel, ResonanceTakesTheMissingReactanceFromTheOther) {
  // I = U / R: the circuit is at resonance, so XL = Xc and L follows from it.
  const Rechnung r = Rechne(Berechne_RCL_parallel, Kreiswerte{.R = 100, .C = 1e-6L, .f = 50, .Ueff = 10, .Ieff = 0.1L});
  ASSERT_TRUE(r.erfolgreich);
  EXPECT_EQ(r.w.XL, r.w.Xc);
  EXPECT_TRUE(RelNear(r.w.L, 1 / (std::pow(zwei_pi * 50, 2.0L) * 1e-6L), 1e-10L));
}

TEST(RCL_parallel, SuccessfulStepsWriteTheirFieldsEvenWhenTheRunFails) {
  const Rechnung r = Rechne(Berechne_RCL_parallel, Kreiswerte{.C = 1e-6L, .f = 50});
  EXPECT_FALSE(r.erfolgreich);
  EXPECT_EQ(r.meldungen.size(), 1u);
  EXPECT_EQ(r.geschrieben, (std::vector<Groesse>{Groesse::C, Groesse::Xc, Groesse::f}));
  EXPECT_TRUE(RelNear(r.w.Xc, Xc_1uF_50Hz, 1e-11L));
}

}  // namespace
