#pragma once

// Building blocks of the calculator and table dialogs: buttons, pictures, texts, and
// switching the main window to a result sheet.

#include <QImage>
#include <QString>

#include "toolkit/zeichenmodus.h"

class QDialog;
class QLabel;
class QPushButton;
class QWidget;

using Blattmodus = bool TZeichenmodus::*;

QPushButton* Neuer_Knopf(QWidget* parent, const QString& name, const QString& text);

// A circuit picture, shown at twice its size so its lines stay crisp.
QLabel* Neues_Bild(QWidget* parent, const QString& name, const QImage& bild);

// "berechne" buttons do not close the dialog; "Abbrechen" does.
QPushButton* Neuer_Abbrechen_Knopf(QDialog* dialog);

// A text label in the dialog's font.
QLabel* Neuer_Text(QWidget* parent, const QString& text);

// Clears the display mode, sets the sheet's mode and queues a redraw of the main window.
void Zeige_Blatt(Blattmodus blatt);
