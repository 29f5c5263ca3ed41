#include "calculators/parallel_dialog.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "calculators/dialog_bausteine.h"
#include "calculators/parallel_solvers.h"
#include "calculators/rahmen.h"
#include "platform/safe_call.h"
#include "toolkit/images.h"

namespace calculators {

namespace {

struct Zeilentext {
  const char* bezeichnung;
  const char* einheit;
};

// A framed group: its fields in a grid, the picture on the right, the button below.
QGroupBox* Gruppe(QDialog* dialog, const QString& titel, const QString& name, std::initializer_list<int> nummern,
                  std::initializer_list<Zeilentext> texte, std::vector<Feldzeile>& zeilen) {
  auto* box = new QGroupBox(titel, dialog);
  box->setObjectName(name);
  auto* grid = new QGridLayout(box);
  auto t = texte.begin();
  int i = 0;
  for (int n : nummern) {
    zeilen.push_back(Neue_Feldzeile(grid, i++, QStringLiteral("Edit%1").arg(n), QString::fromUtf8(t->bezeichnung),
                                    QString::fromUtf8(t->einheit)));
    ++t;
  }
  return box;
}

}  // namespace

TBerechne_ParallelSchaltungenDLG::TBerechne_ParallelSchaltungenDLG(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("Berechne_ParallelSchaltungenDLG"));
  setWindowTitle(QStringLiteral("Parallelschaltungen:"));
  const TImages& bilder = Images();

  std::vector<Feldzeile> rc, rl, cl;
  auto* rc_box =
      Gruppe(this, QStringLiteral("Widerstand und Kondensator:"), QStringLiteral("GroupBox1"), {1, 2, 3, 4, 5, 6},
             {{"C =", "F"}, {"Xc =", "V/A"}, {"f =", "Hz"}, {"Ueff =", "V"}, {"Ieff =", "A"}, {"R =", "Ohm"}}, rc);
  auto* rl_box =
      Gruppe(this, QStringLiteral("Widerstand und Spule:"), QStringLiteral("GroupBox2"), {7, 8, 9, 10, 11, 12},
             {{"L =", "H"}, {"Xl =", "V/A"}, {"f =", "Hz"}, {"Ueff =", "V"}, {"Ieff =", "A"}, {"R =", "Ohm"}}, rl);
  auto* cl_box = Gruppe(this, QStringLiteral("Kondensator und Spule:"), QStringLiteral("GroupBox3"),
                        {13, 14, 15, 16, 17, 19, 20, 21},
                        {{"C =", "F"},
                         {"Xc =", "V/A"},
                         {"f =", "Hz"},
                         {"Ueff =", "V"},
                         {"Ieff =", "A"},
                         {"L =", "H"},
                         {"Xl =", "V/A"},
                         {"R =", "Ohm"}},
                        cl);
  Edit1 = rc[0].Edit, Edit2 = rc[1].Edit, Edit3 = rc[2].Edit, Edit4 = rc[3].Edit, Edit5 = rc[4].Edit;
  Edit6 = rc[5].Edit;
  Edit7 = rl[0].Edit, Edit8 = rl[1].Edit, Edit9 = rl[2].Edit, Edit10 = rl[3].Edit, Edit11 = rl[4].Edit;
  Edit12 = rl[5].Edit;
  Edit13 = cl[0].Edit, Edit14 = cl[1].Edit, Edit15 = cl[2].Edit, Edit16 = cl[3].Edit, Edit17 = cl[4].Edit;
  Edit19 = cl[5].Edit, Edit20 = cl[6].Edit, Edit21 = cl[7].Edit;
  LabelR = cl[7].Bezeichnung;
  LabelOhm = cl[7].Einheit;

  Image1 = Neues_Bild(rc_box, QStringLiteral("Image1"), bilder.Image1);
  Image2 = Neues_Bild(rl_box, QStringLiteral("Image2"), bilder.Image2);
  Image3 = Neues_Bild(cl_box, QStringLiteral("Image3"), bilder.Image3);
  Image4 = Neues_Bild(cl_box, QStringLiteral("Image4"), bilder.RCL_parallelImage);
  OKBtn = Neuer_Knopf(rc_box, QStringLiteral("OKBtn"), QStringLiteral("berechne"));
  Button1 = Neuer_Knopf(rl_box, QStringLiteral("Button1"), QStringLiteral("berechne"));
  Button2 = Neuer_Knopf(cl_box, QStringLiteral("Button2"), QStringLiteral("berechne"));
  auto Unten = [](QGroupBox* box, QLabel* bild, QLabel* bild2, QPushButton* knopf, int zeile) {
    auto* grid = static_cast<QGridLayout*>(box->layout());
    auto* bildspalte = new QVBoxLayout;
    bildspalte->addWidget(bild);
    if (bild2) bildspalte->addWidget(bild2);
    grid->addLayout(bildspalte, 0, 3, zeile, 1);
    grid->addWidget(knopf, zeile, 0, 1, 4);
  };
  Unten(rc_box, Image1, nullptr, OKBtn, 6);
  Unten(rl_box, Image2, nullptr, Button1, 6);
  Unten(cl_box, Image3, Image4, Button2, 8);

  CancelBtn = Neuer_Abbrechen_Knopf(this);
  auto* oben = new QHBoxLayout;
  oben->addWidget(rc_box);
  oben->addWidget(rl_box);
  auto* unten = new QHBoxLayout;
  unten->addWidget(cl_box);
  auto* rechts_unten = new QVBoxLayout;
  rechts_unten->addStretch();
  rechts_unten->addWidget(Neuer_Text(this, QStringLiteral("Keine Überprüfung auf widersprüchliche Eingaben !")));
  auto* abbrechen = new QHBoxLayout;
  abbrechen->addStretch();
  abbrechen->addWidget(CancelBtn);
  rechts_unten->addLayout(abbrechen);
  unten->addLayout(rechts_unten);
  auto* haupt = new QVBoxLayout(this);
  haupt->addLayout(oben);
  haupt->addLayout(unten);

  platform::safe_connect(OKBtn, &QPushButton::clicked, this, [this](bool) { OKBtnClick(); });
  platform::safe_connect(Button1, &QPushButton::clicked, this, [this](bool) { Button1Click(); });
  platform::safe_connect(Button2, &QPushButton::clicked, this, [this](bool) { Button2Click(); });
  Return_drueckt_berechne(this);
}

void TBerechne_ParallelSchaltungenDLG::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  FormShow();
}

void TBerechne_ParallelSchaltungenDLG::FormShow() {
  if (Variante == QLatin1String("RC_parallel")) {
    Edit1->setFocus();
  } else if (Variante == QLatin1String("RL_parallel")) {
    Edit7->setFocus();
  } else if (Variante == QLatin1String("CL_parallel") || Variante == QLatin1String("RCL_parallel")) {
    const bool mit_R = Variante == QLatin1String("RCL_parallel");
    Edit13->setFocus();
    Edit21->setEnabled(mit_R);
    LabelR->setEnabled(mit_R);
    LabelOhm->setEnabled(mit_R);
    Image3->setVisible(!mit_R);
    Image4->setVisible(mit_R);
  }
}

void TBerechne_ParallelSchaltungenDLG::OKBtnClick() {
  Kreiswerte w;
  const Felder felder{{Groesse::C, Edit1},    {Groesse::Xc, Edit2},   {Groesse::f, Edit3},
                      {Groesse::Ueff, Edit4}, {Groesse::Ieff, Edit5}, {Groesse::R, Edit6}};
  if (!Rechne(felder, calculators::Berechne_RC_parallel, w)) return;
  Speichere(w, {Groesse::Ieff, Groesse::Ueff, Groesse::C, Groesse::Xc, Groesse::R, Groesse::f});
  Zeige_Blatt(&TZeichenmodus::Blatt_RC_parallel);
}

void TBerechne_ParallelSchaltungenDLG::Button1Click() {
  Kreiswerte w;
  const Felder felder{{Groesse::L, Edit7},     {Groesse::XL, Edit8},    {Groesse::f, Edit9},
                      {Groesse::Ueff, Edit10}, {Groesse::Ieff, Edit11}, {Groesse::R, Edit12}};
  if (!Rechne(felder, calculators::Berechne_RL_parallel, w)) return;
  Speichere(w, {Groesse::Ieff, Groesse::Ueff, Groesse::L, Groesse::XL, Groesse::R, Groesse::f});
  Zeige_Blatt(&TZeichenmodus::Blatt_RL_parallel);
}

void TBerechne_ParallelSchaltungenDLG::Button2Click() {
  if (Variante == QLatin1String("CL_parallel")) Berechne_CL_parallel();
  if (Variante == QLatin1String("RCL_parallel")) Berechne_RCL_parallel();
}

void TBerechne_ParallelSchaltungenDLG::Berechne_CL_parallel() {
  Kreiswerte w;
  const Felder felder{{Groesse::C, Edit13},    {Groesse::Xc, Edit14}, {Groesse::f, Edit15}, {Groesse::Ueff, Edit16},
                      {Groesse::Ieff, Edit17}, {Groesse::L, Edit19},  {Groesse::XL, Edit20}};
  if (!Rechne(felder, calculators::Berechne_CL_parallel, w)) return;
  Speichere(w, {Groesse::Ieff, Groesse::Ueff, Groesse::C, Groesse::Xc, Groesse::L, Groesse::XL, Groesse::f});
  Zeige_Blatt(&TZeichenmodus::Blatt_CL_parallel);
}

void TBerechne_ParallelSchaltungenDLG::Berechne_RCL_parallel() {
  Kreiswerte w;
  const Felder felder{{Groesse::C, Edit13},    {Groesse::Xc, Edit14}, {Groesse::f, Edit15},  {Groesse::Ueff, Edit16},
                      {Groesse::Ieff, Edit17}, {Groesse::L, Edit19},  {Groesse::XL, Edit20}, {Groesse::R, Edit21}};
  if (!Rechne(felder, calculators::Berechne_RCL_parallel, w)) return;
  Speichere(w,
            {Groesse::Ieff, Groesse::Ueff, Groesse::C, Groesse::Xc, Groesse::L, Groesse::XL, Groesse::f, Groesse::R});
  Zeige_Blatt(&TZeichenmodus::Blatt_RCL_parallel);
}

}  // namespace calculators
