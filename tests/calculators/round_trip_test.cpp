// Every calculator group: pressing twice repeats the result, and the values solved from one
// set of givens, fed back with another subset given, describe the same circuit.

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "calculators/parallel_solvers.h"
#include "calculators/series_solvers.h"
#include "common/tolerance.h"
#include "solver_test_support.h"

using namespace calculators;

namespace {

using G = Groesse;

struct Kreis {
  const char* name;
  Loeser loeser;
  Kreiswerte start;
  std::vector<Groesse> gruppe;          // the group's fields
  std::vector<Groesse> wieder_gegeben;  // givens of the second press
};

const Kreiswerte RC{.R = 100, .C = 1e-6L, .f = 50, .Ueff = 10};
const Kreiswerte RL{.R = 100, .L = 0.5L, .f = 50, .Ueff = 10};
const Kreiswerte CL{.C = 1e-6L, .L = 0.5L, .f = 50, .Ueff = 10};
const Kreiswerte RCL{.R = 100, .C = 1e-6L, .L = 0.5L, .f = 50, .Ueff = 10};

const std::vector<G> RC_Felder{G::R, G::C, G::Xc, G::f, G::Ueff, G::Ieff};
const std::vector<G> RL_Felder{G::R, G::L, G::XL, G::f, G::Ueff, G::Ieff};
const std::vector<G> CL_Felder{G::C, G::Xc, G::L, G::XL, G::f, G::Ueff, G::Ieff};
const std::vector<G> RCL_Felder{G::R, G::C, G::Xc, G::L, G::XL, G::f, G::Ueff, G::Ieff};

class Kreise : public ::testing::TestWithParam<Kreis> {};

TEST_P(Kreise, PressingTwiceRepeatsTheResult) {
  const auto& k = GetParam();
  const Rechnung erst = Rechne(k.loeser, k.start);
  ASSERT_TRUE(erst.erfolgreich);
  const Rechnung dann = Rechne(k.loeser, erst.w);
  ASSERT_TRUE(dann.erfolgreich);
  EXPECT_TRUE(dann.meldungen.empty());
  for (Groesse g : alle_Groessen) EXPECT_EQ(dann.w[g], erst.w[g]) << Name(g);
}

TEST_P(Kreise, OtherGivensGiveTheSameCircuit) {
  const auto& k = GetParam();
  const Rechnung erst = Rechne(k.loeser, k.start);
  ASSERT_TRUE(erst.erfolgreich);
  Kreiswerte v;
  for (Groesse g : k.wieder_gegeben) v[g] = erst.w[g];
  const Rechnung zurueck = Rechne(k.loeser, v);
  ASSERT_TRUE(zurueck.erfolgreich);
  for (Groesse g : k.gruppe) EXPECT_TRUE(RelNear(zurueck.w[g], erst.w[g], 1e-7L)) << Name(g);
}

INSTANTIATE_TEST_SUITE_P(
    AllGroups, Kreise,
    ::testing::Values(
        Kreis{"RC_Reihe_from_CfUI", Berechne_RC_Reihe, RC, RC_Felder, {G::C, G::f, G::Ueff, G::Ieff}},
        Kreis{"RC_Reihe_from_RXcfI", Berechne_RC_Reihe, RC, RC_Felder, {G::R, G::Xc, G::f, G::Ieff}},
        Kreis{"RC_Reihe_from_RfUI", Berechne_RC_Reihe, RC, RC_Felder, {G::R, G::f, G::Ueff, G::Ieff}},
        Kreis{"RC_Reihe_from_RCUI", Berechne_RC_Reihe, RC, RC_Felder, {G::R, G::C, G::Ueff, G::Ieff}},
        Kreis{"RL_Reihe_from_LfUI", Berechne_RL_Reihe, RL, RL_Felder, {G::L, G::f, G::Ueff, G::Ieff}},
        Kreis{"RL_Reihe_from_RLUI", Berechne_RL_Reihe, RL, RL_Felder, {G::R, G::L, G::Ueff, G::Ieff}},
        Kreis{"CL_Reihe_from_XcXLfI", Berechne_RCL_Reihe_ohne_R, CL, CL_Felder, {G::Xc, G::XL, G::f, G::Ieff}},
        Kreis{"CL_Reihe_from_CLUI", Berechne_RCL_Reihe_ohne_R, CL, CL_Felder, {G::L, G::Xc, G::Ueff, G::Ieff}},
        Kreis{"RCL_Reihe_from_RXcXLfI", Berechne_RCL_Reihe_mit_R, RCL, RCL_Felder, {G::R, G::Xc, G::XL, G::f, G::Ieff}},
        Kreis{"RCL_Reihe_from_CLfUI", Berechne_RCL_Reihe_mit_R, RCL, RCL_Felder, {G::C, G::L, G::f, G::Ueff, G::Ieff}},
        Kreis{"RC_parallel_from_XcfUI", Berechne_RC_parallel, RC, RC_Felder, {G::Xc, G::f, G::Ueff, G::Ieff}},
        Kreis{"RC_parallel_from_RfUI", Berechne_RC_parallel, RC, RC_Felder, {G::R, G::f, G::Ueff, G::Ieff}},
        Kreis{"RL_parallel_from_XLfUI", Berechne_RL_parallel, RL, RL_Felder, {G::XL, G::f, G::Ueff, G::Ieff}},
        Kreis{"RL_parallel_from_RLUI", Berechne_RL_parallel, RL, RL_Felder, {G::R, G::L, G::Ueff, G::Ieff}},
        Kreis{"CL_parallel_from_XcXLfI", Berechne_CL_parallel, CL, CL_Felder, {G::Xc, G::XL, G::f, G::Ieff}},
        Kreis{"CL_parallel_from_CLfI", Berechne_CL_parallel, CL, CL_Felder, {G::C, G::L, G::f, G::Ieff}},
        Kreis{"RCL_parallel_from_XcXLfUI",
              Berechne_RCL_parallel,
              RCL,
              RCL_Felder,
              {G::Xc, G::XL, G::f, G::Ueff, G::Ieff}},
        Kreis{"RCL_parallel_from_RCLfI", Berechne_RCL_parallel, RCL, RCL_Felder, {G::R, G::C, G::L, G::f, G::Ieff}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
