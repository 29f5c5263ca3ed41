#include <QApplication>
#include <QTimer>

#include "app/form1.h"
#include "app_fixture.h"
#include "calculators/blatt_zeichnen.h"
#include "calculators/einzel_dialoge.h"
#include "calculators/parallel_dialog.h"
#include "calculators/reihen_dialoge.h"

using namespace calculators;

namespace {

using BerechnungenTest = AppTest;

// The kind text of an open calculator dialog, or its class for dialogs without one.
QString Art(QWidget* w) {
  if (auto* d = dynamic_cast<TBerechne_C_und_LDLG*>(w)) return "C_und_L " + d->Variante;
  if (auto* d = dynamic_cast<TRC_RL_ReiheDLG*>(w)) return "RC_RL " + d->Variante;
  if (auto* d = dynamic_cast<TBerechneRCL_ReiheDLG*>(w)) return "RCL " + d->Variante;
  if (auto* d = dynamic_cast<TBerechne_ParallelSchaltungenDLG*>(w)) return "Parallel " + d->Variante;
  if (auto* d = dynamic_cast<TBerechne_Kapazitaet_InduktivitaetDLG*>(w)) return "Bauform " + d->Variante;
  if (dynamic_cast<TBerechne_WiderstandDlg*>(w)) return "Widerstand";
  if (dynamic_cast<TBerechne_Hoch_TiefpassDlg*>(w)) return "Hoch_Tiefpass";
  return "?";
}

TEST_F(BerechnungenTest, EachCommandClearsTheModeAndOpensItsDialogOwnedByTheMainWindow) {
  const std::pair<const char*, const char*> befehle[] = {
      {"Berechnungen/Widerstand", "Widerstand"},
      {"Berechnungen/Kondensator", "C_und_L Kondensator"},
      {"Berechnungen/Spule", "C_und_L Spule"},
      {"Berechnungen/Reihenschaltungen/Widerstand mit Kondensator", "RC_RL RC"},
      {"Berechnungen/Reihenschaltungen/Widerstand mit Spule", "RC_RL RL"},
      {"Berechnungen/Reihenschaltungen/Kondensator mit Spule", "RCL RCL_ohne_R"},
      {"Berechnungen/Reihenschaltungen/Widerstand, Kondensator, Spule", "RCL RCL_mit_R"},
      {"Berechnungen/Parallelschaltungen/Widerstand mit Kondensator", "Parallel RC_parallel"},
      {"Berechnungen/Parallelschaltungen/Widerstand mit Spule", "Parallel RL_parallel"},
      {"Berechnungen/Parallelschaltungen/Kondensator mit Spule", "Parallel CL_parallel"},
      {"Berechnungen/Parallelschaltungen/Widerstand, Kondensator, Spule", "Parallel RCL_parallel"},
      {"Berechnungen/Hoch-Tiefpass", "Hoch_Tiefpass"},
      {"Berechnungen/Kapazität eines Kondensators", "Bauform Kondensator"},
      {"Berechnungen/Induktivität einer Spule", "Bauform Spule"},
  };
  TForm1 form;
  for (const auto& [pfad, art] : befehle) {
    Zeichenmodus.nur_Spule = true;
    QString gesehen;
    QWidget* eltern = nullptr;
    QTimer::singleShot(0, [&] {
      if (QWidget* w = QApplication::activeModalWidget()) {
        gesehen = Art(w);
        eltern = w->parentWidget();
        w->close();
      }
    });
    ASSERT_TRUE(form.Fuehre_Thema_aus(pfad)) << pfad;
    EXPECT_EQ(gesehen, art) << pfad;
    EXPECT_EQ(eltern, &form) << pfad;
    EXPECT_FALSE(Zeichenmodus.nur_Spule) << pfad;
  }
}

TEST_F(BerechnungenTest, WithoutDialogsACalculatorCommandOpensNothing) {
  TForm1 form;
  form.Setze_ohne_Dialoge(true);
  bool geoeffnet = false;
  QTimer::singleShot(0, [&] {
    if (QWidget* w = QApplication::activeModalWidget()) {
      geoeffnet = true;
      w->close();
    }
  });
  EXPECT_TRUE(form.Fuehre_Thema_aus("Berechnungen/Widerstand"));
  QApplication::processEvents();
  EXPECT_FALSE(geoeffnet);
}

TEST_F(BerechnungenTest, TheMainWindowDrawsTheSheetOfTheSetMode) {
  TForm1 form;
  form.Setze_Client_Groesse(782, 550);
  for (const Blattmodus blatt : Rechenblaetter) {
    Schaltung = TSchaltung{};
    Schaltung.R = 100;
    Schaltung.C = 1e-6L;
    Schaltung.Xc = 3183;
    Schaltung.L = 0.5L;
    Schaltung.XL = 157;
    Schaltung.f = 50;
    Schaltung.Ueff = 10;
    Schaltung.R_Zeiger = 100;
    form.Prepare();
    Zeichenmodus.*blatt = true;
    platform::Recorder rec;
    form.Zeichne_Bild(&rec);
    // the drawing area is cleared first, then the title stands at (10, 10)
    ASSERT_FALSE(rec.ops("Rectangle").empty());
    EXPECT_EQ(rec.ops("Rectangle")[0].args, (QList<int>{0, 0, 782, 550}));
    ASSERT_FALSE(rec.texts().empty());
    EXPECT_EQ(rec.texts()[0].args, (QList<int>{10, 10}));
    EXPECT_EQ(rec.texts()[0].fontColor, Farben.Text);
  }
}

}  // namespace
