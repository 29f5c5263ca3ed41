#include "toolkit/dialog_bausteine.h"

#include <QDialog>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>

#include "platform/fonts.h"
#include "toolkit/hauptfenster.h"

QFont Dialogschrift(bool fett) {
  platform::TFont font;
  font.Name = "MS Sans Serif";
  font.SetSize(8);
  font.Bold = fett;
  return platform::widget_font(font);
}

QPushButton* Neuer_Knopf(QWidget* parent, const QString& name, const QString& text) {
  auto* knopf = new QPushButton(text, parent);
  knopf->setObjectName(name);
  knopf->setAutoDefault(false);
  return knopf;
}

QLabel* Neues_Bild(QWidget* parent, const QString& name, const QImage& bild) {
  auto* label = new QLabel(parent);
  label->setObjectName(name);
  label->setPixmap(QPixmap::fromImage(bild.scaled(bild.size() * 2, Qt::IgnoreAspectRatio, Qt::FastTransformation)));
  label->setAlignment(Qt::AlignCenter);
  return label;
}

QPushButton* Neuer_Abbrechen_Knopf(QDialog* dialog) {
  QPushButton* knopf = Neuer_Knopf(dialog, QStringLiteral("CancelBtn"), QStringLiteral("Abbrechen"));
  QObject::connect(knopf, &QPushButton::clicked, dialog, &QDialog::reject);
  return knopf;
}

QLabel* Neuer_Text(QWidget* parent, const QString& text) { return new QLabel(text, parent); }

QLabel* Neuer_Text(QWidget* parent, const QString& text, int x, int y) {
  QLabel* label = Neuer_Text(parent, text);
  label->move(x, y);
  label->adjustSize();
  return label;
}

QLabel* Neues_Wertlabel(QWidget* parent, const QString& name, int x, int y, int w, int h) {
  auto* label = new QLabel(parent);
  label->setObjectName(name);
  label->setGeometry(x, y, w, h);
  return label;
}

QSize Rahmengroesse(const QWidget& dialog) { return dialog.frameGeometry().size().expandedTo(dialog.size()); }

void Platziere_im_Hauptfenster(QWidget& dialog, int x, int y) {
  THauptfenster* main = Hauptfenster();
  if (main == nullptr) return;
  const QRect client = main->ClientRectOnScreen();
  dialog.move(client.left() + x, client.top() + y);
}

void Platziere_unten_rechts(QWidget& dialog) {
  THauptfenster* main = Hauptfenster();
  if (main == nullptr) return;
  const QSize rahmen = Rahmengroesse(dialog);
  Platziere_im_Hauptfenster(dialog, main->ClientWidth() - rahmen.width() - 2,
                            main->ClientHeight() - main->StatusBarHeight() - rahmen.height() - 2);
}

void Zeige_Blatt(Blattmodus blatt) {
  Zeichenmodus.Loeschen();
  Zeichenmodus.*blatt = true;
  if (THauptfenster* fenster = Hauptfenster()) fenster->Invalidate();
}
