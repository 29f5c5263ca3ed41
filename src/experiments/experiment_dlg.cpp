#include "experiments/experiment_dlg.h"

#include <QLabel>
#include <QPixmap>
#include <QScreen>
#include <QShowEvent>
#include <algorithm>

#include "experiments/bild.h"
#include "experiments/zeige_balken.h"
#include "help/help_sections.h"
#include "help/rechenhilfe_dlg.h"
#include "platform/bevel.h"
#include "platform/buttons.h"
#include "platform/safe_call.h"
#include "platform/trackbar.h"
#include "toolkit/dialog_bausteine.h"
#include "toolkit/formulas.h"
#include "toolkit/number_text.h"
#include "toolkit/schaltung.h"
#include "toolkit/slider_mapping.h"

namespace experiments {

namespace {

constexpr int kZeile = 16;         // line height of the value labels
constexpr int kReglerbreite = 45;  // width of a slider and its column
constexpr int kPanelbreite = 168;  // remark panel and buttons

// A circuit picture of the picture module on white, centred in its place: enlarged by the
// largest whole factor that fits, so its lines stay crisp, or smoothly to fit when not even
// twice its size fits.
QLabel* Neues_Schaltbild(QWidget* parent, const QString& name, const QImage& bild, const QRect& platz) {
  auto* label = new QLabel(parent);
  label->setObjectName(name);
  label->setGeometry(platz);
  label->setAutoFillBackground(true);
  QPalette palette = label->palette();
  palette.setColor(QPalette::Window, Qt::white);
  label->setPalette(palette);
  const int faktor = std::min(platz.width() / bild.width(), platz.height() / bild.height());
  if (faktor >= 2)
    label->setPixmap(
        QPixmap::fromImage(bild.scaled(bild.size() * faktor, Qt::IgnoreAspectRatio, Qt::FastTransformation)));
  else
    label->setPixmap(QPixmap::fromImage(bild.scaled(platz.size(), Qt::KeepAspectRatio, Qt::SmoothTransformation)));
  label->setAlignment(Qt::AlignCenter);
  return label;
}

}  // namespace

TExperimentDlg::TExperimentDlg(QWidget* parent, const QString& name, const TAufbau& aufbau)
    : QDialog(parent), aufbau_(aufbau) {
  setObjectName(name);
  setWindowTitle(aufbau.caption);
  setFont(Dialogschrift());

  const bool P = aufbau.parallel;
  const bool mit_R = aufbau.bauteile != TBauteile::CL;
  const bool RCL = !zwei_Bauteile();  // a slider each for C and L
  if (P) {
    R_bereich_ = {&Schaltung.R_min, &Schaltung.R_max};
    C_bereich_ = {&Schaltung.C_min, &Schaltung.C_max};
    L_bereich_ = {&Schaltung.L_min, &Schaltung.L_max};
  } else {
    R_bereich_ = {&eigene_grenzen_[0], &eigene_grenzen_[1]};
    C_bereich_ = {&eigene_grenzen_[2], &eigene_grenzen_[3]};
    L_bereich_ = {&eigene_grenzen_[4], &eigene_grenzen_[5]};
  }

  // Left column: caption and value of each quantity.
  int y = 8;
  auto zeile = [&](const QString& caption, const QString& name) {
    QLabel* titel = Neuer_Text(this, caption, 16, y);
    QLabel* wert = Neues_Wertlabel(this, name, 64, y, 128);
    y += kZeile;
    return std::pair{titel, wert};
  };
  if (mit_R) Rlabel = zeile("R =", "Rlabel").second;
  std::tie(CCaption, CLabel) = zeile("C =", "CLabel");
  if (RCL) LLabel = zeile("L =", "LLabel").second;
  FLabel = zeile("f =", "FLabel").second;
  if (RCL) FresLabel = zeile("Fres =", "FresLabel").second;
  IEffLabel = zeile(P ? "Iges =" : "Ieff =", "IEffLabel").second;

  // Bar chart, the values under its bars, the circuit picture.
  const QRect diagramm = P ? QRect(16, 120, 177, 177) : QRect(16, 120, 161, 185);
  Image2 = new TBild(this, "Image2", diagramm.x(), diagramm.y(), diagramm.width(), diagramm.height());
  Image2->OnPaint = [this](Canvas& canvas) {
    Loesche_Balkenbild(canvas, Image2->width(), Image2->height());
    Zeige_Spannungen(canvas);
  };
  const int y_unter = diagramm.bottom() + 4;
  const int x_unter[3] = {16, P ? 76 : 72, P ? 136 : 128};
  const int w_unter = P ? 60 : 56;
  if (mit_R)
    UrLabel = Neues_Wertlabel(this, "UrLabel", x_unter[0], y_unter, w_unter);
  else
    Neuer_Text(this, "Iges", 24, y_unter);
  UcLabel = Neues_Wertlabel(this, "UcLabel", x_unter[1], y_unter, w_unter);
  ULLabel = Neues_Wertlabel(this, "ULLabel", x_unter[2], y_unter, w_unter);
  const QRect platz = P ? QRect(16, 320, 177, 49) : QRect(16, 328, 160, 56);
  // Series dialogs call the R-C (or only) picture Image3 and the R-L one Image1; parallel
  // dialogs the other way round.
  bild_RC_ = Neues_Schaltbild(this, P ? "Image1" : "Image3", *aufbau.bild, platz);
  if (aufbau.bild_RL != nullptr) bild_RL_ = Neues_Schaltbild(this, P ? "Image3" : "Image1", *aufbau.bild_RL, platz);
  Image1 = P ? bild_RC_ : bild_RL_;
  Image3 = P ? bild_RL_ : bild_RC_;

  // Bottom strip under the picture and the slider captions: reactances and impedance.
  const int y_unten = std::max(platz.bottom() + 8, 384);
  int x = 16;
  auto paar = [&](const QString& caption, const QString& name) {
    QLabel* titel = Neuer_Text(this, caption, x, y_unten);
    QLabel* wert = Neues_Wertlabel(this, name, x + 32, y_unten, 104);
    x += 144;
    return std::pair{titel, wert};
  };
  std::tie(XcCaption, XcLabel) = paar("Xc =", "XcLabel");
  if (RCL) XLLabel = paar("XL =", "XLLabel").second;
  ZLabel = paar("Z =", "ZLabel").second;

  // Sliders, top = upper bound, with their captions below.
  const int x_regler = P ? 208 : 200;
  int n = 0;
  auto regler = [&](const QString& name, const QString& caption, int min, int max, int ticks) {
    auto* bar = new platform::TrackBar(this);
    bar->setObjectName(name);
    bar->setGeometry(x_regler + n * kReglerbreite, 8, kReglerbreite, 353);
    bar->SetMax(max);
    bar->SetMin(min);
    bar->SetFrequency(ticks);
    QLabel* titel = Neuer_Text(this, caption, x_regler + n * kReglerbreite + 18, 364);
    ++n;
    return std::pair{bar, titel};
  };
  if (mit_R) TrackBar1 = regler("TrackBar1", "R", 0, 10000, 100).first;
  std::tie(TrackBar2, TrackBar2Caption) = regler("TrackBar2", "C", 0, 1000, 10);
  if (RCL) TrackBar3 = regler("TrackBar3", "L", 0, 1000, 10).first;
  TrackBar4 = regler("TrackBar4", "f", 1, 1000, 10).first;
  if (TrackBar1 != nullptr) TrackBar1->OnChange = [this] { TrackBar1Change(); };
  TrackBar2->OnChange = [this] { TrackBar2Change(); };
  if (TrackBar3 != nullptr) TrackBar3->OnChange = [this] { TrackBar3Change(); };
  TrackBar4->OnChange = [this] { TrackBar4Change(); };

  // Right-hand panel: the remark, the supply voltage, the buttons.
  const int px = x_regler + n * kReglerbreite + 12;
  auto* rahmen = new platform::Bevel(this);
  rahmen->setGeometry(px, 8, kPanelbreite, 252);
  QLabel* ueberschrift = Neuer_Text(this, "Bemerkung:", px + 8, 14);
  QFont unterstrichen = ueberschrift->font();
  unterstrichen.setUnderline(true);
  ueberschrift->setFont(unterstrichen);
  ueberschrift->adjustSize();
  QStringList zeilen = {
      "Hiermit kann gezeigt",   "werden, wie sich die",  P ? "Stromstärken bei den" : "Spannungen bei den",
      "einzelnen Bauteilen im", "Verhältnis zueinander", P ? "bei einer Parallelschal-" : "bei einer Reihenschal-"};
  zeilen << aufbau.bemerkung;
  Bemerkung = Neuer_Text(this, zeilen.join('\n'), px + 8, 32);
  Bemerkung->setObjectName("Bemerkung");
  Bemerkung_navy =
      Neuer_Text(this,
                 QStringList{"Der Maximalwert der", P ? "angezeigten Stromstärke" : "angezeigten Spannung",
                             "wird jeweils neu berech-", "net und der zeichner-", "ischen Darstellung an-", "gepasst."}
                     .join('\n'),
                 px + 8, Bemerkung->geometry().bottom() + 1);
  Bemerkung_navy->setObjectName("Bemerkung_navy");
  QPalette navy = Bemerkung_navy->palette();
  navy.setColor(QPalette::WindowText, QColor(0x00, 0x00, 0x80));
  Bemerkung_navy->setPalette(navy);

  Neuer_Text(this, "Ug =", px + 8, 276);
  UgLabel = Neues_Wertlabel(this, "UgLabel", px + 40, 276, 72);
  Neuer_Text(this, "(fest)", px + 8, 292);
  UpDown1 = new platform::UpDown(this);
  UpDown1->setObjectName("UpDown1");
  UpDown1->move(px + 120, 272);
  UpDown1->SetMin(1);
  UpDown1->SetPosition(10);
  UpDown1->OnClick = [this](platform::TUDBtnType button) { UpDown1Click(button); };

  Button1 = new platform::BitBtn(this, "Berechnungshinweis");
  Button1->setObjectName("Button1");
  Button1->setGeometry(px, 320, kPanelbreite, 25);
  Button1->setAutoDefault(false);
  Button1->OnClick = [this] { Button1Click(); };
  CancelBtn = new platform::BitBtn(this, "Abbrechen");
  CancelBtn->setObjectName("CancelBtn");
  CancelBtn->setGeometry(px + kPanelbreite - 75, 352, 75, 25);
  CancelBtn->SetModalResult(platform::TModalResult::mrCancel);

  setFixedSize(px + kPanelbreite + 12, y_unten + kZeile + 8);
}

void TExperimentDlg::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  // Restoring a minimised dialog shows it again (a spontaneous event): keep what was set.
  if (event->spontaneous() || geoeffnet_) return;
  geoeffnet_ = true;
  platform::guarded([this] { FormShow(); });
}

void TExperimentDlg::hideEvent(QHideEvent* event) {
  QDialog::hideEvent(event);
  if (!event->spontaneous()) geoeffnet_ = false;
}

void TExperimentDlg::FormShow() {
  const TBauteile b = Bauteile();
  const bool mit_C = b != TBauteile::RL;
  const bool mit_L = b != TBauteile::RC;
  Schaltung.Ug = 10;
  UpDown1->SetPosition(10);
  *R_bereich_.min = 1;
  *R_bereich_.max = 10000;
  *C_bereich_.min = 0.000001L;
  *C_bereich_.max = 0.001L;
  *L_bereich_.min = 0.001L;
  *L_bereich_.max = 1;
  if (b != TBauteile::CL) Schaltung.R = 50;
  if (mit_C) Schaltung.C = 0.00001L;
  if (mit_L) Schaltung.L = 0.01L;
  if (b == TBauteile::RC)
    werte_.f = Kehrwert_2pi(Schaltung.R, Schaltung.C);  // Xc = R
  else if (b == TBauteile::RL)
    werte_.f = Quotient_2pi(Schaltung.L, Schaltung.R);  // XL = R
  else
    werte_.f = Berechne_fr(Schaltung.L, Schaltung.C);
  if (!linear_f()) {
    Schaltung.f_min = 0.02L * werte_.f;
    Schaltung.f_max = 10 * werte_.f;
  }
  if (TrackBar1 != nullptr) Trackbar_aus_Wert(*TrackBar1, *R_bereich_.min, *R_bereich_.max, Schaltung.R);
  if (b == TBauteile::RL)
    Trackbar_aus_Wert(*TrackBar2, *L_bereich_.min, *L_bereich_.max, Schaltung.L);
  else
    Trackbar_aus_Wert(*TrackBar2, *C_bereich_.min, *C_bereich_.max, Schaltung.C);
  if (TrackBar3 != nullptr) Trackbar_aus_Wert(*TrackBar3, *L_bereich_.min, *L_bereich_.max, Schaltung.L);
  Berechne_alle_werte();
  if (linear_f())
    TrackBar4->SetPosition(TrackBar4->Max() + TrackBar4->Min() -
                           static_cast<int>(Trunc((10 * werte_.fres + 0.5L) * 0.1L)));
  else
    Trackbar_aus_Wert(*TrackBar4, Schaltung.f_min, Schaltung.f_max, werte_.f);
  Zeige_Art();
  Zeige_labels();
  H_ = Image2->height();
  Image2->Neu_zeichnen();
  if (const QScreen* s = screen()) move(s->availableGeometry().center() - rect().center());
}

TBauteile TExperimentDlg::Bauteile() const {
  if (!zwei_Bauteile()) return aufbau_.bauteile;
  return Variante == "RL" ? TBauteile::RL : TBauteile::RC;
}

void TExperimentDlg::Zeige_Art() {
  if (!zwei_Bauteile()) return;
  const bool RL = Bauteile() == TBauteile::RL;
  setWindowTitle(QString(aufbau_.parallel ? "Parallelschaltung: " : "Reihenschaltung: ") +
                 (RL ? "Widerstand und Spule" : "Widerstand und Kondensator"));
  TrackBar2Caption->setText(RL ? "L" : "C");
  XcCaption->setText(RL ? "XL =" : "Xc =");
  bild_RC_->setVisible(!RL);
  bild_RL_->setVisible(RL);
  UcLabel->setVisible(!RL);
  ULLabel->setVisible(RL);
}

void TExperimentDlg::Berechne_alle_werte() {
  werte_.U = Schaltung.Ug;
  werte_.R = Schaltung.R;
  werte_.C = Schaltung.C;
  werte_.L = Schaltung.L;
  if (aufbau_.parallel)
    Berechne_Parallelschaltung(werte_, Bauteile());
  else
    Berechne_Reihenschaltung(werte_, Bauteile());
}

void TExperimentDlg::Zeige_labels() {
  const TBauteile b = Bauteile();
  const TWerte& w = werte_;
  auto setze = [](QLabel* label, long double x, const char* einheit) {
    if (label != nullptr) label->setText(Formatiere_Wert(x) + einheit);
  };
  setze(UgLabel, w.U, " V");
  setze(Rlabel, w.R, " Ohm");
  CCaption->setText(b == TBauteile::RL ? "L =" : "C =");
  if (b == TBauteile::RL)
    setze(CLabel, w.L * 1000, " mH");
  else
    setze(CLabel, w.C * 1000000, " uF");
  setze(LLabel, w.L * 1000, " mH");
  setze(FLabel, w.f, " Hz");
  setze(FresLabel, w.fres, " Hz");
  setze(IEffLabel, w.I, " A");
  // Under the bars: the component voltages (series) or the branch currents (parallel).
  const char* einheit = aufbau_.parallel ? " A" : " V";
  setze(UrLabel, aufbau_.parallel ? w.Ir : w.Ur, einheit);
  if (b != TBauteile::RL) setze(UcLabel, aufbau_.parallel ? w.Ic : w.Uc, einheit);
  if (b != TBauteile::RC) setze(ULLabel, aufbau_.parallel ? w.IL : w.UL, einheit);
  setze(XcLabel, b == TBauteile::RL ? w.XL : w.Xc, " V/A");
  setze(XLLabel, w.XL, " V/A");
  setze(ZLabel, w.Z, " V/A");
}

void TExperimentDlg::Zeige_Spannungen(Canvas& canvas) {
  const auto balken = aufbau_.parallel ? Balken_Parallel(werte_, Bauteile()) : Balken_Reihe(werte_, Bauteile());
  for (const TBalken& b : balken) Zeige_Balken(canvas, H_, werte_.Max, b);
}

// Each slider handler stores its value, recomputes and relabels, and asks for a repaint of
// the bar chart; the chart is drawn when the picture is painted.
void TExperimentDlg::Neu_berechnen() {
  Berechne_alle_werte();
  Zeige_labels();
  Image2->Neu_zeichnen();
}

void TExperimentDlg::TrackBar1Change() {
  Schaltung.R = Wert_aus_Trackbar(*TrackBar1, *R_bereich_.min, *R_bereich_.max);
  Neu_berechnen();
}

void TExperimentDlg::TrackBar2Change() {
  if (Bauteile() == TBauteile::RL)
    Schaltung.L = Wert_aus_Trackbar(*TrackBar2, *L_bereich_.min, *L_bereich_.max);
  else
    Schaltung.C = Wert_aus_Trackbar(*TrackBar2, *C_bereich_.min, *C_bereich_.max);
  Neu_berechnen();
}

void TExperimentDlg::TrackBar3Change() {
  Schaltung.L = Wert_aus_Trackbar(*TrackBar3, *L_bereich_.min, *L_bereich_.max);
  Neu_berechnen();
}

void TExperimentDlg::TrackBar4Change() {
  if (linear_f())
    werte_.f = TrackBar4->Max() + TrackBar4->Min() - TrackBar4->Position();  // 1000 Hz at the top
  else
    werte_.f = Wert_aus_Trackbar(*TrackBar4, Schaltung.f_min, Schaltung.f_max);
  Neu_berechnen();
}

// Every bar is proportional to U: a new U changes the texts, not the chart.
void TExperimentDlg::UpDown1Click(platform::TUDBtnType button) {
  Schaltung.Ug = Schaltung.Ug + (button == platform::TUDBtnType::btNext ? 1 : -1);
  Berechne_alle_werte();
  Zeige_labels();
}

void TExperimentDlg::Button1Click() {
  TZeichenmodus modus;
  modus.*(Bauteile() == TBauteile::RL ? aufbau_.thema_RL : aufbau_.thema) = true;
  help::Oeffne_Rechenhilfe(this, help::Abschnitt_fuer_Modus(modus).value_or(QStringView()));
}

}  // namespace experiments
