#include "fields/felddialoge.h"

#include <QCheckBox>
#include <QLabel>

#include "fields/ansicht.h"
#include "fields/elektronenbahn.h"
#include "platform/buttons.h"
#include "platform/safe_call.h"
#include "toolkit/dialog_bausteine.h"
#include "toolkit/hauptfenster.h"
#include "toolkit/number_text.h"
#include "toolkit/slider_mapping.h"
#include "toolkit/zeichenmodus.h"

namespace {

constexpr int kBreite = 344;      // wide enough for the longest caption
constexpr int kElektron_y = 142;  // the electron group; the optional groups follow it

int Hoehe(const TFeldDlg::TAufbau& a) {
  int y = kElektron_y + 72;
  if (a.kondensator) y += 72;
  if (a.schirm) y += 40;
  if (a.magnet) y += 40;
  return y;
}

void Neu_zeichnen() {
  if (THauptfenster* w = Hauptfenster()) w->Invalidate();
}

QString F(long double x) { return Formatiere_Festkomma(x); }

// Bounds of the logarithmic bars.
constexpr long double kUb_min = 0.5L, kUb_max = 100;
constexpr long double kVe_min = 20000, kVe_max = 200000000;
constexpr long double kUc_min = 0.5L, kUc_max = 25;
constexpr long double kB_min = 0.00001L, kB_max = 0.01L;

}  // namespace

TFeldDlg::TFeldDlg(QWidget* parent, const TAufbau& aufbau)
    : TThemendialog(parent, aufbau.name, aufbau.caption, kBreite, Hoehe(aufbau)), aufbau_(aufbau) {
  using platform::TScrollCode;
  Neues_Namenslabel("Label1", "Drehung um ...", 8, 4);
  xScrollBar = Zeile(aufbau.drehung[0], "x-Achse", 22, -180, 180);
  yScrollBar = Zeile(aufbau.drehung[1], "y-Achse", 38, -180, 180);
  zScrollBar = Zeile(aufbau.drehung[2], "z-Achse", 54, -180, 180);
  xScrollBar->OnScroll = [this](TScrollCode code, int& pos) { xScrollBarScroll(code, pos); };
  yScrollBar->OnScroll = [this](TScrollCode code, int& pos) { yScrollBarScroll(code, pos); };
  zScrollBar->OnScroll = [this](TScrollCode code, int& pos) { zScrollBarScroll(code, pos); };
  for (auto* bar : {xScrollBar, yScrollBar, zScrollBar}) bar->SetPosition(0);

  BitBtn1 = new platform::BitBtn(this, "Standard");
  BitBtn1->setObjectName("BitBtn1");
  BitBtn1->setGeometry(184, 20, 100, 22);
  BitBtn1->OnClick = [this] { BitBtn1Click(); };
  BitBtn2 = new platform::BitBtn(this, QStringLiteral("nur Aufriß"));
  BitBtn2->setObjectName("BitBtn2");
  BitBtn2->setGeometry(184, 46, 100, 22);
  BitBtn2->OnClick = [this] { BitBtn2Click(); };
  CheckBox1 = new QCheckBox("nur Bild", this);
  CheckBox1->setObjectName("CheckBox1");
  CheckBox1->setGeometry(184, 74, 100, 18);
  platform::safe_connect(CheckBox1, &QCheckBox::clicked, this, [this](bool) { CheckBox1Click(); });

  Neues_Namenslabel("Label2", "Einheiten:", 8, 72);
  auto knopf = [this](const QString& name, const QString& text, int x, int y, void (TFeldDlg::*klick)()) {
    auto* b = new platform::SpeedButton(this, text);
    b->setObjectName(name);
    b->setGeometry(x, y, 36, 20);
    b->OnClick = [this, klick] { (this->*klick)(); };
    return b;
  };
  SpeedButton1 = knopf("SpeedButton1", "x +", 8, 90, &TFeldDlg::SpeedButton1Click);
  SpeedButton3 = knopf("SpeedButton3", "y +", 46, 90, &TFeldDlg::SpeedButton3Click);
  SpeedButton6 = knopf("SpeedButton6", "z +", 84, 90, &TFeldDlg::SpeedButton6Click);
  SpeedButton2 = knopf("SpeedButton2", "x -", 8, 112, &TFeldDlg::SpeedButton2Click);
  SpeedButton4 = knopf("SpeedButton4", "y -", 46, 112, &TFeldDlg::SpeedButton4Click);
  SpeedButton5 = knopf("SpeedButton5", "z -", 84, 112, &TFeldDlg::SpeedButton5Click);

  int y = kElektron_y;
  Neues_Namenslabel("Label3", "Elektron:", 8, y);
  UbScrollBar = Zeile("UbScrollBar", "Ub", y + 18, 0, 1000);
  UbName = findChild<QLabel*>("UbScrollBarName");
  UbLabel = Neues_Wertlabel("UbLabel", y + 18);
  VeScrollBar = Zeile("VeScrollBar", "Ve", y + 34, 0, 1000);
  VeLabel = Neues_Wertlabel("VeLabel", y + 34);
  AlphaScrollBar = Zeile("AlphaScrollBar", "Winkel:", y + 50, -89, 89);
  WinkelName = findChild<QLabel*>("AlphaScrollBarName");
  AlphaLabel = Neues_Wertlabel("AlphaLabel", y + 50);
  UbScrollBar->OnChange = [this] { UbScrollBarChange(); };
  VeScrollBar->OnChange = [this] { VeScrollBarChange(); };
  AlphaScrollBar->OnChange = [this] { AlphaScrollBarChange(); };
  y += 72;

  if (aufbau.kondensator) {
    Neues_Namenslabel("Label4", "Kondensator:", 8, y);
    UcScrollBar = Zeile("UcScrollBar", "Uc", y + 18, 0, aufbau.Uc_Schritte);
    UcLabel = Neues_Wertlabel("UcLabel", y + 18);
    dScrollBar = Zeile("dScrollBar", "d", y + 34, 1, 50);
    dLabel = Neues_Wertlabel("dLabel", y + 34);
    lScrollBar = Zeile("lScrollBar", "L", y + 50, 1, 30);
    lLabel = Neues_Wertlabel("lLabel", y + 50);
    UcScrollBar->OnChange = [this] { UcScrollBarChange(); };
    dScrollBar->OnChange = [this] { dScrollBarChange(); };
    lScrollBar->OnChange = [this] { lScrollBarChange(); };
    y += 72;
  }
  if (aufbau.schirm) {
    Neues_Namenslabel("Label5", "Schirmposition:", 8, y);
    aScrollBar = Zeile("aScrollBar", QString(), y + 18, 4, 100, 125);
    aLabel = Neues_Wertlabel("aLabel", y + 18);
    aScrollBar->OnChange = [this] { aScrollBarChange(); };
    y += 40;
  }
  if (aufbau.magnet) {
    Neues_Namenslabel("Label6", "Magnetfeld:", 8, y);
    BScrollBar = Zeile("BScrollBar", "B:", y + 18, 0, 1000);
    BLabel = Neues_Wertlabel("BLabel", y + 18);
    BScrollBar->OnChange = [this] { BScrollBarChange(); };
  }
  if (aufbau.nur_Ve)
    for (QLabel* label : {UbName, UbLabel, WinkelName, AlphaLabel}) label->setEnabled(false);
}

QLabel* TFeldDlg::Neues_Wertlabel(const QString& name, int y) {
  return ::Neues_Wertlabel(this, name, 184, y + 1, kBreite - 184 - 4, 16);
}

platform::ScrollBar* TFeldDlg::Zeile(const QString& name, const QString& text, int y, int min, int max, int w) {
  if (!text.isEmpty()) Neues_Namenslabel(name + "Name", text, 8, y);
  return Neuer_Schieber(name, 56, y + 4, w, min, max);
}

void TFeldDlg::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  platform::guarded([this] { FormShow(); });
}

void TFeldDlg::Platziere() {
  THauptfenster* main = Hauptfenster();
  if (main == nullptr) return;
  QWidget* fenster = main->Widget();
  const QRect rahmen = fenster != nullptr ? fenster->frameGeometry() : main->ClientRectOnScreen();
  const QSize eigen = Rahmengroesse(*this);
  move(Platz(rahmen, main->ClientWidth(), main->StatusBarHeight(), eigen.width(), eigen.height()));
}

// Every bar is placed from the current values (placing fires the change handlers, which
// snap the values to the bars' grids), then every label is written from its value, so the
// first move of any bar never makes the picture jump.
void TFeldDlg::FormShow() {
  Platziere();
  CheckBox1->setChecked(Zeichenmodus.nur_Bild);
  xScrollBar->SetPosition(static_cast<int>(Trunc(Ansicht.Drehung_x)));
  yScrollBar->SetPosition(static_cast<int>(Trunc(Ansicht.Drehung_y)));
  zScrollBar->SetPosition(static_cast<int>(Trunc(Ansicht.Drehung_z)));
  if (!aufbau_.nur_Ve) Schieber_aus_Wert(*UbScrollBar, kUb_min, kUb_max, Feld.Ub);
  Schieber_aus_Wert(*VeScrollBar, kVe_min, kVe_max, Feld.v);
  if (!aufbau_.nur_Ve) AlphaScrollBar->SetPosition(static_cast<int>(Trunc(Feld.phi)));
  if (UcScrollBar != nullptr) {
    Schieber_aus_Wert(*UcScrollBar, kUc_min, kUc_max, Feld.Uc);
    dScrollBar->SetPosition(static_cast<int>(Trunc(Feld.d)));
    lScrollBar->SetPosition(static_cast<int>(Trunc(Feld.l)));
  }
  if (aScrollBar != nullptr) aScrollBar->SetPosition(static_cast<int>(Trunc(Feld.a)));
  if (BScrollBar != nullptr) Schieber_aus_Wert(*BScrollBar, kB_min, kB_max, Feld.B);
  Schreibe_Labels();
}

void TFeldDlg::Schreibe_Labels() {
  UbLabel->setText(F(Feld.Ub) + " V");
  VeLabel->setText(F(Feld.v) + " m/s");
  AlphaLabel->setText(F(Feld.phi) + " Grad");
  if (UcLabel != nullptr) {
    UcLabel->setText(F(Feld.Uc) + "V");
    dLabel->setText(F(Feld.d) + " cm");
    lLabel->setText(F(Feld.l) + " cm");
  }
  if (aLabel != nullptr) aLabel->setText(F(Feld.a) + " cm");
  if (BLabel != nullptr) BLabel->setText(F(1000 * Feld.B) + " mT");
}

void TFeldDlg::FormClick() { reject(); }

// The rotation follows the bar on every scroll code, page clicks and thumb drags included.
void TFeldDlg::xScrollBarScroll(platform::TScrollCode, int& position) { Setze_Drehung(TAchse::x, position); }
void TFeldDlg::yScrollBarScroll(platform::TScrollCode, int& position) { Setze_Drehung(TAchse::y, position); }
void TFeldDlg::zScrollBarScroll(platform::TScrollCode, int& position) { Setze_Drehung(TAchse::z, position); }

void TFeldDlg::SpeedButton1Click() { Einheiten_mehr(TAchse::x); }
void TFeldDlg::SpeedButton2Click() { Einheiten_weniger(TAchse::x); }
void TFeldDlg::SpeedButton3Click() { Einheiten_mehr(TAchse::y); }
void TFeldDlg::SpeedButton4Click() { Einheiten_weniger(TAchse::y); }
void TFeldDlg::SpeedButton5Click() { Einheiten_weniger(TAchse::z); }
void TFeldDlg::SpeedButton6Click() { Einheiten_mehr(TAchse::z); }

void TFeldDlg::BitBtn1Click() {
  Ansicht_Standard();
  for (auto* bar : {xScrollBar, yScrollBar, zScrollBar}) bar->SetPosition(0);
}

void TFeldDlg::BitBtn2Click() { Nur_Aufriss(); }

// The box shows the flag and a click sets the flag to the box, so the two never drift apart.
void TFeldDlg::CheckBox1Click() { Setze_nur_Bild(CheckBox1->isChecked()); }

// Ub and v follow each other through their values only; neither bar moves the other.
void TFeldDlg::UbScrollBarChange() {
  if (aufbau_.nur_Ve) return;
  Feld.Ub = Wert_aus_Schieber(*UbScrollBar, kUb_min, kUb_max);
  Berechne_v();
  UbLabel->setText(F(Feld.Ub) + " V");
  VeLabel->setText(F(Feld.v) + " m/s");
  Neu_zeichnen();
}

void TFeldDlg::VeScrollBarChange() {
  Feld.v = Wert_aus_Schieber(*VeScrollBar, kVe_min, kVe_max);
  Berechne_Ub();
  VeLabel->setText(F(Feld.v) + " m/s");
  UbLabel->setText(F(Feld.Ub) + " V");
  Neu_zeichnen();
}

void TFeldDlg::AlphaScrollBarChange() {
  if (aufbau_.nur_Ve) return;
  Feld.phi = AlphaScrollBar->Position();
  AlphaLabel->setText(F(Feld.phi) + " Grad");
  Neu_zeichnen();
}

void TFeldDlg::UcScrollBarChange() {
  Feld.Uc = Wert_aus_Schieber(*UcScrollBar, kUc_min, kUc_max);
  UcLabel->setText(F(Feld.Uc) + "V");
  Neu_zeichnen();
}

void TFeldDlg::dScrollBarChange() {
  Feld.d = dScrollBar->Position();
  dLabel->setText(F(Feld.d) + " cm");
  Neu_zeichnen();
}

// With a screen, the plates never reach past it: a length beyond the screen keeps the
// previous one, as the screen bar keeps the screen behind the plates.
void TFeldDlg::lScrollBarChange() {
  const int l = lScrollBar->Position();
  if (!(aufbau_.schirm && l > Feld.a)) Feld.l = l;
  lLabel->setText(F(Feld.l) + " cm");
  Neu_zeichnen();
}

void TFeldDlg::aScrollBarChange() {
  const int a = aScrollBar->Position();
  if (!(Feld.l > a)) Feld.a = a;
  aLabel->setText(F(Feld.a) + " cm");
  Neu_zeichnen();
}

void TFeldDlg::BScrollBarChange() {
  Feld.B = Wert_aus_Schieber(*BScrollBar, kB_min, kB_max);
  BLabel->setText(F(1000 * Feld.B) + " mT");
  Neu_zeichnen();
}

// ---- the four dialogs ----

TEFeldDlg::TEFeldDlg(QWidget* parent)
    : TFeldDlg(parent, {.name = "EFeldDlg",
                        .caption = "Elektron im elektrischen Feld:",
                        .drehung = {"ScrollBar3", "ScrollBar2", "ScrollBar1"},
                        .kondensator = true,
                        .schirm = true,
                        .Uc_Schritte = 100}) {}

QPoint TEFeldDlg::Platz(const QRect& r, int, int S, int w, int h) const {
  return {r.left() + (r.width() - w) / 2, r.top() + r.height() - S - h - 2};
}

TMagnetfeldDlg::TMagnetfeldDlg(QWidget* parent)
    : TFeldDlg(parent, {.name = "MagnetfeldDlg",
                        .caption = "Elektron im Magnetfeld:",
                        .drehung = {"xScrollBar", "yScrollBar", "zScrollBar"},
                        .magnet = true}) {}

QPoint TMagnetfeldDlg::Platz(const QRect& r, int, int S, int w, int h) const {
  return {r.left() + r.width() - w - 2, r.top() + r.height() - S - h - 5};
}

TE_und_BFeldDlg::TE_und_BFeldDlg(QWidget* parent)
    : TFeldDlg(parent, {.name = "E_und_BFeldDlg",
                        .caption = "Elekton im E - und B - Feld:",
                        .drehung = {"xScrollBar", "yScrollBar", "zScrollBar"},
                        .kondensator = true,
                        .schirm = true,
                        .magnet = true}) {}

QPoint TE_und_BFeldDlg::Platz(const QRect& r, int CW, int, int w, int) const {
  return {CW / 2 + r.left() - w - 2, r.top() + 40};
}

TEB_gekreuztDlg::TEB_gekreuztDlg(QWidget* parent)
    : TFeldDlg(parent, {.name = "EB_gekreuztDlg",
                        .caption = "Elektron im gekreuzten E-B-Feld:",
                        .drehung = {"xScrollBar", "yScrollBar", "zScrollBar"},
                        .kondensator = true,
                        .magnet = true,
                        .nur_Ve = true}) {}

QPoint TEB_gekreuztDlg::Platz(const QRect& r, int CW, int S, int w, int h) const {
  return {CW + r.left() - w - 2, r.top() + r.height() - S - h - 2};
}
