#include <QApplication>
#include <QTimer>

#include "app/form1.h"
#include "app_fixture.h"
#include "phasors/drehstrom.h"

namespace {

struct Thema {
  const char* pfad;
  const char* dialog;
};

void PrintTo(const Thema& t, std::ostream* os) { *os << t.pfad; }

class ParameterdialogTest : public AppTest, public ::testing::WithParamInterface<Thema> {};

TEST_P(ParameterdialogTest, RightClickOpensTheTopicsDialog) {
  TForm1 form;
  form.Setze_Client_Groesse(782, 550);
  ASSERT_TRUE(form.Fuehre_Thema_aus(QString("Zeigerdiagramm/") + GetParam().pfad));
  DialogSchliesser schliesser;
  form.FormMouseDown(Qt::RightButton, 100, 100);
  EXPECT_EQ(schliesser.gesehen, QStringList{GetParam().dialog});
}

TEST_P(ParameterdialogTest, WerteGleichAendernOpensItWithTheCommand) {
  TForm1 form;
  form.Setze_Client_Groesse(782, 550);
  Einstellungen.Werte_sofort = true;
  DialogSchliesser schliesser;
  ASSERT_TRUE(form.Fuehre_Thema_aus(QString("Zeigerdiagramm/") + GetParam().pfad));
  EXPECT_EQ(schliesser.gesehen, QStringList{GetParam().dialog});
}

INSTANTIATE_TEST_SUITE_P(Zeigerthemen, ParameterdialogTest,
                         ::testing::Values(Thema{"nur Widerstand", "RpanelDlg"}, Thema{"nur Kondensator", "Cf_Lf_Dlg"},
                                           Thema{"nur Spule", "Cf_Lf_Dlg"},
                                           Thema{"Widerstand und Kondensator", "RLF_RCF_CLFDlg"},
                                           Thema{"Widerstand und Spule", "RLF_RCF_CLFDlg"},
                                           Thema{"Kondensator und Spule", "RLF_RCF_CLFDlg"},
                                           Thema{"Widerstand, Kondensator und Spule", "RCLf_reihenDLG"},
                                           Thema{"Drehstrom", "DrehstromDlg"}));

TEST_F(AppTest, DrehstromCommandWritesStartValuesAndDrawsWithoutPicture) {
  TForm1 form;
  form.Setze_Client_Groesse(1024, 768);
  Drehstromwerte = TDrehstromWerte{};
  ASSERT_TRUE(form.Fuehre_Thema_aus("Zeigerdiagramm/Drehstrom"));
  EXPECT_TRUE(Zeichenmodus.Zeigerdiagramm && Zeichenmodus.Drehstrom);
  EXPECT_EQ(Drehstromwerte.U1, 240.0L);
  EXPECT_EQ(Drehstromwerte.Uref, 240.0L);
  platform::Recorder rec;
  form.Zeichne_Bild(&rec);
  EXPECT_EQ(rec.count("Draw"), 0);
  EXPECT_NE(rec.findText("U3-U1 = 415.692 V"), nullptr) << rec.allText().toStdString();
}

TEST_F(AppTest, NoTopicNoDialog) {
  TForm1 form;
  DialogSchliesser schliesser;
  form.FormMouseDown(Qt::RightButton, 100, 100);
  QApplication::processEvents();
  EXPECT_TRUE(schliesser.gesehen.isEmpty());
}

}  // namespace
