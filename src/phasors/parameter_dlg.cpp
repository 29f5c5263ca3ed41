#include "phasors/parameter_dlg.h"

#include <QLabel>

#include "platform/safe_call.h"
#include "toolkit/hauptfenster.h"
#include "toolkit/number_text.h"
#include "toolkit/slider_mapping.h"

using platform::ScrollBar;
using platform::TScrollCode;

TZeigerparameterDlg::TZeigerparameterDlg(QWidget* parent, const QString& name, const QString& caption, int client_w,
                                         int client_h)
    : TThemendialog(parent, name, caption, client_w, client_h) {}

QLabel* TZeigerparameterDlg::Neues_Wertlabel(const QString& name, int x, int y) {
  auto* label = new QLabel(this);
  label->setObjectName(name);
  label->move(x, y);
  return label;
}

ScrollBar* TZeigerparameterDlg::Neuer_Schieber(const QString& name, int x, int y, int min, int max) {
  return TThemendialog::Neuer_Schieber(name, x, y, 233, min, max);
}

// Our dialog font runs a little wider than the platform's: a dialog grows rather than clip a value.
void TZeigerparameterDlg::Setze_Text(QLabel* label, const QString& text) {
  label->setText(text);
  label->adjustSize();
  QWidget* dlg = label->parentWidget();
  const int noetig = label->geometry().right() + 4;
  if (dlg == nullptr || noetig <= dlg->width()) return;
  dlg->setFixedWidth(noetig);
  if (auto* parameter_dlg = qobject_cast<TZeigerparameterDlg*>(dlg); parameter_dlg && dlg->isVisible())
    parameter_dlg->Platziere_unten_rechts();
}

void TZeigerparameterDlg::Neu_zeichnen() {
  if (THauptfenster* window = Hauptfenster()) window->Invalidate();
}

bool TZeigerparameterDlg::Losgelassen_oder_Schritt(TScrollCode code) {
  return code == TScrollCode::scPosition || code == TScrollCode::scLineUp || code == TScrollCode::scLineDown;
}

QString TZeigerparameterDlg::Logtext(const TLogGroesse& g, long double x) {
  return Formatiere_Festkomma(x * g.faktor) + g.einheit;
}

void TZeigerparameterDlg::Zeige_Log(ScrollBar* bar, QLabel* label, const TLogGroesse& g) {
  Schieber_aus_Wert(*bar, *g.min, *g.max, *g.wert);
  Setze_Text(label, Logtext(g, *g.wert));
}

void TZeigerparameterDlg::Log_Aenderung(ScrollBar* bar, QLabel* label, const TLogGroesse& g) {
  *g.wert = Wert_aus_Schieber(*bar, *g.min, *g.max);
  Setze_Text(label, Logtext(g, *g.wert));
}

// The scroll event comes before the bar takes the new position, so the value is taken from
// the event's position: the calculation must not run on the old one.
void TZeigerparameterDlg::Log_Scroll(ScrollBar* bar, QLabel* label, const TLogGroesse& g, TScrollCode code, int pos,
                                     void (*berechnung)()) {
  if (code == TScrollCode::scTrack || code == TScrollCode::scEndScroll) return;
  *g.wert = Wert_aus_Schieber(pos - bar->Min(), bar->Max() - bar->Min(), *g.min, *g.max);
  Setze_Text(label, Logtext(g, *g.wert));
  if (berechnung != nullptr) berechnung();
  if (Losgelassen_oder_Schritt(code)) Neu_zeichnen();
}

void TZeigerparameterDlg::Zeige_Linear(ScrollBar* bar, QLabel* label, long double x, const QString& einheit) {
  bar->SetPosition(static_cast<int>(Trunc(x)));
  Setze_Text(label, Formatiere_Festkomma(x) + einheit);
}

void TZeigerparameterDlg::Linear_Scroll(QLabel* label, real48& wert, const QString& einheit, TScrollCode code, int pos,
                                        void (*berechnung)()) {
  if (code == TScrollCode::scEndScroll) return;
  Setze_Text(label, QString::number(pos) + einheit);
  if (code == TScrollCode::scTrack) return;
  wert = pos;
  if (berechnung != nullptr) berechnung();
  if (Losgelassen_oder_Schritt(code)) Neu_zeichnen();
}

void TZeigerparameterDlg::FormClick() { close(); }

void TZeigerparameterDlg::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  platform::guarded([this] {
    Platziere_unten_rechts();
    FormShow();
  });
}
