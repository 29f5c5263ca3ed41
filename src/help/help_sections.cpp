#include "help/help_sections.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTextCursor>
#include <QTextDocument>

namespace help {

const std::array<Themeneintrag, kThemenanzahl> kThemen = {{
    {u"Widerstand", -1, u"_Widerstand"},
    {u"Kondensator", -1, u"_Kondensator"},
    {u"Spule", -1, u"_Spule"},
    {u"Reihenschaltungen", -1, {}},
    {u"Widerstand und Kondensator", 3, u"Widerstand_Kondensator"},
    {u"Widerstand und Spule", 3, u"Widerstand_Spule"},
    {u"Kondensator und Spule", 3, u"Kondensator_Spule"},
    {u"Widerstand, Kondensator, Spule", 3, u"Widerstand_Kondensator_Spule"},
    {u"Parallelschaltungen", -1, {}},
    {u"Widerstand und Kondensator", 8, u"Widerstand_Kondensator_parallel"},
    {u"Widerstand und Spule", 8, u"Widerstand_Spule_parallel"},
    {u"Kondensator und Spule", 8, u"Kondensator__Spule_parallel"},
    {u"Widerstand, Kondensator und Spule", 8, u"Widerstand_Kondensator_Spule_parallel"},
    {u"Modulation", -1, {}},
    {u"Amplitudenmodulation", 13, u"_Amplitudenmodulation"},
    {u"Frequenzmodulation", 13, u"_Frequenzmodulation"},
    {u"Ein-Ausschaltvorgänge", -1, {}},
    {u"Widerstand und Kondensator", 16, u"_Ein_Aus_RC"},
    {u"Widestand und Spule", 16, u"_Ein_Aus_RL"},
    {u"Drehstrom", -1, u"_Drehstrom"},
    {u"Fouriersynthese", -1, u"_Fouriersynthese"},
    {u"Resonanz", -1, u"_Resonanz"},
    {u"Siebketten-Wobbelgenerator", -1, u"_SiebkettenWobbelgenerator"},
    {u"Sperrkreis-Wobbelgenerator", -1, u"_SperrkreisWobbelgenerator"},
    {u"Berechnung von Schaltkreisen", -1, u"_Berechnung_von_Schaltkreisen"},
    {u"Einstellungen", -1, u"_Einstellungen"},
    {u"Hoch-Tiefpass", -1, u"Hoch_Tielpass"},
}};

using M = TZeichenmodus;

const std::array<Modusregel, 40> kModusregeln = {{
    {{&M::nur_Widerstand}, u"_Widerstand", 0, u"Zeigerdiagramm › nur Widerstand"},
    {{&M::nur_Kondensator}, u"_Kondensator", 1, u"Zeigerdiagramm › nur Kondensator"},
    {{&M::nur_Spule}, u"_Spule", 2, u"Zeigerdiagramm › nur Spule"},
    {{&M::Widerstand_Kondensator}, u"Widerstand_Kondensator", 4, u"Zeigerdiagramm › Widerstand und Kondensator"},
    {{&M::Widerstand_Spule}, u"Widerstand_Spule", 5, u"Zeigerdiagramm › Widerstand und Spule"},
    {{&M::Kondensator_Spule}, u"Kondensator_Spule", 6, u"Zeigerdiagramm › Kondensator und Spule"},
    {{&M::Widerstand_Kondensator_Spule},
     u"Widerstand_Kondensator_Spule",
     7,
     u"Zeigerdiagramm › Widerstand, Kondensator und Spule"},
    {{&M::Drehstrom}, u"_Drehstrom", 19, u"Zeigerdiagramm › Drehstrom"},
    {{&M::Serienschwingkreis}, u"Widerstand_Kondensator_Spule", 7, u"Diagramme › Serienschwingkreis"},
    {{&M::Parallelschwingkreis}, u"Widerstand_Kondensator_Spule_parallel", 12, u"Diagramme › Parallelschwingkreis"},
    {{&M::Wobbel_Siebkette}, u"Widerstand_Kondensator_Spule", 7, u"Wobbelgenerator › Siebkette"},
    {{&M::Wobbel_Sperrkreis}, u"Widerstand_Kondensator_Spule_parallel", 12, u"Wobbelgenerator › Sperrkreis"},
    {{&M::Wobbel_Hoch_Tiefpass, &M::Blatt_Hoch_Tiefpass},
     u"Hoch_Tielpass",
     26,
     u"Wobbelgenerator › Hoch-Tiefpass, Berechnungen › Hoch-Tiefpass"},
    // The modulation flag is set together with each of its five signal forms.
    {{&M::Amplitudenmodulation}, u"_Amplitudenmodulation", 14, u"Amplitudenmodulation"},
    {{&M::Frequenzmodulation}, u"_Frequenzmodulation", 15, u"Frequenzmodulation"},
    // Not the second flags: they survive Prepare.
    {{&M::Schaltvorgang_RC}, u"_Ein_Aus_RC", 17, u"Ein-Ausschaltvorgänge › Widerstand mit Kondensator"},
    {{&M::Schaltvorgang_RL}, u"_Ein_Aus_RL", 18, u"Ein-Ausschaltvorgänge › Widerstand mit Spule"},
    {{&M::Experiment_RC_Reihe},
     u"Widerstand_Kondensator",
     4,
     u"Experimente › Reihenschaltungen › Widerstand und Kondensator"},
    {{&M::Experiment_RL_Reihe}, u"Widerstand_Spule", 5, u"Experimente › Reihenschaltungen › Widerstand und Spule"},
    {{&M::Experiment_RCL_Reihe},
     u"Widerstand_Kondensator_Spule",
     7,
     u"Experimente › Reihenschaltungen › Widerstand, Kondensator, Spule"},
    {{&M::Experiment_RC_parallel},
     u"Widerstand_Kondensator_parallel",
     9,
     u"Experimente › Parallelschaltungen › Widerstand und Kondensator"},
    {{&M::Experiment_RL_parallel},
     u"Widerstand_Spule_parallel",
     10,
     u"Experimente › Parallelschaltungen › Widerstand und Spule"},
    {{&M::Experiment_RCL_parallel},
     u"Widerstand_Kondensator_Spule_parallel",
     12,
     u"Experimente › Parallelschaltungen › Widerstand, Kondensator, Spule"},
    {{&M::Experiment_CL_parallel},
     u"Kondensator__Spule_parallel",
     11,
     u"Experimente › Parallelschaltungen › Kondensator und Spule"},
    // Not the signal flags of Fourier 1: they survive Prepare.
    {{&M::Fourier1, &M::Fourier2}, u"_Fouriersynthese", 20, u"Fouriersynthese › Fourier 1, Fourier 2"},
    {{&M::Tabelle_Hochpass}, u"Hoch_Tielpass", 26, u"Tabellen › Hochpass"},
    {{&M::Tabelle_Tiefpass}, u"Hoch_Tielpass", 26, u"Tabellen › Tiefpass"},
    {{&M::Tabelle_Sperrkreis}, u"Widerstand_Kondensator_Spule_parallel", 12, u"Tabellen › Sperrkreis"},
    {{&M::Tabelle_Siebkette}, u"Widerstand_Kondensator_Spule", 7, u"Tabellen › Siebkette"},
    {{&M::Tabelle_Kapazitaeten}, u"_Kondensator", 1, u"Tabellen › Kapazitäten"},
    {{&M::Tabelle_Induktivitaeten}, u"_Spule", 2, u"Tabellen › Induktivitäten"},
    {{&M::Blatt_Kapazitaet, &M::Blatt_Kondensator},
     u"_Kondensator",
     1,
     u"Berechnungen › Kapazität eines Kondensators, Berechnungen › Kondensator"},
    {{&M::Blatt_Induktivitaet, &M::Blatt_Spule},
     u"_Spule",
     2,
     u"Berechnungen › Induktivität einer Spule, Berechnungen › Spule"},
    {{&M::Blatt_RC_parallel}, u"Widerstand_Kondensator_parallel", 9, u"Berechnungen › Parallelschaltungen › R und C"},
    {{&M::Blatt_RL_parallel}, u"Widerstand_Spule_parallel", 10, u"Berechnungen › Parallelschaltungen › R und L"},
    {{&M::Blatt_CL_parallel}, u"Kondensator__Spule_parallel", 11, u"Berechnungen › Parallelschaltungen › C und L"},
    {{&M::Blatt_RCL_parallel},
     u"Widerstand_Kondensator_Spule_parallel",
     12,
     u"Berechnungen › Parallelschaltungen › R, C und L"},
    {{&M::Blatt_Widerstand}, u"_Widerstand", 0, u"Berechnungen › Widerstand"},
    {{&M::Blatt_RCL_Reihe},
     u"Widerstand_Kondensator_Spule",
     7,
     u"Berechnungen › Reihenschaltungen › Widerstand, Kondensator, Spule"},
    {{&M::Blatt_CL_Reihe}, u"Kondensator_Spule", 6, u"Berechnungen › Reihenschaltungen › Kondensator mit Spule"},
}};

QStringList Suchordner_Hilfedatei() {
  QStringList ordner{QDir::currentPath()};
  if (QCoreApplication::instance()) {
    const QDir programm(QCoreApplication::applicationDirPath());
    ordner << programm.path();
    // Installed: PREFIX/bin/velumat and PREFIX/share/velumat/velumathlp.rtf.
    ordner << QDir::cleanPath(programm.filePath(QStringLiteral("../share/velumat")));
  }
  ordner << QStandardPaths::standardLocations(QStandardPaths::AppDataLocation);
  for (const QString& daten : QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation))
    ordner << QDir(daten).filePath(QStringLiteral("velumat"));
  ordner << QStringLiteral("/usr/share/velumat");
  ordner.removeDuplicates();
  return ordner;
}

std::optional<QString> Finde_Hilfedatei(const QStringList& ordner) {
  for (const QString& o : ordner) {
    const QFileInfo datei(QDir(o).filePath(kHilfedatei.toString()));
    if (datei.isFile()) return datei.absoluteFilePath();
  }
  return std::nullopt;
}

std::optional<QString> Finde_Hilfedatei() { return Finde_Hilfedatei(Suchordner_Hilfedatei()); }

std::optional<QTextDocumentFragment> Finde_Abschnitt(const QTextDocument& doc, QStringView key) {
  if (key.isEmpty()) return std::nullopt;
  // The raw text holds one character per document position, paragraph ends included.
  const QString text = doc.toRawText();
  const qsizetype s = text.indexOf(key);
  if (s < 0) return std::nullopt;
  qsizetype anfang = s + key.size();
  if (anfang < text.size() &&
      (text[anfang] == QChar::ParagraphSeparator || text[anfang] == QChar::LineSeparator || text[anfang] == u'\n'))
    ++anfang;
  const qsizetype e = text.indexOf(QString(u'\\') + key.toString(), anfang);
  if (e < 0) return std::nullopt;
  // Selecting does not change the document.
  QTextCursor auswahl(const_cast<QTextDocument*>(&doc));
  auswahl.setPosition(static_cast<int>(anfang));
  auswahl.setPosition(static_cast<int>(e), QTextCursor::KeepAnchor);
  return auswahl.selection();
}

Abschnitt Lade_Abschnitt(const QString& path, QStringView key) {
  Abschnitt ergebnis;
  if (!QFileInfo(path).isFile()) {
    ergebnis.datei = {false, QStringLiteral("Die Hilfedatei \"%1\" wurde nicht gefunden.").arg(path)};
    return ergebnis;
  }
  QTextDocument doc;
  ergebnis.datei = Lies_RTF_Datei(path, doc);
  ergebnis.text = Finde_Abschnitt(doc, key);
  return ergebnis;
}

std::optional<QStringView> Schluessel_fuer_Eintrag(int index) {
  if (index < 0 || index >= kThemenanzahl || kThemen[index].key.isEmpty()) return std::nullopt;
  return kThemen[index].key;
}

std::optional<QStringView> Abschnitt_fuer_Modus(const TZeichenmodus& modus) {
  std::optional<QStringView> key;
  for (const Modusregel& regel : kModusregeln)
    for (bool TZeichenmodus::*flag : regel.flags)
      if (flag != nullptr && modus.*flag) {
        key = regel.key;
        break;
      }
  return key;
}

}  // namespace help
