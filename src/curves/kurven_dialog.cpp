#include "curves/kurven_dialog.h"

#include <QLabel>

#include "platform/safe_call.h"
#include "platform/scrollbar.h"
#include "toolkit/hauptfenster.h"

TKurvenDlg::TKurvenDlg(QWidget* parent, const QString& name, const QString& caption, int client_w, int client_h)
    : TThemendialog(parent, name, caption, client_w, client_h) {}

QLabel* TKurvenDlg::Neues_Wertlabel(const QString& name, int x, int y, int w) {
  auto* label = new QLabel(this);
  label->setObjectName(name);
  label->setGeometry(x, y, w, 14);
  return label;
}

void TKurvenDlg::Platziere_im_Hauptfenster(int x, int y) {
  THauptfenster* main = Hauptfenster();
  if (main == nullptr) return;
  const QRect client = main->ClientRectOnScreen();
  move(client.left() + x, client.top() + y);
}

void TKurvenDlg::Platziere_unten_rechts() {
  THauptfenster* main = Hauptfenster();
  if (main == nullptr) return;
  // The frame, when the window system has one already; else the client size.
  const QRect frame = frameGeometry();
  const int w = frame.width() > width() ? frame.width() : width();
  const int h = frame.height() > height() ? frame.height() : height();
  Platziere_im_Hauptfenster(main->ClientWidth() - w - 2, main->ClientHeight() - main->StatusBarHeight() - h - 2);
}

void TKurvenDlg::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  platform::guarded([this] { FormShow(); });
}

void Hauptfenster_neu_zeichnen() {
  if (THauptfenster* main = Hauptfenster()) main->Invalidate();
}
