#pragma once

#include <QHash>
#include <QString>

// First line of every section of the shipped help file.
inline const QHash<QString, QString>& Ueberschriften() {
  static const QHash<QString, QString> k = {
      {"_Widerstand", "Widerstand im Wechselstromkreis"},
      {"_Kondensator", "Kondensator im Wechselstromkreis"},
      {"_Spule", "Spule im Wechselstromkreis"},
      {"Widerstand_Kondensator", "Widerstand und Kondensator in Reihe"},
      {"Widerstand_Spule", "Widerstand und Spule in Reihe"},
      {"Kondensator_Spule", "Kondensator und Spule in Reihe"},
      {"Widerstand_Kondensator_Spule", "Widerstand, Kondensator und Spule in Reihe"},
      {"Widerstand_Kondensator_parallel", "Widerstand und Kondensator parallel"},
      {"Widerstand_Spule_parallel", "Widerstand und Spule parallel"},
      {"Kondensator__Spule_parallel", "Kondensator und Spule parallel"},
      {"Widerstand_Kondensator_Spule_parallel", "Widerstand, Kondensator und Spule parallel"},
      {"_Amplitudenmodulation", "Amplitudenmodulation"},
      {"_Frequenzmodulation", "Frequenzmodulation"},
      {"_Ein_Aus_RC", "Ein- und Ausschalten: Widerstand und Kondensator"},
      {"_Ein_Aus_RL", "Ein- und Ausschalten: Widerstand und Spule"},
      {"_Drehstrom", "Drehstrom"},
      {"_Fouriersynthese", "Fouriersynthese"},
      {"_Resonanz", "Resonanz"},
      {"_SiebkettenWobbelgenerator", "Siebketten-Wobbelgenerator"},
      {"_SperrkreisWobbelgenerator", "Sperrkreis-Wobbelgenerator"},
      {"_Berechnung_von_Schaltkreisen", "Berechnung von Schaltkreisen"},
      {"_Einstellungen", "Einstellungen"},
      {"Hoch_Tielpass", "Hochpass und Tiefpass"},
  };
  return k;
}
