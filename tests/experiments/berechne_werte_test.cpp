#include "experiments/berechne_werte.h"

#include <gtest/gtest.h>
#include <QImage>
#include <array>

#include "common/tolerance.h"
#include "experiments/zeige_balken.h"
#include "platform/recorder.h"
#include "toolkit/farben.h"
#include "toolkit/formulas.h"
#include "toolkit/number_text.h"

using namespace experiments;

namespace {

// Bar heights and names as drawn on a chart of height H, read back from the canvas log.
struct Balkenbild {
  std::vector<int> hoehen;
  std::vector<QString> namen;
  platform::Recorder rec;
};

Balkenbild Zeichne(const TWerte& w, const std::vector<TBalken>& balken, int H) {
  Balkenbild bild;
  QImage image(177, H, QImage::Format_RGB32);
  Canvas canvas(&image);
  Loesche_Balkenbild(canvas, image.width(), H);
  canvas.SetRecorder(&bild.rec);
  for (const TBalken& b : balken) Zeige_Balken(canvas, H, w.Max, b);
  for (const auto& op : bild.rec.ops("Rectangle")) bild.hoehen.push_back(op.args[1] - op.args[3]);
  for (const auto& op : bild.rec.texts()) bild.namen.push_back(op.text);
  return bild;
}

struct Fall {
  const char* name;
  bool parallel;
  TBauteile bauteile;
  std::array<long double, 4> RCLf;  // f 0: at Xc = R (R-C), XL = R (R-L) or resonance
  std::vector<const char*> texte;   // Ieff or Iges, Z, then Ur, Uc, UL or Ir, Ic, IL of the circuit
  std::vector<int> hoehen;          // -1: a full-scale bar, H or one pixel less
};

long double Startfrequenz(const Fall& c) {
  const auto [R, C, L, f] = c.RCLf;
  if (f != 0) return f;
  if (c.bauteile == TBauteile::RC) return Kehrwert_2pi(R, C);
  if (c.bauteile == TBauteile::RL) return Quotient_2pi(L, R);
  return Berechne_fr(L, C);
}

void PrintTo(const Fall& c, std::ostream* os) { *os << c.name; }

class Experimentwerte : public ::testing::TestWithParam<Fall> {};

TEST_P(Experimentwerte, ValuesTextsAndBarsOfTheCircuit) {
  const Fall& c = GetParam();
  const int H = c.parallel ? 177 : 185;
  Farben = TFarben{};
  TWerte w;
  w.U = 10;
  w.R = c.RCLf[0];
  w.C = c.RCLf[1];
  w.L = c.RCLf[2];
  w.f = Startfrequenz(c);
  if (c.parallel)
    Berechne_Parallelschaltung(w, c.bauteile);
  else
    Berechne_Reihenschaltung(w, c.bauteile);
  std::vector<long double> werte{w.I, w.Z};
  if (c.parallel) {
    if (c.bauteile != TBauteile::CL) werte.push_back(w.Ir);
    if (c.bauteile != TBauteile::RL) werte.push_back(w.Ic);
    if (c.bauteile != TBauteile::RC) werte.push_back(w.IL);
  } else {
    werte.push_back(w.Ur);
    if (c.bauteile != TBauteile::RL) werte.push_back(w.Uc);
    if (c.bauteile != TBauteile::RC) werte.push_back(w.UL);
  }
  ASSERT_EQ(werte.size(), c.texte.size());
  for (size_t i = 0; i < werte.size(); ++i) EXPECT_EQ(Formatiere_Wert(werte[i]), c.texte[i]) << i;

  const auto balken = c.parallel ? Balken_Parallel(w, c.bauteile) : Balken_Reihe(w, c.bauteile);
  const Balkenbild bild = Zeichne(w, balken, H);
  ASSERT_EQ(bild.hoehen.size(), c.hoehen.size());
  for (size_t i = 0; i < c.hoehen.size(); ++i) {
    if (c.hoehen[i] >= 0)
      EXPECT_EQ(bild.hoehen[i], c.hoehen[i]) << bild.namen[i].toStdString();
    else
      EXPECT_GE(bild.hoehen[i], H - 1) << bild.namen[i].toStdString();
    EXPECT_LE(bild.hoehen[i], H);
  }
}

constexpr auto RC = TBauteile::RC;
constexpr auto RL = TBauteile::RL;
constexpr auto RCL = TBauteile::RCL;
constexpr auto CL = TBauteile::CL;

// U 10 V and the dialogs' start values R 50 Ohm, C 10 uF, L 10 mH; series bars on 185, parallel on 177 pixels.
const std::vector<Fall> kFaelle = {
    // Xc = R: Ur = Uc = U / sqrt 2, two equal bars trunc(7.071 / 10 * 185) high.
    {"RC_Reihe", false, RC, {50, 1e-5L, 0, 0}, {"0.14142", "70.711", "7.071", "7.071"}, {130, 130}},
    {"RL_Reihe", false, RL, {50, 0, 0.01L, 0}, {"0.14142", "70.711", "7.071", "7.071"}, {130, 130}},
    // At resonance Z = R; Uc = UL = 0.2 * 31.62 stay below U, which keeps the scale.
    {"RCL_Reihe", false, RCL, {50, 1e-5L, 0.01L, 0}, {"0.20000", "50", "10", "6.325", "6.325"}, {-1, 117, 117}},
    {"RCL_1kHz", false, RCL, {50, 1e-5L, 0.01L, 1e3}, {"0.14585", "68.565", "7.292", "2.321", "9.164"}, {134, 42, 169}},
    // R 1 Ohm at resonance: Uc and UL far above U set the scale, the tallest bar is full height.
    {"RCL_1_Ohm", false, RCL, {1, 1e-5L, 0.01L, 0}, {"10", "1.00000", "10", "316.228", "316.228"}, {5, -1, -1}},
    // Xc = R: Ir = Ic = 0.2 A, Iges = 0.283 A sets the scale; both bars trunc(0.2 / 0.283 * 177).
    {"RC_par", true, RC, {50, 1e-5L, 0, 0}, {"0.28284", "35.355", "0.20000", "0.20000"}, {125, 125}},
    {"RL_par", true, RL, {50, 0, 0.01L, 0}, {"0.28284", "35.355", "0.20000", "0.20000"}, {125, 125}},
    // At resonance the branch currents of C and L exceed Iges and set the scale.
    {"RCL_par", true, RCL, {50, 1e-5L, 0.01L, 0}, {"0.20000", "50", "0.20000", "0.31623", "0.31623"}, {111, -1, -1}},
    // Xc = XL: the "infinite" impedance, no current in total, Ic = IL full height.
    {"CL_par", true, CL, {0, 1e-5L, 0.01L, 0}, {"1E-12", "10E+12", "0.31623", "0.31623"}, {0, -1, -1}},
};

INSTANTIATE_TEST_SUITE_P(Startwerte, Experimentwerte, ::testing::ValuesIn(kFaelle),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Balken, FilledInTheColourRoleWithTheNameAboveInTheSameColour) {
  Farben = TFarben{};
  Farben.Kondensator = QColor(1, 2, 3);
  TWerte w;
  w.Uc = 5;
  w.Max = 10;
  const Balkenbild bild = Zeichne(w, {Balken_Reihe(w, TBauteile::RC)[1]}, 185);
  const auto rechtecke = bild.rec.ops("Rectangle");
  ASSERT_FALSE(rechtecke.empty());
  const auto* rechteck = &rechtecke[0];
  EXPECT_EQ(rechteck->args, (QList<int>{70, 185, 85, 93}));
  EXPECT_EQ(rechteck->brushColor, QColor(1, 2, 3));
  EXPECT_EQ(rechteck->penColor, QColor(Qt::black));
  const auto* name = bild.rec.findText("Uc");
  ASSERT_NE(name, nullptr);
  EXPECT_EQ(name->fontColor, QColor(1, 2, 3));
  EXPECT_EQ(name->fontName, "Arial");
  EXPECT_TRUE(name->fontBold);
  EXPECT_TRUE(name->textTransparent);
  EXPECT_EQ(name->args[0], 70);
  EXPECT_LT(name->args[1], 93);  // above the bar
  EXPECT_GT(name->args[1], 93 - 2 * name->fontHeight);
}

TEST(Balken, ANameWithoutRoomAboveItsBarGoesBesideTheTop) {
  Farben = TFarben{};
  TWerte w;
  w.Uc = 9.99L;
  w.Max = 10;
  const Balkenbild bild = Zeichne(w, {Balken_Reihe(w, TBauteile::RC)[1]}, 185);
  ASSERT_EQ(bild.hoehen, std::vector<int>{184});
  const auto* name = bild.rec.findText("Uc");
  ASSERT_NE(name, nullptr);
  EXPECT_EQ(name->args, (QList<int>{86, 0}));
}

TEST(Balken, TheTotalCurrentOfCLStandsInTheResistorsPlaceAndColour) {
  Farben = TFarben{};
  TWerte w;
  const auto balken = Balken_Parallel(w, TBauteile::CL);
  ASSERT_EQ(balken.size(), 3u);
  EXPECT_EQ(balken[0].name, "Iges");
  EXPECT_EQ(balken[0].x, 10);
  EXPECT_EQ(balken[0].farbe, Farben.Widerstand);
  EXPECT_EQ(balken[1].x, 80);
  EXPECT_EQ(balken[2].x, 135);
}

}  // namespace
