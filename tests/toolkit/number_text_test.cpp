#include "toolkit/number_text.h"

#include <gtest/gtest.h>

#include <string>

#include "common/german_locale.h"
#include "common/tolerance.h"
#include "platform/float_error.h"
#include "toolkit/real48.h"

namespace {
std::string S(const QString& text) { return text.toStdString(); }
}  // namespace

// Every other test here proves locale independence only when this one passes.
TEST(NumberTextLocale, TestsRunUnderGermanLocale) { ASSERT_TRUE(german_locale_active()); }

TEST(Trimme, RemovesOnlyBlanks) {
  EXPECT_EQ(S(Trimme("  1,5 ")), "1,5");
  EXPECT_EQ(S(Trimme("    ")), "");
  EXPECT_EQ(S(Trimme("\t1 ")), "\t1");
}

TEST(FormatiereFestkomma, ThreeDecimalsWholeNumbersWithout) {
  EXPECT_EQ(S(Formatiere_Festkomma(5)), "5");
  EXPECT_EQ(S(Formatiere_Festkomma(0.5L)), "0.500");
  EXPECT_EQ(S(Formatiere_Festkomma(12.3456L)), "12.346");
  EXPECT_EQ(S(Formatiere_Festkomma(-2)), "-2");
  EXPECT_EQ(S(Formatiere_Festkomma(1000)), "1000");
  EXPECT_EQ(S(Formatiere_Festkomma(0)), "0");
  EXPECT_EQ(S(Formatiere_Festkomma(-0.0L)), "0");
}

TEST(FormatiereFestkomma, SmallValuesKeepTheirDecimals) {
  EXPECT_EQ(S(Formatiere_Festkomma(0.0004L)), "0.000");
  EXPECT_EQ(S(Formatiere_Festkomma(-0.0004L)), "0.000");
}

TEST(FormatiereFestkomma, RoundsTheBinaryValueHalfAwayFromZero) {
  EXPECT_EQ(S(Formatiere_Festkomma(2.0005L)), "2.001");
  EXPECT_EQ(S(Formatiere_Festkomma(-2.0005L)), "-2.001");
  EXPECT_EQ(S(Formatiere_Festkomma(0.0005L)), "0.000");  // lies a little below 0.0005
  EXPECT_EQ(S(Formatiere_Festkomma(-0.0625L)), "-0.063");
  EXPECT_EQ(S(Formatiere_Festkomma(999.9996L)), "1000");
  EXPECT_EQ(S(Formatiere_Festkomma(9.9995L)), "10");
  EXPECT_EQ(S(Formatiere_Festkomma(real48(0.1L))), "0.100");
  EXPECT_EQ(S(Formatiere_Festkomma(real48(1.0L / 3))), "0.333");
  // More digits than a real holds: the rest are zeros, no exponent.
  EXPECT_EQ(S(Formatiere_Festkomma(1.5e20L)), "150000000000000000000");
  EXPECT_THROW(Formatiere_Festkomma(1.0L / 0.0L), FloatError);
}

TEST(FormatiereWert, PlainRange) {
  EXPECT_EQ(S(Formatiere_Wert(1500)), "1500");
  EXPECT_EQ(S(Formatiere_Wert(12.5L)), "12.500");
  EXPECT_EQ(S(Formatiere_Wert(10)), "10");
  EXPECT_EQ(S(Formatiere_Wert(0.5L)), "0.50000");
  EXPECT_EQ(S(Formatiere_Wert(1)), "1.00000");
  EXPECT_EQ(S(Formatiere_Wert(999999.9L)), "999999.900");
  EXPECT_EQ(S(Formatiere_Wert(0.002L)), "0.00200");
}

TEST(FormatiereWert, ExponentSteps) {
  EXPECT_EQ(S(Formatiere_Wert(1e6L)), "1E+6");
  EXPECT_EQ(S(Formatiere_Wert(2.5e6L)), "2.500E+6");
  EXPECT_EQ(S(Formatiere_Wert(4.7e9L)), "4.700E+9");
  EXPECT_EQ(S(Formatiere_Wert(2e12L)), "2E+12");
  EXPECT_EQ(S(Formatiere_Wert(0.0005L)), "0.500E-3");
  EXPECT_EQ(S(Formatiere_Wert(1e-5L)), "0.010E-3");
  EXPECT_EQ(S(Formatiere_Wert(1e-6L)), "1E-6");
  // Small mantissas lie in (0.001, 1] and keep three decimals only.
  EXPECT_EQ(S(Formatiere_Wert(2.2e-6L)), "0.002E-3");
  EXPECT_EQ(S(Formatiere_Wert(3.3e-9L)), "0.003E-6");
  EXPECT_EQ(S(Formatiere_Wert(1e-9L)), "1E-9");
  EXPECT_EQ(S(Formatiere_Wert(4.7e-10L)), "0.470E-9");
  EXPECT_EQ(S(Formatiere_Wert(1e-12L)), "1E-12");
}

TEST(FormatiereWert, StoredValueDecidesAtThreshold) {
  // As 6-byte reals 1e-6 lies just below its threshold, 1e-9 just above.
  EXPECT_EQ(S(Formatiere_Wert(real48(1e-6L))), "1E-6");
  EXPECT_EQ(S(Formatiere_Wert(real48(1e-9L))), "0.001E-6");
}

TEST(FormatiereWert, ZeroAndNegativeValuesEndInPico) {
  EXPECT_EQ(S(Formatiere_Wert(0)), "0E-12");
  EXPECT_EQ(S(Formatiere_Wert(-1e-12L)), "-1E-12");
  EXPECT_EQ(S(Formatiere_Wert(-0.5L)), "-500000000000E-12");
}

// Expected texts from an exact decimal expansion of each double, rounded once half away from zero
// (computed outside the program): long texts keep every digit, last digits are right.
TEST(NumberText, RoundsTheExactBinaryValueOnce) {
  struct Fall {
    double x;
    const char* festkomma;
    const char* wert;
  };
  static constexpr Fall kFaelle[] = {
      {76114442575.69348, "76114442575.693", "76.114E+9"},
      {-0.04098464944416946, "-0.041", "-40984649444.169E-12"},
      {-73747821813.20378, "-73747821813.204", "-73747821813203781127929.688E-12"},
      {0.0625, "0.063", "0.06250"},
      {-2.5, "-2.500", "-2500000000000E-12"},
      {1.0005, "1", "1"},
      {12.3125, "12.313", "12.313"},
      {2.0005, "2.001", "2.001"},
      {0.0001220703125, "0.000", "0.122E-3"},
      {1.9614568393149014e-13, "0.000", "0.196E-12"},
      {-9.463171506095061e-11, "0.000", "-94.632E-12"},
      {3.440037039042909e-09, "0.000", "0.003E-6"},
      {-6.926050164160681e-07, "0.000", "-692605.016E-12"},
      {3.726891764995196e-05, "0.000", "0.037E-3"},
      {-0.007997649291011011, "-0.008", "-7997649291.011E-12"},
      {0.20655961287889468, "0.207", "0.20656"},
      {-42.22294116546639, "-42.223", "-42222941165466.388E-12"},
      {3343.620987579457, "3343.621", "3343.621"},
      {-234733.2004081118, "-234733.200", "-234733200408111792.058E-12"},
      {59619940.518505014, "59619940.519", "59.620E+6"},
      {-6865284626.405172, "-6865284626.405", "-6865284626405172348022.461E-12"},
      {210723711068.49622, "210723711068.496", "210.724E+9"},
      {-28397952816390.367, "-28397952816390.367", "-28397952816390367187500000E-12"},
      {9801995802200720.0, "9801995802200720", "9801.996E+12"},
  };
  for (const Fall& f : kFaelle) {
    EXPECT_EQ(S(Formatiere_Festkomma(f.x)), f.festkomma) << f.x;
    EXPECT_EQ(S(Formatiere_Wert(f.x)), f.wert) << f.x;
  }
}

TEST(SetzeVorsatz, ReplacesSuffixByPrefix) {
  EXPECT_EQ(S(Setze_Vorsatz(Formatiere_Wert(1e6L))), "1 M");
  EXPECT_EQ(S(Setze_Vorsatz("2.500E+6")), "2.500 M");
  EXPECT_EQ(S(Setze_Vorsatz("2.500E+3")), "2.500 k");
  EXPECT_EQ(S(Setze_Vorsatz("0.500E-3")), "0.500 m");
  EXPECT_EQ(S(Setze_Vorsatz("1E-6")), "1 u");
  EXPECT_EQ(S(Setze_Vorsatz(Formatiere_Wert(1e-12L))), "1 p");
  EXPECT_EQ(S(Setze_Vorsatz(Formatiere_Wert(2e12L))), "2E+12 ");
  EXPECT_EQ(S(Setze_Vorsatz("1500")), "1500 ");
  EXPECT_EQ(S(QString("  R = ") + Setze_Vorsatz("2.500E+3") + "Ohm"), "  R = 2.500 kOhm");
}

TEST(Dezimalkomma, ReplacesFirstPointOnly) {
  EXPECT_EQ(S(Dezimalkomma("4.700E-6")), "4,700E-6");
  EXPECT_EQ(S(Dezimalkomma("1.2.3")), "1,2.3");
}

TEST(LiesWert, Numbers) {
  EXPECT_EQ(Lies_Wert("4,7"), 4.7L);
  EXPECT_EQ(Lies_Wert("2.2E-6"), 2.2e-6L);
  EXPECT_EQ(Lies_Wert("2,2e+6"), 2.2e6L);
  EXPECT_EQ(Lies_Wert(" -12 "), -12.0L);
  EXPECT_EQ(Lies_Wert("+.5"), 0.5L);
  EXPECT_EQ(Lies_Wert("5."), 5.0L);
  EXPECT_EQ(Lies_Wert("1E-5000"), 0.0L);
  EXPECT_THROW(Lies_Wert("1E5000"), FloatError);
}

TEST(LiesWert, Fractions) {
  EXPECT_TRUE(RelNear(Lies_Wert("  1/3 "), 1.0L / 3, 1e-15L));
  EXPECT_EQ(Lies_Wert("1 / 4"), 0.25L);
  EXPECT_EQ(Lies_Wert("-3/1,5"), -2.0L);
  EXPECT_THROW(Lies_Wert("1/0"), FloatError);
  EXPECT_THROW(Lies_Wert("0/0,0"), FloatError);
}

// Values beyond the 80-bit range throw, also through a fraction; a long mantissa counts by its
// value, not by the sign of its exponent.
TEST(LiesWert, RangeByValue) {
  const std::string nullen(5000, '0');
  EXPECT_THROW(Lies_Wert("1e4932/1e-10"), FloatError);
  EXPECT_THROW(Lies_Wert("-1e4000/1e-4000"), FloatError);
  EXPECT_EQ(Lies_Wert(QString::fromStdString("0." + nullen + "1")), 0.0L);
  EXPECT_EQ(Lies_Wert(QString::fromStdString("-0," + nullen + "1E+10")), 0.0L);
  EXPECT_THROW(Lies_Wert(QString::fromStdString("1" + nullen + "E-5")), FloatError);
  EXPECT_EQ(Lies_Wert(QString::fromStdString("1" + nullen + "E-4999")), 10.0L);
}

TEST(LiesWert, TextsThatAreNoNumberReadAsZero) {
  EXPECT_EQ(Lies_Wert(""), 0.0L);
  EXPECT_EQ(Lies_Wert("     "), 0.0L);
  EXPECT_EQ(Lies_Wert("?"), 0.0L);
  EXPECT_EQ(Lies_Wert("1,5,3"), 0.0L);
  EXPECT_EQ(Lies_Wert("5 V"), 0.0L);
  EXPECT_EQ(Lies_Wert("1E"), 0.0L);
  EXPECT_EQ(Lies_Wert("1/x"), 0.0L);
  EXPECT_EQ(Lies_Wert("1/2/3"), 0.0L);
  EXPECT_EQ(Lies_Wert("inf"), 0.0L);
  EXPECT_EQ(Lies_Wert("µ5"), 0.0L);
}

TEST(FormatiereAllgemein, ShortestPlainForm) {
  EXPECT_EQ(S(Formatiere_Allgemein(0)), "0");
  EXPECT_EQ(S(Formatiere_Allgemein(0.1L)), "0.1");
  EXPECT_EQ(S(Formatiere_Allgemein(-2.5L)), "-2.5");
  EXPECT_EQ(S(Formatiere_Allgemein(5 * 1e-5L)), "0.00005");
  EXPECT_EQ(S(Formatiere_Allgemein(1e-5L)), "0.00001");
  EXPECT_EQ(S(Formatiere_Allgemein(123456789012345.0L)), "123456789012345");
  // At most 15 significant digits.
  EXPECT_EQ(S(Formatiere_Allgemein(1.0L / 3)), "0.333333333333333");
  EXPECT_EQ(S(Formatiere_Allgemein(0.1L + 0.2L)), "0.3");
}

TEST(FormatiereAllgemein, ExponentForm) {
  EXPECT_EQ(S(Formatiere_Allgemein(1e-12L)), "1E-12");
  EXPECT_EQ(S(Formatiere_Allgemein(2.5e15L)), "2.5E+15");
  EXPECT_EQ(S(Formatiere_Allgemein(1e15L)), "1E+15");
  EXPECT_EQ(S(Formatiere_Allgemein(-4.7e-6L)), "-4.7E-6");
}
