// What every calculator dialog shares: a press with nothing given, pressing twice, "0" as
// unknown, and floating-point errors that leave the dialog usable.

#include <QLineEdit>
#include <QPushButton>
#include <functional>
#include <memory>

#include "calculators/blatt_zeichnen.h"
#include "calculators/einzel_dialoge.h"
#include "calculators/parallel_dialog.h"
#include "calculators/reihen_dialoge.h"
#include "common/tolerance.h"
#include "platform/canvas.h"
#include "platform/recorder.h"
#include "rechner_fixture.h"

using namespace calculators;

namespace {

// The texts of the RC series sheet as drawn from the shared values.
QString Blatttexte() {
  platform::Recorder rec;
  QImage bild = platform::make_image(400, 400);
  Canvas canvas(&bild);
  canvas.SetRecorder(&rec);
  Zeichne_Rechenblatt(canvas, &TZeichenmodus::Blatt_RC_Reihe);
  return rec.allText();
}

struct Gruppe {
  const char* name;
  std::function<std::unique_ptr<QDialog>()> baue;
  const char* knopf;
};

template <typename D>
std::function<std::unique_ptr<QDialog>()> Dialog(const char* variante = "") {
  return [variante]() -> std::unique_ptr<QDialog> {
    auto d = std::make_unique<D>();
    if constexpr (requires { d->Variante; }) d->Variante = variante;
    return d;
  };
}

class JedeGruppe : public RechnerTest, public ::testing::WithParamInterface<Gruppe> {};

TEST_P(JedeGruppe, NothingGivenShowsTheErrorAndChangesNothing) {
  const auto dialog = GetParam().baue();
  dialog->show();
  for (QLineEdit* e : dialog->findChildren<QLineEdit*>())
    if (e->isEnabled()) e->setText("?");
  Zeichenmodus.Blatt_Widerstand = true;
  Schaltung.R = 47;
  Schaltung.C = 2e-6L;
  Schaltung.Ueff = 230;
  const TSchaltung vorher = Schaltung;

  Klicke(dialog->findChild<QPushButton*>(GetParam().knopf));

  EXPECT_TRUE(Nur_Fehlermeldung());
  EXPECT_TRUE(fehler.empty());
  EXPECT_TRUE(Gleich(Schaltung, vorher));
  TZeichenmodus erwartet;
  erwartet.Blatt_Widerstand = true;
  EXPECT_EQ(Zeichenmodus, erwartet);
  EXPECT_EQ(fenster.invalidiert, 0);
  EXPECT_TRUE(dialog->isVisible());
}

INSTANTIATE_TEST_SUITE_P(
    AlleRechner, JedeGruppe,
    ::testing::Values(Gruppe{"Kondensator", Dialog<TBerechne_C_und_LDLG>("Kondensator"), "Button1"},
                      Gruppe{"Spule", Dialog<TBerechne_C_und_LDLG>("Spule"), "Button2"},
                      Gruppe{"HochTiefpass", Dialog<TBerechne_Hoch_TiefpassDlg>(), "OKBtn"},
                      Gruppe{"Kapazitaet", Dialog<TBerechne_Kapazitaet_InduktivitaetDLG>("Kondensator"), "OKBtn"},
                      Gruppe{"Induktivitaet", Dialog<TBerechne_Kapazitaet_InduktivitaetDLG>("Spule"), "Button1"},
                      Gruppe{"RC_Reihe", Dialog<TRC_RL_ReiheDLG>("RC"), "OKBtn"},
                      Gruppe{"RL_Reihe", Dialog<TRC_RL_ReiheDLG>("RL"), "Button1"},
                      Gruppe{"CL_Reihe", Dialog<TBerechneRCL_ReiheDLG>("RCL_ohne_R"), "OKBtn"},
                      Gruppe{"RCL_Reihe", Dialog<TBerechneRCL_ReiheDLG>("RCL_mit_R"), "OKBtn"},
                      Gruppe{"RC_parallel", Dialog<TBerechne_ParallelSchaltungenDLG>("RC_parallel"), "OKBtn"},
                      Gruppe{"RL_parallel", Dialog<TBerechne_ParallelSchaltungenDLG>("RL_parallel"), "Button1"},
                      Gruppe{"CL_parallel", Dialog<TBerechne_ParallelSchaltungenDLG>("CL_parallel"), "Button2"},
                      Gruppe{"RCL_parallel", Dialog<TBerechne_ParallelSchaltungenDLG>("RCL_parallel"), "Button2"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(RechnerTest, ResistorWithAllFieldsEmptyShowsTheError) {
  TBerechne_WiderstandDlg d;
  d.show();
  for (QLineEdit* e : {d.Edit1, d.Edit2, d.Edit3}) e->clear();
  Klicke(d.OKBtn);
  EXPECT_TRUE(Nur_Fehlermeldung());
  EXPECT_EQ(Zeichenmodus, TZeichenmodus{});
}

TEST_F(RechnerTest, PressingTwiceRepeatsTheResult) {
  TRC_RL_ReiheDLG d;
  d.Variante = "RC";
  d.show();
  Tippe(d.Edit1, "1E-6");
  Tippe(d.Edit3, "50");
  Tippe(d.Edit4, "10");
  Tippe(d.Edit6, "100");
  Klicke(d.OKBtn);
  const QStringList erst{d.Edit1->text(), d.Edit2->text(), d.Edit3->text(),
                         d.Edit4->text(), d.Edit5->text(), d.Edit6->text()};
  const QString blatt_erst = Blatttexte();
  Klicke(d.OKBtn);
  const QStringList dann{d.Edit1->text(), d.Edit2->text(), d.Edit3->text(),
                         d.Edit4->text(), d.Edit5->text(), d.Edit6->text()};
  EXPECT_EQ(dann, erst);
  EXPECT_EQ(Meldungen(), 0u);
  EXPECT_EQ(Blatttexte(), blatt_erst);
  EXPECT_EQ(fenster.invalidiert, 2);
}

TEST_F(RechnerTest, ZeroCountsAsUnknownOutsideTheResistorCalculator) {
  TBerechne_C_und_LDLG c;
  c.show();
  Tippe(c.Edit1, "1e-6");
  Tippe(c.Edit2, "0");
  Tippe(c.Edit3, "50");
  Tippe(c.Edit4, "0");
  Tippe(c.Edit5, "");
  Klicke(c.Button1);
  EXPECT_EQ(Meldungen(), 0u);
  EXPECT_TRUE(RelNear(Schaltung.Xc, 1 / (2 * M_PIl * 50 * 1e-6L)));

  // In the resistor calculator a "0" is a given current: U / 0 reaches the error handler.
  TBerechne_WiderstandDlg r;
  r.show();
  Tippe(r.Edit1, "10");
  Tippe(r.Edit2, "0");
  Tippe(r.Edit3, "");
  Klicke(r.OKBtn);
  EXPECT_EQ(fehler.size(), 1u);
  EXPECT_EQ(Meldungen(), 0u);
  EXPECT_TRUE(Zeichenmodus.Blatt_Kondensator);
  // The dialog goes on working.
  Tippe(r.Edit2, "2");
  Klicke(r.OKBtn);
  EXPECT_EQ(r.Edit3->text(), "5");
  EXPECT_TRUE(Zeichenmodus.Blatt_Widerstand);
}

TEST_F(RechnerTest, ContradictoryInputsReachTheErrorHandlerAndTheDialogStaysUsable) {
  TRC_RL_ReiheDLG d;
  d.show();
  // Z = U / I = 50 is smaller than R = 100: no reactance fits.
  Tippe(d.Edit3, "50");
  Tippe(d.Edit4, "10");
  Tippe(d.Edit5, "0.2");
  Tippe(d.Edit6, "100");
  Klicke(d.OKBtn);
  ASSERT_EQ(fehler.size(), 1u);
  EXPECT_EQ(Meldungen(), 0u);
  EXPECT_EQ(Zeichenmodus, TZeichenmodus{});
  EXPECT_EQ(Schaltung.R, 0);

  Tippe(d.Edit5, "0.05");
  Klicke(d.OKBtn);
  EXPECT_EQ(fehler.size(), 1u);
  EXPECT_TRUE(Zeichenmodus.Blatt_RC_Reihe);
  EXPECT_TRUE(RelNear(Schaltung.Xc, std::sqrt(200.0L * 200 - 100 * 100)));
}

}  // namespace
