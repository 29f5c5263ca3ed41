#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "phasor_fixture.h"
#include "phasors/drehstrom.h"
#include "phasors/einzelzeiger.h"
#include "phasors/reihen_berechnung.h"
#include "phasors/reihenzeiger.h"
#include "toolkit/real48.h"

namespace {

using platform::RecordedOp;
using ZeichnungTest = PhasorTest;

// Layout of the fixture: centre (102, 175), r0 100, time axis from 207 to 780.
constexpr int cx = 102, cy = 175, x0 = 207;

// x of the text block: that of its first line, at the top. The block's own placement is tested
// at the normal window size below.
int Spalte(const platform::Recorder& rec) {
  for (const auto& op : rec.texts())
    if (op.args[1] == 0 && op.args[0] > x0) return op.args[0];
  return -1;
}

QList<int> Linie(int x1, int y1, int x2, int y2) { return {x1, y1, x2, y2}; }

// Some text op of exactly this text at (x, y), transparent, in the colour.
::testing::AssertionResult TextAt(const platform::Recorder& rec, const QString& text, int x, int y,
                                  const QColor& colour) {
  QString seen;
  for (const auto& op : rec.texts()) {
    if (op.text != text) continue;
    if (op.args == QList<int>{x, y} && op.fontColor == colour && op.textTransparent) {
      return ::testing::AssertionSuccess();
    }
    seen += QString(" (%1, %2) %3").arg(op.args[0]).arg(op.args[1]).arg(op.fontColor.name());
  }
  return ::testing::AssertionFailure() << "\"" << text.toStdString() << "\" not at (" << x << ", " << y << ") in "
                                       << colour.name().toStdString() << "; seen:" << seen.toStdString();
}

// y of line n of the text block for the fixture's font.
int Zeile(const platform::Recorder& rec, int n) {
  (void)rec;
  QImage img(10, 10, QImage::Format_RGB32);
  Canvas c(&img);
  c.Font.Name = "System";
  c.Font.Pitch = TFontPitch::fpFixed;
  c.Font.SetSize(10);
  return n == 0 ? 0 : n * c.TextHeight("M") + 1;
}

// Curve segments of one colour: the thin lines that start on or right of the time axis.
std::vector<RecordedOp> Kurve(const platform::Recorder& rec, const QColor& colour) {
  std::vector<RecordedOp> out;
  for (const auto& op : rec.lines()) {
    if (op.penWidth == 1 && op.penColor == colour && op.args[0] >= x0) out.push_back(op);
  }
  return out;
}

std::pair<int, int> Hoehen(const std::vector<RecordedOp>& kurve) {
  int lo = INT32_MAX, hi = INT32_MIN;
  for (const auto& op : kurve) {
    lo = std::min(lo, op.args[3]);
    hi = std::max(hi, op.args[3]);
  }
  return {lo, hi};
}

TEST_F(ZeichnungTest, ResistorAtStartValues) {
  Startwerte_nur_Widerstand();
  Zeichne(Zeichne_R_Zeiger);
  const int rho_I = static_cast<int>(Trunc((100 - 1) * 10 / (19.9L * 5) * 1.5L + 0.5L));
  ASSERT_EQ(rho_I, 15);
  const auto bold = Endzeiger();
  ASSERT_EQ(bold.size(), 2u);
  EXPECT_EQ(bold[0].args, Linie(cx, cy, cx + 99, cy));
  EXPECT_EQ(bold[0].penColor, Farben.Impedanz);
  EXPECT_EQ(bold[1].args, Linie(cx, cy, cx + rho_I, cy));
  EXPECT_EQ(bold[1].penColor, Farben.Widerstandsstrom);
  EXPECT_TRUE(TextAt(rec, "Ueff", cx + 99, cy, Farben.Impedanz));
  EXPECT_TRUE(TextAt(rec, "Ieff", cx + rho_I, cy, Farben.Widerstandsstrom));
  EXPECT_TRUE(TextAt(rec, "Ur", x0 - 15, cy - 99 - 10, Farben.Impedanz));
  EXPECT_TRUE(TextAt(rec, "Ir", x0 + 3, cy - 99 - 10, Farben.Widerstandsstrom));

  EXPECT_TRUE(TextAt(rec, "Strom und Spannung", Spalte(rec), 0, Farben.Text));
  EXPECT_TRUE(TextAt(rec, "am ohmschen Widerstand", Spalte(rec), Zeile(rec, 1), Farben.Text));
  EXPECT_TRUE(TextAt(rec, "Ur = 10 V", Spalte(rec), Zeile(rec, 2), Farben.Impedanz));
  EXPECT_TRUE(TextAt(rec, "R  = 5 Ohm", Spalte(rec), Zeile(rec, 3), Farben.Impedanz));
  EXPECT_TRUE(TextAt(rec, "Ir = 2 A", Spalte(rec), Zeile(rec, 4), Farben.Widerstandsstrom));

  // voltage and current in phase: both curves start on the axis and swing to their lengths
  const auto u = Kurve(rec, Farben.Impedanz);
  const auto i = Kurve(rec, Farben.Widerstand);
  ASSERT_FALSE(u.empty());
  ASSERT_FALSE(i.empty());
  EXPECT_EQ(u.front().args.mid(0, 2), (QList<int>{x0, cy}));
  EXPECT_EQ(i.front().args.mid(0, 2), (QList<int>{x0, cy}));
  EXPECT_EQ(Hoehen(u), std::make_pair(cy - 99, cy + 99));
  EXPECT_EQ(Hoehen(i), std::make_pair(cy - rho_I, cy + rho_I));
}

TEST_F(ZeichnungTest, ResistorAtItsLowerBoundLeavesTheCircle) {
  Startwerte_nur_Widerstand();
  Schaltung.R_Zeiger = Schaltung.R_min;
  EXPECT_EQ(Stromzeiger_R(), 149);  // about 1.5 (r0 - 1)
  Zeichne(Zeichne_R_Zeiger);
  EXPECT_EQ(Endzeiger()[1].args, Linie(cx, cy, cx + 149, cy));
  EXPECT_TRUE(TextAt(rec, "R  = 0.500 Ohm", Spalte(rec), Zeile(rec, 3), Farben.Impedanz));
}

TEST_F(ZeichnungTest, CapacitorCurrentLeadsByAQuarterTurn) {
  Startwerte_nur_Kondensator();
  EXPECT_EQ(Stromzeiger_C(), 25);  // a quarter of r0 against the scale of 1 mF at 1 kHz
  Zeichne(Zeichne_C_Zeiger);
  const auto bold = Endzeiger();
  ASSERT_EQ(bold.size(), 2u);
  EXPECT_EQ(bold[0].args, Linie(cx, cy, cx + 100, cy));
  EXPECT_EQ(bold[1].args, Linie(cx, cy, cx, cy - 25));
  EXPECT_EQ(bold[1].penColor, Farben.Kondensator);
  EXPECT_TRUE(TextAt(rec, "Uc", cx + 100, cy, Farben.Impedanz));
  EXPECT_TRUE(TextAt(rec, "Ic", cx, cy - 25, Farben.Kondensator));
  EXPECT_TRUE(TextAt(rec, "Ic", x0 - 15, cy - 100 - 10, Farben.Kondensator));
  EXPECT_EQ(Kurve(rec, Farben.Kondensator).front().args.mid(0, 2), (QList<int>{x0, cy - 25}));

  const QStringList lines = {"Strom und Spannung", "am kapazitiven Widerstand",
                             "Uc = 10 V",          "Xc = 0.637 V/A",
                             "Ic = 15.708 A",      "C  = 500 uF",
                             "f  = 500 Hz",        "Phi= 90 Grad"};
  for (int n = 0; n < lines.size(); ++n) {
    const QColor colour = n < 2 ? Farben.Text : n == 2 ? Farben.Impedanz : Farben.Kondensator;
    EXPECT_TRUE(TextAt(rec, lines[n], Spalte(rec), Zeile(rec, n), colour)) << "line " << n;
  }
}

TEST_F(ZeichnungTest, CoilCurrentLagsWithItsLabelMovedRight) {
  Startwerte_nur_Spule();
  EXPECT_EQ(Stromzeiger_L(), 10);
  Zeichne(Zeichne_L_Zeiger);
  const auto bold = Endzeiger();
  ASSERT_EQ(bold.size(), 2u);
  EXPECT_EQ(bold[1].args, Linie(cx, cy, cx, cy + 10));
  EXPECT_EQ(bold[1].penColor, Farben.Spule);
  EXPECT_TRUE(TextAt(rec, "Il", cx + 2, cy + 10, Farben.Spule));
  EXPECT_TRUE(TextAt(rec, "Ul", x0 + 3, cy - 100 - 10, Farben.Impedanz));
  EXPECT_TRUE(TextAt(rec, "Xl = 1.571 V/A", Spalte(rec), Zeile(rec, 3), Farben.Spule));
  EXPECT_TRUE(TextAt(rec, "L  = 5 mH", Spalte(rec), Zeile(rec, 5), Farben.Spule));
  EXPECT_EQ(Kurve(rec, Farben.Spule).front().args.mid(0, 2), (QList<int>{x0, cy + 10}));
}

TEST_F(ZeichnungTest, ResistorAndCapacitor) {
  Startwerte_Widerstand_und_Kondensator();
  Zeichne(Zeichne_RC_Zeiger);
  const auto bold = Endzeiger();
  ASSERT_EQ(bold.size(), 3u);
  // Ug full length at phi behind the current, Uc a quarter turn behind, UR on the current
  EXPECT_EQ(bold[0].args, Linie(cx, cy, cx + 53, cy + 84));
  EXPECT_EQ(bold[0].penColor, Farben.Impedanz);
  EXPECT_EQ(bold[1].args, Linie(cx, cy, cx, cy + 84));
  EXPECT_EQ(bold[1].penColor, Farben.Kondensator);
  EXPECT_EQ(bold[2].args, Linie(cx, cy, cx + 53, cy));
  EXPECT_EQ(bold[2].penColor, Farben.Widerstand);
  EXPECT_TRUE(TextAt(rec, "Ueff", cx + 53, cy + 84, Farben.Impedanz));
  EXPECT_TRUE(TextAt(rec, "Uc", cx, cy + 84, Farben.Kondensator));
  EXPECT_TRUE(TextAt(rec, "Ur", cx + 53, cy, Farben.Widerstand));
  EXPECT_TRUE(TextAt(rec, "Ug", x0 - 15, cy - 110, Farben.Impedanz));

  const std::vector<std::pair<int, QString>> lines = {{0, "Kondensator und Widerstand"},
                                                      {1, "in Reihe"},
                                                      {2, "Ug  = 10 V"},
                                                      {3, "R   = 200 Ohm"},
                                                      {4, "C   = 10 uF"},
                                                      {5, "f   = 50 Hz"},
                                                      {7, "Xc  = 318.310 V/A"},
                                                      {8, "Uc  = 8.467 V"},
                                                      {9, "Ic  = 0.027 A"},
                                                      {10, "Ir  = 0.027 A"},
                                                      {11, "Ur  = 5.320 V"},
                                                      {12, "Phi= 57.858 Grad"}};
  for (const auto& [n, text] : lines) {
    const RecordedOp* op = rec.findText(text);
    ASSERT_NE(op, nullptr) << text.toStdString() << "\n" << rec.allText().toStdString();
    EXPECT_EQ(op->args, (QList<int>{Spalte(rec), Zeile(rec, n)})) << text.toStdString();
  }
}

TEST_F(ZeichnungTest, ResistorAndCoilShowANegativeAngle) {
  Startwerte_Widerstand_und_Spule();
  Zeichne(Zeichne_RL_Zeiger);
  const auto bold = Endzeiger();
  ASSERT_EQ(bold.size(), 3u);
  EXPECT_EQ(bold[0].args, Linie(cx, cy, cx + 78, cy - 61));  // Ug ahead of the current
  EXPECT_EQ(bold[1].args, Linie(cx, cy, cx, cy - 61));       // UL a quarter turn ahead of UR
  EXPECT_EQ(bold[1].penColor, Farben.Spule);
  EXPECT_EQ(bold[2].args, Linie(cx, cy, cx + 78, cy));
  EXPECT_TRUE(TextAt(rec, "UL", cx, cy - 61, Farben.Spule));
  EXPECT_TRUE(TextAt(rec, "Ul", x0 + 3, cy - 110, Farben.Spule));
  EXPECT_TRUE(TextAt(rec, "Ur", x0 + 3, cy - 123, Farben.Widerstand));
  EXPECT_TRUE(TextAt(rec, "Phi = -38.146 Grad", Spalte(rec), Zeile(rec, 12), Farben.Impedanz));
  EXPECT_TRUE(TextAt(rec, "Xl  = 157.080 V/A", Spalte(rec), Zeile(rec, 7), Farben.Spule));
  EXPECT_TRUE(TextAt(rec, "L   = 500 mH", Spalte(rec), Zeile(rec, 4), Farben.Spule));
}

TEST_F(ZeichnungTest, CapacitorAndCoilScaleToTheLargerPartialVoltage) {
  Startwerte_Kondensator_und_Spule();
  Zeichne(Zeichne_CL_Zeiger);
  const auto bold = Endzeiger();
  ASSERT_EQ(bold.size(), 4u);
  EXPECT_EQ(bold[1].args, Linie(cx, cy, cx, cy - 49));   // UL
  EXPECT_EQ(bold[2].args, Linie(cx, cy, cx, cy + 100));  // Uc fills the radius
  EXPECT_EQ(bold[3].args, Linie(cx, cy, cx + 15, cy));   // UR of the coil resistance
  // Ug is the sum of the partial voltages (to the pixel): 53 long, lagging the current by
  // arctan((Xc - XL) / RL) = 72.8 degrees, towards Uc.
  EXPECT_EQ(bold[0].args, Linie(cx, cy, cx + 15, cy + 50));
  const int summe_x = 15, summe_y = -49 + 100;
  EXPECT_LE(std::abs(bold[0].args[2] - cx - summe_x), 1);
  EXPECT_LE(std::abs(bold[0].args[3] - cy - summe_y), 1);
  EXPECT_TRUE(TextAt(rec, "Ur", x0 - 15, cy - 110, Farben.Widerstand));
  EXPECT_TRUE(TextAt(rec, "Uc", x0 - 15, cy - 123, Farben.Kondensator));
  EXPECT_TRUE(TextAt(rec, "Ug", x0 + 3, cy - 123, Farben.Impedanz));
  EXPECT_TRUE(TextAt(rec, "Uc  = 18.857 V", Spalte(rec), Zeile(rec, 6), Farben.Kondensator));
  EXPECT_TRUE(TextAt(rec, "Ul = 9.305 V", Spalte(rec), Zeile(rec, 11), Farben.Spule));
  EXPECT_TRUE(TextAt(rec, "fres  = 71.176 Hz", Spalte(rec), Zeile(rec, 14), Farben.Impedanz));
  EXPECT_TRUE(TextAt(rec, "RSpule = 1 Ohm", Spalte(rec), Zeile(rec, 15), Farben.Widerstand));
  EXPECT_TRUE(TextAt(rec, "Z  = 3.376 Ohm", Spalte(rec), Zeile(rec, 16), Farben.Impedanz));
}

TEST_F(ZeichnungTest, CapacitorAndCoilRecalculateBeforeTheirText) {
  Startwerte_Kondensator_und_Spule();
  Schaltung.C = 1000e-6L;  // changed by a dialog without a calculation
  Zeichne(Zeichne_CL_Zeiger);
  EXPECT_EQ(Endzeiger()[2].args, Linie(cx, cy, cx, cy + 100));  // the turn used the old voltages
  EXPECT_NE(rec.findText("Xc  = 3.183 V/A"), nullptr) << rec.allText().toStdString();
  EXPECT_NE(rec.findText("C   = 1000 uF"), nullptr);
}

TEST_F(ZeichnungTest, ResistorCapacitorAndCoil) {
  Startwerte_Widerstand_Kondensator_und_Spule();
  Zeichne(Zeichne_RCL_Zeiger);
  EXPECT_EQ(Endzeiger().size(), 4u);
  EXPECT_TRUE(TextAt(rec, "Uc", x0 - 15, cy - 123, Farben.Kondensator));
  EXPECT_TRUE(TextAt(rec, "Spule, Kondensator und", Spalte(rec), 0, Farben.Text));
  EXPECT_TRUE(TextAt(rec, "Ur  = 7.785 V", Spalte(rec), Zeile(rec, 8), Farben.Widerstand));
  EXPECT_TRUE(TextAt(rec, "Phi = 38.874 Grad", Spalte(rec), Zeile(rec, 16), Farben.Impedanz));

  // at resonance Ug lies on UR, both a full radius long
  Schaltung.L = 1 / (std::pow(2 * 3.141592653589793238L * 50, 2) * Schaltung.C);
  Berechne_RCL_Reihe();
  Zeichne(Zeichne_RCL_Zeiger);
  const auto bold = Endzeiger();
  ASSERT_EQ(bold.size(), 4u);
  EXPECT_EQ(bold[0].args, Linie(cx, cy, cx + 100, cy));
  EXPECT_EQ(bold[3].args[3], cy);
  EXPECT_NEAR(bold[3].args[2], cx + 100, 1);  // UR, truncated from a rounded 10 V
}

// The window's font at the normal window size, 782 x 550: every line of a text block ends inside
// the frame, the block keeps one column right of the curves' start, and curves crossing its rows
// stay visible beside the texts.
TEST_F(ZeichnungTest, TextBlocksFitTheNormalWindowAndLeaveTheCurvesBeside) {
  Bereite_Fenster_vor(782, 550, 20);
  image = QImage(782, 530, QImage::Format_RGB32);
  const struct {
    void (*startwerte)();
    void (*zeichnung)(Canvas&);
    bool kurven_neben_text;
  } themen[] = {{Startwerte_nur_Widerstand, Zeichne_R_Zeiger, false},
                {Startwerte_nur_Kondensator, Zeichne_C_Zeiger, false},
                {Startwerte_nur_Spule, Zeichne_L_Zeiger, false},
                {Startwerte_Widerstand_und_Kondensator, Zeichne_RC_Zeiger, false},
                {Startwerte_Widerstand_und_Spule, Zeichne_RL_Zeiger, true},
                {Startwerte_Kondensator_und_Spule, Zeichne_CL_Zeiger, true},
                {Startwerte_Widerstand_Kondensator_und_Spule, Zeichne_RCL_Zeiger, true},
                {Setze_Drehstrom_Startwerte, Zeichne_Drehstrom, false}};
  for (const auto& thema : themen) {
    thema.startwerte();
    image.fill(Farben.Hintergrund);
    rec.clear();
    Canvas canvas(&image);
    canvas.SetRecorder(&rec);
    canvas.Font.Name = "Arial";
    canvas.Font.SetHeight(13);
    canvas.Font.Bold = true;
    thema.zeichnung(canvas);
    std::vector<RecordedOp> block;
    for (const auto& op : rec.texts())
      if (op.args[0] > Layout.x0 + 10) block.push_back(op);
    ASSERT_GE(block.size(), 5u);
    const int h = canvas.TextHeight("M");
    int beiseite = 0;  // curve pixels right of the texts, in the rows of the block
    for (const auto& op : block) {
      const int ende = op.args[0] + canvas.TextWidth(op.text);
      EXPECT_EQ(op.args[0], block[0].args[0]) << op.text.toStdString();
      EXPECT_LE(ende, Layout.W - 2) << op.text.toStdString();
      for (int y = op.args[1]; y < op.args[1] + h; ++y)
        for (int x = ende + 2; x < Layout.x1; ++x) beiseite += image.pixelColor(x, y) != Farben.Hintergrund;
    }
    if (thema.kurven_neben_text) {
      EXPECT_GT(beiseite, 0) << block[0].text.toStdString();
    }
  }
}

}  // namespace
