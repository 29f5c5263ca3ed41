#pragma once

#include <QColor>
#include <QString>

// Colour roles of every drawing.
struct TFarben {
  QColor Hintergrund{0x00, 0x00, 0x80};
  QColor Text{0xFF, 0xFF, 0xFF};
  QColor Impedanz{0x00, 0xFF, 0xFF};
  QColor Kondensator{0xFF, 0xFF, 0x00};
  QColor Spule{0x00, 0xFF, 0x00};
  QColor Widerstand{0xFD, 0xAF, 0x7B};
  QColor Widerstandsstrom{0xFD, 0xAF, 0x7B};
  QColor Rahmengrau{0x90, 0x90, 0x90};
};

// The program settings besides the colours.
struct TEinstellungen {
  int Verzoegerung = 0;       // argument of Warte per animation step
  bool Maximiert = true;      // window state at start
  double Druckfaktor = 1.0;   // share of the printer page width
  bool Anhalten = false;      // animations pause while a key is held
  bool Werte_sofort = false;  // a topic command opens its dialog at once
};

extern TFarben Farben;
extern TEinstellungen Einstellungen;

inline constexpr int kVerzoegerungen[9] = {0, 100, 500, 1000, 2000, 4000, 8000, 16000, 32000};
inline constexpr double kDruckfaktoren[3] = {0.25, 0.5, 1.0};
inline constexpr int kAnzahlHintergruende = 8;

// Colours of background index 0..7 as the settings dialog applies them.
void Setze_Farbschema(int index);
void Schwarzweiss_Farben();
// Start-up scheme: defaults, then background, delay and print size from the settings file.
void Lade_Grundeinstellungen();

// The one settings file: beside the executable when that folder holds one or is writable,
// otherwise in the per-user configuration folder.
QString Pfad_Einstellungsdatei();
// Uses another file instead (tests); an empty path returns to the default.
void Setze_Pfad_Einstellungsdatei(const QString& path);
