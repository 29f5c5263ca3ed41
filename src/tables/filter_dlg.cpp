#include "tables/filter_dlg.h"

#include <QLabel>
#include <QPushButton>

#include "platform/radiogroup.h"
#include "platform/safe_call.h"
#include "platform/trackbar.h"
#include "tables/tabelle_speichern.h"
#include "toolkit/dialog_bausteine.h"
#include "toolkit/filter_frequencies.h"
#include "toolkit/formulas.h"
#include "toolkit/hauptfenster.h"
#include "toolkit/images.h"
#include "toolkit/number_text.h"
#include "toolkit/schaltung.h"

namespace tables {

namespace {

void Neu_zeichnen() {
  if (THauptfenster* main = Hauptfenster()) main->Invalidate();
}

}  // namespace

// ---- R and C ----

TFilterDlg::TFilterDlg(QWidget* parent, const QString& name, const QString& caption, int client_w, int client_h)
    : TTabellenDlg(parent, name, caption, client_w, client_h) {
  Speichern = Neuer_Knopf(this, "OKBtn", "speichern");
  CancelBtn = Neuer_Abbrechen_Knopf(this);
  RadioGroup1 = Neue_Radiogruppe("RadioGroup1", "Widerstandsbereich:", Widerstandsbereiche, QRect(), 3);
  RadioGroup2 = Neue_Radiogruppe("RadioGroup2", "Kapazitätsbereich:", Kapazitaetsbereiche, QRect(), 2);
  RadioGroup1->OnClick = [this] { RadioGroup1Click(); };
  RadioGroup2->OnClick = [this] { RadioGroup2Click(); };
}

void TFilterDlg::RadioGroup1Click() {
  Setze_Widerstandsbereich(TrackBar1, RadioGroup1->ItemIndex());
  TrackBar1Change();
}

void TFilterDlg::RadioGroup2Click() {
  Setze_Kapazitaets_Induktivitaetsbereich(TrackBar2);
  TrackBar2Change();
}

void TFilterDlg::TrackBar1Change() {
  Schaltung.R = Schieberwert(TrackBar1);
  Gib_labels_aus();
  Neu_zeichnen();
}

void TFilterDlg::TrackBar2Change() {
  Schaltung.C = Schieberwert(TrackBar2) * Kapazitaetsschritt(RadioGroup2->ItemIndex());
  Gib_labels_aus();
  Neu_zeichnen();
}

void TFilterDlg::Gib_R_C_aus() {
  // While the dialog opens, a range not chosen yet leaves its label as it is.
  if (RadioGroup1->ItemIndex() >= 0) RLabel->setText(R_Text(Schaltung.R, RadioGroup1->ItemIndex()));
  if (RadioGroup2->ItemIndex() >= 0) CLabel->setText(C_Text(Schaltung.C, RadioGroup2->ItemIndex()));
}

void TFilterDlg::Speichere(Filter filter) { Speichere_Tabelle(Dateizeilen_Frequenz(filter)); }

// ---- Filter chain and trap circuit ----

TSchwingkreistabelleDlg::TSchwingkreistabelleDlg(QWidget* parent, const QString& name, Filter filter)
    : TFilterDlg(parent, name, filter == Filter::Siebkette ? "Tabelle: Siebkette" : "Tabelle: Sperrkreis", 302, 470),
      filter_(filter) {
  Label1 = Neues_Label("Label1",
                       filter == Filter::Siebkette ? "Reihenschaltung: Widerstand, Kondensator, Spule:"
                                                   : "Parallelschaltung: Widerstand, Kondensator, Spule:",
                       16, 16);
  TrackBar1 = Neue_Trackbar("TrackBar1", 16, 40, 45, 241);
  TrackBar2 = Neue_Trackbar("TrackBar2", 72, 40, 45, 241);
  TrackBar3 = Neue_Trackbar("TrackBar3", 128, 40, 45, 241);
  Neues_Label("Label2", "R", 34, 286);
  Neues_Label("Label3", "C", 90, 286);
  Neues_Label("Label4", "L", 146, 286);
  const char* namen[] = {"R =", "C =", "L =", "fr ="};
  QLabel** werte[] = {&RLabel, &CLabel, &LLabel, &FLabel};
  const char* wertnamen[] = {"RLabel", "CLabel", "LLabel", "FLabel"};
  for (int i = 0; i < 4; ++i) {
    Neues_Label(QString("Label%1").arg(5 + i), namen[i], 186, 64 + 24 * i);
    *werte[i] = Neues_Label(wertnamen[i], QString(), 216, 64 + 24 * i, 302 - 216 - 4);
  }
  Speichern->setGeometry(200, 190, 89, 25);
  CancelBtn->setGeometry(200, 226, 89, 25);
  RadioGroup1->setGeometry(16, 312, 270, 41);
  RadioGroup2->setGeometry(16, 360, 270, 57);
  RadioGroup3 =
      Neue_Radiogruppe("RadioGroup3", "Induktivitätsbereich:", Induktivitaetsbereiche, QRect(16, 424, 270, 41), 2);
  RadioGroup3->OnClick = [this] { RadioGroup3Click(); };
  TrackBar1->OnChange = [this] { TrackBar1Change(); };
  TrackBar2->OnChange = [this] { TrackBar2Change(); };
  TrackBar3->OnChange = [this] { TrackBar3Change(); };
}

void TSchwingkreistabelleDlg::FormShow() {
  Zentriere();
  Schaltung.Ug = 10;
  // R, C and L start at the bottom of their ranges before the first label update, which
  // computes fr: on a fresh start C and L would still be 0 there.
  Schaltung.R = 1;
  Schaltung.C = 1e-6L;
  Schaltung.L = 1e-3L;
  RadioGroup1->SetItemIndex(1);
  RadioGroup2->SetItemIndex(2);
  RadioGroup3->SetItemIndex(1);
  Gib_labels_aus();
  Zeige_Blatt(filter_ == Filter::Siebkette ? &TZeichenmodus::Tabelle_Siebkette : &TZeichenmodus::Tabelle_Sperrkreis);
}

void TSchwingkreistabelleDlg::RadioGroup3Click() {
  Setze_Kapazitaets_Induktivitaetsbereich(TrackBar3);
  TrackBar3Change();
}

void TSchwingkreistabelleDlg::TrackBar3Change() {
  Schaltung.L = Schieberwert(TrackBar3) * Induktivitaetsschritt(RadioGroup3->ItemIndex());
  Gib_labels_aus();
  Neu_zeichnen();
}

void TSchwingkreistabelleDlg::Gib_labels_aus() {
  Gib_R_C_aus();
  if (RadioGroup3->ItemIndex() >= 0) LLabel->setText(L_Text(Schaltung.L, RadioGroup3->ItemIndex()));
  Schaltung.fr = Berechne_fr(Schaltung.L, Schaltung.C);
  FLabel->setText(Formatiere_Wert(Schaltung.fr) + " Hz");
}

TBerechne_Tabelle_SiebketteDLG::TBerechne_Tabelle_SiebketteDLG(QWidget* parent)
    : TSchwingkreistabelleDlg(parent, "Berechne_Tabelle_SiebketteDLG", Filter::Siebkette), OKBtn(Speichern) {
  platform::safe_connect(OKBtn, &QPushButton::clicked, this, [this](bool) { OKBtnClick(); });
}

void TBerechne_Tabelle_SiebketteDLG::OKBtnClick() { Speichere(Filter::Siebkette); }

TBerechne_Tabelle_SperrkreisDLG::TBerechne_Tabelle_SperrkreisDLG(QWidget* parent)
    : TSchwingkreistabelleDlg(parent, "Berechne_Tabelle_SperrkreisDLG", Filter::Sperrkreis), Button1(Speichern) {
  Button1->setObjectName("Button1");
  platform::safe_connect(Button1, &QPushButton::clicked, this, [this](bool) { Button1Click(); });
}

void TBerechne_Tabelle_SperrkreisDLG::Button1Click() { Speichere(Filter::Sperrkreis); }

// ---- High and low pass ----

TBerechne_Tabelle_HochpassDLG::TBerechne_Tabelle_HochpassDLG(QWidget* parent)
    : TFilterDlg(parent, "Berechne_Tabelle_HochpassDLG", "Tabelle: Hochpass aus R und C", 303, 453), OKBtn(Speichern) {
  TrackBar1 = Neue_Trackbar("TrackBar1", 16, 16, 45, 297);
  TrackBar2 = Neue_Trackbar("TrackBar2", 64, 16, 45, 297);
  for (platform::TrackBar* bar : {TrackBar1, TrackBar2}) {
    bar->SetMin(1);
    bar->SetMax(1000);
  }
  Neues_Label("Label1", "R", 34, 318);
  Neues_Label("Label2", "C", 82, 318);
  Image1 = Neues_Bild(this, "Image1", Images().Hochpass_image);
  Image1->setGeometry(120, 16, 100, 64);
  Image2 = Neues_Bild(this, "Image2", Images().Tiefpass_Image);
  Image2->setGeometry(120, 16, 100, 64);
  const char* namen[] = {"R =", "C =", "f3dB   =", "f6dB   =", "f12db =", "f24dB ="};
  QLabel** werte[] = {&RLabel, &CLabel, &f3Label, &F6Label, &F12Label, &F24Label};
  const char* wertnamen[] = {"RLabel", "CLabel", "f3Label", "F6Label", "F12Label", "F24Label"};
  for (int i = 0; i < 6; ++i) {
    const int y = 96 + 22 * i + (i >= 2 ? 12 : 0);
    Neues_Label(QString("Label%1").arg(3 + i), namen[i], 120, y);
    *werte[i] = Neues_Label(wertnamen[i], QString(), 172, y, 303 - 172 - 4);
  }
  OKBtn->setGeometry(120, 288, 80, 25);
  CancelBtn->setGeometry(208, 288, 80, 25);
  RadioGroup1->setGeometry(16, 344, 271, 41);
  RadioGroup2->setGeometry(16, 392, 271, 57);
  TrackBar1->OnChange = [this] { TrackBar1Change(); };
  TrackBar2->OnChange = [this] { TrackBar2Change(); };
  platform::safe_connect(OKBtn, &QPushButton::clicked, this, [this](bool) { OKBtnClick(); });
}

void TBerechne_Tabelle_HochpassDLG::FormShow() {
  Platziere_unten_rechts(*this);
  Schaltung.Ug = 10;
  Schaltung.C = 1e-6L;
  Schaltung.R = 1;
  setWindowTitle(Tiefpass() ? "Tabelle: Tiefpass aus R und C" : "Tabelle: Hochpass aus R und C");
  Zeige_Blatt(Tiefpass() ? &TZeichenmodus::Tabelle_Tiefpass : &TZeichenmodus::Tabelle_Hochpass);
  Image1->setVisible(!Tiefpass());
  Image2->setVisible(Tiefpass());
  RadioGroup1->SetItemIndex(1);
  RadioGroup2->SetItemIndex(2);
  Gib_labels_aus();
  Neu_zeichnen();
}

void TBerechne_Tabelle_HochpassDLG::Gib_labels_aus() {
  Gib_R_C_aus();
  QLabel* labels[] = {f3Label, F6Label, F12Label, F24Label};
  for (std::size_t i = 0; i < Daempfungsstufen_dB.size(); ++i) {
    const long double a = Daempfungsstufen_dB[i];
    const long double f =
        Tiefpass() ? Frequenz_Tiefpass(Schaltung.R, Schaltung.C, a) : Frequenz_Hochpass(Schaltung.R, Schaltung.C, a);
    labels[i]->setText(Formatiere_Wert(f) + "Hz");
  }
}

void TBerechne_Tabelle_HochpassDLG::OKBtnClick() { Speichere(Tiefpass() ? Filter::Tiefpass : Filter::Hochpass); }

}  // namespace tables
