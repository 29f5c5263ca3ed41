#include "fourier/fourier_dlg.h"

#include <QLabel>

#include "fourier/fouriersynthese.h"
#include "help/rechenhilfe_dlg.h"
#include "platform/buttons.h"
#include "platform/radiogroup.h"
#include "platform/safe_call.h"
#include "platform/trackbar.h"
#include "toolkit/hauptfenster.h"

namespace {

void Neu_zeichnen() {
  if (THauptfenster* main = Hauptfenster()) main->Invalidate();
}

constexpr int kKnopfhoehe = 25;

}  // namespace

// ---- Common ground ----

TFourierDlg::TFourierDlg(QWidget* parent, const QString& name, const QString& caption, int client_w, int client_h)
    : TThemendialog(parent, name, caption, client_w, client_h) {}

platform::BitBtn* TFourierDlg::Neuer_Knopf(const QString& name, const QString& caption, int x, int y, int w) {
  auto* knopf = new platform::BitBtn(this, caption);
  knopf->setObjectName(name);
  knopf->setGeometry(x, y, w, kKnopfhoehe);
  return knopf;
}

void TFourierDlg::Platziere_neben_Zeichnung() {
  if (THauptfenster* main = Hauptfenster()) Platziere_im_Hauptfenster(main->ClientWidth() / 2 + 5, 0);
}

void TFourierDlg::Zeige_Hinweise() { help::Oeffne_Rechenhilfe(this, u"_Fouriersynthese"); }

void TFourierDlg::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  platform::guarded([this] { FormShow(); });
}

// ---- Fourier 1 ----

TFouriersyntheseDlg::TFouriersyntheseDlg(QWidget* parent)
    : TFourierDlg(parent, "FouriersyntheseDlg", "Fouriersynthese:", 334, 264) {
  RadioGroup1 = new platform::RadioGroup(this);
  RadioGroup1->setObjectName("RadioGroup1");
  RadioGroup1->setGeometry(8, 8, 190, 212);
  RadioGroup1->SetCaption("Welches Signal ?");
  QStringList items;
  for (int i = 0; i < kAnzahlSignale; ++i) items << Signalform(static_cast<Fouriersignal>(i)).Radiotext;
  RadioGroup1->SetItems(items);
  RadioGroup1->SetItemIndex(0);
  RadioGroup1->OnClick = [this] { RadioGroup1Click(); };

  const struct {
    const char* text;
    int N;
  } knoepfe[9] = {{"nur Grundwelle", 0},  {"eine Obewelle", 1},   {"zwei Oberwellen", 2},
                  {"vier Oberwellen", 4}, {"acht Oberwellen", 8}, {"16 Oberwellen", 16},
                  {"32 Oberwellen", 32},  {"64 Oberwellen", 64},  {"128 Oberwellen", 128}};
  for (int k = 0; k < 9; ++k) {
    platform::BitBtn* knopf =
        Neuer_Knopf(QString("Button%1").arg(k + 1), QString::fromUtf8(knoepfe[k].text), 206, 12 + 23 * k, 120);
    knopf->setFixedHeight(22);
    knopf->OnClick = [this, N = knoepfe[k].N] { Setze_Oberwellen(N); };
    Oberwellenknoepfe[k] = knopf;
  }
  Button10 = Neuer_Knopf("Button10", "Hinweise", 8, 230, 90);
  Button10->OnClick = [this] { Zeige_Hinweise(); };
  CancelBtn = Neuer_Knopf("CancelBtn", "Abbrechen", 236, 230, 90);
  CancelBtn->SetModalResult(platform::TModalResult::mrCancel);
}

void TFouriersyntheseDlg::FormShow() {
  Fourierwerte.N = 0;
  Get_Radiobuttons();
  Platziere_neben_Zeichnung();
}

void TFouriersyntheseDlg::Get_Radiobuttons() {
  Waehle_Signal(RadioGroup1->ItemIndex());
  Neu_zeichnen();
}

void TFouriersyntheseDlg::Setze_Oberwellen(int N) {
  Fourierwerte.N = N;
  Neu_zeichnen();
}

// ---- Fourier 2 ----

namespace {

constexpr int kSchieberhoehe = 150;
constexpr int kReihe1 = 16, kReihe2 = 192;  // top of each row of track bars

}  // namespace

TFouriersysthese2Dlg::TFouriersysthese2Dlg(QWidget* parent)
    : TFourierDlg(parent, "Fouriersysthese2Dlg", "Fouriersysthese - Animation", 330, 468) {
  auto beschrifte = [this](const QString& text, int x, int y, const QColor& farbe = Qt::black) {
    auto* label = new QLabel(text, this);
    label->move(x, y);
    QPalette p = label->palette();
    p.setColor(QPalette::WindowText, farbe);
    label->setPalette(p);
    label->adjustSize();
  };
  for (int i = 0; i < kKoeffizienten; ++i) {
    // a0 ... a8 in the first row at x 32 ... 288, b1 ... b8 in the second under a1 ... a8.
    const bool sinus = i <= 8;
    const int x = sinus ? 32 * (i + 1) : 32 * (i - 7);
    const int y = sinus ? kReihe1 : kReihe2;
    auto* bar = new platform::TrackBar(this);
    bar->setObjectName(QString("TrackBar%1").arg(i + 1));
    bar->setGeometry(x, y, 28, kSchieberhoehe);
    bar->SetMin(-20);
    bar->SetMax(20);
    bar->SetPosition(0);
    bar->SetFrequency(1);
    bar->OnChange = [this, i] { TrackBarChange(i); };
    TrackBars[i] = bar;
    beschrifte(sinus ? QString("a%1").arg(i) : QString("b%1").arg(i - 8), x + 8, y + kSchieberhoehe + 2);
  }
  for (const auto& [x, y] : {std::pair{8, kReihe1}, std::pair{40, kReihe2}}) {
    beschrifte("+2", x, y);
    beschrifte("-2", x, y + kSchieberhoehe - 14);
  }
  const QColor navy(0x00, 0x00, 0x80);
  beschrifte("Sinus-Reihe:", 8, 364, navy);
  beschrifte("a0/2 + a1 sin(f) + a2 sin(2f) + a3 sin(3f) + ... +", 8, 378, navy);
  beschrifte("Cosinus-Reihe:", 8, 396, navy);
  beschrifte("+ b1 cos(f) + b2 cos(2f) + b3 cos(3f) + ...", 8, 410, navy);

  Button1 = Neuer_Knopf("Button1", "Standard", 8, 434, 90);
  Button1->OnClick = [this] { Button1Click(); };
  Button2 = Neuer_Knopf("Button2", "Hinweise", 120, 434, 90);
  Button2->OnClick = [this] { Zeige_Hinweise(); };
  CancelBtn = Neuer_Knopf("CancelBtn", "Abbrechen", 232, 434, 90);
  CancelBtn->SetModalResult(platform::TModalResult::mrCancel);
}

void TFouriersysthese2Dlg::FormShow() {
  Platziere_neben_Zeichnung();
  GetTrackPositions();
  Neu_zeichnen();
}

void TFouriersysthese2Dlg::GetTrackPositions() {
  for (int i = 0; i < kKoeffizienten; ++i) Fourierwerte.K[i] = -TrackBars[i]->Position() * 0.1L;
}

void TFouriersysthese2Dlg::TrackBarChange(int i) {
  Fourierwerte.K[i] = -TrackBars[i]->Position() * 0.1L;
  Neu_zeichnen();
}

void TFouriersysthese2Dlg::Button1Click() {
  for (platform::TrackBar* bar : TrackBars) bar->SetPosition(0);
  GetTrackPositions();
  Neu_zeichnen();
}
