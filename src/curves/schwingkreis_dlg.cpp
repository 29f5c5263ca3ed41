#include "curves/schwingkreis_dlg.h"

#include <QLabel>

#include "toolkit/hauptfenster.h"
#include "toolkit/number_text.h"
#include "toolkit/schaltung.h"
#include "toolkit/slider_mapping.h"

namespace {

constexpr int kSchritte = 1000;  // positions of the logarithmic bars

QString Volt(long double U) { return Formatiere_Festkomma(U) + " V"; }
QString Mikrofarad(long double C) { return Formatiere_Festkomma(C * 1e6L) + " uF"; }
QString Millihenry(long double L) { return Formatiere_Festkomma(L * 1000) + " mH"; }
QString Ohm(long double R) { return Formatiere_Festkomma(R) + " Ohm"; }

// The position of a logarithmic bar that shows x.
void Setze_logarithmisch(platform::ScrollBar* bar, long double min, long double max, long double x) {
  bar->SetPosition(Schieber_Position(bar->Max(), min, max, x));
}

long double Wert_aus(const platform::ScrollBar* bar, long double min, long double max) {
  return Wert_aus_Schieber(bar->Position(), bar->Max(), min, max);
}

}  // namespace

// ---- Series and parallel resonant circuit ----

TResonanzDlg::TResonanzDlg(QWidget* parent, const QString& name, const QString& caption, int client_w, int client_h)
    : TKurvenDlg(parent, name, caption, client_w, client_h) {
  Label1 = Neues_Namenslabel("Label1", "U", 8, 5);
  Label2 = Neues_Namenslabel("Label2", "C", 8, 21);
  Label3 = Neues_Namenslabel("Label3", "L", 8, 37);
  Label4 = Neues_Namenslabel("Label4", "R", 8, 53);
  ScrollBar1 = Neuer_Schieber("ScrollBar1", 24, 8, 233, 1, 100);
  ScrollBar2 = Neuer_Schieber("ScrollBar2", 24, 24, 233, 0, kSchritte);
  ScrollBar3 = Neuer_Schieber("ScrollBar3", 24, 40, 233, 0, kSchritte);
  ScrollBar4 = Neuer_Schieber("ScrollBar4", 24, 56, 233, 0, kSchritte);
  Label5 = Neues_Wertlabel("Label5", 264, 6, client_w - 264);
  Label6 = Neues_Wertlabel("Label6", 264, 22, client_w - 264);
  Label7 = Neues_Wertlabel("Label7", 264, 38, client_w - 264);
  Label8 = Neues_Wertlabel("Label8", 264, 54, client_w - 264);
  ScrollBar1->OnScroll = [this](platform::TScrollCode code, int& position) { ScrollBar1Scroll(code, position); };
  ScrollBar2->OnChange = [this] { ScrollBar2Change(); };
  ScrollBar3->OnChange = [this] { ScrollBar3Change(); };
  ScrollBar4->OnChange = [this] { ScrollBar4Change(); };
}

void TResonanzDlg::FormShow() {
  Platziere_unten_rechts();
  ScrollBar1->SetPosition(static_cast<int>(Trunc(Schaltung.Ueff + 0.5L)));
  Setze_logarithmisch(ScrollBar2, Schaltung.C_min, Schaltung.C_max, Schaltung.C);
  Setze_logarithmisch(ScrollBar3, Schaltung.L_min, Schaltung.L_max, Schaltung.L);
  Setze_logarithmisch(ScrollBar4, Schaltung.R_min, Schaltung.R_max, Schaltung.R);
  Label5->setText(Volt(Schaltung.Ueff));
  Label6->setText(Mikrofarad(Schaltung.C));
  Label7->setText(Millihenry(Schaltung.L));
  Label8->setText(Ohm(Schaltung.R));
}

void TResonanzDlg::FormClick() { reject(); }

void TResonanzDlg::ScrollBar1Scroll(platform::TScrollCode code, int& position) {
  using platform::TScrollCode;
  switch (code) {
    case TScrollCode::scTrack:
      Label5->setText(Volt(position));
      break;
    case TScrollCode::scLineUp:
    case TScrollCode::scLineDown:
    case TScrollCode::scPosition:
      Schaltung.Ueff = Int(position);
      Label5->setText(Volt(Schaltung.Ueff));
      Hauptfenster_neu_zeichnen();
      break;
    default:
      break;
  }
}

void TResonanzDlg::ScrollBar2Change() {
  Schaltung.C = Wert_aus(ScrollBar2, Schaltung.C_min, Schaltung.C_max);
  Label6->setText(Mikrofarad(Schaltung.C));
  Hauptfenster_neu_zeichnen();
}

void TResonanzDlg::ScrollBar3Change() {
  Schaltung.L = Wert_aus(ScrollBar3, Schaltung.L_min, Schaltung.L_max);
  Label7->setText(Millihenry(Schaltung.L));
  Hauptfenster_neu_zeichnen();
}

void TResonanzDlg::ScrollBar4Change() {
  Schaltung.R = Wert_aus(ScrollBar4, Schaltung.R_min, Schaltung.R_max);
  Label8->setText(Ohm(Schaltung.R));
  Hauptfenster_neu_zeichnen();
}

TSerienschwinkreisDlg::TSerienschwinkreisDlg(QWidget* parent)
    : TResonanzDlg(parent, "SerienschwinkreisDlg", "Serienschwingkreis", 334, 72) {}

TSperrschwingkreisDlg::TSperrschwingkreisDlg(QWidget* parent)
    : TResonanzDlg(parent, "SperrschwingkreisDlg", "Sperrschwingkreis:", 337, 71) {}

// ---- LC oscillating circuit ----

TLCSchwingkreisDlg::TLCSchwingkreisDlg(QWidget* parent)
    : TKurvenDlg(parent, "LCSchwingkreisDlg", "L-C - Schwingkreis:", 338, 70) {
  Label1 = Neues_Namenslabel("Label1", "U", 8, 5);
  Label2 = Neues_Namenslabel("Label2", "C", 8, 21);
  Label3 = Neues_Namenslabel("Label3", "L", 8, 37);
  Label4 = Neues_Namenslabel("Label4", "R", 8, 53);
  ScrollBar1 = Neuer_Schieber("ScrollBar1", 24, 8, 233, 1, 200);
  ScrollBar2 = Neuer_Schieber("ScrollBar2", 24, 24, 233, 0, kSchritte);
  ScrollBar3 = Neuer_Schieber("ScrollBar3", 24, 40, 233, 0, kSchritte);
  ScrollBar4 = Neuer_Schieber("ScrollBar4", 24, 56, 233, 1, 2000);
  Label5 = Neues_Wertlabel("Label5", 264, 6, 338 - 264);
  Label6 = Neues_Wertlabel("Label6", 264, 22, 338 - 264);
  Label7 = Neues_Wertlabel("Label7", 264, 38, 338 - 264);
  Label8 = Neues_Wertlabel("Label8", 264, 54, 338 - 264);
  ScrollBar1->OnChange = [this] { ScrollBar1Change(); };
  ScrollBar2->OnChange = [this] { ScrollBar2Change(); };
  ScrollBar3->OnChange = [this] { ScrollBar3Change(); };
  ScrollBar4->OnChange = [this] { ScrollBar4Change(); };
}

// Below the panel on the right half of the main window.
void TLCSchwingkreisDlg::FormShow() {
  if (THauptfenster* main = Hauptfenster())
    Platziere_im_Hauptfenster(main->ClientWidth() / 2 + 5, main->ClientHeight() / 2 + 150);
  ScrollBar1->SetPosition(static_cast<int>(Trunc(2 * Schaltung.Ug + 0.5L)));
  ScrollBar4->SetPosition(static_cast<int>(Trunc(2 * Schaltung.R + 0.5L)));
  Setze_logarithmisch(ScrollBar2, Schaltung.C_min, Schaltung.C_max, Schaltung.C);
  Setze_logarithmisch(ScrollBar3, Schaltung.L_min, Schaltung.L_max, Schaltung.L);
  Label5->setText(Volt(Schaltung.Ug));
  Label6->setText(Mikrofarad(Schaltung.C));
  Label7->setText(Millihenry(Schaltung.L));
  Label8->setText(Ohm(Schaltung.R));
}

void TLCSchwingkreisDlg::FormClick() { reject(); }

void TLCSchwingkreisDlg::ScrollBar1Change() {
  Schaltung.Ug = ScrollBar1->Position() * 0.5L;
  Label5->setText(Volt(Schaltung.Ug));
  Hauptfenster_neu_zeichnen();
}

void TLCSchwingkreisDlg::ScrollBar2Change() {
  Schaltung.C = Wert_aus(ScrollBar2, Schaltung.C_min, Schaltung.C_max);
  Label6->setText(Mikrofarad(Schaltung.C));
  Hauptfenster_neu_zeichnen();
}

void TLCSchwingkreisDlg::ScrollBar3Change() {
  Schaltung.L = Wert_aus(ScrollBar3, Schaltung.L_min, Schaltung.L_max);
  Label7->setText(Millihenry(Schaltung.L));
  Hauptfenster_neu_zeichnen();
}

void TLCSchwingkreisDlg::ScrollBar4Change() {
  Schaltung.R = ScrollBar4->Position() * 0.5L;
  Label8->setText(Ohm(Schaltung.R));
  Hauptfenster_neu_zeichnen();
}
