#pragma once

// Building blocks of the calculator dialogs: labelled input fields, buttons, pictures.

#include <QImage>
#include <QString>

class QDialog;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

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

QPushButton* Neuer_Knopf(QWidget* parent, const QString& name, const QString& text);

// A circuit picture, shown at twice its size so its lines stay crisp.
QLabel* Neues_Bild(QWidget* parent, const QString& name, const QImage& bild);

// "berechne" buttons do not close the dialog; "Abbrechen" does.
QPushButton* Neuer_Abbrechen_Knopf(QDialog* dialog);

// Return in a field presses the "berechne" button of the field's own group (the nearest
// enclosing widget that holds one). Dialogs with a default button keep Qt's handling.
void Return_drueckt_berechne(QDialog* dialog);

// A text label in the dialog's font.
QLabel* Neuer_Text(QWidget* parent, const QString& text);

}  // namespace calculators
