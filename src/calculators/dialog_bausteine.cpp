#include "calculators/dialog_bausteine.h"

#include <QDialog>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace calculators {

Feldzeile Neue_Feldzeile(QGridLayout* grid, int zeile, const QString& name, const QString& bezeichnung,
                         const QString& einheit, const QString& start) {
  QWidget* parent = grid->parentWidget();
  Feldzeile z{new QLabel(bezeichnung, parent), new QLineEdit(start, parent), new QLabel(einheit, parent)};
  z.Edit->setObjectName(name);
  z.Edit->setMinimumWidth(110);
  z.Bezeichnung->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  z.Bezeichnung->setBuddy(z.Edit);
  grid->addWidget(z.Bezeichnung, zeile, 0);
  grid->addWidget(z.Edit, zeile, 1);
  grid->addWidget(z.Einheit, zeile, 2);
  return z;
}

void Return_drueckt_berechne(QDialog* dialog) {
  const auto Knopf_in = [](QWidget* w) -> QPushButton* {
    for (QPushButton* k : w->findChildren<QPushButton*>(Qt::FindDirectChildrenOnly))
      if (k->text() == QLatin1String("berechne")) return k;
    return nullptr;
  };
  for (QPushButton* k : dialog->findChildren<QPushButton*>())
    if (k->isDefault()) return;
  for (QLineEdit* edit : dialog->findChildren<QLineEdit*>()) {
    QPushButton* knopf = nullptr;
    for (QWidget* w = edit->parentWidget(); w != nullptr && knopf == nullptr; w = w->parentWidget()) {
      knopf = Knopf_in(w);
      if (w == dialog) break;
    }
    if (knopf != nullptr) QObject::connect(edit, &QLineEdit::returnPressed, knopf, &QPushButton::click);
  }
}

}  // namespace calculators
