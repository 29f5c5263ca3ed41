#include "app/kommandozeile.h"

#include <QFileInfo>
#include <QImageWriter>
#include <QRegularExpression>
#include <cstdio>

#include "app/form1.h"
#include "toolkit/farben.h"

TKommandozeile Lies_Kommandozeile(const QStringList& args) {
  TKommandozeile k;
  for (int i = 1; i < args.size(); ++i) {
    const QString& a = args[i];
    auto next = [&]() -> std::optional<QString> {
      if (i + 1 >= args.size()) return std::nullopt;
      return args[++i];
    };
    if (a == "--topic") {
      const auto v = next();
      if (!v)
        k.fehler = "--topic braucht ein Thema";
      else
        k.thema = *v;
    } else if (a == "--export") {
      const auto v = next();
      if (!v)
        k.fehler = "--export braucht einen Dateinamen";
      else
        k.export_datei = *v;
    } else if (a == "--size") {
      const auto v = next();
      static const QRegularExpression re("^(\\d{1,5})[xX](\\d{1,5})$");
      const auto m = v ? re.match(*v) : QRegularExpressionMatch();
      if (!v || !m.hasMatch() || m.captured(1).toInt() < 100 || m.captured(2).toInt() < 100)
        k.fehler = "--size erwartet BREITExHÖHE, mindestens 100x100";
      else
        k.groesse = QSize(m.captured(1).toInt(), m.captured(2).toInt());
    } else if (a == "--schwarzweiss") {
      k.schwarzweiss = true;
    } else if (a == "--topics") {
      k.themen_auflisten = true;
    } else {
      k.fehler = QString("Unbekannte Option: %1").arg(a);
    }
  }
  if (k.fehler.isEmpty() && !k.export_datei.isEmpty() && k.thema.isEmpty()) k.fehler = "--export braucht --topic";
  return k;
}

bool Braucht_keinen_Bildschirm(const TKommandozeile& k) { return !k.export_datei.isEmpty() || k.themen_auflisten; }

namespace {
void Fehlerzeile(const QString& text) { std::fprintf(stderr, "velumat: %s\n", text.toLocal8Bit().constData()); }
}  // namespace

int Fuehre_Export_aus(TForm1& form, const TKommandozeile& k) {
  const QString suffix = QFileInfo(k.export_datei).suffix().toLower();
  if (suffix != "png" && suffix != "bmp") {
    Fehlerzeile(QString("Dateityp nicht unterstützt: %1 (png, bmp)").arg(k.export_datei));
    return 2;
  }
  form.Setze_ohne_Dialoge(true);
  Einstellungen.Werte_sofort = false;
  form.Setze_Client_Groesse(k.groesse.width(), k.groesse.height());
  if (!form.Fuehre_Thema_aus(k.thema)) {
    Fehlerzeile(QString("Unbekanntes Thema: %1 (--topics listet alle)").arg(k.thema));
    return 2;
  }
  if (k.schwarzweiss) Schwarzweiss_Farben();
  const QImage image = form.Zeichne_Bild();
  QImageWriter writer(k.export_datei, suffix.toLatin1());
  if (!writer.write(image)) {
    Fehlerzeile(QString("Kann %1 nicht schreiben: %2").arg(k.export_datei, writer.errorString()));
    return 2;
  }
  return 0;
}
