#include "tables/tabelle_speichern.h"

#include <QFileInfo>
#include <QSaveFile>

#include "platform/services.h"
#include "toolkit/number_text.h"

namespace tables {

namespace {

QString Komma_Wert(long double x) { return Dezimalkomma(Formatiere_Wert(x)); }

}  // namespace

QStringList Dateizeilen_Reaktanz(const Dekade& d, bool induktiv) {
  QString kopf = QStringLiteral("Frequenz\t");
  for (std::size_t j = 0; j < Multiplikatoren.size(); ++j) kopf += Spaltenkopf(d, static_cast<int>(j)) + '\t';
  QStringList zeilen{kopf};
  for (const Reaktanzzeile& zeile : Berechne_Reaktanztabelle(d, induktiv)) {
    QString text = QString::number(zeile.f) + QStringLiteral(" Hz\t");
    for (const real48 X : zeile.X) text += Komma_Wert(X) + '\t';
    zeilen << text;
  }
  return zeilen;
}

QStringList Dateizeilen_Frequenz(Filter filter) {
  const bool schwingkreis = filter == Filter::Siebkette || filter == Filter::Sperrkreis;
  QStringList kopf{schwingkreis ? QStringLiteral("Frequenz (Hz)") : QStringLiteral("Frequenz")};
  kopf << Spaltennamen(filter);
  QStringList zeilen{kopf.join('\t')};
  for (const Frequenzzeile& zeile : Frequenztabelle_aus_Schaltung(filter)) {
    QStringList werte;
    for (const real48 x : zeile) werte << Komma_Wert(x);
    zeilen << werte.join('\t');
  }
  return zeilen;
}

void Speichere_Tabelle(const QStringList& zeilen) {
  platform::Services& dienste = platform::services();
  std::optional<QString> name = dienste.file_dialogs->SaveFileName(
      QStringLiteral("Blindwiderstandstabelle speichern unter..."),
      QStringLiteral("Excel-Tabelle (*.xls);;Word-Dokument (*.doc);;ASCII (*.txt);;Allre Dateien (*.*)"), QString());
  if (!name) return;
  if (QFileInfo(*name).suffix().isEmpty()) *name += QStringLiteral(".xls");
  QByteArray inhalt;
  for (const QString& zeile : zeilen) inhalt += zeile.toUtf8() + "\r\n";
  // Written through a temporary file: an error cannot leave half a table behind or spoil
  // an existing file, and it gets one clear message instead of the input-error box.
  QSaveFile datei(*name);
  if (!datei.open(QIODevice::WriteOnly) || datei.write(inhalt) != inhalt.size() || !datei.commit()) {
    dienste.message_boxes->Error(QStringLiteral("Velumat"),
                                 QStringLiteral("Die Tabelle konnte nicht unter\n%1\ngespeichert werden.").arg(*name));
    return;
  }
  dienste.message_boxes->Information(
      QStringLiteral("Velumat"), QStringLiteral("Die Tabelle wurde unter ") + *name + QStringLiteral(" gespeichert !"));
}

}  // namespace tables
