#include "calculators/einzel_dialoge.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>
#include <charconv>
#include <string>

#include "calculators/dialog_bausteine.h"
#include "calculators/rahmen.h"
#include "platform/float_error.h"
#include "platform/safe_call.h"
#include "toolkit/images.h"
#include "toolkit/number_text.h"
#include "toolkit/schaltung.h"

namespace calculators {

long double Lies_Zahl_streng(const QString& text) {
  const std::string s = Trimme(text).toStdString();
  double x = 0;
  const char* ende = s.data() + s.size();
  const bool plus = s.size() > 1 && s[0] == '+' && s[1] != '-';  // "+2" is a number, "+-2" is not
  const char* anfang = s.data() + (plus ? 1 : 0);
  const auto [p, ec] = std::from_chars(anfang, ende, x);
  // "inf" and "nan" are read by from_chars but are no values.
  if (s.empty() || ec != std::errc() || p != ende || !std::isfinite(x))
    throw FloatError("'" + text.toStdString() + "' ist kein gültiger Gleitkommawert");
  return x;
}

namespace {

// Line art of the construction pictures, drawn at half the size they are shown.
class Skizze {
 public:
  Skizze(int breite, int hoehe) : bild_(breite, hoehe, QImage::Format_RGB32) {
    bild_.fill(Qt::white);
    painter_.begin(&bild_);
  }
  QImage fertig() {
    painter_.end();
    return bild_;
  }
  void Linie(int x0, int y0, int x1, int y1) { painter_.drawLine(x0, y0, x1, y1); }
  void Flaeche(int x0, int y0, int x1, int y1, const QColor& c) {
    painter_.fillRect(QRect(QPoint(x0, y0), QPoint(x1, y1)), c);
  }
  void Ellipse(int x, int y, int w, int h) { painter_.drawEllipse(x, y, w, h); }

 private:
  QImage bild_;
  QPainter painter_;
};

// Two plates seen at an angle, the distance d marked between them.
QImage Plattenkondensator_Bild() {
  Skizze s(56, 40);
  for (int x : {16, 36}) {
    s.Flaeche(x, 8, x + 3, 35, Qt::gray);
    s.Linie(x, 8, x + 4, 4);
    s.Linie(x + 4, 4, x + 4, 31);
  }
  s.Linie(2, 22, 16, 22);
  s.Linie(40, 22, 54, 22);
  s.Linie(20, 37, 35, 37);
  s.Linie(20, 35, 20, 39);
  s.Linie(35, 35, 35, 39);
  return s.fertig();
}

// A cylinder coil: turns around a core of length l.
QImage Spulen_Bild() {
  Skizze s(64, 34);
  s.Flaeche(8, 12, 55, 21, QColor(0xD0, 0xD0, 0xD0));
  for (int x = 10; x <= 50; x += 5) s.Ellipse(x, 8, 4, 17);
  s.Linie(2, 16, 10, 16);
  s.Linie(54, 16, 62, 16);
  s.Linie(10, 30, 54, 30);
  s.Linie(10, 28, 10, 32);
  s.Linie(54, 28, 54, 32);
  return s.fertig();
}

QHBoxLayout* Knopfzeile(std::initializer_list<QWidget*> knoepfe) {
  auto* zeile = new QHBoxLayout;
  zeile->addStretch();
  for (QWidget* k : knoepfe) zeile->addWidget(k);
  return zeile;
}

}  // namespace

// ---- Resistor ----

TBerechne_WiderstandDlg::TBerechne_WiderstandDlg(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("Berechne_WiderstandDlg"));
  setWindowTitle(QStringLiteral("Widerstand"));
  auto* felder = new QGridLayout;
  auto* links = new QWidget(this);
  links->setLayout(felder);
  Edit1 = Neue_Feldzeile(felder, 0, QStringLiteral("Edit1"), QStringLiteral("U"), QStringLiteral("Volt")).Edit;
  Edit2 = Neue_Feldzeile(felder, 1, QStringLiteral("Edit2"), QStringLiteral("I"), QStringLiteral("Ampere")).Edit;
  Edit3 = Neue_Feldzeile(felder, 2, QStringLiteral("Edit3"), QStringLiteral("R"), QStringLiteral("Ohm")).Edit;

  auto* hinweis = Neuer_Text(this, QStringLiteral("Geben Sie zwei der\ndrei Werte ein.\nKlicken Sie dann auf\nOK."));
  hinweis->setObjectName(QStringLiteral("Label4"));
  hinweis->setStyleSheet(QStringLiteral("color: #000080;"));
  auto* rechts = new QVBoxLayout;
  rechts->addWidget(hinweis);
  rechts->addWidget(Neues_Bild(this, QStringLiteral("Image1"), Images().RImage));
  rechts->addStretch();

  auto* oben = new QHBoxLayout;
  oben->addWidget(links);
  oben->addLayout(rechts);

  OKBtn = Neuer_Knopf(this, QStringLiteral("OKBtn"), QStringLiteral("berechne"));
  OKBtn->setDefault(true);
  CancelBtn = Neuer_Abbrechen_Knopf(this);
  auto* haupt = new QVBoxLayout(this);
  haupt->addLayout(oben);
  haupt->addWidget(Neuer_Text(this, QStringLiteral("Dezimaltrennzeichen ist der Punkt !")));
  haupt->addLayout(Knopfzeile({OKBtn, CancelBtn}));
  platform::safe_connect(OKBtn, &QPushButton::clicked, this, [this](bool) { OKBtnClick(); });
}

void TBerechne_WiderstandDlg::OKBtnClick() {
  // The decimal separator stays "." on its own: number texts never depend on the locale.
  Widerstand_Felder belegt{!Edit1->text().isEmpty(), !Edit2->text().isEmpty(), !Edit3->text().isEmpty()};
  Rechnung r;
  if (belegt.U) {
    r.w.Ueff = Lies_Feld(Edit1);
    if (belegt.I) r.w.Ieff = Lies_Feld(Edit2);
  } else if (belegt.I) {
    r.w.Ieff = Lies_Zahl_streng(Edit2->text());
  }
  // R is read only where it is used: with U and I given it is the result.
  if (belegt.R && (belegt.U != belegt.I)) r.w.R = Lies_Feld(Edit3);
  Berechne_Widerstand(r, belegt);
  if (!r.erfolgreich) {
    FehlerMessage();
    return;
  }
  if (r.Geschrieben(Groesse::R)) Schreibe_Feld(Edit3, r.w.R);
  if (r.Geschrieben(Groesse::Ieff)) Schreibe_Feld(Edit2, r.w.Ieff);
  if (r.Geschrieben(Groesse::Ueff)) Schreibe_Feld(Edit1, r.w.Ueff);
  Speichere(r.w, {Groesse::Ueff, Groesse::Ieff, Groesse::R});
  Zeige_Blatt(&TZeichenmodus::Blatt_Widerstand);
}

// ---- Capacitor and coil ----

TBerechne_C_und_LDLG::TBerechne_C_und_LDLG(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("Berechne_C_und_LDLG"));
  setWindowTitle(QStringLiteral("Berechne Kondensator und Spule im Wechselstromkreis:"));

  auto Gruppe = [this](const QString& titel, const QString& name, const QImage& bild, int erstes,
                       const QString& bauteil, const QString& einheit, QLineEdit** edits, QPushButton*& knopf,
                       const QString& knopfname) {
    auto* box = new QGroupBox(titel, this);
    box->setObjectName(name);
    auto* grid = new QGridLayout(box);
    const QString texte[5][2] = {{bauteil, einheit},
                                 {QStringLiteral("Xc ="), QStringLiteral("V/A")},
                                 {QStringLiteral("F ="), QStringLiteral("Hz")},
                                 {QStringLiteral("Ueff ="), QStringLiteral("V")},
                                 {QStringLiteral("Ieff ="), QStringLiteral("A")}};
    for (int i = 0; i < 5; ++i)
      edits[i] = Neue_Feldzeile(grid, i, QStringLiteral("Edit%1").arg(erstes + i), texte[i][0], texte[i][1]).Edit;
    grid->addWidget(Neues_Bild(box, name + QStringLiteral("Bild"), bild), 5, 0, 1, 3);
    knopf = Neuer_Knopf(box, knopfname, QStringLiteral("berechne"));
    grid->addWidget(knopf, 6, 0, 1, 3);
    return box;
  };
  QLineEdit* c[5];
  QLineEdit* l[5];
  auto* kondensator = Gruppe(QStringLiteral("Kondensator:"), QStringLiteral("GroupBox1"), Images().CImage, 1,
                             QStringLiteral("C ="), QStringLiteral("F"), c, Button1, QStringLiteral("Button1"));
  auto* spule = Gruppe(QStringLiteral("Spule:"), QStringLiteral("GroupBox2"), Images().LImage, 6, QStringLiteral("L ="),
                       QStringLiteral("H"), l, Button2, QStringLiteral("Button2"));
  Edit1 = c[0], Edit2 = c[1], Edit3 = c[2], Edit4 = c[3], Edit5 = c[4];
  Edit6 = l[0], Edit7 = l[1], Edit8 = l[2], Edit9 = l[3], Edit10 = l[4];

  auto* gruppen = new QHBoxLayout;
  gruppen->addWidget(kondensator);
  gruppen->addWidget(spule);
  CancelBtn = Neuer_Abbrechen_Knopf(this);
  auto* haupt = new QVBoxLayout(this);
  haupt->addLayout(gruppen);
  haupt->addWidget(
      Neuer_Text(this, QStringLiteral("Geben Sie jeweils drei der fünf Werte ein und klicken auf \"berechne\".")));
  haupt->addLayout(Knopfzeile({CancelBtn}));
  platform::safe_connect(Button1, &QPushButton::clicked, this, [this](bool) { Button1Click(); });
  platform::safe_connect(Button2, &QPushButton::clicked, this, [this](bool) { Button2Click(); });
  Return_drueckt_berechne(this);
}

void TBerechne_C_und_LDLG::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  FormShow();
}

void TBerechne_C_und_LDLG::FormShow() {
  if (Variante == QLatin1String("Kondensator")) Edit1->setFocus();
  if (Variante == QLatin1String("Spule")) Edit6->setFocus();
}

void TBerechne_C_und_LDLG::Button1Click() {
  Kreiswerte w;
  const Felder felder{
      {Groesse::C, Edit1}, {Groesse::Xc, Edit2}, {Groesse::f, Edit3}, {Groesse::Ueff, Edit4}, {Groesse::Ieff, Edit5}};
  if (!Rechne(felder, Berechne_Kondensator, w)) return;
  Speichere(w, {Groesse::C, Groesse::Xc, Groesse::Ieff, Groesse::Ueff, Groesse::f});
  Zeige_Blatt(&TZeichenmodus::Blatt_Kondensator);
}

void TBerechne_C_und_LDLG::Button2Click() {
  Kreiswerte w;
  const Felder felder{
      {Groesse::L, Edit6}, {Groesse::XL, Edit7}, {Groesse::f, Edit8}, {Groesse::Ueff, Edit9}, {Groesse::Ieff, Edit10}};
  if (!Rechne(felder, Berechne_Spule, w)) return;
  Speichere(w, {Groesse::L, Groesse::XL, Groesse::Ieff, Groesse::Ueff, Groesse::f});
  Zeige_Blatt(&TZeichenmodus::Blatt_Spule);
}

// ---- High and low pass ----

TBerechne_Hoch_TiefpassDlg::TBerechne_Hoch_TiefpassDlg(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("Berechne_Hoch_TiefpassDlg"));
  setWindowTitle(QStringLiteral("Hoch-Tiefpass- Frequenzen:"));
  setMinimumWidth(300);  // wide enough for the whole caption in the title bar
  auto* felder = new QGridLayout;
  Edit1 = Neue_Feldzeile(felder, 0, QStringLiteral("Edit1"), QStringLiteral("R ="), QStringLiteral("Ohm")).Edit;
  Edit2 = Neue_Feldzeile(felder, 1, QStringLiteral("Edit2"), QStringLiteral("C ="), QStringLiteral("F")).Edit;
  auto* bilder = new QHBoxLayout;
  bilder->addWidget(Neues_Bild(this, QStringLiteral("Image1"), Images().Hochpass_image));
  bilder->addWidget(Neues_Bild(this, QStringLiteral("Image2"), Images().Tiefpass_Image));
  OKBtn = Neuer_Knopf(this, QStringLiteral("OKBtn"), QStringLiteral("berechne"));
  CancelBtn = Neuer_Abbrechen_Knopf(this);
  auto* haupt = new QVBoxLayout(this);
  haupt->addLayout(felder);
  haupt->addLayout(bilder);
  haupt->addLayout(Knopfzeile({OKBtn, CancelBtn}));
  platform::safe_connect(OKBtn, &QPushButton::clicked, this, [this](bool) { OKBtnClick(); });
  Return_drueckt_berechne(this);
}

void TBerechne_Hoch_TiefpassDlg::OKBtnClick() {
  Rechnung r;
  r.w.R = Lies_Feld(Edit1);
  r.w.C = Lies_Feld(Edit2);
  Berechne_Hoch_Tiefpass(r);
  if (!r.erfolgreich) {
    FehlerMessage();
    return;
  }
  Speichere(r.w, {Groesse::R, Groesse::C});
  Zeige_Blatt(&TZeichenmodus::Blatt_Hoch_Tiefpass);
}

// ---- Capacitance and inductance from the construction ----

TBerechne_Kapazitaet_InduktivitaetDLG::TBerechne_Kapazitaet_InduktivitaetDLG(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("Berechne_Kapazitaet_InduktivitaetDLG"));
  setWindowTitle(QStringLiteral("Kapazität und Induktivität:"));
  const QString cm2 = QStringLiteral("cm²");
  const QString cm = QStringLiteral("cm");

  auto* kondensator = new QGroupBox(QStringLiteral("Kapazität eines Kondensators:"), this);
  kondensator->setObjectName(QStringLiteral("GroupBox1"));
  auto* kg = new QGridLayout(kondensator);
  Edit1 = Neue_Feldzeile(kg, 0, QStringLiteral("Edit1"), QStringLiteral("er ="), QString(), QStringLiteral("1")).Edit;
  Edit2 = Neue_Feldzeile(kg, 1, QStringLiteral("Edit2"), QStringLiteral("A ="), cm2).Edit;
  Edit3 = Neue_Feldzeile(kg, 2, QStringLiteral("Edit3"), QStringLiteral("d ="), cm).Edit;
  kg->addWidget(Neuer_Text(kondensator, QStringLiteral("Ergebnis:")), 3, 0, 1, 3);
  Edit4 = Neue_Feldzeile(kg, 4, QStringLiteral("Edit4"), QStringLiteral("C ="), QStringLiteral("F"), QString()).Edit;
  kg->addWidget(Neues_Bild(kondensator, QStringLiteral("Image1"), Plattenkondensator_Bild()), 0, 3, 3, 1);
  OKBtn = Neuer_Knopf(kondensator, QStringLiteral("OKBtn"), QStringLiteral("berechne"));
  kg->addWidget(OKBtn, 5, 0, 1, 4);

  auto* spule = new QGroupBox(QStringLiteral("Induktivität einer Spule:"), this);
  spule->setObjectName(QStringLiteral("GroupBox2"));
  auto* sg = new QGridLayout(spule);
  Edit5 = Neue_Feldzeile(sg, 0, QStringLiteral("Edit5"), QStringLiteral("ur ="), QString(), QStringLiteral("1")).Edit;
  Edit6 = Neue_Feldzeile(sg, 1, QStringLiteral("Edit6"), QStringLiteral("n ="), QString()).Edit;
  Edit7 = Neue_Feldzeile(sg, 2, QStringLiteral("Edit7"), QStringLiteral("l ="), cm).Edit;
  Edit8 = Neue_Feldzeile(sg, 3, QStringLiteral("Edit8"), QStringLiteral("A ="), cm2).Edit;
  sg->addWidget(Neuer_Text(spule, QStringLiteral("Ergebnis:")), 4, 0, 1, 3);
  Edit9 = Neue_Feldzeile(sg, 5, QStringLiteral("Edit9"), QStringLiteral("L ="), QStringLiteral("H"), QString()).Edit;
  sg->addWidget(Neues_Bild(spule, QStringLiteral("Image2"), Spulen_Bild()), 0, 3, 4, 1);
  Button1 = Neuer_Knopf(spule, QStringLiteral("Button1"), QStringLiteral("berechne"));
  sg->addWidget(Button1, 6, 0, 1, 4);
  Edit4->setReadOnly(true);
  Edit9->setReadOnly(true);

  auto* gruppen = new QHBoxLayout;
  gruppen->addWidget(kondensator, 0, Qt::AlignTop);
  gruppen->addWidget(spule, 0, Qt::AlignTop);
  CancelBtn = Neuer_Abbrechen_Knopf(this);
  auto* haupt = new QVBoxLayout(this);
  haupt->addLayout(gruppen);
  haupt->addLayout(Knopfzeile({CancelBtn}));
  platform::safe_connect(OKBtn, &QPushButton::clicked, this, [this](bool) { OKBtnClick(); });
  platform::safe_connect(Button1, &QPushButton::clicked, this, [this](bool) { Button1Click(); });
  Return_drueckt_berechne(this);
}

void TBerechne_Kapazitaet_InduktivitaetDLG::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  FormShow();
}

void TBerechne_Kapazitaet_InduktivitaetDLG::FormShow() {
  if (Variante == QLatin1String("Kondensator")) Edit1->setFocus();
  if (Variante == QLatin1String("Spule")) Edit5->setFocus();
}

void TBerechne_Kapazitaet_InduktivitaetDLG::OKBtnClick() {
  Kondensator_Bauform b{Lies_Feld(Edit1), Lies_Feld(Edit2), Lies_Feld(Edit3), 0};
  if (!Berechne_Kapazitaet(b)) {
    FehlerMessage();
    return;
  }
  Kondensator_Geometrie = b;
  Schaltung.C = b.C;
  Schreibe_Feld(Edit4, b.C);
  Zeige_Blatt(&TZeichenmodus::Blatt_Kapazitaet);
}

void TBerechne_Kapazitaet_InduktivitaetDLG::Button1Click() {
  Spulen_Bauform b{Lies_Feld(Edit5), Lies_Feld(Edit6), Lies_Feld(Edit7), Lies_Feld(Edit8), 0};
  if (!Berechne_Induktivitaet(b)) {
    FehlerMessage();
    return;
  }
  Spulen_Geometrie = b;
  Schaltung.L = b.L;
  Schreibe_Feld(Edit9, b.L);
  Zeige_Blatt(&TZeichenmodus::Blatt_Induktivitaet);
}

}  // namespace calculators
