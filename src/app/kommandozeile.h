#pragma once

#include <QSize>
#include <QString>
#include <QStringList>
#include <optional>

// The command line: --topic, --export FILE, --size WxH, --schwarzweiss, --topics.
struct TKommandozeile {
  QString thema;
  QString export_datei;
  QSize groesse{782, 550};
  bool schwarzweiss = false;
  bool themen_auflisten = false;
  QString fehler;  // set when the arguments cannot be used
};

TKommandozeile Lies_Kommandozeile(const QStringList& args);
bool Braucht_keinen_Bildschirm(const TKommandozeile& k);

class TForm1;
// Renders the chosen topic into the export file; returns the process exit status.
int Fuehre_Export_aus(TForm1& form, const TKommandozeile& k);
