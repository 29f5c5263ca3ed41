#pragma once

#include <QSize>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

// The command line: --topic, --export FILE, --size WxH, --zoom PROZENT, --schwarzweiss, --topics.
struct TKommandozeile {
  QString thema;
  QString export_datei;
  QSize groesse{782, 550};
  bool schwarzweiss = false;
  std::optional<int> zoom;  // --zoom PROZENT: zoom of the drawing, not stored
  bool themen_auflisten = false;
  bool hilfe = false;    // --help
  bool version = false;  // --version
  QString fehler;        // set when the arguments cannot be used
};

TKommandozeile Lies_Kommandozeile(const QStringList& args);
bool Braucht_keinen_Bildschirm(const TKommandozeile& k);

// The answers to --help and --version.
QString Hilfetext();
QString Versionstext();

class QWidget;
class TForm1;

// Carries out the topic given with --topic in the shown window; an unknown one is named in a
// message box, and the program goes on without a topic.
void Starte_Thema(TForm1& form, const QString& thema);
// Runs aktion once the shown window has taken its final size: the window manager may maximise
// it some time after it is shown. Waits until the size has stayed the same for a moment, at
// most about two seconds.
void Nach_fertiger_Fenstergroesse(QWidget& fenster, const std::function<void()>& aktion);
// Renders the chosen topic into the export file; returns the process exit status.
int Fuehre_Export_aus(TForm1& form, const TKommandozeile& k);
