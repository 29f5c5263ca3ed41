#include "app/form1.h"
#include "app_fixture.h"
#include "fourier/fouriersynthese.h"

namespace {

using BefehleFourierTest = AppTest;

// Without dialogs (export) each command draws what its dialog shows when it opens.
TEST_F(BefehleFourierTest, CommandsStartWithTheDialogsOpeningValues) {
  TForm1 form;
  form.Setze_ohne_Dialoge(true);
  form.Setze_Client_Groesse(782, 550);
  Fourierwerte.N = 64;
  Zeichenmodus.Dreieck = true;
  Fourierwerte.K[3] = 1;

  ASSERT_TRUE(form.Fuehre_Thema_aus("Fouriersynthese/Fourier 1"));
  EXPECT_TRUE(Zeichenmodus.Fourier1);
  EXPECT_EQ(Gewaehltes_Signal(), Fouriersignal::Rechteck);
  EXPECT_FALSE(Zeichenmodus.Dreieck);
  platform::Recorder rec;
  form.Zeichne_Bild(&rec);
  EXPECT_NE(rec.findText("Grundschwingung mit 0 Oberwellen"), nullptr) << rec.allText().toStdString();
  EXPECT_EQ(rec.count("Polyline"), 2);  // the fundamental, thin and thick
  EXPECT_EQ(form.Fensterfarbe(), QColor(0xC0, 0xC0, 0xC0));

  ASSERT_TRUE(form.Fuehre_Thema_aus("Fouriersynthese/Fourier 2"));
  EXPECT_TRUE(Zeichenmodus.Fourier2);
  EXPECT_FALSE(Zeichenmodus.Fourier1);
  EXPECT_EQ(form.Fensterfarbe(), Farben.Hintergrund);
  rec.clear();
  form.Zeichne_Bild(&rec);
  EXPECT_NE(rec.findText("  a3 = 0"), nullptr) << rec.allText().toStdString();
  EXPECT_EQ(rec.findText("Grundschwingung mit 0 Oberwellen"), nullptr);
}

}  // namespace
