#include "tables/tabellen_dialog.h"

#include <algorithm>

#include <QApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QScreen>

#include "platform/radiogroup.h"
#include "platform/safe_call.h"
#include "platform/trackbar.h"
#include "toolkit/dialog_bausteine.h"
#include "toolkit/hauptfenster.h"
#include "toolkit/number_text.h"

namespace tables {

TTabellenDlg::TTabellenDlg(QWidget* parent, const QString& name, const QString& caption, int client_w, int client_h)
    : QDialog(parent) {
  setObjectName(name);
  setWindowTitle(caption);
  setFont(Dialogschrift());
  // Wide enough for the whole caption beside the title bar's icon and buttons.
  QFont titel = QApplication::font();
  titel.setBold(true);
  setFixedSize(std::max(client_w, QFontMetrics(titel).horizontalAdvance(caption) + 110), client_h);
}

QLabel* TTabellenDlg::Neues_Label(const QString& name, const QString& text, int x, int y, int w) {
  QLabel* label = Neuer_Text(this, text, x, y);
  label->setObjectName(name);
  if (w > 0) label->resize(w, label->height());
  return label;
}

platform::RadioGroup* TTabellenDlg::Neue_Radiogruppe(const QString& name, const QString& caption,
                                                     const QStringList& items, const QRect& ort, int spalten) {
  auto* gruppe = new platform::RadioGroup(this);
  gruppe->setObjectName(name);
  gruppe->SetCaption(caption);
  gruppe->SetColumns(spalten);
  gruppe->SetItems(items);
  gruppe->setGeometry(ort);
  return gruppe;
}

platform::TrackBar* TTabellenDlg::Neue_Trackbar(const QString& name, int x, int y, int w, int h) {
  auto* bar = new platform::TrackBar(this);
  bar->setObjectName(name);
  bar->setGeometry(x, y, w, h);
  return bar;
}

void TTabellenDlg::Zentriere() {
  const QScreen* schirm = screen() != nullptr ? screen() : QGuiApplication::primaryScreen();
  if (schirm == nullptr) return;
  QRect rahmen = frameGeometry();
  rahmen.moveCenter(schirm->availableGeometry().center());
  move(rahmen.topLeft());
}

void TTabellenDlg::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  platform::guarded([this] { FormShow(); });
}

int Schieberwert(const platform::TrackBar* bar) { return bar->Max() + bar->Min() - bar->Position(); }

const QStringList Widerstandsbereiche{"1  - 100 Ohm", "1  - 1 kOhm", "1  - 1 MOhm"};
const QStringList Kapazitaetsbereiche{"1 pF - 1000 pF", "1 nF - 1000 nF", "1 uF - 1000 uF", "1mF - 1000mF"};
const QStringList Induktivitaetsbereiche{"1 uH - 1000 uH", "1 mH - 1000 mH"};

namespace {

void Setze_Bereich(platform::TrackBar* bar, int maximum, int ticks) {
  bar->SetMin(1);
  bar->SetMax(maximum);
  bar->SetPosition(maximum);
  bar->SetFrequency(ticks);
}

}  // namespace

void Setze_Widerstandsbereich(platform::TrackBar* bar, int item) {
  constexpr int maxima[] = {100, 1000, 1000000};
  constexpr int ticks[] = {1, 10, 10000};
  Setze_Bereich(bar, maxima[item], ticks[item]);
}

void Setze_Kapazitaets_Induktivitaetsbereich(platform::TrackBar* bar) { Setze_Bereich(bar, 1000, 10); }

long double Kapazitaetsschritt(int item) {
  constexpr long double schritte[] = {1e-12L, 1e-9L, 1e-6L, 1e-3L};
  return schritte[item];
}

long double Induktivitaetsschritt(int item) { return item == 0 ? 1e-6L : 1e-3L; }

QString R_Text(long double R, int item) {
  return item == 2 ? Formatiere_Wert(R * 0.001L) + " kOhm" : Formatiere_Wert(R) + " Ohm";
}

QString C_Text(long double C, int item) {
  constexpr long double faktoren[] = {1e12L, 1e9L, 1e6L, 1e3L};
  static const char* const einheiten[] = {" pF", " nF", " uF", " mF"};
  return Setze_Vorsatz(Formatiere_Wert(C * faktoren[item])) + einheiten[item];
}

QString L_Text(long double L, int item) {
  return item == 0 ? Formatiere_Wert(L * 1e6L) + " uH" : Formatiere_Wert(L * 1000) + " mH";
}

}  // namespace tables
