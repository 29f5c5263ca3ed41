#include "curves/modulation_dlg.h"

#include <QLabel>
#include <QTimer>
#include <algorithm>

#include "curves/modulation.h"
#include "platform/safe_call.h"
#include "toolkit/hauptfenster.h"
#include "toolkit/number_text.h"
#include "toolkit/schaltung.h"

using platform::ScrollBar;
using platform::TScrollCode;

namespace {

constexpr int kBalken_x = 144, kBalken_w = 249, kWert_x = 400;

bool Losgelassen_oder_Schritt(TScrollCode code) {
  return code == TScrollCode::scPosition || code == TScrollCode::scLineUp || code == TScrollCode::scLineDown;
}

// The label follows a drag; a line step or the released thumb also writes and redraws.
template <typename Schreibe>
void Balken_Scroll(TScrollCode code, QLabel* label, const QString& text, Schreibe schreibe) {
  if (code == TScrollCode::scTrack) label->setText(text);
  if (!Losgelassen_oder_Schritt(code)) return;
  schreibe();
  label->setText(text);
  Hauptfenster_neu_zeichnen();
}

void Aktiviere(bool an, std::initializer_list<QWidget*> widgets) {
  for (QWidget* w : widgets) w->setEnabled(an);
}

real48 Faktor(int position) { return position * 0.2L; }

}  // namespace

TModulationDlg::TModulationDlg(QWidget* parent, const QString& name, const QString& caption, int client_w, int client_h,
                               bool frequenz, int y6, int y5)
    : TKurvenDlg(parent, name, caption, client_w, client_h), frequenz_(frequenz) {
  Neue_Zeile(y6, "Rechteck-Treppen-Freq.:", 2, 6, Label2, ScrollBar6, Label5, 2, 6);
  Neue_Zeile(y5, "Signalfrequenz:", 3, 5, Label3, ScrollBar5, Label6, 1, 8);
  ScrollBar6->OnScroll = [this](TScrollCode code, int& position) { ScrollBar6Scroll(code, position); };
  ScrollBar5->OnScroll = [this](TScrollCode code, int& position) { ScrollBar5Scroll(code, position); };
}

void TModulationDlg::Neue_Zeile(int y, const QString& text, int zeile, int balken, QLabel*& name, ScrollBar*& bar,
                                QLabel*& wert, int min, int max) {
  // The long names take the dialog font: in Arial 10 pt they would run under the bar.
  name = Neues_Wertlabel(QString("Label%1").arg(zeile), 4, y - 2, 0);
  name->setText(text);
  name->adjustSize();
  bar = Neuer_Schieber(QString("ScrollBar%1").arg(balken), kBalken_x, y, kBalken_w, min, max);
  wert = Neues_Wertlabel(QString("Label%1").arg(zeile + 3), kWert_x, y - 2, width() - kWert_x);
  wert->setText("+");
}

void TModulationDlg::Platziere_am_Hauptfenster() {
  THauptfenster* main = Hauptfenster();
  if (main == nullptr) return;
  const QRect client = main->ClientRectOnScreen();
  const QRect aussen = main->Widget() != nullptr ? main->Widget()->frameGeometry() : client;
  const QRect frame = frameGeometry();
  const int w = std::max(frame.width(), width());
  const int h = std::max(frame.height(), height());
  Platziere_im_Hauptfenster(aussen.left() + aussen.width() - w - 2 - client.left(),
                            aussen.top() + aussen.height() - main->StatusBarHeight() - h - 2 - client.top());
}

void TModulationDlg::Platziere_mit_Rahmen(int versuche) {
  if (frameGeometry().size() != size()) {
    Platziere_am_Hauptfenster();
  } else if (versuche > 0) {
    QTimer::singleShot(10, this, [this, versuche] { platform::guarded([&] { Platziere_mit_Rahmen(versuche - 1); }); });
  }
}

void TModulationDlg::FormShow() {
  Platziere_am_Hauptfenster();
  Platziere_mit_Rahmen(50);
  const std::optional<TSignalform> form = Gesetzte_Signalform(frequenz_);
  const bool treppe = form == TSignalform::Treppe;
  const bool stufen = treppe || form == TSignalform::Rechteck;
  const bool sinus = form == TSignalform::Sinus;
  Aktiviere(stufen, {Label2, ScrollBar6, Label5});
  Aktiviere(sinus, {Label3, ScrollBar5, Label6});
  // Every label shows its bar's value, the disabled ones too.
  ScrollBar6->SetPosition(treppe ? Schaltung.Ns : Schaltung.Nq);
  Label5->setText(QString::number(ScrollBar6->Position()));
  ScrollBar5->SetPosition(static_cast<int>(Trunc(Schaltung.fsig + 0.5L)));
  Label6->setText(sinus ? Formatiere_Festkomma(Schaltung.fsig) : QString::number(ScrollBar5->Position()));
}

void TModulationDlg::FormClick() { accept(); }

void TModulationDlg::ScrollBar6Scroll(TScrollCode code, int& position) {
  Balken_Scroll(code, Label5, QString::number(position), [&] { Schaltung.Nq = Schaltung.Ns = position; });
}

void TModulationDlg::ScrollBar5Scroll(TScrollCode code, int& position) {
  Balken_Scroll(code, Label6, QString::number(position), [&] { Schaltung.fsig = position; });
}

TAModulationDLG::TAModulationDLG(QWidget* parent)
    : TModulationDlg(parent, "AModulationDLG", QStringLiteral("Amplitudenmodulation: Werte ändern"), 446, 56, false, 24,
                     40) {
  Neue_Zeile(8, "Mod.frequenz (Faktor):", 1, 4, Label1, ScrollBar4, Label4, 1, 20);
  ScrollBar4->OnScroll = [this](TScrollCode code, int& position) { ScrollBar4Scroll(code, position); };
}

void TAModulationDLG::FormShow() {
  TModulationDlg::FormShow();
  ScrollBar4->SetPosition(static_cast<int>(Trunc(5 * Schaltung.k + 0.5L)));
  Label4->setText(Formatiere_Festkomma(Schaltung.k));
}

void TAModulationDLG::ScrollBar4Scroll(TScrollCode code, int& position) {
  Balken_Scroll(code, Label4, Formatiere_Festkomma(Faktor(position)), [&] { Schaltung.k = Faktor(position); });
}

TFModulationDlg::TFModulationDlg(QWidget* parent)
    : TModulationDlg(parent, "FModulationDlg", QStringLiteral("Frequenzmodulation: Werte ändern"), 443, 40, true, 8,
                     24) {}
