#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QTest>
#include <algorithm>
#include <cmath>
#include <numbers>

#include "common/scrollbar_teil.h"
#include "common/tolerance.h"
#include "curves/hoch_tiefpass.h"
#include "curves/wobbel.h"
#include "curves/wobbel_dlg.h"
#include "kurven_fixture.h"
#include "toolkit/number_text.h"

namespace {

// 782 x 550 with a status bar of 20: Hd = 530, sweep baseline b = 265 from x = 10 to 772.
constexpr int kW = 782, kB = 265, kNw = 762;
constexpr long double kPi = std::numbers::pi_v<long double>;

// Reference formulas, written out here rather than taken from the program.
long double Z_Reihe(long double R, long double C, long double L, long double f) {
  const long double Xc = 1 / (2 * kPi * f * C), XL = 2 * kPi * f * L;
  return std::sqrt(R * R + (Xc - XL) * (Xc - XL));
}

// The envelope's y at every column x = 10 + n (the last line ending there wins).
std::vector<int> Huelle(const platform::Recorder& rec) {
  std::vector<int> y(kNw + 1, 0);
  for (const auto& op : rec.lines())
    if (op.penColor == Farben.Widerstand && op.args[2] >= 10 && op.args[2] <= 10 + kNw) y[op.args[2] - 10] = op.args[3];
  return y;
}

class WobbelTest : public KurvenTest {
 protected:
  WobbelTest() { Fenstergroesse(kW, 550); }
};

TEST_F(WobbelTest, FilterChainStartValuesPeakAtTheResonanceMark) {
  Startwerte_Siebkette();
  const auto rec =
      Zeichne([](Canvas& c) { Zeichne_Siebkette(c, Schaltung.fs, Schaltung.R, Schaltung.C, Schaltung.L); });
  // fr = 1 / (2 pi sqrt(LC)) = 3978.87 Hz; x = Trunc(ln(fr / 1000) / (ln 30 / 762)) + 10.
  const long double fr = 1 / (2 * kPi * std::sqrt(1.6e-4L * 1e-5L));
  const int x_fr = static_cast<int>(std::log(fr / 1000) / (std::log(30.0L) / kNw)) + 10;
  ASSERT_EQ(x_fr, 319);
  const auto* fr_text = rec.findText("fr");
  ASSERT_NE(fr_text, nullptr);
  EXPECT_EQ(fr_text->args, (QList<int>{x_fr, kB + 2}));

  // Peak amplitude of the sampled columns: 99 pixels (100 at fr itself, which no column hits).
  int peak = 0;
  for (int n = 0; n <= kNw; ++n) {
    const long double f = 1000 * std::exp(std::log(30.0L) * n / kNw);
    peak = std::max(peak, static_cast<int>(10 * 20 / Z_Reihe(2, 1e-5L, 1.6e-4L, f)));
  }
  EXPECT_EQ(peak, 99);
  const auto y = Huelle(rec);
  EXPECT_EQ(*std::min_element(y.begin(), y.end()), kB - peak);
  EXPECT_EQ(y[x_fr - 10], kB - peak);

  const int hM = rec.findText("  fr = 3978.874 Hz")->args[1] - 5;
  for (const auto& [text, row] : {std::pair{"  fr = 3978.874 Hz", 1}, {"  Uc = 20 V", 2}, {"  Iges = 5 A", 4}}) {
    const auto* op = rec.findText(text);
    ASSERT_NE(op, nullptr) << text << "\n" << rec.allText().toStdString();
    EXPECT_EQ(op->args, (QList<int>{(772 - 10) / 2, row * hM + 5})) << text;
  }
  EXPECT_EQ(rec.findText("1000 Hz")->args, (QList<int>{10, kB + 20}));
}

TEST_F(WobbelTest, TrapCircuitHasItsMinimumAtTheMarkAndATraceThatFollowsTheStartFrequency) {
  Startwerte_Sperrkreis();
  const auto rec =
      Zeichne([](Canvas& c) { Zeichne_Sperrkreis(c, Schaltung.fs, Schaltung.R, Schaltung.C, Schaltung.L); });
  const auto y = Huelle(rec);
  // Z = R = 2 Ohm at fr: 10 V * 10 / 2 = 50 pixels, the smallest amplitude.
  EXPECT_EQ(*std::max_element(y.begin(), y.end()), kB - 50);
  EXPECT_EQ(y[319 - 10], kB - 50);
  ASSERT_NE(rec.findText("  XLres = 4 V/A"), nullptr);
  EXPECT_EQ(rec.findText("  XLres = 4 V/A")->args[0], 20);
  EXPECT_EQ(rec.findText("Wobbelgenerator an Sperrkreis:")->args[0], kW / 2);

  // fs .. 30 fs are 29 periods of the trace, at most 58 sign changes, at any start frequency.
  for (int fs : {1000, 5000, 10000}) {
    const auto r = Zeichne([fs](Canvas& c) { Zeichne_Sperrkreis(c, fs, 2, 1e-5L, 1.6e-4L); });
    int wechsel = 0, vorher = 0;
    for (const auto& op : r.lines()) {
      if (op.penColor != Farben.Impedanz) continue;
      const int s = (op.args[3] < kB) - (op.args[3] > kB);
      if (s != 0 && vorher != 0 && s != vorher) ++wechsel;
      if (s != 0) vorher = s;
    }
    EXPECT_GT(wechsel, 40) << fs;
    EXPECT_LE(wechsel, 58) << fs;
  }
}

TEST_F(WobbelTest, HugeAmplitudesAndTinyWindowsDrawWithoutFailing) {
  Schaltung.Ueff = 100;
  Schaltung.Zoom = 40;
  // XL of 1 uH at 100 Hz is 0.6 mOhm: millions of pixels, clamped.
  const auto rec = Zeichne([](Canvas& c) { Zeichne_Sperrkreis(c, 100, 100, 1e-4L, 1e-6L); });
  EXPECT_EQ(Huelle(rec).front(), kB - 1000000);

  Startwerte_Hoch_Tiefpass();
  for (int w : {30, 20, 40, 2600}) {  // 20: no sweep column, 40: no filter column
    Fenstergroesse(w, 300);
    EXPECT_NO_THROW(Zeichne([](Canvas& c) { Zeichne_Siebkette(c, 1000, 2, 1e-5L, 1.6e-4L); })) << w;
    EXPECT_NO_THROW(Zeichne([](Canvas& c) { Zeichne_Sperrkreis(c, 1000, 2, 1e-5L, 1.6e-4L); })) << w;
    platform::Recorder ht;
    EXPECT_NO_THROW(ht = Zeichne([](Canvas& c) { Zeichne_Hoch_Tiefpass(c, 10, 2, 1e-5L); })) << w;
    const int nb = w / 2 - 20;
    EXPECT_EQ(Linien(ht, Farben.Impedanz).size(), nb > 0 ? 2u * (nb + 1) : 0u) << w;  // envelopes
  }
}

TEST_F(WobbelTest, HighAndLowPassPanelMarksAndEnvelopes) {
  Startwerte_Hoch_Tiefpass();
  const auto rec = Zeichne([](Canvas& c) { Zeichne_Hoch_Tiefpass(c, Schaltung.Ueff, Schaltung.R, Schaltung.C); });
  // fg = 1 / (2 pi 2 Ohm 10 uF); A dB at fg / sqrt(10^(A/10) - 1) (high), fg * sqrt(...) (low).
  const long double fg = 1 / (2 * kPi * 2 * 1e-5L), q3 = std::sqrt(std::pow(10.0L, 0.3L) - 1),
                    q12 = std::sqrt(std::pow(10.0L, 1.2L) - 1);
  ASSERT_TRUE(RelNear(fg / q3, 7976.665L, 1e-7L));
  ASSERT_TRUE(RelNear(fg * q3, 7938.874L, 1e-7L));
  const int h = kW / 2, hM = rec.findText("Feste Werte:")->args[1] - 10;
  for (const auto& [text, row] : {std::pair{"  - 3db Frequenz=7976.665Hz", 7},
                                  {"  - 3db Frequenz=7938.874Hz", 13},
                                  {"  R =2 Ohm", 2},
                                  {"  f1 =159.533Hz -", 19},
                                  {"  f2 =15953.330Hz", 20}}) {
    const auto* op = rec.findText(text);
    ASSERT_NE(op, nullptr) << text << "\n" << rec.allText().toStdString();
    EXPECT_EQ(op->args, (QList<int>{h + 20, 10 + row * hM})) << text;
  }

  // Marks at x0 + Trunc((f - f1) nb / D) with f1 = 0.02 f3, D = 1.98 f3; the low pass's 12 dB
  // frequency (3.8 fg) lies past the graph's end, so it has no mark and no label.
  const int nb = h - 20;
  auto x_von = [&](long double f) { return 10 + static_cast<int>((f - 0.02L * fg / q3) * nb / (1.98L * fg / q3)); };
  const int mid = 530 / 2, axis_hoch = mid / 2, axis_tief = (mid + 530) / 2;
  const auto* f3_hoch = rec.findText("f(3dB)");
  ASSERT_NE(f3_hoch, nullptr);
  EXPECT_EQ(f3_hoch->args, (QList<int>{x_von(fg / q3), axis_hoch}));
  std::vector<QList<int>> f12;
  for (const auto& op : rec.texts())
    if (op.text == "f(12dB)") f12.push_back(op.args);
  ASSERT_EQ(f12.size(), 1u);
  EXPECT_EQ(f12[0], (QList<int>{x_von(fg / q12), axis_hoch}));
  EXPECT_GT(x_von(fg * q12), h - 10);

  // Envelopes reach half the graph height: the high pass at the right end, the low pass at the left.
  const auto huellen = Linien(rec, Farben.Impedanz);
  ASSERT_EQ(huellen.size(), 2u * (nb + 1));
  const int gh_hoch = mid - 20, gh_tief = 530 - mid - 20;
  EXPECT_EQ(huellen[nb].args[3], axis_hoch - (gh_hoch + 1) / 2);
  EXPECT_EQ(huellen[nb + 1].args[3], axis_tief - (gh_tief + 1) / 2);
  // The traces start at height 0: sin 0 stays on the axis, cos 0 rises to the envelope.
  const auto spuren = Linien(rec, Farben.Text);
  auto gibt = [&](QList<int> args) {
    return std::any_of(spuren.begin(), spuren.end(), [&](auto& op) { return op.args == args; });
  };
  EXPECT_TRUE(gibt({10, axis_hoch, 10, axis_hoch}));
  EXPECT_TRUE(gibt({10, axis_tief, 10, axis_tief - (gh_tief + 1) / 2}));
}

// ---- Dialogs ----

void Seitenklick(platform::ScrollBar* bar) {
  QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, Scrollbar_Teil(*bar, QStyle::SC_ScrollBarAddPage).center());
}

using WobbelDlgTest = WobbelTest;

TEST_F(WobbelDlgTest, SweepDialogSnapsToItsBarsAndTheZoomFollowsOnlyOnRelease) {
  Startwerte_Siebkette();
  TWobbelsiebketteDlg dlg;
  dlg.show();
  EXPECT_EQ(dlg.windowTitle(), "Wobbelgenerator:");
  // C: ln(1e4) / ln(1e5) * 1000 = 800; L: ln(160) / ln(1e4) * 1000 = 551.03; R: ln 2 / ln 100 * 100 = 15.05.
  EXPECT_EQ(dlg.ScrollBar2->Position(), 800);
  EXPECT_EQ(dlg.ScrollBar3->Position(), 551);
  EXPECT_EQ(dlg.ScrollBar4->Position(), 15);
  EXPECT_TRUE(RelNear(Schaltung.R, std::pow(100.0L, 0.15L), 1e-9L));
  EXPECT_TRUE(RelNear(Schaltung.L, 1e-6L * std::pow(1e4L, 0.551L), 1e-9L));
  EXPECT_EQ(dlg.Label8->text(), "1.995 Ohm");
  EXPECT_EQ(dlg.Label10->text(), "1000 Hz");
  EXPECT_EQ(dlg.ScrollBar6->Position(), 100);
  EXPECT_EQ(dlg.Label11->text(), "20");

  window.invalidiert = 0;
  platform::ScrollBar* zoom = dlg.ScrollBar6;
  const QPoint start = Scrollbar_Teil(*zoom, QStyle::SC_ScrollBarSlider).center();
  Maus(zoom, QEvent::MouseButtonPress, start, Qt::LeftButton);
  Maus(zoom, QEvent::MouseMove, start + QPoint(20, 0), Qt::LeftButton);
  const int gezogen = zoom->Position();
  ASSERT_GT(gezogen, 100);
  EXPECT_EQ(dlg.Label11->text(), Formatiere_Festkomma(gezogen * 0.2L));
  EXPECT_EQ(static_cast<long double>(Schaltung.Zoom), 20.0L);
  EXPECT_EQ(window.invalidiert, 0);
  Maus(zoom, QEvent::MouseButtonRelease, start + QPoint(20, 0), Qt::NoButton);
  EXPECT_EQ(static_cast<long double>(Schaltung.Zoom), static_cast<long double>(real48(gezogen * 0.2L)));
  EXPECT_EQ(window.invalidiert, 1);
  Seitenklick(zoom);  // page clicks leave the zoom alone
  EXPECT_EQ(window.invalidiert, 1);

  // U and fs act on every scroll code, page clicks included.
  Seitenklick(dlg.ScrollBar1);
  EXPECT_EQ(static_cast<long double>(Schaltung.Ueff), dlg.ScrollBar1->Position());
  EXPECT_GT(dlg.ScrollBar1->Position(), 10);
  Seitenklick(dlg.ScrollBar5);
  EXPECT_EQ(Schaltung.fs, dlg.ScrollBar5->Position());
  EXPECT_EQ(dlg.Label10->text(), QString("%1 Hz").arg(Schaltung.fs));
  EXPECT_GE(window.invalidiert, 3);

  QTest::mouseClick(&dlg, Qt::LeftButton, Qt::NoModifier, QPoint(300, 100));
  EXPECT_EQ(dlg.result(), QDialog::Rejected);
}

TEST_F(WobbelDlgTest, ReopenedSweepDialogShowsTheZoomAtItsOwnStep) {
  for (int position : {7, 9, 13, 199}) {
    Schaltung.Zoom = position * 0.2L;  // as the bar stores it
    TWobbelsiebketteDlg dlg;
    Schaltung.C = 1e-5L;
    Schaltung.L = 1e-4L;
    Schaltung.R = 2;
    dlg.show();
    EXPECT_EQ(dlg.ScrollBar6->Position(), position);
  }
}

TEST_F(WobbelDlgTest, HighLowPassDialogRedrawsWhenTheBarComesToRest) {
  Startwerte_Hoch_Tiefpass();
  THoch_TiefpassDlg dlg;
  dlg.show();
  EXPECT_EQ(dlg.windowTitle(), "Wobbelgenerator: Hoch-Teifpass");
  // R: ln 2 / ln 1000 * 100 = 10.03; C: ln(1e4) / ln(1e6) * 1000 = 666.7.
  EXPECT_EQ(dlg.ScrollBar1->Position(), 10);
  EXPECT_EQ(dlg.ScrollBar2->Position(), 667);
  EXPECT_TRUE(RelNear(Schaltung.C, 1e-9L * std::pow(1e6L, 0.667L), 1e-9L));
  EXPECT_EQ(dlg.Label3->text(), "1.995 Ohm");
  EXPECT_EQ(dlg.Label4->text(), Formatiere_Festkomma(Schaltung.C * 1e6L) + " uF");
  EXPECT_EQ(window.invalidiert, 1);  // the drawing takes the snapped values

  window.invalidiert = 0;
  platform::ScrollBar* bar = dlg.ScrollBar2;
  const QPoint start = Scrollbar_Teil(*bar, QStyle::SC_ScrollBarSlider).center();
  Maus(bar, QEvent::MouseButtonPress, start, Qt::LeftButton);
  Maus(bar, QEvent::MouseMove, start + QPoint(-30, 0), Qt::LeftButton);
  EXPECT_LT(dlg.ScrollBar2->Position(), 667);
  EXPECT_EQ(dlg.Label4->text(), Formatiere_Festkomma(Schaltung.C * 1e6L) + " uF");
  EXPECT_EQ(window.invalidiert, 0);
  Maus(bar, QEvent::MouseButtonRelease, start + QPoint(-30, 0), Qt::NoButton);
  EXPECT_EQ(window.invalidiert, 1);

  const long double R_vorher = Schaltung.R;
  Seitenklick(dlg.ScrollBar1);
  EXPECT_GT(Schaltung.R, R_vorher);
  EXPECT_EQ(window.invalidiert, 2);

  QTest::mouseClick(&dlg, Qt::LeftButton, Qt::NoModifier, QPoint(300, 38));
  EXPECT_EQ(dlg.result(), QDialog::Accepted);
}

}  // namespace
