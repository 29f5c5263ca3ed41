#include "toolkit/farben.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include "platform/ini_file.h"

TFarben Farben;
TEinstellungen Einstellungen;

namespace {
const QColor kHintergruende[kAnzahlHintergruende] = {
    QColor(0xFF, 0xFF, 0xFF), QColor(0xC0, 0xC0, 0xC0), QColor(0x80, 0x80, 0x80), QColor(0x00, 0x00, 0xFF),
    QColor(0x00, 0x00, 0x80), QColor(0x80, 0x00, 0x00), QColor(0x00, 0x80, 0x00), QColor(0x00, 0x00, 0x00)};

int im_Bereich(int value, int count, int fallback) { return value >= 0 && value < count ? value : fallback; }
}  // namespace

void Setze_Farbschema(int index) {
  index = im_Bereich(index, kAnzahlHintergruende, 0);
  Farben.Hintergrund = kHintergruende[index];
  if (index == 0) {
    Farben.Text = QColor(0x00, 0x00, 0x00);
    Farben.Impedanz = QColor(0x00, 0x00, 0xFF);
    Farben.Kondensator = QColor(0x00, 0x00, 0x80);
    Farben.Spule = QColor(0x00, 0x80, 0x00);
  } else {
    Farben.Text = QColor(0xFF, 0xFF, 0xFF);
    Farben.Impedanz = QColor(0x00, 0xFF, 0xFF);
    Farben.Kondensator = QColor(0xFF, 0xFF, 0x00);
    Farben.Spule = QColor(0x00, 0xFF, 0x00);
  }
}

void Schwarzweiss_Farben() {
  const QColor black(0x00, 0x00, 0x00);
  Farben.Hintergrund = QColor(0xFF, 0xFF, 0xFF);
  Farben.Text = black;
  Farben.Impedanz = black;
  Farben.Kondensator = black;
  Farben.Spule = black;
  Farben.Widerstand = black;
  Farben.Widerstandsstrom = QColor(0x80, 0x80, 0x80);
}

void Lade_Grundeinstellungen() {
  Farben = TFarben{};
  int hintergrund = 0;
  int verzoegerung = 0;
  // Without the key, or without a file, the print size is the settings dialog's "1/4 Seite":
  // a print or a black-and-white copy must not change the size of the next print.
  int drucken = 0;
  platform::IniFile ini(Pfad_Einstellungsdatei());
  if (ini.Exists()) {
    hintergrund = im_Bereich(ini.ReadInteger("Einstellungen", "Hintergrundfarbe", 0), kAnzahlHintergruende, 0);
    verzoegerung = im_Bereich(ini.ReadInteger("Einstellungen", "waittime", 0), 9, 0);
    drucken = im_Bereich(ini.ReadInteger("Einstellungen", "Drucken", 0), 3, 0);
  }
  Farben.Hintergrund = kHintergruende[hintergrund];
  if (hintergrund == 0) {
    Farben.Text = QColor(0x00, 0x00, 0x00);
    Farben.Impedanz = QColor(0x00, 0x00, 0xFF);
  } else if (hintergrund == 1) {
    Farben.Text = QColor(0x00, 0x00, 0x00);
  } else {
    Farben.Text = QColor(0xFF, 0xFF, 0xFF);
  }
  Einstellungen.Verzoegerung = kVerzoegerungen[verzoegerung];
  Einstellungen.Druckfaktor = kDruckfaktoren[drucken];
}

namespace {
QString& pfad_override() {
  static QString path;
  return path;
}
}  // namespace

void Setze_Pfad_Einstellungsdatei(const QString& path) { pfad_override() = path; }

QString Pfad_Einstellungsdatei() {
  if (!pfad_override().isEmpty()) return pfad_override();
  static const QString kName = QStringLiteral("velumat.ini");
  const QString program_dir = QCoreApplication::applicationDirPath();
  const QString beside = QDir(program_dir).filePath(kName);
  if (QFileInfo::exists(beside) || QFileInfo(program_dir).isWritable()) return beside;
  const QString config = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
  QDir().mkpath(config);
  return QDir(config).filePath(kName);
}
