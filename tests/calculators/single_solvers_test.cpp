#include "calculators/single_solvers.h"

#include <gtest/gtest.h>

#include <vector>

#include "common/tolerance.h"
#include "solver_test_support.h"

using namespace calculators;

namespace {

constexpr long double zwei_pi = 6.283185307179586477L;

struct WiderstandFall {
  const char* name;
  Widerstand_Felder belegt;
  long double U, I, R;
  Groesse ergebnis;
  long double erwartet;
};

class Widerstand : public ::testing::TestWithParam<WiderstandFall> {};

TEST_P(Widerstand, DerivesTheMissingValue) {
  const auto& p = GetParam();
  Rechnung r{Kreiswerte{.R = p.R, .Ueff = p.U, .Ieff = p.I}};
  Berechne_Widerstand(r, p.belegt);
  ASSERT_TRUE(r.erfolgreich);
  EXPECT_TRUE(r.meldungen.empty());
  EXPECT_EQ(r.geschrieben, std::vector<Groesse>{p.ergebnis});
  EXPECT_TRUE(RelNear(r.w[p.ergebnis], p.erwartet));
}

INSTANTIATE_TEST_SUITE_P(
    OhmsLaw, Widerstand,
    ::testing::Values(WiderstandFall{"R_from_U_and_I", {true, true, false}, 10, 2, 0, Groesse::R, 5},
                      WiderstandFall{"U_from_I_and_R", {false, true, true}, 0, 2, 5, Groesse::Ueff, 10},
                      WiderstandFall{"I_from_U_and_R", {true, false, true}, 10, 0, 5, Groesse::Ieff, 2},
                      // All three filled: R is recomputed from U and I.
                      WiderstandFall{"typed_R_overwritten", {true, true, true}, 10, 2, 7, Groesse::R, 5},
                      // A filled field counts as given even when it reads 0.
                      WiderstandFall{"zero_U_is_given", {true, true, false}, 0, 2, 0, Groesse::R, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(WiderstandFehler, TooFewFilledFieldsGiveOneMessage) {
  for (Widerstand_Felder belegt : {Widerstand_Felder{}, Widerstand_Felder{true, false, false},
                                   Widerstand_Felder{false, true, false}, Widerstand_Felder{false, false, true}}) {
    Rechnung r{Kreiswerte{.R = 5, .Ueff = 10, .Ieff = 2}};
    Berechne_Widerstand(r, belegt);
    EXPECT_FALSE(r.erfolgreich);
    ASSERT_EQ(r.meldungen.size(), 1u);
    EXPECT_EQ(r.meldungen[0], "Ihre Eingaben enhalten einen Fehler !\nIch kann nicht alle Werte berechnen !");
    EXPECT_TRUE(r.geschrieben.empty());
  }
}

TEST(WiderstandFehler, QuestionMarkInCurrentDividesByZero) {
  Rechnung r{Kreiswerte{.Ueff = 10}};
  EXPECT_THROW(Berechne_Widerstand(r, {true, true, false}), FloatError);
}

TEST(Kondensator, CapacitanceAndFrequencyOnlyGiveReactanceAndZeroVoltageAndCurrent) {
  const Rechnung r = Rechne(Berechne_Kondensator, Kreiswerte{.C = 1e-6L, .f = 50});
  EXPECT_TRUE(r.erfolgreich);
  EXPECT_TRUE(r.meldungen.empty());
  EXPECT_TRUE(RelNear(r.w.Xc, 1 / (zwei_pi * 50 * 1e-6L), 1e-11L));
  EXPECT_TRUE(RelNear(r.w.Xc, 3183.0988618L, 1e-9L));
  EXPECT_EQ(r.w.Ueff, 0);
  EXPECT_EQ(r.w.Ieff, 0);
  EXPECT_EQ(r.geschrieben, (std::vector<Groesse>{Groesse::Xc, Groesse::Ueff, Groesse::Ieff}));
}

TEST(Kondensator, ReactanceAndCurrentWithoutFrequencyFail) {
  const Rechnung r = Rechne(Berechne_Kondensator, Kreiswerte{.Xc = 100, .Ieff = 0.1L});
  EXPECT_FALSE(r.erfolgreich);
  EXPECT_EQ(r.meldungen.size(), 1u);
  // The later steps still ran: the voltage step found Xc and I.
  EXPECT_TRUE(RelNear(r.w.Ueff, 10));
  EXPECT_TRUE(r.Geschrieben(Groesse::Ueff));
}

TEST(Kondensator, ReactanceFromVoltageAndCurrentIsWrittenBeforeTheCapacitance) {
  const Rechnung r = Rechne(Berechne_Kondensator, Kreiswerte{.f = 50, .Ueff = 10, .Ieff = 0.5L});
  ASSERT_TRUE(r.erfolgreich);
  EXPECT_TRUE(RelNear(r.w.Xc, 20));
  EXPECT_TRUE(RelNear(r.w.C, 1 / (zwei_pi * 50 * 20)));
  EXPECT_EQ(r.geschrieben, (std::vector<Groesse>{Groesse::Xc, Groesse::C}));
}

TEST(Spule, FrequencyFromInductanceVoltageAndCurrent) {
  const Rechnung r = Rechne(Berechne_Spule, Kreiswerte{.L = 1, .Ueff = 10, .Ieff = 0.1L});
  ASSERT_TRUE(r.erfolgreich);
  EXPECT_TRUE(RelNear(r.w.XL, 100));
  EXPECT_TRUE(RelNear(r.w.f, 100 / zwei_pi));
  EXPECT_EQ(r.geschrieben, (std::vector<Groesse>{Groesse::XL, Groesse::f}));
}

TEST(Spule, PressingTwiceRepeatsTheResult) {
  const Rechnung erst = Rechne(Berechne_Spule, Kreiswerte{.L = 0.5L, .f = 50});
  const Rechnung dann = Rechne(Berechne_Spule, erst.w);
  ASSERT_TRUE(dann.erfolgreich);
  for (Groesse g : alle_Groessen) EXPECT_EQ(dann.w[g], erst.w[g]) << Name(g);
}

TEST(HochTiefpass, ZeroResistanceOrCapacitanceFails) {
  for (Kreiswerte w : {Kreiswerte{.C = 1e-6L}, Kreiswerte{.R = 100}, Kreiswerte{}}) {
    const Rechnung r = Rechne(Berechne_Hoch_Tiefpass, w);
    EXPECT_FALSE(r.erfolgreich);
    EXPECT_EQ(r.meldungen.size(), 1u);
    EXPECT_TRUE(r.geschrieben.empty());
  }
}

TEST(HochTiefpass, NegativeInputsAreUsedAsAbsoluteValues) {
  const Rechnung r = Rechne(Berechne_Hoch_Tiefpass, Kreiswerte{.R = -100, .C = -1e-6L});
  EXPECT_TRUE(r.erfolgreich);
  EXPECT_EQ(r.w.R, 100);
  EXPECT_EQ(r.w.C, real48(1e-6L));
  EXPECT_TRUE(r.geschrieben.empty());
}

TEST(Bauform, CapacitanceOfPlateCapacitor) {
  Kondensator_Bauform b{.er = 1, .A = 100, .d = 0.1L};
  ASSERT_TRUE(Berechne_Kapazitaet(b));
  EXPECT_TRUE(RelNear(b.C, 8.85e-11L, 1e-10L));
  Kondensator_Bauform ohne_abstand{.er = 1, .A = 100, .d = 0, .C = 7};
  EXPECT_FALSE(Berechne_Kapazitaet(ohne_abstand));
  EXPECT_EQ(ohne_abstand.C, 7);
}

TEST(Bauform, InductanceOfCoil) {
  Spulen_Bauform b{.ur = 1, .n = 100, .l = 10, .A = 10};
  ASSERT_TRUE(Berechne_Induktivitaet(b));
  EXPECT_TRUE(RelNear(b.L, 1.256e-4L, 1e-10L));
  Spulen_Bauform ohne_laenge{.ur = 1, .n = 100, .l = 0, .A = 10};
  EXPECT_FALSE(Berechne_Induktivitaet(ohne_laenge));
}

}  // namespace
