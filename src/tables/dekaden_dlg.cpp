#include "tables/dekaden_dlg.h"

#include <QLabel>
#include <QPushButton>

#include "platform/bevel.h"
#include "platform/radiogroup.h"
#include "platform/safe_call.h"
#include "tables/tabelle_speichern.h"
#include "tables/tabellenwerte.h"
#include "toolkit/dialog_bausteine.h"
#include "toolkit/images.h"

namespace tables {

TDekadenDlg::TDekadenDlg(QWidget* parent, const QString& name, const QString& caption, int client_w, int client_h,
                         bool induktiv)
    : TTabellenDlg(parent, name, caption, client_w, client_h), induktiv_(induktiv) {
  client_w = width();
  const int unten = client_h - 37;
  Bevel1 = new platform::Bevel(this);
  Bevel1->setObjectName("Bevel1");
  Bevel1->setGeometry(8, 8, client_w - 16, unten - 8);
  const QStringList items =
      induktiv ? QStringList{"1 nH - 10 nH",  "10 nH - 100 nH", "100 nH - 1 uH",  "1uH - 10 uH", "10 uH - 100 uH",
                             "100 uH - 1 mH", "1 mH - 10 mH",   "10 mH - 100 mH", "100 mH - 1 H"}
               : QStringList{"1 pF - 10 pF",   "10 pF - 100 pF", "100 pF - 1 nF",  "1 nF - 10 nF",
                             "10 nF - 100 nF", "100 nF - 1uF",   "1uF - 10 uF",    "10 uF - 100 uF",
                             "100 uF - 1 mF",  "1 mF - 10 mF",   "10m F - 100 mF", "100 mF - 1 F"};
  RadioGroup1 = Neue_Radiogruppe("RadioGroup1", induktiv ? "Indktivität - Bereich:" : "Kapazität - Bereich", items,
                                 QRect(16, 16, 150, unten - 24), 1);
  Image1 = Neues_Bild(this, "Image1", induktiv ? Images().LImage : Images().CImage);
  Image1->setGeometry(176, 16, client_w - 192, 80);
  Button1 = Neuer_Knopf(this, "Button1", "speichern");
  Button1->setGeometry(16, unten + 6, 89, 25);
  CancelBtn = Neuer_Abbrechen_Knopf(this);
  CancelBtn->setGeometry(client_w - 105, unten + 6, 89, 25);
  RadioGroup1->OnClick = [this] { RadioGroup1Click(); };
  platform::safe_connect(Button1, &QPushButton::clicked, this, [this](bool) { Button1Click(); });
}

void TDekadenDlg::FormShow() {
  Zentriere();
  RadioGroup1->SetItemIndex(induktiv_ ? 5 : 6);
  Button1->setEnabled(false);
  OKBtnClick();
}

void TDekadenDlg::RadioGroup1Click() { OKBtnClick(); }

void TDekadenDlg::OKBtnClick() {
  const int item = RadioGroup1->ItemIndex();
  if (induktiv_) {
    Induktivitaetsdekade = Induktivitaet_Bereich(item);
    Zeige_Blatt(&TZeichenmodus::Tabelle_Induktivitaeten);
  } else {
    Kapazitaetsdekade = Kapazitaet_Bereich(item);
    Zeige_Blatt(&TZeichenmodus::Tabelle_Kapazitaeten);
  }
  Button1->setEnabled(true);
}

void TDekadenDlg::Button1Click() {
  Speichere_Tabelle(Dateizeilen_Reaktanz(induktiv_ ? Induktivitaetsdekade : Kapazitaetsdekade, induktiv_));
}

TBerechne_Tabelle_KondDLG::TBerechne_Tabelle_KondDLG(QWidget* parent)
    : TDekadenDlg(parent, "Berechne_Tabelle_KondDLG", "Tabelle: Kapazitiver Widerstand:", 286, 333, false) {}

TBerechne_Tabelle_SpuleDLG::TBerechne_Tabelle_SpuleDLG(QWidget* parent)
    : TDekadenDlg(parent, "Berechne_Tabelle_SpuleDLG", "Tabelle: Induktiver Widerstand", 279, 341, true) {}

}  // namespace tables
