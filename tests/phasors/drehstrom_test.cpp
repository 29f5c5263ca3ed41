#include "phasors/drehstrom.h"

#include <gtest/gtest.h>
#include <cmath>

#include "common/tolerance.h"
#include "platform/recorder.h"
#include "toolkit/farben.h"
#include "toolkit/layout.h"
#include "toolkit/schaltung.h"

namespace {

using platform::RecordedOp;

// One finished turn at 782 x 550 into an image, every primitive recorded.
class DrehstromTest : public ::testing::Test {
 protected:
  DrehstromTest() {
    Schaltung = TSchaltung{};
    Farben = TFarben{};
    Einstellungen = TEinstellungen{};
    Setze_Drehstrom_Startwerte();
    Bereite_Fenster_vor(782, 550, 20);
  }

  void Zeichne() {
    QImage image(782, 530, QImage::Format_RGB32);
    Canvas canvas(&image);
    canvas.SetRecorder(&rec);
    canvas.Font.Name = "System";
    canvas.Font.SetSize(10);
    Zeichne_Drehstrom(canvas);
    zeilenhoehe = canvas.TextHeight("M");
  }

  // The three bold final phasors, in drawing order.
  std::vector<RecordedOp> Endzeiger() const {
    std::vector<RecordedOp> result;
    for (const RecordedOp& op : rec.lines())
      if (op.penWidth == 2) result.push_back(op);
    return result;
  }

  // The time curve of one colour: the thin lines of that colour that do not start at the centre.
  std::vector<RecordedOp> Kurve(const QColor& farbe) const {
    std::vector<RecordedOp> result;
    for (const RecordedOp& op : rec.lines())
      if (op.penWidth == 1 && op.penColor == farbe && !(op.args[0] == Layout.cx && op.args[1] == Layout.cy))
        result.push_back(op);
    return result;
  }

  static double Laenge(const RecordedOp& op) { return std::hypot(op.args[2] - op.args[0], op.args[3] - op.args[1]); }
  static double Winkel_Grad(const RecordedOp& op) {
    return std::atan2(-(op.args[3] - op.args[1]), op.args[2] - op.args[0]) * 180 / M_PI;
  }

  platform::Recorder rec;
  int zeilenhoehe = 0;
};

TEST(Differenzspannung, ThreePhaseValues) {
  EXPECT_TRUE(RelNear(Berechne_Differenzspannung(240, 240), 415.692193817, 1e-10));
  EXPECT_TRUE(RelNear(Berechne_Differenzspannung(300, 240), 468.614980554, 1e-10));
  EXPECT_TRUE(RelNear(Berechne_Differenzspannung(240, 300), Berechne_Differenzspannung(300, 240), 1e-15));
  EXPECT_TRUE(RelNear(Berechne_Differenzspannung(10, 0), 10, 1e-15));
}

TEST_F(DrehstromTest, StartValuesGiveThreeEqualPhasorsAThirdOfATurnApart) {
  Zeichne();
  EXPECT_EQ(Schaltung.Ug, 240.0L);
  const auto zeiger = Endzeiger();
  ASSERT_EQ(zeiger.size(), 3u);
  const QColor farben[3] = {Farben.Impedanz, Farben.Kondensator, Farben.Spule};
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(zeiger[i].penColor, farben[i]) << i;
    EXPECT_EQ(zeiger[i].args[0], Layout.cx);
    EXPECT_EQ(zeiger[i].args[1], Layout.cy);
    EXPECT_NEAR(Laenge(zeiger[i]), Layout.r0, 1.5) << i;
  }
  // The turn ends at angle 0: U1 points right, U2 a third of a turn behind (below), U3 ahead (above).
  EXPECT_NEAR(Winkel_Grad(zeiger[0]), 0, 0.5);
  EXPECT_NEAR(Winkel_Grad(zeiger[1]), -120, 0.5);
  EXPECT_NEAR(Winkel_Grad(zeiger[2]), 120, 0.5);
}

TEST_F(DrehstromTest, LargerPhaseVoltageReachesBeyondTheCircle) {
  Drehstromwerte.U1 = 300;
  Zeichne();
  const auto zeiger = Endzeiger();
  ASSERT_EQ(zeiger.size(), 3u);
  EXPECT_EQ(zeiger[0].args[2] - Layout.cx, std::trunc(1.25 * Layout.r0));
  EXPECT_NEAR(Laenge(zeiger[1]), Layout.r0, 1.5);
  ASSERT_NE(rec.findText("U1-U2 = 468.615 V"), nullptr) << rec.allText().toStdString();
  EXPECT_NE(rec.findText("U2-U3 = 415.692 V"), nullptr);
  EXPECT_NE(rec.findText("U3-U1 = 468.615 V"), nullptr);
  EXPECT_NE(rec.findText("U1  = 300 V"), nullptr);
}

TEST_F(DrehstromTest, CurvesRunOverTheWholeTimeAxisWithTheirAmplitude) {
  Zeichne();
  const QColor farben[3] = {Farben.Impedanz, Farben.Kondensator, Farben.Spule};
  for (const QColor& farbe : farben) {
    const auto kurve = Kurve(farbe);
    ASSERT_EQ(kurve.size(), 361u);
    EXPECT_EQ(kurve.front().args[0], Layout.x0);
    EXPECT_EQ(kurve.back().args[2], Layout.x1);
    int oben = Layout.cy, unten = Layout.cy;
    for (std::size_t k = 0; k < kurve.size(); ++k) {
      if (k > 0) {
        EXPECT_EQ(kurve[k].args[0], kurve[k - 1].args[2]);  // one connected line
        EXPECT_EQ(kurve[k].args[1], kurve[k - 1].args[3]);
      }
      oben = std::min(oben, kurve[k].args[3]);
      unten = std::max(unten, kurve[k].args[3]);
    }
    // Peaks one pixel short where the sine misses 1 by a rounding error.
    EXPECT_NEAR(oben, Layout.cy - Layout.r0, 1);
    EXPECT_NEAR(unten, Layout.cy + Layout.r0, 1);
  }
}

TEST_F(DrehstromTest, LabelsAndTextBlock) {
  Zeichne();
  const auto zeiger = Endzeiger();
  ASSERT_EQ(zeiger.size(), 3u);
  struct Erwartet {
    QString text;
    int x, y;
    QColor farbe;
  };
  const int oben = Layout.cy - Layout.r0;
  // The heading is wider than the usual column: the block moves left to end inside the frame.
  const int x = rec.findText("Drehstrom: Phasenverschiebung")->args[0];
  EXPECT_LT(x, Layout.Textspalte_x + 2);
  EXPECT_GE(x, Layout.x0);
  const int h = zeilenhoehe;
  const Erwartet erwartet[] = {
      {"U1", zeiger[0].args[2], zeiger[0].args[3], Farben.Impedanz},
      {"U2", zeiger[1].args[2], zeiger[1].args[3], Farben.Kondensator},
      {"U3", zeiger[2].args[2] + 4, zeiger[2].args[3] - 10, Farben.Spule},
      {"U1", Layout.x0 - 15, oben - 10, Farben.Impedanz},
      {"U2", Layout.x0 - 15, oben - 23, Farben.Kondensator},
      {"U3", Layout.x0 + 3, oben - 10, Farben.Spule},
      {"Drehstrom: Phasenverschiebung", x, 0, Farben.Text},
      {"stets 120 Grad", x, h + 1, Farben.Text},
      {"U1  = 240 V", x, 2 * h + 1, Farben.Impedanz},
      {"U2  = 240 V", x, 3 * h + 1, Farben.Kondensator},
      {"U3  = 240 V", x, 4 * h + 1, Farben.Spule},
      {"Differenzspannungen:", x, 6 * h + 1, Farben.Impedanz},
      {"U1-U2 = 415.692 V", x, 7 * h + 1, Farben.Impedanz},
      {"U2-U3 = 415.692 V", x, 8 * h + 1, Farben.Impedanz},
      {"U3-U1 = 415.692 V", x, 9 * h + 1, Farben.Impedanz},
  };
  const auto texte = rec.texts();
  ASSERT_EQ(texte.size(), std::size(erwartet)) << rec.allText().toStdString();
  for (std::size_t i = 0; i < texte.size(); ++i) {
    EXPECT_EQ(texte[i].text, erwartet[i].text);
    EXPECT_EQ(texte[i].args, (QList<int>{erwartet[i].x, erwartet[i].y})) << erwartet[i].text.toStdString();
    EXPECT_EQ(texte[i].fontColor, erwartet[i].farbe) << erwartet[i].text.toStdString();
    EXPECT_TRUE(texte[i].textTransparent);
  }
}

}  // namespace
