#pragma once

// Building blocks of the program's dialogs: the dialog font, buttons, pictures, texts and
// value labels, and switching the main window to a result sheet.

#include <QFont>
#include <QImage>
#include <QSize>
#include <QString>

#include "toolkit/zeichenmodus.h"

class QDialog;
class QLabel;
class QPushButton;
class QWidget;

using Blattmodus = bool TZeichenmodus::*;

// The dialogs' font: MS Sans Serif 8 pt.
QFont Dialogschrift(bool fett = false);

QPushButton* Neuer_Knopf(QWidget* parent, const QString& name, const QString& text);

// A circuit picture, shown at twice its size so its lines stay crisp.
QLabel* Neues_Bild(QWidget* parent, const QString& name, const QImage& bild);

// "berechne" buttons do not close the dialog; "Abbrechen" does.
QPushButton* Neuer_Abbrechen_Knopf(QDialog* dialog);

// A text label in the dialog's font.
QLabel* Neuer_Text(QWidget* parent, const QString& text);
// The same at (x, y), sized to its text.
QLabel* Neuer_Text(QWidget* parent, const QString& text, int x, int y);

// An empty value label in the dialog's font at its place.
QLabel* Neues_Wertlabel(QWidget* parent, const QString& name, int x, int y, int w, int h = 14);

// The dialog's frame size when the window system has one already, else its client size.
QSize Rahmengroesse(const QWidget& dialog);
// Top left corner of the dialog's frame at (x, y) in the main window's client area.
void Platziere_im_Hauptfenster(QWidget& dialog, int x, int y);
// Bottom right of the main window's client area, 2 pixels from its right edge, above the status bar.
void Platziere_unten_rechts(QWidget& dialog);

// Clears the display mode, sets the sheet's mode and queues a redraw of the main window.
void Zeige_Blatt(Blattmodus blatt);
