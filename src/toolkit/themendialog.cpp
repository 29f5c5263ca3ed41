#include "toolkit/themendialog.h"

#include <QLabel>

#include "platform/fonts.h"
#include "platform/safe_call.h"
#include "platform/scrollbar.h"
#include "toolkit/dialog_bausteine.h"
#include "toolkit/hauptfenster.h"

TThemendialog::TThemendialog(QWidget* parent, const QString& name, const QString& caption, int client_w, int client_h)
    : QDialog(parent) {
  setObjectName(name);
  setWindowTitle(caption);
  setFont(Dialogschrift());
  setFixedSize(client_w, client_h);
}

QLabel* TThemendialog::Neues_Namenslabel(const QString& name, const QString& text, int x, int y) {
  auto* label = new QLabel(text, this);
  label->setObjectName(name);
  platform::TFont font;
  font.Name = "Arial";
  font.SetSize(10);
  label->setFont(platform::widget_font(font));
  label->move(x, y);
  label->adjustSize();
  return label;
}

platform::ScrollBar* TThemendialog::Neuer_Schieber(const QString& name, int x, int y, int w, int min, int max) {
  auto* bar = new platform::ScrollBar(this);
  bar->setObjectName(name);
  bar->setGeometry(x, y, w, 10);
  bar->SetParams(min, min, max);
  return bar;
}

void TThemendialog::Platziere_im_Hauptfenster(int x, int y) { ::Platziere_im_Hauptfenster(*this, x, y); }

void TThemendialog::Platziere_unten_rechts() { ::Platziere_unten_rechts(*this); }

void TThemendialog::mousePressEvent(QMouseEvent* event) {
  if (!freie_flaeche_.Press(*this, *event)) QDialog::mousePressEvent(event);
}

void TThemendialog::mouseReleaseEvent(QMouseEvent* event) {
  if (freie_flaeche_.Release(*this, *event))
    platform::guarded([this] { FormClick(); });
  else
    QDialog::mouseReleaseEvent(event);
}
