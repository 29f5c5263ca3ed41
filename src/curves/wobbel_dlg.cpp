#include "curves/wobbel_dlg.h"

#include <QLabel>

#include "toolkit/number_text.h"
#include "toolkit/schaltung.h"
#include "toolkit/slider_mapping.h"

namespace {

constexpr int kSchritte = 1000;  // positions of the logarithmic C and L bars

// Fixed bounds of the logarithmic bars.
constexpr long double kC_min = 1e-9L, kL_min = 1e-6L, kL_max = 0.01L, kR_min = 1;
constexpr long double kWobbel_C_max = 1e-4L, kWobbel_R_max = 100;
constexpr long double kFilter_C_max = 0.001L, kFilter_R_max = 1000;

QString Volt(long double U) { return Formatiere_Festkomma(U) + " V"; }
QString Mikrofarad(long double C) { return Formatiere_Festkomma(C * 1e6L) + " uF"; }
QString Millihenry(long double L) { return Formatiere_Festkomma(L * 1000) + " mH"; }
QString Ohm(long double R) { return Formatiere_Festkomma(R) + " Ohm"; }
QString Hertz(int f) { return QString::number(f) + " Hz"; }

bool Schritt_oder_Loslassen(platform::TScrollCode code) {
  using platform::TScrollCode;
  return code == TScrollCode::scLineUp || code == TScrollCode::scLineDown || code == TScrollCode::scPosition;
}

}  // namespace

// ---- Filter chain and trap circuit ----

TWobbelsiebketteDlg::TWobbelsiebketteDlg(QWidget* parent)
    : TKurvenDlg(parent, "WobbelsiebketteDlg", "Wobbelgenerator:", 338, 103) {
  Label1 = Neues_Namenslabel("Label1", "U", 8, 5);
  Label2 = Neues_Namenslabel("Label2", "C", 8, 21);
  Label3 = Neues_Namenslabel("Label3", "L", 8, 37);
  Label4 = Neues_Namenslabel("Label4", "R", 8, 53);
  // The two longer names in the dialog font: "Startfrequenz" in Arial 10 would run under its bar.
  Label9 = Neues_Wertlabel("Label9", 8, 70, 72);
  Label9->setText("Startfrequenz");
  Label12 = Neues_Wertlabel("Label12", 8, 86, 72);
  Label12->setText("Zoom");
  ScrollBar1 = Neuer_Schieber("ScrollBar1", 24, 8, 233, 1, 100);
  ScrollBar2 = Neuer_Schieber("ScrollBar2", 24, 24, 233, 0, kSchritte);
  ScrollBar3 = Neuer_Schieber("ScrollBar3", 24, 40, 233, 0, kSchritte);
  ScrollBar4 = Neuer_Schieber("ScrollBar4", 24, 56, 233, 0, 100);
  ScrollBar5 = Neuer_Schieber("ScrollBar5", 80, 72, 177, 100, 10000);
  ScrollBar6 = Neuer_Schieber("ScrollBar6", 80, 88, 177, 1, 200);
  const int w = 338 - 264;
  Label5 = Neues_Wertlabel("Label5", 264, 6, w);
  Label6 = Neues_Wertlabel("Label6", 264, 22, w);
  Label7 = Neues_Wertlabel("Label7", 264, 38, w);
  Label8 = Neues_Wertlabel("Label8", 264, 54, w);
  Label10 = Neues_Wertlabel("Label10", 264, 70, w);
  Label11 = Neues_Wertlabel("Label11", 264, 86, w);
  ScrollBar1->OnScroll = [this](platform::TScrollCode code, int& position) { ScrollBar1Scroll(code, position); };
  ScrollBar2->OnChange = [this] { ScrollBar2Change(); };
  ScrollBar3->OnChange = [this] { ScrollBar3Change(); };
  ScrollBar4->OnChange = [this] { ScrollBar4Change(); };
  ScrollBar5->OnScroll = [this](platform::TScrollCode code, int& position) { ScrollBar5Scroll(code, position); };
  ScrollBar6->OnScroll = [this](platform::TScrollCode code, int& position) { ScrollBar6Scroll(code, position); };
}

void TWobbelsiebketteDlg::FormShow() {
  Platziere_unten_rechts();
  ScrollBar1->SetPosition(static_cast<int>(Trunc(Schaltung.Ueff + 0.5L)));
  Schieber_aus_Wert(*ScrollBar2, kC_min, kWobbel_C_max, Schaltung.C);
  Schieber_aus_Wert(*ScrollBar3, kL_min, kL_max, Schaltung.L);
  Schieber_aus_Wert(*ScrollBar4, kR_min, kWobbel_R_max, Schaltung.R);
  ScrollBar5->SetPosition(Schaltung.fs);
  // Rounded: zoom = position * 0.2 is stored a hair below the step for a third of the
  // positions, and truncating would show the bar one step short of the zoom it set.
  ScrollBar6->SetPosition(static_cast<int>(Trunc(Schaltung.Zoom * 5 + 0.5L)));
  Label5->setText(Volt(Schaltung.Ueff));
  Label6->setText(Mikrofarad(Schaltung.C));
  Label7->setText(Millihenry(Schaltung.L));
  Label8->setText(Ohm(Schaltung.R));
  Label10->setText(Hertz(Schaltung.fs));
  Label11->setText(Formatiere_Festkomma(Schaltung.Zoom));
}

void TWobbelsiebketteDlg::FormClick() { reject(); }

void TWobbelsiebketteDlg::ScrollBar1Scroll(platform::TScrollCode, int& position) {
  Schaltung.Ueff = Int(position);
  Label5->setText(Volt(Schaltung.Ueff));
  Hauptfenster_neu_zeichnen();
}

void TWobbelsiebketteDlg::ScrollBar2Change() {
  Schaltung.C = Wert_aus_Schieber(*ScrollBar2, kC_min, kWobbel_C_max);
  Label6->setText(Mikrofarad(Schaltung.C));
  Hauptfenster_neu_zeichnen();
}

void TWobbelsiebketteDlg::ScrollBar3Change() {
  Schaltung.L = Wert_aus_Schieber(*ScrollBar3, kL_min, kL_max);
  Label7->setText(Millihenry(Schaltung.L));
  Hauptfenster_neu_zeichnen();
}

void TWobbelsiebketteDlg::ScrollBar4Change() {
  Schaltung.R = Wert_aus_Schieber(*ScrollBar4, kR_min, kWobbel_R_max);
  Label8->setText(Ohm(Schaltung.R));
  Hauptfenster_neu_zeichnen();
}

void TWobbelsiebketteDlg::ScrollBar5Scroll(platform::TScrollCode, int& position) {
  Schaltung.fs = position;
  Label10->setText(Hertz(Schaltung.fs));
  Hauptfenster_neu_zeichnen();
}

void TWobbelsiebketteDlg::ScrollBar6Scroll(platform::TScrollCode code, int& position) {
  if (code == platform::TScrollCode::scTrack) {
    Label11->setText(Formatiere_Festkomma(position * 0.2L));
  } else if (Schritt_oder_Loslassen(code)) {
    Schaltung.Zoom = position * 0.2L;
    Label11->setText(Formatiere_Festkomma(Schaltung.Zoom));
    Hauptfenster_neu_zeichnen();
  }
}

// ---- High and low pass ----

THoch_TiefpassDlg::THoch_TiefpassDlg(QWidget* parent)
    : TKurvenDlg(parent, "Hoch_TiefpassDlg", "Wobbelgenerator: Hoch-Teifpass", 347, 40) {
  Label1 = Neues_Namenslabel("Label1", "R", 8, 5);
  Label2 = Neues_Namenslabel("Label2", "C", 8, 21);
  ScrollBar1 = Neuer_Schieber("ScrollBar1", 24, 8, 241, 0, 100);
  ScrollBar2 = Neuer_Schieber("ScrollBar2", 24, 24, 241, 0, kSchritte);
  Label3 = Neues_Wertlabel("Label3", 272, 6, 347 - 272);
  Label4 = Neues_Wertlabel("Label4", 272, 22, 347 - 272);
  ScrollBar1->OnChange = [this] { ScrollBar1Change(); };
  ScrollBar2->OnChange = [this] { ScrollBar2Change(); };
  for (platform::ScrollBar* bar : {ScrollBar1, ScrollBar2})
    bar->OnScroll = [this](platform::TScrollCode code, int& position) { ScrollBar1Scroll(code, position); };
}

void THoch_TiefpassDlg::FormShow() {
  Platziere_unten_rechts();
  Schieber_aus_Wert(*ScrollBar1, kR_min, kFilter_R_max, Schaltung.R);
  Schieber_aus_Wert(*ScrollBar2, kC_min, kFilter_C_max, Schaltung.C);
  Label3->setText(Ohm(Schaltung.R));
  Label4->setText(Mikrofarad(Schaltung.C));
  // The bars snap R and C to their grid; the drawing follows, so it shows the labels' values.
  Hauptfenster_neu_zeichnen();
}

void THoch_TiefpassDlg::FormClick() { accept(); }

void THoch_TiefpassDlg::ScrollBar1Change() {
  Schaltung.R = Wert_aus_Schieber(*ScrollBar1, kR_min, kFilter_R_max);
  Label3->setText(Ohm(Schaltung.R));
}

void THoch_TiefpassDlg::ScrollBar2Change() {
  Schaltung.C = Wert_aus_Schieber(*ScrollBar2, kC_min, kFilter_C_max);
  Label4->setText(Mikrofarad(Schaltung.C));
}

void THoch_TiefpassDlg::ScrollBar1Scroll(platform::TScrollCode code, int&) {
  using platform::TScrollCode;
  // Page clicks change the value too (OnChange), so they redraw as well: the drawing never
  // shows other values than the labels once the bar rests.
  if (Schritt_oder_Loslassen(code) || code == TScrollCode::scPageUp || code == TScrollCode::scPageDown)
    Hauptfenster_neu_zeichnen();
}
