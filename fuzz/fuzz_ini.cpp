// INI reader and writer: parse, change a value, write, read again: every value that could be
// read before reads the same afterwards, and the changed one reads as written.
#include <QByteArray>
#include <QList>
#include <QStringDecoder>
#include <cstdint>
#include <cstdlib>
#include <utility>
#include <vector>

#include "platform/ini_file.h"

using platform::IniFile;

namespace {

void Pruefe(bool bedingung) {
  if (!bedingung) std::abort();
}

// Section and key names of the lines that look like entries, found the plain way; they only
// choose what to compare.
std::vector<std::pair<QString, QString>> Namen(const QByteArray& bytes) {
  std::vector<std::pair<QString, QString>> namen{{"Einstellungen", "Fenster"}};
  QString sektion;
  for (const QByteArray& zeile : bytes.split('\n')) {
    const QString z = QString::fromLatin1(zeile).trimmed();
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString u = QString(utf8.decode(zeile)).trimmed();
    if (z.startsWith('[') && z.contains(']')) {
      sektion = z.mid(1, z.indexOf(']') - 1).trimmed();
      namen.emplace_back(sektion, QString());
      namen.emplace_back(u.mid(1, u.indexOf(']') - 1).trimmed(), QString());
    } else if (z.contains('=')) {
      namen.emplace_back(sektion, z.left(z.indexOf('=')).trimmed());
      namen.emplace_back(sektion, u.left(u.indexOf('=')).trimmed());
    }
  }
  return namen;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 2) return 0;
  // First byte: which of the settings keys changes, second: its new value.
  static const char* const kSchluessel[] = {"Hintergrundfarbe", "Waittime",    "Fenster",
                                            "Anhalten",         "Druckfaktor", "Maximiert"};
  const QString schluessel = kSchluessel[data[0] % 6];
  const int wert = static_cast<std::int8_t>(data[1]);
  const QByteArray bytes(reinterpret_cast<const char*>(data + 2), static_cast<qsizetype>(size - 2));
  const auto namen = Namen(bytes);
  const IniFile vorher = IniFile::FromBytes(bytes);
  IniFile ini = IniFile::FromBytes(bytes);
  ini.WriteInteger("Einstellungen", schluessel, wert);
  const IniFile nachher = IniFile::FromBytes(ini.Bytes());
  Pruefe(nachher.ReadInteger("Einstellungen", schluessel, wert + 1) == wert);
  for (const auto& [sektion, key] : namen) {
    Pruefe(vorher.SectionExists(sektion) <= nachher.SectionExists(sektion));
    if (key.isEmpty()) continue;
    if (sektion.compare("Einstellungen", Qt::CaseInsensitive) == 0 && key.compare(schluessel, Qt::CaseInsensitive) == 0)
      continue;
    Pruefe(vorher.ReadString(sektion, key, "\x01") == nachher.ReadString(sektion, key, "\x01"));
  }
  return 0;
}
