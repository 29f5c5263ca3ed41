#include "curves/schaltvorgang_dlg.h"

#include <QLabel>

#include "curves/schaltvorgaenge.h"
#include "toolkit/number_text.h"
#include "toolkit/schaltung.h"
#include "toolkit/slider_mapping.h"
#include "toolkit/zeichenmodus.h"

namespace {

constexpr int kSchritte = 1000;

QString Ohm(long double R) { return Formatiere_Festkomma(R) + " Ohm"; }
QString Mikrofarad(long double C) { return Formatiere_Festkomma(C * 1e6L) + " uF"; }
QString Millihenry(long double L) { return Formatiere_Festkomma(L * 1000) + " mH"; }

long double Tau_RC() { return Schaltung.R * Schaltung.C; }
long double Tau_RL() { return Schaltung.L / Schaltung.R; }

}  // namespace

TSchaltvorgangDlg::TSchaltvorgangDlg(QWidget* parent, const QString& name, const QString& caption, int client_w,
                                     int client_h, const QString& bauteil, const TArt& art)
    : TKurvenDlg(parent, name, caption, client_w, client_h), art_(art) {
  Label1 = Neues_Namenslabel("Label1", "R", 8, 5);
  Label3 = Neues_Namenslabel("Label3", bauteil, 8, 21);
  ScrollBar1 = Neuer_Schieber("ScrollBar1", 24, 8, 257, 0, kSchritte);
  ScrollBar2 = Neuer_Schieber("ScrollBar2", 24, 24, 257, 0, kSchritte);
  Label2 = Neues_Wertlabel("Label2", 288, 6, client_w - 288);
  Label4 = Neues_Wertlabel("Label4", 288, 22, client_w - 288);
  RadioGroup1 = new platform::RadioGroup(this);
  RadioGroup1->setObjectName("RadioGroup1");
  RadioGroup1->SetCaption("Zeitachse");
  RadioGroup1->SetItems({"konstant (immer 5*Tau)", "variable"});
  RadioGroup1->setGeometry(24, 40, 185, 57);
  ScrollBar1->OnChange = [this] { ScrollBar1Change(); };
  ScrollBar2->OnChange = [this] { ScrollBar2Change(); };
  RadioGroup1->OnClick = [this] { RadioGroup1Click(); };
}

void TSchaltvorgangDlg::FormShow() {
  Platziere_unten_rechts();
  ScrollBar1->SetPosition(Schieber_Position(kSchritte, art_.R_min, art_.R_max, Schaltung.R));
  ScrollBar2->SetPosition(Schieber_Position(kSchritte, art_.min, art_.max, *art_.Bauteil));
  Label2->setText(Ohm(Schaltung.R));
  Label4->setText(art_.Text(*art_.Bauteil));
  // Showing the axis choice must not fix the axis anew.
  zeigt_an_ = true;
  RadioGroup1->SetItemIndex(*art_.konstante_Achse ? 0 : 1);
  zeigt_an_ = false;
}

void TSchaltvorgangDlg::FormClick() { accept(); }

void TSchaltvorgangDlg::ScrollBar1Change() {
  Schaltung.R = Wert_aus_Schieber(ScrollBar1->Position(), kSchritte, art_.R_min, art_.R_max);
  Label2->setText(Ohm(Schaltung.R));
  Hauptfenster_neu_zeichnen();
}

void TSchaltvorgangDlg::ScrollBar2Change() {
  *art_.Bauteil = Wert_aus_Schieber(ScrollBar2->Position(), kSchritte, art_.min, art_.max);
  Label4->setText(art_.Text(*art_.Bauteil));
  Hauptfenster_neu_zeichnen();
}

void TSchaltvorgangDlg::RadioGroup1Click() {
  if (zeigt_an_) return;
  *art_.konstante_Achse = RadioGroup1->ItemIndex() == 0;
  *art_.Tau_Achse = art_.Tau();
  Hauptfenster_neu_zeichnen();
}

TAuf_entlade_KondDlg::TAuf_entlade_KondDlg(QWidget* parent)
    : TSchaltvorgangDlg(parent, "Auf_entlade_KondDlg", "Auf-und Entladevorgang beim Kondensator", 371, 101, "C",
                        {10, 10000, &Schaltung.C, 1e-9L, 1e-4L, Mikrofarad, &Zeichenmodus.Konstante_Achse_RC,
                         &Tau_Achse_RC, Tau_RC}) {}

TEin_aus_SpuleDLG::TEin_aus_SpuleDLG(QWidget* parent)
    : TSchaltvorgangDlg(
          parent, "Ein_aus_SpuleDLG", "Ein-Ausschaltvorgang bei der Spule:", 361, 102, "L",
          {1, 1000, &Schaltung.L, 1e-4L, 1, Millihenry, &Zeichenmodus.Konstante_Achse_RL, &Tau_Achse_RL, Tau_RL}) {}
