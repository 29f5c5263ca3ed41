// The calculator dialogs driven through their fields and buttons, with the examples of the
// single-component, series and parallel calculators.

#include <QApplication>
#include <QLabel>
#include <cmath>

#include "calculators/blatt_zeichnen.h"
#include "calculators/einzel_dialoge.h"
#include "calculators/parallel_dialog.h"
#include "calculators/reihen_dialoge.h"
#include "common/tolerance.h"
#include "platform/canvas.h"
#include "platform/float_error.h"
#include "platform/recorder.h"
#include "rechner_fixture.h"
#include "toolkit/number_text.h"

using namespace calculators;

namespace {

constexpr long double zwei_pi = 6.283185307179586477L;

// The texts of the sheet of `blatt` as drawn from the shared values.
platform::Recorder Zeichne(Blattmodus blatt) {
  platform::Recorder rec;
  QImage bild = platform::make_image(782, 530);
  Canvas canvas(&bild);
  canvas.SetRecorder(&rec);
  Zeichne_Rechenblatt(canvas, blatt);
  return rec;
}

// Gives w the keyboard focus in its active window.
void Fokussiere(QWidget* w) {
  w->window()->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(w->window()));
  w->setFocus();
  ASSERT_TRUE(w->hasFocus());
}

// ---- Resistor ----

struct Widerstandsfall {
  const char *U, *I, *R;
  int feld;  // 1, 2 or 3: the field that receives the result
  const char* ergebnis;
};

class Widerstandsdialog : public RechnerTest, public ::testing::WithParamInterface<Widerstandsfall> {};

TEST_P(Widerstandsdialog, DerivesTheMissingValueAndShowsItsSheet) {
  const auto& p = GetParam();
  TBerechne_WiderstandDlg d;
  d.show();
  Tippe(d.Edit1, p.U);
  Tippe(d.Edit2, p.I);
  Tippe(d.Edit3, p.R);
  Klicke(d.OKBtn);
  QLineEdit* felder[] = {d.Edit1, d.Edit2, d.Edit3};
  EXPECT_EQ(felder[p.feld - 1]->text(), p.ergebnis);
  EXPECT_EQ(Meldungen(), 0u);
  EXPECT_EQ(Schaltung.Ueff, 10);
  EXPECT_EQ(Schaltung.Ieff, 2);
  EXPECT_EQ(Schaltung.R, 5);
  EXPECT_TRUE(Zeichenmodus.Blatt_Widerstand);
  EXPECT_EQ(fenster.invalidiert, 1);
}

INSTANTIATE_TEST_SUITE_P(DreiRichtungen, Widerstandsdialog,
                         ::testing::Values(Widerstandsfall{"10", "2", "", 3, "5"},
                                           Widerstandsfall{"", "2", "5", 1, "10"},
                                           Widerstandsfall{"10", "", "5", 2, "2"},
                                           // with all three filled R is recomputed from U and I
                                           Widerstandsfall{"10", "2", "99", 3, "5"},
                                           // an R that is not used is not read either
                                           Widerstandsfall{"10", "2", "1/0", 3, "5"},
                                           Widerstandsfall{"10", "4/2", "", 3, "5"},
                                           Widerstandsfall{"", "+2", "5", 1, "10"}));

TEST_F(RechnerTest, ResistorReadsTheCurrentStrictlyWhenTheVoltageIsMissing) {
  TBerechne_WiderstandDlg d;
  d.show();
  Tippe(d.Edit1, "");
  Tippe(d.Edit2, "2,5");
  Tippe(d.Edit3, "4");
  Klicke(d.OKBtn);
  EXPECT_EQ(fehler.size(), 1u);
  EXPECT_EQ(Zeichenmodus, TZeichenmodus{});
  Tippe(d.Edit2, " 2.5 ");
  Klicke(d.OKBtn);
  EXPECT_EQ(d.Edit1->text(), "10");
  EXPECT_EQ(fehler.size(), 1u);
}

TEST(LiesZahlStreng, InfinityAndNanAreNoValues) {
  for (const char* text : {"inf", "-Infinity", "nan", "1e400"}) {
    try {
      Lies_Zahl_streng(text);
      ADD_FAILURE() << text;
    } catch (const FloatError& e) {
      EXPECT_NE(std::string(e.what()).find("ist kein gültiger Gleitkommawert"), std::string::npos) << e.what();
    }
  }
}

// ---- Capacitor and coil ----

TEST_F(RechnerTest, CapacitorFromCapacitanceAndFrequencyGivesZeroVoltageAndCurrentWithoutMessage) {
  TBerechne_C_und_LDLG d;
  d.Variante = "Kondensator";
  d.show();
  Tippe(d.Edit1, "1e-6");
  Tippe(d.Edit3, "50");
  Klicke(d.Button1);
  const long double Xc = 1 / (zwei_pi * 50 * 1e-6L);
  EXPECT_EQ(d.Edit2->text(), Formatiere_Wert(real48(Xc)));
  EXPECT_EQ(d.Edit2->text(), "3183.099");
  EXPECT_EQ(d.Edit4->text(), "0E-12");
  EXPECT_EQ(d.Edit5->text(), "0E-12");
  EXPECT_EQ(Meldungen(), 0u);
  EXPECT_TRUE(Zeichenmodus.Blatt_Kondensator);
  EXPECT_TRUE(RelNear(Schaltung.Xc, Xc));
  EXPECT_EQ(Schaltung.C, real48(1e-6L));
  EXPECT_EQ(Schaltung.f, 50);
}

TEST_F(RechnerTest, CapacitorReactanceAndCurrentWithoutFrequencyFail) {
  TBerechne_C_und_LDLG d;
  d.show();
  Tippe(d.Edit2, "3000");
  Tippe(d.Edit5, "0.1");
  Klicke(d.Button1);
  EXPECT_TRUE(Nur_Fehlermeldung());
  EXPECT_EQ(Zeichenmodus, TZeichenmodus{});
}

TEST_F(RechnerTest, CoilGroupStoresIntoTheCoilValues) {
  TBerechne_C_und_LDLG d;
  d.Variante = "Spule";
  d.show();
  EXPECT_EQ(d.focusWidget(), d.Edit6);
  Tippe(d.Edit6, "0.5");
  Tippe(d.Edit8, "50");
  Tippe(d.Edit9, "10");
  Klicke(d.Button2);
  const long double XL = zwei_pi * 50 * 0.5L;
  EXPECT_TRUE(RelNear(Schaltung.XL, XL));
  EXPECT_TRUE(RelNear(Schaltung.Ieff, 10 / XL));
  EXPECT_EQ(Schaltung.L, 0.5L);
  EXPECT_TRUE(Zeichenmodus.Blatt_Spule);
}

// ---- High and low pass, construction ----

TEST_F(RechnerTest, HighAndLowPassTakesAbsoluteValuesAndRejectsZero) {
  TBerechne_Hoch_TiefpassDlg d;
  d.show();
  Tippe(d.Edit1, "-1000");
  Tippe(d.Edit2, "1e-6");
  Klicke(d.OKBtn);
  EXPECT_EQ(Meldungen(), 0u);
  EXPECT_EQ(Schaltung.R, 1000);
  EXPECT_TRUE(Zeichenmodus.Blatt_Hoch_Tiefpass);
  EXPECT_EQ(d.Edit1->text(), "-1000");  // nothing is written back

  Tippe(d.Edit1, "0");
  Klicke(d.OKBtn);
  EXPECT_TRUE(Nur_Fehlermeldung());
  EXPECT_EQ(Schaltung.R, 1000);  // a failed press keeps the circuit the sheet shows
}

TEST_F(RechnerTest, CapacitanceAndInductanceFromTheConstruction) {
  TBerechne_Kapazitaet_InduktivitaetDLG d;
  d.Variante = "Spule";
  d.show();
  EXPECT_EQ(d.Edit1->text(), "1");
  EXPECT_EQ(d.Edit4->text(), "");
  EXPECT_EQ(d.focusWidget(), d.Edit5);
  Tippe(d.Edit2, "100");
  Tippe(d.Edit3, "0.1");
  Klicke(d.OKBtn);
  EXPECT_TRUE(RelNear(Schaltung.C, 8.85e-11L));
  EXPECT_EQ(d.Edit4->text(), Formatiere_Wert(real48(8.85e-11L)));
  EXPECT_TRUE(Zeichenmodus.Blatt_Kapazitaet);
  EXPECT_EQ(Kondensator_Geometrie.A, 100);

  Tippe(d.Edit6, "100");
  Tippe(d.Edit7, "10");
  Tippe(d.Edit8, "10");
  Klicke(d.Button1);
  EXPECT_TRUE(RelNear(Schaltung.L, 1.256e-4L));
  EXPECT_EQ(d.Edit9->text(), "0.126E-3");
  EXPECT_TRUE(Zeichenmodus.Blatt_Induktivitaet);
  EXPECT_FALSE(Zeichenmodus.Blatt_Kapazitaet);
  const auto rec = Zeichne(&TZeichenmodus::Blatt_Induktivitaet);
  EXPECT_NE(rec.findText("   L = 0.126 mH"), nullptr) << rec.allText().toStdString();
  EXPECT_EQ(Meldungen(), 0u);
}

// ---- Series circuits ----

TEST_F(RechnerTest, RCSeriesExample) {
  TRC_RL_ReiheDLG d;
  d.Variante = "RC";
  d.show();
  EXPECT_EQ(d.focusWidget(), d.Edit1);
  Tippe(d.Edit1, "1e-6");
  Tippe(d.Edit3, "50");
  Tippe(d.Edit4, "10");
  Tippe(d.Edit6, "100");
  Klicke(d.OKBtn);
  const long double Xc = 1 / (zwei_pi * 50 * 1e-6L);
  const long double I = 10 / std::sqrt(100 * 100 + Xc * Xc);
  EXPECT_EQ(d.Edit2->text(), "3183.099");
  EXPECT_EQ(d.Edit5->text(), Formatiere_Wert(real48(I)));
  EXPECT_TRUE(RelNear(Schaltung.Ieff, I));
  EXPECT_EQ(Schaltung.R, 100);
  EXPECT_TRUE(Zeichenmodus.Blatt_RC_Reihe);
  const auto rec = Zeichne(&TZeichenmodus::Blatt_RC_Reihe);
  EXPECT_NE(rec.findTextContaining("  Ur = "), nullptr);
  EXPECT_NE(rec.findTextContaining("  Uc = "), nullptr);
}

TEST_F(RechnerTest, RLSeriesWithOnlyResistanceFrequencyAndVoltageFailsOnTheInductance) {
  TRC_RL_ReiheDLG d;
  d.Variante = "RL";
  d.show();
  EXPECT_EQ(d.focusWidget(), d.Edit7);
  Tippe(d.Edit9, "50");
  Tippe(d.Edit10, "10");
  Tippe(d.Edit12, "100");
  Klicke(d.Button1);
  EXPECT_TRUE(Nur_Fehlermeldung());
  EXPECT_EQ(d.Edit7->text(), "?");
  EXPECT_EQ(Zeichenmodus, TZeichenmodus{});
}

TEST_F(RechnerTest, RLSeriesSetsBothResistances) {
  TRC_RL_ReiheDLG d;
  d.show();
  Tippe(d.Edit7, "0.5");
  Tippe(d.Edit9, "50");
  Tippe(d.Edit10, "10");
  Tippe(d.Edit12, "100");
  Klicke(d.Button1);
  EXPECT_EQ(Schaltung.R, 100);
  EXPECT_EQ(Schaltung.R_Zeiger, 100);
  EXPECT_TRUE(Zeichenmodus.Blatt_RL_Reihe);
}

TEST_F(RechnerTest, CLSeriesDisablesResistanceAndLeavesItUnchanged) {
  TBerechneRCL_ReiheDLG d;
  d.Variante = "RCL_ohne_R";
  d.show();
  EXPECT_EQ(d.windowTitle(), "Kondensator und Spule in Reihe:");
  EXPECT_EQ(d.Edit8->text(), "0");
  EXPECT_FALSE(d.Edit8->isEnabled());
  EXPECT_FALSE(d.LabelR->isEnabled());
  EXPECT_FALSE(d.LabelOhm->isEnabled());
  EXPECT_TRUE(d.Image1->isVisible());
  EXPECT_FALSE(d.Image2->isVisible());
  Schaltung.R = 47;
  Schaltung.R_Zeiger = 33;
  Tippe(d.Edit1, "1e-6");
  Tippe(d.Edit3, "50");
  Tippe(d.Edit4, "10");
  Tippe(d.Edit6, "0.5");
  Klicke(d.OKBtn);
  EXPECT_EQ(Meldungen(), 0u);
  EXPECT_TRUE(Zeichenmodus.Blatt_CL_Reihe);
  EXPECT_EQ(Schaltung.R, 47);
  EXPECT_EQ(Schaltung.R_Zeiger, 33);
  const long double X = 1 / (zwei_pi * 50 * 1e-6L) - zwei_pi * 50 * 0.5L;
  EXPECT_TRUE(RelNear(Schaltung.Ieff, 10 / X));
}

TEST_F(RechnerTest, RCLSeriesWithResistanceDerivesReactancesAndCurrentAndShowsResonance) {
  TBerechneRCL_ReiheDLG d;
  d.Variante = "RCL_mit_R";
  d.show();
  EXPECT_EQ(d.windowTitle(), "Widerstand, Kondensator und Spule in Reihe:");
  EXPECT_TRUE(d.Edit8->isEnabled());
  EXPECT_FALSE(d.Image1->isVisible());
  EXPECT_TRUE(d.Image2->isVisible());
  Tippe(d.Edit1, "1e-6");
  Tippe(d.Edit3, "50");
  Tippe(d.Edit4, "10");
  Tippe(d.Edit6, "0.5");
  Tippe(d.Edit8, "100");
  Klicke(d.OKBtn);
  const long double XL = zwei_pi * 50 * 0.5L, Xc = 1 / (zwei_pi * 50 * 1e-6L);
  EXPECT_EQ(d.Edit7->text(), Formatiere_Wert(real48(XL)));
  EXPECT_EQ(d.Edit2->text(), "3183.099");
  EXPECT_TRUE(RelNear(Schaltung.Ieff, 10 / std::sqrt(100 * 100 + (Xc - XL) * (Xc - XL))));
  EXPECT_EQ(Schaltung.R_Zeiger, 100);
  const auto rec = Zeichne(&TZeichenmodus::Blatt_RCL_Reihe);
  const QString fr = Formatiere_Wert(1 / (zwei_pi * std::sqrt(0.5L * 1e-6L)));
  EXPECT_NE(rec.findText("  fr = " + fr + " Hz (Resonanz)"), nullptr) << rec.allText().toStdString();
}

// ---- Return in a field ----

TEST_F(RechnerTest, ReturnPressesTheBerechneOfTheFieldsOwnGroup) {
  TBerechne_C_und_LDLG d;
  d.Variante = "Spule";
  d.show();
  Tippe(d.Edit6, "0.5");
  Tippe(d.Edit8, "50");
  Tippe(d.Edit9, "10");
  QTest::keyClick(d.Edit9, Qt::Key_Return);
  EXPECT_TRUE(Zeichenmodus.Blatt_Spule);
  EXPECT_FALSE(Zeichenmodus.Blatt_Kondensator);
  EXPECT_EQ(Meldungen(), 0u);

  QTest::keyClick(d.Edit3, Qt::Key_Return);  // the capacitor group, all "?"
  EXPECT_TRUE(Nur_Fehlermeldung());
  EXPECT_TRUE(Zeichenmodus.Blatt_Spule);

  // Enter on the focused button of a group presses that button.
  Zeichenmodus = TZeichenmodus{};
  Fokussiere(d.Button2);
  QTest::keyClick(d.Button2, Qt::Key_Enter, Qt::KeypadModifier);
  EXPECT_TRUE(Zeichenmodus.Blatt_Spule);
  EXPECT_TRUE(Nur_Fehlermeldung());
}

TEST_F(RechnerTest, ReturnInTheResistorDialogPressesItsDefaultButtonOnce) {
  TBerechne_WiderstandDlg d;
  d.show();
  Tippe(d.Edit1, "10");
  Tippe(d.Edit2, "2");
  QTest::keyClick(d.Edit2, Qt::Key_Return);
  EXPECT_EQ(d.Edit3->text(), "5");
  EXPECT_EQ(fenster.invalidiert, 1);

  // Return on the focused "Abbrechen" presses that button, not the default "berechne".
  Fokussiere(d.CancelBtn);
  QTest::keyClick(d.CancelBtn, Qt::Key_Return);
  EXPECT_FALSE(d.isVisible());
  EXPECT_EQ(fenster.invalidiert, 1);
}

TEST_F(RechnerTest, ReturnInASingleGroupDialogComputes) {
  TBerechne_Hoch_TiefpassDlg d;
  d.show();
  Tippe(d.Edit1, "1000");
  Tippe(d.Edit2, "1e-6");
  QTest::keyClick(d.Edit2, Qt::Key_Return);
  EXPECT_TRUE(Zeichenmodus.Blatt_Hoch_Tiefpass);
}

// ---- Parallel circuits ----

class Paralleldialog : public RechnerTest {
 protected:
  TBerechne_ParallelSchaltungenDLG d;
};

TEST_F(Paralleldialog, RCExample) {
  d.Variante = "RC_parallel";
  d.show();
  EXPECT_EQ(d.focusWidget(), d.Edit1);
  Tippe(d.Edit1, "1e-6");
  Tippe(d.Edit3, "50");
  Tippe(d.Edit4, "10");
  Tippe(d.Edit6, "100");
  Klicke(d.OKBtn);
  const long double Xc = 1 / (zwei_pi * 50 * 1e-6L);
  const long double Z = 100 * Xc / std::sqrt(100 * 100 + Xc * Xc);
  EXPECT_EQ(d.Edit2->text(), "3183.099");
  EXPECT_EQ(d.Edit5->text(), Formatiere_Wert(real48(10 / Z)));
  EXPECT_TRUE(RelNear(Schaltung.Ieff, 10 / Z));
  EXPECT_TRUE(Zeichenmodus.Blatt_RC_parallel);
}

TEST_F(Paralleldialog, RCWithOnlyVoltageAndCurrentShowsOneMessage) {
  d.show();
  Tippe(d.Edit4, "10");
  Tippe(d.Edit5, "0.2");
  Klicke(d.OKBtn);
  EXPECT_TRUE(Nur_Fehlermeldung());
  EXPECT_EQ(d.Edit1->text(), "?");
}

TEST_F(Paralleldialog, CLAtResonanceHasNoCurrentAndInfiniteImpedance) {
  d.Variante = "CL_parallel";
  d.show();
  EXPECT_EQ(d.focusWidget(), d.Edit13);
  EXPECT_FALSE(d.Edit21->isEnabled());
  EXPECT_FALSE(d.LabelR->isEnabled());
  EXPECT_TRUE(d.Image3->isVisible());
  EXPECT_FALSE(d.Image4->isVisible());
  Tippe(d.Edit13, "1e-6");
  Tippe(d.Edit15, "50");
  Tippe(d.Edit16, "10");
  Klicke(d.Button2);
  EXPECT_EQ(Meldungen(), 0u);
  EXPECT_EQ(d.Edit17->text(), "0E-12");
  EXPECT_EQ(d.Edit20->text(), "3183.099");
  EXPECT_TRUE(RelNear(Schaltung.L, 1 / (zwei_pi * zwei_pi * 50 * 50 * 1e-6L)));
  EXPECT_EQ(Schaltung.Ieff, 0);
  EXPECT_TRUE(Zeichenmodus.Blatt_CL_parallel);
  EXPECT_NE(Zeichne(&TZeichenmodus::Blatt_CL_parallel).findText("  Z = Unendlich"), nullptr);
}

TEST_F(Paralleldialog, RCLWithEqualReactancesTakesTheVoltageFromTheResistor) {
  d.Variante = "RCL_parallel";
  d.show();
  EXPECT_TRUE(d.Edit21->isEnabled());
  EXPECT_FALSE(d.Image3->isVisible());
  EXPECT_TRUE(d.Image4->isVisible());
  Tippe(d.Edit14, "100");
  Tippe(d.Edit15, "50");
  Tippe(d.Edit17, "0.1");
  Tippe(d.Edit20, "100.0005");
  Tippe(d.Edit21, "50");
  Klicke(d.Button2);
  EXPECT_EQ(Meldungen(), 0u);
  EXPECT_EQ(Schaltung.Ueff, 5);
  EXPECT_EQ(d.Edit16->text(), "5");
  EXPECT_TRUE(Zeichenmodus.Blatt_RCL_parallel);
}

TEST_F(Paralleldialog, ReturnInTheCoilGroupPressesItsButton) {
  d.Variante = "RL_parallel";
  d.show();
  Tippe(d.Edit7, "0.5");
  Tippe(d.Edit9, "50");
  Tippe(d.Edit10, "10");
  Tippe(d.Edit12, "100");
  QTest::keyClick(d.Edit12, Qt::Key_Return);
  EXPECT_TRUE(Zeichenmodus.Blatt_RL_parallel);
  EXPECT_EQ(Meldungen(), 0u);
}

TEST_F(Paralleldialog, Button2DoesNothingForTheRCAndRLVariants) {
  for (const char* variante : {"RC_parallel", "RL_parallel"}) {
    TBerechne_ParallelSchaltungenDLG dlg;
    dlg.Variante = variante;
    dlg.show();
    Tippe(dlg.Edit13, "1e-6");
    Tippe(dlg.Edit15, "50");
    Tippe(dlg.Edit16, "10");
    Klicke(dlg.Button2);
    EXPECT_EQ(dlg.Edit17->text(), "?");
  }
  EXPECT_EQ(Meldungen(), 0u);
  EXPECT_EQ(fenster.invalidiert, 0);
  EXPECT_EQ(Zeichenmodus, TZeichenmodus{});
  EXPECT_EQ(Schaltung.C, 0);
}

TEST_F(Paralleldialog, AllGroupsStayUsableInEveryVariant) {
  d.Variante = "CL_parallel";
  d.show();
  Tippe(d.Edit7, "0.5");
  Tippe(d.Edit9, "50");
  Tippe(d.Edit10, "10");
  Tippe(d.Edit12, "100");
  Klicke(d.Button1);
  EXPECT_TRUE(Zeichenmodus.Blatt_RL_parallel);
  EXPECT_EQ(Schaltung.R, 100);
}

TEST_F(Paralleldialog, CurrentBelowTheBranchCurrentReachesTheErrorHandler) {
  d.show();
  Tippe(d.Edit3, "50");
  Tippe(d.Edit4, "10");
  Tippe(d.Edit5, "0.05");  // smaller than U / R = 0.1
  Tippe(d.Edit6, "100");
  Klicke(d.OKBtn);
  EXPECT_EQ(fehler.size(), 1u);
  EXPECT_EQ(Zeichenmodus, TZeichenmodus{});
  Tippe(d.Edit5, "0.2");
  Klicke(d.OKBtn);
  EXPECT_EQ(fehler.size(), 1u);
  EXPECT_TRUE(Zeichenmodus.Blatt_RC_parallel);
}

TEST_F(Paralleldialog, RCLFieldsOfSuccessfulStepsShowTheirValuesAfterAFailure) {
  d.Variante = "RCL_parallel";
  d.show();
  Tippe(d.Edit13, "1e-6");
  Tippe(d.Edit15, "50");
  Tippe(d.Edit19, "0.5");
  Klicke(d.Button2);
  EXPECT_TRUE(Nur_Fehlermeldung());
  EXPECT_EQ(d.Edit14->text(), "3183.099");
  EXPECT_EQ(d.Edit20->text(), Formatiere_Wert(real48(zwei_pi * 50 * 0.5L)));
  EXPECT_EQ(d.Edit16->text(), "?");
  EXPECT_EQ(Zeichenmodus, TZeichenmodus{});
}

}  // namespace
