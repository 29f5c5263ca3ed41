#include <QApplication>
#include <QTimer>

#include "app/form1.h"
#include "app_fixture.h"
#include "fields/ansicht.h"
#include "fields/elektronenbahn.h"

namespace {

const QStringList kFeldthemen = {
    "Elektron im Feld/Elektron im E-Feld",
    "Elektron im Feld/Elektron im B-Feld",
    "Elektron im Feld/Elektron im E-B - Feld",
    "Elektron im Feld/Elektron im gekreuzten E-B - Feld",
};

using FelderAppTest = AppTest;

TEST_F(FelderAppTest, CommandsSetFlagStartValuesAndViewAndDrawAtBothSizes) {
  TForm1 form;
  bool TZeichenmodus::*const flags[] = {&TZeichenmodus::E_Feld, &TZeichenmodus::B_Feld, &TZeichenmodus::EB_Feld,
                                        &TZeichenmodus::EB_gekreuzt};
  for (const QSize groesse : {QSize(782, 550), QSize(1920, 1080)}) {
    form.Setze_Client_Groesse(groesse.width(), groesse.height());
    for (int i = 0; i < 4; ++i) {
      Zeichenmodus.nur_Bild = true;
      Ansicht.Drehung_x = 30;
      ASSERT_TRUE(form.Fuehre_Thema_aus(kFeldthemen[i])) << kFeldthemen[i].toStdString();
      EXPECT_TRUE(Zeichenmodus.*flags[i]);
      EXPECT_FALSE(Zeichenmodus.nur_Bild);
      EXPECT_EQ(form.Fensterfarbe(), Farben.Hintergrund);
      EXPECT_EQ(static_cast<long double>(Ansicht.Drehung_x), 0.0L);
      const int x0 = groesse.width() == 782 ? 90 : 222;
      EXPECT_EQ(Ansicht.x0, i == 3 ? x0 + 100 : x0);
      EXPECT_EQ(static_cast<long double>(Feld.a), 18.0L);
      const QImage bild = form.Zeichne_Bild();
      EXPECT_EQ(bild.size(), form.Bildgroesse());
      int bahn = 0;
      for (int y = 0; y < bild.height(); ++y)
        for (int x = 0; x < bild.width(); ++x) bahn += bild.pixelColor(x, y) == Farben.Widerstand;
      EXPECT_GT(bahn, 100) << kFeldthemen[i].toStdString();
    }
  }
  EXPECT_EQ(services_.beeper.count, 0);
}

TEST_F(FelderAppTest, OriginFollowsTheMouseFromAPressWithinFivePixels) {
  TForm1 form;
  form.Setze_Client_Groesse(782, 550);
  ASSERT_TRUE(form.Fuehre_Thema_aus(kFeldthemen[0]));
  form.FormMouseDown(Qt::LeftButton, 96, 275);  // 6 pixels off: neither beep nor drag
  form.FormMouseMove(300, 200);
  EXPECT_EQ(services_.beeper.count, 0);
  EXPECT_EQ(Ansicht.x0, 90);
  form.FormMouseUp();

  form.FormMouseDown(Qt::LeftButton, 95, 270);
  EXPECT_EQ(services_.beeper.count, 1);
  const int vorher = form.Redraw_Anzahl();
  form.FormMouseMove(300, 200);
  EXPECT_EQ(QPoint(Ansicht.x0, Ansicht.y0), QPoint(300, 200));
  form.Zeichne_ausstehend();
  EXPECT_EQ(form.Redraw_Anzahl(), vorher + 1);
  form.FormMouseUp();
  form.FormMouseMove(400, 400);
  EXPECT_EQ(QPoint(Ansicht.x0, Ansicht.y0), QPoint(300, 200));

  // A resize resets the view, rotations included.
  Ansicht.Drehung_z = 45;
  form.FormResize();
  EXPECT_EQ(QPoint(Ansicht.x0, Ansicht.y0), QPoint(90, 275));
  EXPECT_EQ(static_cast<long double>(Ansicht.Drehung_z), 0.0L);
}

TEST_F(FelderAppTest, RightClickOpensTheTopicsDialog) {
  TForm1 form;
  form.Setze_Client_Groesse(782, 550);
  const QStringList dialoge = {"EFeldDlg", "MagnetfeldDlg", "E_und_BFeldDlg", "EB_gekreuztDlg"};
  for (int i = 0; i < kFeldthemen.size(); ++i) {
    ASSERT_TRUE(form.Fuehre_Thema_aus(kFeldthemen[i]));
    DialogSchliesser schliesser;
    form.FormMouseDown(Qt::RightButton, 100, 100);
    EXPECT_EQ(schliesser.gesehen, QStringList{dialoge[i]});
  }
}

}  // namespace
