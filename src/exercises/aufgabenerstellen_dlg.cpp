#include "exercises/aufgabenerstellen_dlg.h"

#include <QLabel>
#include <QPushButton>
#include <QShowEvent>

#include "help/rechenhilfe_dlg.h"
#include "platform/bevel.h"
#include "platform/fonts.h"
#include "platform/radiogroup.h"
#include "platform/safe_call.h"
#include "toolkit/schaltung.h"

namespace exercises {

namespace {

constexpr int kLinks = 16;    // left column
constexpr int kRechts = 232;  // right column
constexpr int kSpalte = 200;  // column width
constexpr int kZeile0 = 196;  // first value row
constexpr int kSchritt = 16;  // row step
const QColor kNavy(0x00, 0x00, 0x80);
const QColor kGelb(0xFF, 0xFF, 0x00);

QLabel* Neues_Label(QWidget* parent, const QString& name, const QString& text, const QColor& farbe, int x, int y) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(name);
  QPalette p = label->palette();
  p.setColor(QPalette::WindowText, farbe);
  label->setPalette(p);
  label->setGeometry(x, y, kSpalte, kSchritt);
  return label;
}

QPushButton* Neuer_Knopf(QWidget* parent, const QString& name, const QString& text, int x, int y, int w) {
  auto* knopf = new QPushButton(text, parent);
  knopf->setObjectName(name);
  knopf->setAutoDefault(false);
  knopf->setGeometry(x, y, w, 25);
  return knopf;
}

}  // namespace

TAufgabenerstellenDlg::TAufgabenerstellenDlg(QWidget* parent) : QDialog(parent) {
  setObjectName("AufgabenerstellenDlg");
  setWindowTitle(QStringLiteral("Erstellen von Aufgaben:"));
  platform::TFont schrift;
  schrift.Name = "MS Sans Serif";
  schrift.SetSize(8);
  setFont(platform::widget_font(schrift));
  setFixedSize(448, 360);

  RadioGroup1 = new platform::RadioGroup(this);
  RadioGroup1->setObjectName("RadioGroup1");
  RadioGroup1->SetCaption(QStringLiteral("Wählen Sie den Typ von Aufgaben:"));
  RadioGroup1->SetItems({"Kondensator", "Spule", "Reihenschaltung: Widerstand, Kondensator",
                         "Reihenschaltung: Widerstand, Spule", "Reihenschaltung: Kondensator, Spule",
                         "Reihenschaltung: Widerstand, Kondensator, Spule"});
  RadioGroup1->setGeometry(8, 8, 432, 160);
  // Selected before the handler is connected: no exercise is drawn before the seed is set.
  RadioGroup1->SetItemIndex(0);

  StaticText1 = Neues_Label(this, "StaticText1", QStringLiteral("Gegeben:"), kNavy, kLinks, 174);
  StaticText2 = Neues_Label(this, "StaticText2", QStringLiteral("Lösung:"), kGelb, kRechts, 174);
  Bevel3 = new platform::Bevel(this, platform::TBevelShape::bsLeftLine);
  Bevel3->setObjectName("Bevel3");
  Bevel3->setGeometry(kRechts - 12, 174, 2, kZeile0 + 7 * kSchritt - 174);

  for (std::size_t i = 0; i < Gegeben_Labels.size(); ++i) {
    const int n = Gegeben_Labels[i];
    Label[static_cast<std::size_t>(n)] =
        Neues_Label(this, QStringLiteral("Label%1").arg(n), QStringLiteral("Label%1").arg(n), kNavy, kLinks,
                    kZeile0 + static_cast<int>(i) * kSchritt);
  }
  for (std::size_t i = 0; i < Loesung_Labels.size(); ++i) {
    const int n = Loesung_Labels[i];
    Label[static_cast<std::size_t>(n)] =
        Neues_Label(this, QStringLiteral("Label%1").arg(n), QStringLiteral("Label%1").arg(n), kGelb, kRechts,
                    kZeile0 + static_cast<int>(i) * kSchritt);
  }

  const int knopf_y = kZeile0 + 7 * kSchritt + 16;
  Button1 = Neuer_Knopf(this, "Button1", QStringLiteral("Berechnungshinweise"), 8, knopf_y, 130);
  Button2 = Neuer_Knopf(this, "Button2", QStringLiteral("Neue Aufgabe"), 150, knopf_y, 100);
  CancelBtn = Neuer_Knopf(this, "CancelBtn", QStringLiteral("Abbrechen"), 365, knopf_y, 75);

  Oeffne_Hilfe = [this](int eintrag) {
    help::TRechenhilfeDlg hilfe(this);
    hilfe.Zeige_eintrag(eintrag);
    hilfe.exec();
  };

  RadioGroup1->OnClick = [this] { platform::guarded([this] { RadioGroup1Click(); }); };
  platform::safe_connect(Button1, &QPushButton::clicked, this, [this](bool) { Button1Click(); });
  platform::safe_connect(Button2, &QPushButton::clicked, this, [this](bool) { RadioGroup1Click(); });
  connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
}

TAufgabenerstellenDlg::~TAufgabenerstellenDlg() = default;

void TAufgabenerstellenDlg::Setze_Zufallsquelle(std::unique_ptr<Zufallsquelle> z) { zufall_ = std::move(z); }

void TAufgabenerstellenDlg::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  // Once per opening: restoring a minimised dialog keeps its exercise.
  if (gezeigt_) return;
  gezeigt_ = true;
  platform::guarded([this] { FormShow(); });
}

void TAufgabenerstellenDlg::FormShow() {
  if (!zufall_) zufall_ = std::make_unique<Mersenne_Zufall>(Saat_aus_Uhr());
  if (RadioGroup1->ItemIndex() == 0) RadioGroup1Click();
}

void TAufgabenerstellenDlg::RadioGroup1Click() {
  if (!zufall_) return;
  const int index = RadioGroup1->ItemIndex();
  if (index < 0 || index >= Anzahl_Aufgabentypen) return;
  aufgabe_ = Erstelle_aufgabe(static_cast<TAufgabentyp>(index), *zufall_);
  Zeige_Aufgabe();
}

void TAufgabenerstellenDlg::Zeige_Aufgabe() {
  if (aufgabe_.mit_Z) Schaltung.Z = aufgabe_.Z;
  for (std::size_t n = 1; n < Label.size(); ++n) {
    const QString& text = aufgabe_.Labels[n];
    // Rows 1 to 5 are always shown; the others only where the type writes them.
    if (!text.isEmpty()) Label[n]->setText(text);
    Label[n]->setVisible(n <= 5 || !text.isEmpty());
  }
}

void TAufgabenerstellenDlg::Button1Click() {
  const int index = RadioGroup1->ItemIndex();
  if (index < 0 || index >= Anzahl_Aufgabentypen || !Oeffne_Hilfe) return;
  Oeffne_Hilfe(Hilfeeintrag(static_cast<TAufgabentyp>(index)));
}

}  // namespace exercises
