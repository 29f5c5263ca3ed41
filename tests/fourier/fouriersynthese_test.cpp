#include <QTest>

#include "curves/kurven_fixture.h"
#include "fourier/fourier_dlg.h"
#include "fourier/fouriersynthese.h"
#include "platform/buttons.h"
#include "platform/radiogroup.h"
#include "platform/trackbar.h"

namespace {

class FourierTest : public KurvenTest {
 protected:
  FourierTest() { Fourierwerte = TFourierwerte{}; }

  static std::size_t Polylinien(const platform::Recorder& rec, const QColor& c, int width) {
    std::size_t n = 0;
    for (const auto& op : rec.ops("Polyline")) n += op.penColor == c && op.penWidth == width;
    return n;
  }
};

TEST_F(FourierTest, Fourier1DrawsEachTermThinAndTheSumThick) {
  Startwerte_Fourier1();
  for (const int N : {0, 128}) {
    Fourierwerte.N = N;
    const platform::Recorder rec = Zeichne(Zeichne_Fourier1);
    EXPECT_EQ(Polylinien(rec, Farben.Text, 1), static_cast<std::size_t>(N + 1));
    EXPECT_EQ(Polylinien(rec, Farben.Impedanz, 2), 1u);
    EXPECT_EQ(rec.count("Polyline"), N + 2);
    const auto* anzahl = rec.findText(QString("Grundschwingung mit %1 Oberwellen").arg(N));
    ASSERT_NE(anzahl, nullptr) << rec.allText().toStdString();
    EXPECT_EQ(anzahl->fontColor, Farben.Impedanz);
    EXPECT_TRUE(anzahl->fontBold);
    // Lines one "M" of the window font apart, below the plot (Bottom 290).
    const auto* kopf = rec.findText("Fouriersynthese: ");
    const auto* titel = rec.findText("  Rechtecksignal");
    ASSERT_TRUE(kopf && titel);
    EXPECT_EQ(kopf->args, QList<int>({4, 294}));
    const int h = titel->args[1] - 294;
    EXPECT_GT(h, 10);
    EXPECT_EQ(anzahl->args, QList<int>({4, 294 + 3 * h}));
  }
}

TEST_F(FourierTest, NarrowWindowDrawsTheFrameOnly) {
  Startwerte_Fourier1();
  Fenstergroesse(40, 300);
  for (auto* zeichnung : {Zeichne_Fourier1, Zeichne_Fourier2}) {
    const platform::Recorder rec = Zeichne(zeichnung);
    EXPECT_EQ(rec.count("Rectangle"), 2);
    EXPECT_EQ(rec.count("Polyline"), 0);
    EXPECT_EQ(rec.count("TextOut"), 0);
  }
}

TEST_F(FourierTest, Fourier2OutsideThePlotDrawsNothingOutsideItsRows) {
  const TFourierrahmen r = Berechne_Fourierrahmen(window.w, window.h);
  for (const int i : {1, 2, 3, 10, 12}) Fourierwerte.K[i] = i % 2 ? 2 : -2;
  const platform::Recorder rec = Zeichne(Zeichne_Fourier2);
  int stuecke = 0;
  for (const auto& op : rec.ops("Polyline")) {
    ASSERT_EQ(op.penColor, Farben.Kondensator);
    ++stuecke;
    for (qsizetype k = 1; k < op.args.size(); k += 2) {
      EXPECT_GT(op.args[k], r.Top);
      EXPECT_LT(op.args[k], r.Bottom);
    }
  }
  EXPECT_GE(stuecke, 2);
}

TEST_F(FourierTest, Fourier1DialogSetsSignalAndHarmonics) {
  Fourierwerte.N = 64;
  Zeichenmodus.Dreieck = true;
  TFouriersyntheseDlg dlg;
  dlg.show();
  EXPECT_EQ(dlg.pos(), QPoint(100 + 400 + 5, 80));
  EXPECT_EQ(Fourierwerte.N, 0);
  EXPECT_EQ(Gewaehltes_Signal(), Fouriersignal::Rechteck);
  EXPECT_FALSE(Zeichenmodus.Dreieck);
  EXPECT_EQ(dlg.Oberwellenknoepfe[1]->text(), "eine Obewelle");

  window.invalidiert = 0;
  QTest::mouseClick(dlg.Oberwellenknoepfe[8], Qt::LeftButton);
  EXPECT_EQ(Fourierwerte.N, 128);
  dlg.RadioGroup1->SetItemIndex(6);
  EXPECT_EQ(Gewaehltes_Signal(), Fouriersignal::Zweiweg_Gleichrichtung);
  EXPECT_EQ(Fourierwerte.N, 128);  // another signal keeps N
  EXPECT_EQ(window.invalidiert, 2);
}

TEST_F(FourierTest, Fourier2DialogCoefficientsAndStandard) {
  Fourierwerte.K[5] = 1;
  TFouriersysthese2Dlg dlg;
  dlg.show();
  EXPECT_EQ(dlg.pos(), QPoint(100 + 400 + 5, 80));
  EXPECT_EQ(Fourierwerte.K, TKoeffizienten{});

  window.invalidiert = 0;
  dlg.TrackBars[1]->setValue(3);     // as a user move: a1 = -0.3
  dlg.TrackBars[16]->setValue(-20);  // b8 = +2 at the top
  EXPECT_EQ(window.invalidiert, 2);
  platform::Recorder rec = Zeichne(Zeichne_Fourier2);
  const auto* a1 = rec.findText("  a1 = -0.300");
  ASSERT_NE(a1, nullptr) << rec.allText().toStdString();
  EXPECT_EQ(a1->fontColor, Farben.Kondensator);
  ASSERT_NE(rec.findText("  b8 = 2"), nullptr);
  EXPECT_EQ(rec.findText("  b8 = 2")->fontColor, Farben.Spule);

  QTest::mouseClick(dlg.Button1, Qt::LeftButton);
  EXPECT_EQ(dlg.TrackBars[1]->Position(), 0);
  rec = Zeichne(Zeichne_Fourier2);
  for (int i = 0; i < kKoeffizienten; ++i) EXPECT_NE(rec.findText(Koeffiziententext(i, 0)), nullptr) << i;
  EXPECT_NE(rec.findText("  a0 = 0"), nullptr);
  EXPECT_EQ(rec.count("Polyline"), 1);  // the flat line on the axis
}

}  // namespace
