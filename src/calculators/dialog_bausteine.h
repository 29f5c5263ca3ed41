#pragma once

// Building blocks of the calculator dialogs: labelled input fields and Return on a field.

#include <QString>

#include "toolkit/dialog_bausteine.h"

class QDialog;
class QGridLayout;
class QLabel;
class QLineEdit;

namespace calculators {

// One input row: label before the field, unit after it.
struct Feldzeile {
  QLabel* Bezeichnung;
  QLineEdit* Edit;
  QLabel* Einheit;
};

// Adds the row `zeile` to `grid`: label, field `name` with `start` text, unit.
Feldzeile Neue_Feldzeile(QGridLayout* grid, int zeile, const QString& name, const QString& bezeichnung,
                         const QString& einheit, const QString& start = QStringLiteral("?"));

// Return in a field presses the "berechne" button of the field's own group (the nearest
// enclosing widget that holds one). Dialogs with a default button keep Qt's handling.
void Return_drueckt_berechne(QDialog* dialog);

}  // namespace calculators
