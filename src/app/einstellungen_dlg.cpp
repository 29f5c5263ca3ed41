#include "app/einstellungen_dlg.h"

#include <QCheckBox>
#include <QDir>
#include <QPushButton>
#include <QScreen>
#include <cstdio>

#include "platform/bevel.h"
#include "platform/fonts.h"
#include "platform/ini_file.h"
#include "platform/radiogroup.h"
#include "platform/safe_call.h"
#include "platform/services.h"
#include "toolkit/farben.h"
#include "toolkit/grundelemente.h"
#include "toolkit/hauptfenster.h"

namespace {
const QString kSektion = QStringLiteral("Einstellungen");

int im_Bereich(int value, int count, int fallback) { return value >= 0 && value < count ? value : fallback; }

platform::RadioGroup* Neue_Gruppe(QWidget* parent, const QString& name, const QString& caption,
                                  const QStringList& items, const QRect& geometry) {
  auto* group = new platform::RadioGroup(parent);
  group->setObjectName(name);
  group->SetCaption(caption);
  group->SetItems(items);
  group->setGeometry(geometry);
  return group;
}

void Neuer_Rahmen(QWidget* parent, const QRect& geometry) {
  auto* bevel = new platform::Bevel(parent);
  bevel->setGeometry(geometry);
  bevel->lower();
}
}  // namespace

TEinstellungenDlg::TEinstellungenDlg(QWidget* parent) : QDialog(parent) {
  setObjectName("EinstellungenDlg");
  setWindowTitle(QStringLiteral("Programmeinstellungen:"));
  TFont font;
  font.Name = "MS Sans Serif";
  font.SetSize(8);
  setFont(widget_font(font));
  setFixedSize(406, 324);

  Neuer_Rahmen(this, QRect(8, 8, 233, 281));
  Neuer_Rahmen(this, QRect(248, 8, 153, 97));
  Neuer_Rahmen(this, QRect(248, 112, 153, 113));
  Neuer_Rahmen(this, QRect(248, 232, 153, 57));

  RadioGroup1 = Neue_Gruppe(
      this, "RadioGroup1", QStringLiteral("Hintergrundfarbe:"),
      {QStringLiteral("weiß"), "hellgrau", "grau", "blau", "dunkelblau", "braun", QStringLiteral("grün"), "schwarz"},
      QRect(16, 16, 121, 265));
  RadioGroup2 =
      Neue_Gruppe(this, "RadioGroup2", QStringLiteral("Verzögerung:"),
                  {"keine", "100", "500", "1000", "2000", "4000", "8000", "16000", "32000"}, QRect(144, 16, 89, 265));
  RadioGroup2->setToolTip(QStringLiteral("Es handelt sich hier um die Verzögerung beim Zeichnen von Zeigerdiagrammen"));
  RadioGroup3 = Neue_Gruppe(this, "RadioGroup3", QStringLiteral("beim Start"),
                            {"maximiertes Fenster", "normales Fenster"}, QRect(256, 16, 137, 81));
  RadioGroup4 = Neue_Gruppe(this, "RadioGroup4", QStringLiteral("Drucken"), {"1/4 Seite", "1/2 Seite", "Vollbild"},
                            QRect(256, 120, 137, 97));
  RadioGroup4->setToolTip(QStringLiteral("Beim Drucken wird immer im Hochformat gedruckt"));

  CheckBox1 = new QCheckBox(QStringLiteral("anhalten ermöglichen"), this);
  CheckBox1->setObjectName("CheckBox1");
  CheckBox1->setGeometry(264, 240, 129, 17);
  CheckBox1->setToolTip(QStringLiteral("Hiermit können Sie die Bewegung beim Zeigerdiagramm mit einer Taste anhalten"));
  CheckBox2 = new QCheckBox(QStringLiteral("Werte gleich ändern"), this);
  CheckBox2->setObjectName("CheckBox2");
  CheckBox2->setGeometry(264, 264, 129, 17);
  CheckBox2->setToolTip(QStringLiteral("Es erscheint sofort der Dialog, um Werte zu ändern."));

  OKBtn = new QPushButton(QStringLiteral("OK"), this);
  OKBtn->setObjectName("OKBtn");
  OKBtn->setGeometry(7, 296, 75, 25);
  OKBtn->setDefault(true);
  CancelBtn = new QPushButton(QStringLiteral("Abbrechen"), this);
  CancelBtn->setObjectName("CancelBtn");
  CancelBtn->setGeometry(327, 296, 75, 25);

  platform::safe_connect(OKBtn, &QPushButton::clicked, this, [this](bool) { OKBtnClick(); });
  connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
}

void TEinstellungenDlg::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (const QScreen* screen = this->screen()) move(screen->availableGeometry().center() - rect().center());
  platform::guarded([this] { FormShow(); });
}

void TEinstellungenDlg::FormShow() { Read_iniFile(); }

void TEinstellungenDlg::Read_iniFile() {
  platform::IniFile ini(Pfad_Einstellungsdatei());
  if (ini.TooLarge())
    std::fprintf(stderr, "velumat: %s ist größer als 1 MiB und wird nicht gelesen; es gelten die Grundeinstellungen.\n",
                 QDir::toNativeSeparators(ini.FileName()).toLocal8Bit().constData());
  RadioGroup1->SetItemIndex(im_Bereich(ini.ReadInteger(kSektion, "Hintergrundfarbe", 0), 8, 0));
  RadioGroup2->SetItemIndex(im_Bereich(ini.ReadInteger(kSektion, "waittime", 0), 9, 0));
  RadioGroup3->SetItemIndex(im_Bereich(ini.ReadInteger(kSektion, "Fenster", 0), 2, 0));
  RadioGroup4->SetItemIndex(im_Bereich(ini.ReadInteger(kSektion, "Drucken", 0), 3, 0));
  CheckBox1->setChecked(ini.ReadInteger(kSektion, "Anhalten", 0) == 1);
  CheckBox2->setChecked(ini.ReadInteger(kSektion, "Werte_aendern", 0) == 1);
  Setze_Einstellungen();
}

void TEinstellungenDlg::Setze_Einstellungen() {
  Setze_Farbschema(RadioGroup1->ItemIndex());
  Einstellungen.Verzoegerung = kVerzoegerungen[im_Bereich(RadioGroup2->ItemIndex(), 9, 0)];
  Einstellungen.Maximiert = RadioGroup3->ItemIndex() != 1;
  Einstellungen.Druckfaktor = kDruckfaktoren[im_Bereich(RadioGroup4->ItemIndex(), 3, 0)];
  Einstellungen.Anhalten = CheckBox1->isChecked();
  Einstellungen.Werte_sofort = CheckBox2->isChecked();
  if (QWidget* main = parentWidget()) {
    if (Einstellungen.Maximiert)
      main->setWindowState(main->windowState() | Qt::WindowMaximized);
    else
      main->setWindowState(main->windowState() & ~Qt::WindowMaximized);
  }
}

void TEinstellungenDlg::OKBtnClick() {
  platform::IniFile ini(Pfad_Einstellungsdatei());
  ini.WriteInteger(kSektion, "Hintergrundfarbe", RadioGroup1->ItemIndex());
  ini.WriteInteger(kSektion, "Waittime", RadioGroup2->ItemIndex());
  ini.WriteInteger(kSektion, "Fenster", RadioGroup3->ItemIndex());
  ini.WriteInteger(kSektion, "Drucken", RadioGroup4->ItemIndex());
  ini.WriteInteger(kSektion, "Anhalten", CheckBox1->isChecked() ? 1 : 0);
  ini.WriteInteger(kSektion, "Werte_aendern", CheckBox2->isChecked() ? 1 : 0);
  // Applied only when stored: a file that cannot be written leaves everything as it was.
  if (!ini.UpdateFile()) {
    platform::services().message_boxes->Error(
        QStringLiteral("Programmeinstellungen"),
        QStringLiteral("Die Einstellungen konnten nicht in die Datei\n%1\ngeschrieben werden.\n"
                       "Es wurde nichts geändert.")
            .arg(Pfad_Einstellungsdatei()));
    return;
  }
  Setze_Einstellungen();
  accept();
}
