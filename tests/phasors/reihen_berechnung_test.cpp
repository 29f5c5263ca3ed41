#include <gtest/gtest.h>

#include <cmath>

#include "common/tolerance.h"
#include "phasor_fixture.h"
#include "phasors/reihen_berechnung.h"
#include "phasors/zeigerwerte.h"
#include "platform/float_error.h"

namespace {

using StartwerteTest = PhasorTest;

long double Grad(long double phi) { return phi * 180 / 3.141592653589793238L; }

TEST_F(StartwerteTest, SingleComponentsFixTheirCurrentScale) {
  Startwerte_nur_Widerstand();
  EXPECT_EQ(Schaltung.Ug, 10);
  EXPECT_EQ(Schaltung.R_Zeiger, 5);
  EXPECT_TRUE(RelNear(Schaltung.R_min, 0.5L));
  EXPECT_TRUE(RelNear(Schaltung.Imax, 20));
  EXPECT_TRUE(RelNear(Schaltung.Imin, 0.1L));

  Startwerte_nur_Kondensator();
  EXPECT_TRUE(RelNear(Schaltung.C, 500e-6L));
  EXPECT_TRUE(RelNear(Schaltung.f_min, 10));
  EXPECT_TRUE(RelNear(Schaltung.Imax, 10 * 2 * 3.141592653589793L * 1000 * 1e-3L));  // U / Xc(1 mF, 1 kHz)

  Startwerte_nur_Spule();
  EXPECT_TRUE(RelNear(Schaltung.L, 5e-3L));
  EXPECT_TRUE(RelNear(Schaltung.f, 50));
  EXPECT_TRUE(RelNear(Schaltung.f_min, 5));
  EXPECT_TRUE(RelNear(Schaltung.Imax, 10 / (2 * 3.141592653589793L * 5 * 5e-3L)));  // U / XL(5 mH, 5 Hz)
}

TEST_F(StartwerteTest, ResistorAndCapacitor) {
  Startwerte_Widerstand_und_Kondensator();
  EXPECT_TRUE(RelNear(Schaltung.Xc, 318.30988618L));
  EXPECT_TRUE(RelNear(Schaltung.Z, 375.92709884L));
  EXPECT_TRUE(RelNear(Schaltung.Ieff, 0.0266009022L));
  EXPECT_TRUE(RelNear(Grad(Schaltung.phi), 57.858092365L));
  EXPECT_TRUE(RelNear(Zeigerwerte.Uc, 8.46733016L));
  EXPECT_TRUE(RelNear(Zeigerwerte.UR, 5.32018045L));
  EXPECT_GT(Zeigerwerte.Uc, Zeigerwerte.UR);
  EXPECT_EQ(Schaltung.R_max, 1000);
  EXPECT_TRUE(RelNear(Schaltung.C_min, 1e-6L));
}

TEST_F(StartwerteTest, ResistorAndCoilHaveANegativeAngle) {
  Startwerte_Widerstand_und_Spule();
  EXPECT_TRUE(RelNear(Schaltung.XL, 157.07963268L));
  EXPECT_TRUE(RelNear(Schaltung.Z, 254.31085506L));
  EXPECT_TRUE(RelNear(Grad(Schaltung.phi), -38.146025987L));
  EXPECT_TRUE(RelNear(Zeigerwerte.UL, 6.17667825L));
  EXPECT_TRUE(RelNear(Zeigerwerte.UR, 7.86439100L));
  EXPECT_TRUE(RelNear(Schaltung.L_min, 1e-3L));
}

TEST_F(StartwerteTest, CapacitorAndCoil) {
  Startwerte_Kondensator_und_Spule();
  EXPECT_TRUE(RelNear(Schaltung.Xc, 6.3661977237L));
  EXPECT_TRUE(RelNear(Schaltung.XL, 3.1415926536L));
  EXPECT_TRUE(RelNear(Schaltung.Z, 3.3761039466L));
  EXPECT_TRUE(RelNear(Zeigerwerte.Uc, 18.856640152L));
  EXPECT_TRUE(RelNear(Zeigerwerte.UL, 9.3053789318L));
  EXPECT_TRUE(RelNear(Zeigerwerte.UR, 2.9619941087L));  // I times the coil resistance of 1 Ohm
  EXPECT_TRUE(RelNear(Schaltung.fr, 71.176254342L));
}

TEST_F(StartwerteTest, ResistorCapacitorAndCoil) {
  Startwerte_Widerstand_Kondensator_und_Spule();
  EXPECT_TRUE(RelNear(Schaltung.Z, 256.89529899L));
  EXPECT_TRUE(RelNear(Grad(Schaltung.phi), 38.874067797L));
  EXPECT_TRUE(RelNear(Zeigerwerte.Uc, 12.390646595L));
  EXPECT_TRUE(RelNear(Zeigerwerte.UL, 6.1145390085L));
  EXPECT_TRUE(RelNear(Zeigerwerte.UR, 7.7852728634L));
}

TEST_F(StartwerteTest, AtResonanceTheWholeSupplyLiesOnTheResistor) {
  Startwerte_Widerstand_Kondensator_und_Spule();
  Schaltung.L = 1 / (std::pow(2 * 3.141592653589793238L * 50, 2) * Schaltung.C);
  Berechne_RCL_Reihe();
  EXPECT_NEAR(static_cast<double>(Schaltung.phi), 0, 1e-9);
  EXPECT_TRUE(RelNear(Zeigerwerte.UR, 10, 1e-9L));
}

TEST_F(StartwerteTest, RecalculatingKeepsTheSupplyVoltage) {
  Startwerte_Widerstand_und_Kondensator();
  const long double I = Schaltung.Ieff;
  for (int i = 0; i < 3; ++i) Berechne_RC_Reihe();
  Berechne_RL_Reihe();
  Berechne_RCL_Reihe();
  Berechne_RC_Reihe();
  EXPECT_EQ(Schaltung.Ug, 10);
  EXPECT_EQ(Schaltung.Ieff, I);
}

TEST_F(StartwerteTest, ZeroFrequencyReachesTheErrorHandler) {
  Startwerte_Widerstand_und_Kondensator();
  Schaltung.f = 0;
  EXPECT_THROW(Berechne_RC_Reihe(), FloatError);
  EXPECT_THROW(Berechne_RCL_Reihe(), FloatError);
}

}  // namespace
