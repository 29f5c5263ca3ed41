#include "calculators/reihen_dialoge.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "calculators/dialog_bausteine.h"
#include "calculators/rahmen.h"
#include "calculators/series_solvers.h"
#include "platform/safe_call.h"
#include "toolkit/images.h"
#include "toolkit/schaltung.h"

namespace calculators {

namespace {

// Fields of an R-C or R-L group in the order of the form.
QGroupBox* Zweiggruppe(QDialog* dialog, const QString& titel, const QString& name, int erstes, const QString& bauteil,
                       const QString& einheit, const QImage& bild, QLineEdit** edits, QPushButton*& knopf,
                       const QString& knopfname) {
  auto* box = new QGroupBox(titel, dialog);
  box->setObjectName(name);
  auto* grid = new QGridLayout(box);
  const QString texte[6][2] = {{bauteil, einheit},
                               {QStringLiteral("Xc ="), QStringLiteral("V/A")},
                               {QStringLiteral("f ="), QStringLiteral("Hz")},
                               {QStringLiteral("Ueff="), QStringLiteral("V")},
                               {QStringLiteral("Ieff ="), QStringLiteral("A")},
                               {QStringLiteral("R ="), QStringLiteral("Ohm")}};
  for (int i = 0; i < 6; ++i)
    edits[i] = Neue_Feldzeile(grid, i, QStringLiteral("Edit%1").arg(erstes + i), texte[i][0], texte[i][1]).Edit;
  knopf = Neuer_Knopf(box, knopfname, QStringLiteral("berechne"));
  grid->addWidget(knopf, 6, 0, 1, 3);
  grid->addWidget(Neues_Bild(box, name + QStringLiteral("Bild"), bild), 7, 0, 1, 3);
  return box;
}

}  // namespace

// ---- R and C, R and L ----

TRC_RL_ReiheDLG::TRC_RL_ReiheDLG(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("RC_RL_ReiheDLG"));
  setWindowTitle(QStringLiteral("R und C  bzw.  R und L in Reihe:"));
  QLineEdit* rc[6];
  QLineEdit* rl[6];
  auto* links =
      Zweiggruppe(this, QStringLiteral("Widerstand und Kondensator:"), QStringLiteral("GroupBox1"), 1,
                  QStringLiteral("C ="), QStringLiteral("F"), Images().RCImage, rc, OKBtn, QStringLiteral("OKBtn"));
  auto* rechts =
      Zweiggruppe(this, QStringLiteral("Widerstand und Spule:"), QStringLiteral("GroupBox2"), 7, QStringLiteral("L ="),
                  QStringLiteral("H"), Images().RLImage, rl, Button1, QStringLiteral("Button1"));
  Edit1 = rc[0], Edit2 = rc[1], Edit3 = rc[2], Edit4 = rc[3], Edit5 = rc[4], Edit6 = rc[5];
  Edit7 = rl[0], Edit8 = rl[1], Edit9 = rl[2], Edit10 = rl[3], Edit11 = rl[4], Edit12 = rl[5];

  auto* gruppen = new QHBoxLayout;
  gruppen->addWidget(links);
  gruppen->addWidget(rechts);
  CancelBtn = Neuer_Abbrechen_Knopf(this);
  auto* unten = new QHBoxLayout;
  unten->addWidget(Neuer_Text(this, QStringLiteral("Geben Sie jeweils 4 der sechs Werte ein !")));
  unten->addStretch();
  unten->addWidget(CancelBtn);
  auto* haupt = new QVBoxLayout(this);
  haupt->addLayout(gruppen);
  haupt->addLayout(unten);
  platform::safe_connect(OKBtn, &QPushButton::clicked, this, [this](bool) { OKBtnClick(); });
  platform::safe_connect(Button1, &QPushButton::clicked, this, [this](bool) { Button1Click(); });
  Return_drueckt_berechne(this);
}

void TRC_RL_ReiheDLG::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  FormShow();
}

void TRC_RL_ReiheDLG::FormShow() {
  if (Variante == QLatin1String("RC")) Edit1->setFocus();
  if (Variante == QLatin1String("RL")) Edit7->setFocus();
}

void TRC_RL_ReiheDLG::OKBtnClick() {
  Kreiswerte w;
  const Felder felder{{Groesse::C, Edit1},    {Groesse::Xc, Edit2},   {Groesse::f, Edit3},
                      {Groesse::Ueff, Edit4}, {Groesse::Ieff, Edit5}, {Groesse::R, Edit6}};
  if (!Rechne(felder, Berechne_RC_Reihe, w)) return;
  Speichere(w, {Groesse::Ieff, Groesse::Ueff, Groesse::C, Groesse::Xc, Groesse::R, Groesse::f});
  Zeige_Blatt(&TZeichenmodus::Blatt_RC_Reihe);
}

void TRC_RL_ReiheDLG::Button1Click() {
  Kreiswerte w;
  const Felder felder{{Groesse::L, Edit7},     {Groesse::XL, Edit8},    {Groesse::f, Edit9},
                      {Groesse::Ueff, Edit10}, {Groesse::Ieff, Edit11}, {Groesse::R, Edit12}};
  if (!Rechne(felder, Berechne_RL_Reihe, w)) return;
  Speichere(w, {Groesse::Ieff, Groesse::Ueff, Groesse::L, Groesse::XL, Groesse::R, Groesse::f});
  Schaltung.R_Zeiger = w.R;
  Zeige_Blatt(&TZeichenmodus::Blatt_RL_Reihe);
}

// ---- C and L, with or without R ----

TBerechneRCL_ReiheDLG::TBerechneRCL_ReiheDLG(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("BerechneRCL_ReiheDLG"));
  setWindowTitle(QStringLiteral("Widerstand, Kondensator und Spule in Reihe:"));
  auto* grid = new QGridLayout;
  const QString texte[8][2] = {
      {QStringLiteral("C ="), QStringLiteral("F")},    {QStringLiteral("Xc ="), QStringLiteral("V/A")},
      {QStringLiteral("f ="), QStringLiteral("Hz")},   {QStringLiteral("Ueff ="), QStringLiteral("V")},
      {QStringLiteral("Ieff ="), QStringLiteral("A")}, {QStringLiteral("L ="), QStringLiteral("H")},
      {QStringLiteral("Xl ="), QStringLiteral("V/A")}, {QStringLiteral("R ="), QStringLiteral("Ohm")}};
  QLineEdit* e[8];
  Feldzeile r_zeile{};
  auto* felder = new QWidget(this);
  felder->setLayout(grid);
  for (int i = 0; i < 8; ++i) {
    const Feldzeile z = Neue_Feldzeile(grid, i, QStringLiteral("Edit%1").arg(i + 1), texte[i][0], texte[i][1]);
    e[i] = z.Edit;
    if (i == 7) r_zeile = z;
  }
  Edit1 = e[0], Edit2 = e[1], Edit3 = e[2], Edit4 = e[3], Edit5 = e[4], Edit6 = e[5], Edit7 = e[6], Edit8 = e[7];
  LabelR = r_zeile.Bezeichnung;
  LabelOhm = r_zeile.Einheit;
  Image1 = Neues_Bild(this, QStringLiteral("Image1"), Images().CLImage);
  Image2 = Neues_Bild(this, QStringLiteral("Image2"), Images().RCLImage);
  auto* bilder = new QVBoxLayout;
  bilder->addStretch();
  bilder->addWidget(Image1);
  bilder->addWidget(Image2);
  bilder->addStretch();
  auto* oben = new QHBoxLayout;
  oben->addWidget(felder);
  oben->addLayout(bilder);

  OKBtn = Neuer_Knopf(this, QStringLiteral("OKBtn"), QStringLiteral("berechne"));
  CancelBtn = Neuer_Abbrechen_Knopf(this);
  auto* knoepfe = new QHBoxLayout;
  knoepfe->addStretch();
  knoepfe->addWidget(OKBtn);
  knoepfe->addWidget(CancelBtn);
  auto* haupt = new QVBoxLayout(this);
  haupt->addLayout(oben);
  haupt->addLayout(knoepfe);
  platform::safe_connect(OKBtn, &QPushButton::clicked, this, [this](bool) { OKBtnClick(); });
  Return_drueckt_berechne(this);
}

void TBerechneRCL_ReiheDLG::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  FormShow();
}

void TBerechneRCL_ReiheDLG::FormShow() {
  const bool mit_R = Variante == QLatin1String("RCL_mit_R");
  if (Variante == QLatin1String("RCL_ohne_R")) {
    setWindowTitle(QStringLiteral("Kondensator und Spule in Reihe:"));
    Edit8->setText(QStringLiteral("0"));
  } else if (mit_R) {
    setWindowTitle(QStringLiteral("Widerstand, Kondensator und Spule in Reihe:"));
  } else {
    return;
  }
  for (QWidget* w : {static_cast<QWidget*>(Edit8), static_cast<QWidget*>(LabelR), static_cast<QWidget*>(LabelOhm)})
    w->setEnabled(mit_R);
  Image1->setVisible(!mit_R);
  Image2->setVisible(mit_R);
  Edit1->setFocus();
}

void TBerechneRCL_ReiheDLG::OKBtnClick() {
  Kreiswerte w;
  Felder felder{{Groesse::C, Edit1},    {Groesse::Xc, Edit2}, {Groesse::f, Edit3}, {Groesse::Ueff, Edit4},
                {Groesse::Ieff, Edit5}, {Groesse::L, Edit6},  {Groesse::XL, Edit7}};
  if (Variante == QLatin1String("RCL_mit_R")) {
    felder.push_back({Groesse::R, Edit8});
    if (!Rechne(felder, Berechne_RCL_Reihe_mit_R, w)) return;
    Speichere(w,
              {Groesse::Ieff, Groesse::Ueff, Groesse::L, Groesse::XL, Groesse::C, Groesse::Xc, Groesse::R, Groesse::f});
    Schaltung.R_Zeiger = w.R;
    Zeige_Blatt(&TZeichenmodus::Blatt_RCL_Reihe);
    return;
  }
  if (!Rechne(felder, Berechne_RCL_Reihe_ohne_R, w)) return;
  Speichere(w, {Groesse::Ieff, Groesse::Ueff, Groesse::L, Groesse::XL, Groesse::C, Groesse::Xc, Groesse::f});
  Zeige_Blatt(&TZeichenmodus::Blatt_CL_Reihe);
}

}  // namespace calculators
