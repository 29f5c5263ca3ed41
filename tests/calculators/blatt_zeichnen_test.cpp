// Layout of the drawn result sheets: title, underline, lines, frame and colours.

#include <gtest/gtest.h>

#include "calculators/blatt_zeichnen.h"
#include "platform/recorder.h"
#include "toolkit/farben.h"
#include "toolkit/number_text.h"
#include "toolkit/schaltung.h"

using namespace calculators;

namespace {

class BlattZeichnen : public ::testing::Test {
 protected:
  BlattZeichnen() : bild(platform::make_image(782, 530)), canvas(&bild) {
    Schaltung = TSchaltung{};
    Farben = TFarben{};
    canvas.SetRecorder(&rec);
    canvas.Font.Name = "System";
    canvas.Font.SetSize(10);
    canvas.Pen.Color = Farben.Text;
  }
  int h() { return canvas.TextHeight("M"); }

  QImage bild;
  Canvas canvas;
  platform::Recorder rec;
};

TEST_F(BlattZeichnen, TitleUnderlineLinesAndFrameFollowTheReferenceText) {
  Schaltung.R = 1000;
  Schaltung.C = 1e-6L;
  Zeichne_Rechenblatt(canvas, &TZeichenmodus::Blatt_Hoch_Tiefpass);
  const int hoehe = h();
  const int breite = canvas.TextWidth("Berechnungsergebnisse: (Hochpass)");

  const auto texte = rec.texts();
  ASSERT_EQ(texte.size(), 1u + 13u);  // title and the 13 lines that are not blank
  EXPECT_EQ(texte[0].text, "Hoch-Tiefpass aus R und C:");
  EXPECT_EQ(texte[0].args, (QList<int>{10, 10}));
  EXPECT_EQ(texte[0].fontName, "Arial");
  EXPECT_TRUE(texte[0].fontBold);
  EXPECT_TRUE(texte[0].textTransparent);
  EXPECT_EQ(texte[1].args, (QList<int>{10, 10 + 2 * hoehe}));
  EXPECT_EQ(texte[1].text, "Feste Werte:");
  EXPECT_EQ(texte[2].text, "  R = 1000 Ohm");
  EXPECT_EQ(texte[2].fontColor, Farben.Impedanz);
  EXPECT_EQ(texte[3].text, "  C = 1 uF");
  EXPECT_EQ(texte[3].fontColor, Farben.Kondensator);
  // the blank line after C moves the next one down by a further line
  EXPECT_EQ(texte[4].args[1], 10 + 6 * hoehe);

  const auto linien = rec.lines();
  ASSERT_EQ(linien.size(), 1u);
  EXPECT_EQ(linien[0].args, (QList<int>{5, 10 + hoehe, 10 + breite + 5, 10 + hoehe}));
  const auto rahmen = rec.ops("Rectangle");
  ASSERT_EQ(rahmen.size(), 1u);
  // 15 lines below the first line position; the frame ends 5 below the next one
  EXPECT_EQ(rahmen[0].args, (QList<int>{5, 5, 10 + breite + 5, 10 + 2 * hoehe + 15 * hoehe + 5}));
  EXPECT_EQ(rahmen[0].brushStyle, TBrushStyle::bsClear);
  EXPECT_EQ(rahmen[0].penColor, Farben.Text);
  EXPECT_EQ(canvas.Brush.Style, TBrushStyle::bsClear);
}

TEST_F(BlattZeichnen, FrameDoesNotGrowWithWideValueLines) {
  Schaltung.Ueff = 123456.789L;
  Schaltung.Ieff = 1;
  Zeichne_Rechenblatt(canvas, &TZeichenmodus::Blatt_Widerstand);
  const int rechts = 10 + canvas.TextWidth("Nur Widerstand im Wechselstromkreis:") + 5;
  EXPECT_EQ(rec.ops("Rectangle")[0].args[2], rechts);
  EXPECT_EQ(rec.findText(" Phi = 0 Grad")->fontColor, Farben.Text);
}

TEST_F(BlattZeichnen, ParallelSheetsSetTheBrushBackToSolid) {
  Schaltung.R = 100;
  Schaltung.Xc = 100;
  Schaltung.Ueff = 10;
  Zeichne_Rechenblatt(canvas, &TZeichenmodus::Blatt_RC_parallel);
  EXPECT_EQ(rec.ops("Rectangle")[0].brushStyle, TBrushStyle::bsClear);
  EXPECT_EQ(canvas.Brush.Style, TBrushStyle::bsSolid);
  EXPECT_EQ(rec.findText("  Phi = 45 Grad")->fontColor, Farben.Impedanz);
  EXPECT_EQ(rec.findText(" Ic = 0.10000 A")->fontColor, Farben.Kondensator);
}

TEST_F(BlattZeichnen, PartialVoltagesVanishWithoutCurrent) {
  Schaltung.R = 100;
  Schaltung.C = 1e-6L;
  Schaltung.Xc = 3000;
  Schaltung.L = 0.5L;
  Schaltung.XL = 157;
  Schaltung.f = 50;
  Schaltung.R_Zeiger = 100;
  for (Blattmodus blatt : {&TZeichenmodus::Blatt_RC_Reihe, &TZeichenmodus::Blatt_RCL_Reihe}) {
    rec.clear();
    Zeichne_Rechenblatt(canvas, blatt);
    EXPECT_NE(rec.findText("Teilspannungen:"), nullptr);
    EXPECT_EQ(rec.findTextContaining("  Ur = "), nullptr);
    EXPECT_EQ(rec.findTextContaining("  Uc = "), nullptr);
  }
  Schaltung.Ieff = 0.01L;
  Zeichne_Rechenblatt(canvas, &TZeichenmodus::Blatt_RCL_Reihe);
  EXPECT_EQ(rec.findText("  UL = 1.570 V")->fontColor, Farben.Spule);
}

TEST_F(BlattZeichnen, ConstructionSheetsShowTheGivenValuesAndTheSharedResult) {
  Kondensator_Geometrie = {1, 100, 0.1L, 0};
  Schaltung.C = 8.85e-11L;
  Zeichne_Rechenblatt(canvas, &TZeichenmodus::Blatt_Kapazitaet);
  EXPECT_NE(rec.findText("  A = 100 cm^2"), nullptr) << rec.allText().toStdString();
  const auto* c = rec.findTextContaining("   C = ");
  ASSERT_NE(c, nullptr);
  EXPECT_EQ(c->text, "   C = " + Setze_Vorsatz(Formatiere_Wert(Schaltung.C)) + "F");
  EXPECT_TRUE(c->text.endsWith(" nF"));
  EXPECT_EQ(c->fontColor, Farben.Kondensator);
}

}  // namespace
