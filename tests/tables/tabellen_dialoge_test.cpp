#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <functional>
#include <memory>

#include "common/tolerance.h"
#include "platform/radiogroup.h"
#include "platform/trackbar.h"
#include "tabellen_fixture.h"
#include "tables/dekaden_dlg.h"
#include "tables/filter_dlg.h"
#include "toolkit/number_text.h"

using namespace tables;

namespace {

using TabellenDialoge = TabellenTest;

struct Fall {
  const char* name;
  std::function<std::unique_ptr<TTabellenDlg>()> neu;
  bool TZeichenmodus::*blatt;
};

std::unique_ptr<TBerechne_Tabelle_HochpassDLG> Pass(const char* variante) {
  auto dlg = std::make_unique<TBerechne_Tabelle_HochpassDLG>();
  dlg->Variante = variante;
  return dlg;
}

// Opening each table on a fresh start (every shared value 0) shows its sheet and no error.
TEST_F(TabellenDialoge, EachTableOpensOnAFreshStartWithoutError) {
  const Fall faelle[] = {
      {"Kond", [] { return std::make_unique<TBerechne_Tabelle_KondDLG>(); }, &TZeichenmodus::Tabelle_Kapazitaeten},
      {"Spule", [] { return std::make_unique<TBerechne_Tabelle_SpuleDLG>(); }, &TZeichenmodus::Tabelle_Induktivitaeten},
      {"Siebkette", [] { return std::make_unique<TBerechne_Tabelle_SiebketteDLG>(); },
       &TZeichenmodus::Tabelle_Siebkette},
      {"Sperrkreis", [] { return std::make_unique<TBerechne_Tabelle_SperrkreisDLG>(); },
       &TZeichenmodus::Tabelle_Sperrkreis},
      {"Hochpass", [] { return Pass("Hochpass"); }, &TZeichenmodus::Tabelle_Hochpass},
      {"Tiefpass", [] { return Pass("Tiefpass"); }, &TZeichenmodus::Tabelle_Tiefpass},
  };
  for (const Fall& fall : faelle) {
    Schaltung = TSchaltung{};
    Zeichenmodus = TZeichenmodus{};
    fenster.invalidiert = 0;
    auto dlg = fall.neu();
    dlg->show();
    EXPECT_TRUE(fehler.empty()) << fall.name << ": " << (fehler.empty() ? "" : fehler[0]);
    EXPECT_TRUE(dienste.message_boxes.calls.empty()) << fall.name;
    EXPECT_TRUE(Zeichenmodus.*fall.blatt) << fall.name;
    EXPECT_GT(fenster.invalidiert, 0) << fall.name;
  }
}

TEST_F(TabellenDialoge, FilterChainStartsAtTheBottomOfItsRanges) {
  TBerechne_Tabelle_SiebketteDLG dlg;
  dlg.show();
  EXPECT_EQ(static_cast<long double>(Schaltung.Ug), 10);
  EXPECT_EQ(dlg.RadioGroup1->ItemIndex(), 1);
  EXPECT_EQ(dlg.RadioGroup2->ItemIndex(), 2);
  EXPECT_EQ(dlg.RadioGroup3->ItemIndex(), 1);
  EXPECT_EQ(dlg.RLabel->text(), "1.00000 Ohm");
  EXPECT_EQ(dlg.CLabel->text(), "1.00000  uF");
  EXPECT_EQ(dlg.LLabel->text(), "1.00000 mH");
  EXPECT_EQ(dlg.FLabel->text(), "5032.921 Hz");
  EXPECT_EQ(Formatiere_Wert(Schaltung.fr), "5032.921");
}

// Moving a track bar to the top gives the largest value of its range.
TEST_F(TabellenDialoge, TrackBarAtTheTopGivesTheLargestValueOfTheRange) {
  TBerechne_Tabelle_SperrkreisDLG dlg;
  dlg.show();
  const struct {
    int item;
    long double R;
    const char* text;
  } r_faelle[] = {{0, 100, "100 Ohm"}, {1, 1000, "1000 Ohm"}, {2, 1000000, "1000 kOhm"}};
  for (const auto& f : r_faelle) {
    dlg.RadioGroup1->SetItemIndex(f.item);
    EXPECT_EQ(static_cast<long double>(Schaltung.R), 1) << f.item;
    dlg.TrackBar1->triggerAction(QAbstractSlider::SliderToMinimum);
    EXPECT_EQ(static_cast<long double>(Schaltung.R), f.R) << f.item;
    EXPECT_EQ(dlg.RLabel->text(), f.text);
  }
  dlg.RadioGroup2->SetItemIndex(0);
  dlg.TrackBar2->triggerAction(QAbstractSlider::SliderToMinimum);
  EXPECT_TRUE(RelNear(Schaltung.C, 1e-9L, 1e-11L));
  EXPECT_EQ(dlg.CLabel->text(), "1000  pF");
  dlg.RadioGroup3->SetItemIndex(0);
  dlg.TrackBar3->triggerAction(QAbstractSlider::SliderToMinimum);
  EXPECT_TRUE(RelNear(Schaltung.L, 1e-3L, 1e-11L));
  EXPECT_EQ(dlg.LLabel->text(), "1000 uH");
  EXPECT_TRUE(fehler.empty());
}

TEST_F(TabellenDialoge, HighAndLowPassShareTheDialog) {
  auto hp = Pass("Hochpass");
  hp->show();
  EXPECT_EQ(hp->windowTitle(), "Tabelle: Hochpass aus R und C");
  EXPECT_EQ(hp->f3Label->text(), "159533.301Hz");
  EXPECT_FALSE(hp->Image1->isHidden());
  EXPECT_TRUE(hp->Image2->isHidden());
  auto tp = Pass("Tiefpass");
  tp->show();
  EXPECT_EQ(tp->windowTitle(), "Tabelle: Tiefpass aus R und C");
  EXPECT_EQ(tp->f3Label->text(), "158777.482Hz");
  EXPECT_TRUE(tp->Image1->isHidden());
  EXPECT_FALSE(tp->Image2->isHidden());
  tp->TrackBar1->triggerAction(QAbstractSlider::SliderToMinimum);
  EXPECT_EQ(static_cast<long double>(Schaltung.R), 1000);
  EXPECT_EQ(tp->RLabel->text(), "1000 Ohm");
}

TEST_F(TabellenDialoge, DecadeDialogAppliesTheChosenDecadeAndSavesIt) {
  TBerechne_Tabelle_KondDLG dlg;
  dlg.show();
  EXPECT_EQ(dlg.RadioGroup1->ItemIndex(), 6);
  EXPECT_EQ(Kapazitaetsdekade.Einheit, "uF");
  EXPECT_TRUE(dlg.Button1->isEnabled());
  fenster.invalidiert = 0;
  QTest::mouseClick(dlg.RadioGroup1->Button(11), Qt::LeftButton);
  EXPECT_EQ(Kapazitaetsdekade.Einheit, "mF");
  EXPECT_EQ(Kapazitaetsdekade.Faktor, 100);
  EXPECT_EQ(fenster.invalidiert, 1);
  const QString pfad = ordner.filePath("c.txt");
  dienste.file_dialogs.answer = pfad;
  QTest::mouseClick(dlg.Button1, Qt::LeftButton);
  EXPECT_TRUE(Inhalt(pfad).startsWith("Frequenz\t100 mF\t150 mF\t"));
  TBerechne_Tabelle_SpuleDLG spule;
  spule.show();
  EXPECT_EQ(spule.RadioGroup1->ItemIndex(), 5);
  EXPECT_EQ(Spaltenkopf(Induktivitaetsdekade, 6), "1000 uH");
}

}  // namespace
