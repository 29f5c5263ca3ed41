#include "app/form1.h"
#include "app_fixture.h"

namespace {

const QStringList kWobbelthemen = {"Diagramme/Wobbelgenerator/Siebkette", "Diagramme/Wobbelgenerator/Sperrkreis",
                                   "Diagramme/Wobbelgenerator/Hoch-Tiefpass"};

using WobbelAppTest = AppTest;

TEST_F(WobbelAppTest, CommandsSetTheirFlagStartValuesAndOpenTheirDialog) {
  TForm1 form;
  form.Setze_Client_Groesse(782, 550);
  const struct {
    bool TZeichenmodus::*flag;
    long double zoom;
    const char* dialog;
  } erwartet[] = {{&TZeichenmodus::Wobbel_Siebkette, 20, "WobbelsiebketteDlg"},
                  {&TZeichenmodus::Wobbel_Sperrkreis, 10, "WobbelsiebketteDlg"},
                  {&TZeichenmodus::Wobbel_Hoch_Tiefpass, 10, "Hoch_TiefpassDlg"}};
  for (int i = 0; i < 3; ++i) {
    Schaltung = TSchaltung{};
    ASSERT_TRUE(form.Fuehre_Thema_aus(kWobbelthemen[i]));
    EXPECT_TRUE(Zeichenmodus.*erwartet[i].flag);
    EXPECT_EQ(form.Fensterfarbe(), Farben.Hintergrund);
    EXPECT_EQ(Schaltung.fs, 1000);
    EXPECT_EQ(static_cast<long double>(Schaltung.Zoom), erwartet[i].zoom);
    EXPECT_EQ(static_cast<long double>(Schaltung.Ueff), 10.0L);
    EXPECT_EQ(static_cast<long double>(Schaltung.L), static_cast<long double>(real48(1.6e-4L)));

    DialogSchliesser schliesser;
    form.FormMouseDown(Qt::RightButton, 100, 100);
    EXPECT_EQ(schliesser.gesehen, QStringList{erwartet[i].dialog});
  }
}

TEST_F(WobbelAppTest, NarrowAndWideWindowsDrawEveryTopicWithoutAnErrorBox) {
  TForm1 form;
  for (const QSize groesse : {QSize(30, 550), QSize(2600, 900)}) {
    form.Setze_Client_Groesse(groesse.width(), groesse.height());
    for (const QString& thema : kWobbelthemen) {
      ASSERT_TRUE(form.Fuehre_Thema_aus(thema));
      platform::Recorder rec;
      EXPECT_NO_THROW(form.Zeichne_Bild(&rec)) << thema.toStdString();
      EXPECT_GE(rec.ops("Draw").size(), 1u) << thema.toStdString();  // the circuit pictures
      form.Invalidate();
      form.Zeichne_ausstehend();
    }
  }
  EXPECT_TRUE(services_.message_boxes.calls.empty());
}

}  // namespace
