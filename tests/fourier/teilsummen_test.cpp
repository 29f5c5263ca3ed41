#include <gtest/gtest.h>

#include <numbers>

#include "common/tolerance.h"
#include "fourier/teilsummen.h"

namespace {

using S = Fouriersignal;
constexpr long double kPi = std::numbers::pi_v<long double>;

TEST(Fourierglieder, FirstTwoTermsOfEverySignal) {
  const struct {
    S signal;
    long double n1, s1, a1, n2, s2, a2;
  } faelle[] = {
      {S::Rechteck, 1, 1, 1, 3, 1, 1.0L / 3},
      {S::Dreieck, 1, 1, 0.8L, 3, -1, 0.8L / 9},
      {S::Saegezahn_steigend, 1, 1, 0.5L, 2, -1, 0.25L},
      {S::Saegezahn_fallend, 1, -1, 0.5L, 2, 1, 0.25L},
      {S::Nadelimpuls_negativ, 1, 1, 0.2L, 2, -1, 0.1L},
      {S::Impulse_pos_neg, 1, 1, 1, 3, 1, 1.0L / 3},
      // The rectified current starts at n = 2 with 0.9 / (3 * 1).
      {S::Zweiweg_Gleichrichtung, 2, -1, 0.3L, 4, -1, 0.9L / 15},
  };
  for (const auto& f : faelle) {
    SCOPED_TRACE(Signalform(f.signal).Titel.toStdString());
    const auto g = Fourierglieder(f.signal, 1);
    ASSERT_EQ(g.size(), 2u);
    EXPECT_EQ(g[0].n, f.n1);
    EXPECT_EQ(g[0].s, f.s1);
    EXPECT_TRUE(RelNear(g[0].a, f.a1, 1e-11L));
    EXPECT_EQ(g[1].n, f.n2);
    EXPECT_EQ(g[1].s, f.s2);
    EXPECT_TRUE(RelNear(g[1].a, f.a2, 1e-11L));
  }
  // cos(n * 60 degrees) weighs the pulses: the fundamental is half of sin(x).
  EXPECT_TRUE(RelNear(Gliedwert(S::Impulse_pos_neg, Fourierglieder(S::Impulse_pos_neg, 0)[0], kPi / 2), 0.5L, 1e-9L));
}

TEST(Fourierglieder, SquareWaveWith128HarmonicsEndsAt257) {
  const auto g = Fourierglieder(S::Rechteck, 128);
  ASSERT_EQ(g.size(), 129u);
  EXPECT_EQ(g.back().n, 257);
  EXPECT_EQ(g.back().s, 1);
}

TEST(Fourierrahmen, GeometryAndNarrowWindow) {
  const TFourierrahmen r = Berechne_Fourierrahmen(782, 550);
  EXPECT_EQ(r.Right, 381);
  EXPECT_EQ(r.Bottom, 265);
  EXPECT_EQ(r.X0, 4);
  EXPECT_EQ(r.Ymid, 133);
  EXPECT_EQ(r.Amp, 129);
  EXPECT_EQ(r.W, 375);
  EXPECT_FALSE(r.Ohne_Breite());
  EXPECT_TRUE(Berechne_Fourierrahmen(40, 550).Ohne_Breite());
}

class Fourier1Test : public ::testing::Test {
 protected:
  const TFourierrahmen r = Berechne_Fourierrahmen(1600, 1000);  // Amp 241
};

TEST_F(Fourier1Test, CurvesStartOnTheAxisAndSpanThePlotWidth) {
  const auto k = Berechne_Fourier1(S::Rechteck, 128, r);
  ASSERT_EQ(k.Glieder.size(), 129u);
  for (const auto* linie : {&k.Glieder.front(), &k.Glieder.back(), &k.Summe}) {
    ASSERT_EQ(linie->size(), 362u);
    EXPECT_EQ(linie->front(), QPoint(r.X0, r.Ymid));
    EXPECT_EQ(linie->back().x(), r.X0 + r.W);
  }
  // The plateau lies near pi/4 of the amplitude.
  EXPECT_TRUE(RelNear(k.S[90], kPi / 4 * r.Amp, 0.01L));
  EXPECT_EQ(k.Summe[91].y(), r.Ymid - static_cast<int>(k.S[90] + 0.5L));
}

TEST_F(Fourier1Test, TriangleWithTwoHarmonicsAt90Degrees) {
  const auto k = Berechne_Fourier1(S::Dreieck, 2, r);
  EXPECT_EQ(k.Glieder.size(), 3u);
  EXPECT_TRUE(RelNear(k.S[90], 0.8L * (1 + 1.0L / 9 + 1.0L / 25) * r.Amp, 1e-9L));
}

TEST_F(Fourier1Test, RectifiedCurrentAddsItsConstantToTheSumOnly) {
  const auto k = Berechne_Fourier1(S::Zweiweg_Gleichrichtung, 0, r);
  // The thin cos(2x) term around the axis: -0.3 at 0 degrees; the sum lifted by 0.45.
  EXPECT_EQ(k.Glieder[0][1].y(), r.Ymid - static_cast<int>(Trunc(-0.3L * r.Amp + 0.5L)));
  EXPECT_TRUE(RelNear(k.S[0], 0.15L * r.Amp, 1e-9L));
  EXPECT_TRUE(RelNear(k.S[90], 0.75L * r.Amp, 1e-9L));
  EXPECT_LT(k.Summe[1].y(), r.Ymid);
}

TEST(Fourier2, ValueAndCoefficientTexts) {
  TKoeffizienten K{};
  K[0] = 2;
  EXPECT_EQ(Fourier2_Wert(K, 1.0L), 1);  // a0 enters halved
  K[1] = 1;
  K[9] = 0.5L;
  EXPECT_TRUE(RelNear(Fourier2_Wert(K, kPi / 2), 2, 1e-15L));
  EXPECT_TRUE(RelNear(Fourier2_Wert(K, 0), 1.5L, 1e-15L));
  EXPECT_EQ(Koeffiziententext(1, real48(-3 * 0.1L)), "  a1 = -0.300");
  EXPECT_EQ(Koeffiziententext(16, 0), "  b8 = 0");
}

TEST(Fourier2, FlatLineAtAQuarterOfThePlotForA0Of2) {
  const TFourierrahmen r = Berechne_Fourierrahmen(782, 550);
  TKoeffizienten K{};
  K[0] = 2;
  const auto stuecke = Berechne_Fourier2(K, r);
  ASSERT_EQ(stuecke.size(), 1u);
  const int y = r.Ymid - (r.Bottom - r.Top) / 4;
  EXPECT_EQ(stuecke[0].front(), QPoint(r.X0, y));
  EXPECT_EQ(stuecke[0].back(), QPoint(r.W, y));
  EXPECT_TRUE(Berechne_Fourier2(K, Berechne_Fourierrahmen(40, 550)).empty());
}

TEST(Fourier2, StretchesOutsideThePlotAreLeftOutAndResumeAtItsEdge) {
  const TFourierrahmen r = Berechne_Fourierrahmen(782, 550);
  TKoeffizienten K{};
  K[1] = 2;   // a1
  K[3] = 2;   // a3
  K[10] = 2;  // b2
  const auto stuecke = Berechne_Fourier2(K, r);
  ASSERT_GE(stuecke.size(), 2u);
  for (const auto& stueck : stuecke) {
    ASSERT_GE(stueck.size(), 2u);
    for (const QPoint& p : stueck) {
      EXPECT_GT(p.y(), r.Top);
      EXPECT_LT(p.y(), r.Bottom);
    }
  }
  // Every stretch after the first begins on the first row inside the plot.
  for (std::size_t i = 1; i < stuecke.size(); ++i) {
    const int y = stuecke[i].front().y();
    EXPECT_TRUE(y == r.Top + 1 || y == r.Bottom - 1) << y;
  }
}

}  // namespace
