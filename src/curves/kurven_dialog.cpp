#include "curves/kurven_dialog.h"

#include <QLabel>

#include "platform/safe_call.h"
#include "platform/scrollbar.h"
#include "toolkit/dialog_bausteine.h"
#include "toolkit/hauptfenster.h"

TKurvenDlg::TKurvenDlg(QWidget* parent, const QString& name, const QString& caption, int client_w, int client_h)
    : TThemendialog(parent, name, caption, client_w, client_h) {}

QLabel* TKurvenDlg::Neues_Wertlabel(const QString& name, int x, int y, int w) {
  return ::Neues_Wertlabel(this, name, x, y, w);
}

void TKurvenDlg::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  platform::guarded([this] { FormShow(); });
}

void Hauptfenster_neu_zeichnen() {
  if (THauptfenster* main = Hauptfenster()) main->Invalidate();
}
