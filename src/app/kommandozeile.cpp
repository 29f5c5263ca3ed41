#include "app/kommandozeile.h"

#include <QFileInfo>
#include <QImageWriter>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QSaveFile>
#include <QSvgGenerator>
#include <QTimer>
#include <QWidget>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "app/form1.h"
#include "help/help_sections.h"
#include "platform/safe_call.h"
#include "platform/services.h"
#include "toolkit/farben.h"

namespace {
constexpr int kMaxKante = 16384;  // 1 GiB of pixels at most
}  // namespace

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
      if (!v || v->isEmpty())
        k.fehler = "--export braucht einen Dateinamen";
      else
        k.export_datei = *v;
    } else if (a == "--size") {
      const auto v = next();
      static const QRegularExpression re("^(\\d{1,5})[xX](\\d{1,5})$");
      const auto m = v ? re.match(*v) : QRegularExpressionMatch();
      const auto passt = [&m](int i) { return m.captured(i).toInt() >= 100 && m.captured(i).toInt() <= kMaxKante; };
      if (!v || !m.hasMatch() || !passt(1) || !passt(2))
        k.fehler = QString("--size erwartet BREITExHÖHE, mindestens 100x100, höchstens %1x%1").arg(kMaxKante);
      else
        k.groesse = QSize(m.captured(1).toInt(), m.captured(2).toInt());
    } else if (a == "--schwarzweiss") {
      k.schwarzweiss = true;
    } else if (a == "--zoom") {
      const auto v = next();
      bool zahl = false;
      const int prozent = v ? v->toInt(&zahl) : 0;
      if (!zahl || prozent < 100 || prozent > 300)
        k.fehler = "--zoom erwartet PROZENT von 100 bis 300";
      else
        k.zoom = prozent;
    } else if (a == "--topics") {
      k.themen_auflisten = true;
    } else if (a == "--help" || a == "-h") {
      k.hilfe = true;
    } else if (a == "--version") {
      k.version = true;
    } else {
      k.fehler = QString("Unbekannte Option: %1").arg(a);
    }
  }
  if (k.fehler.isEmpty() && !k.export_datei.isEmpty() && k.thema.isEmpty()) k.fehler = "--export braucht --topic";
  return k;
}

bool Braucht_keinen_Bildschirm(const TKommandozeile& k) { return !k.export_datei.isEmpty() || k.themen_auflisten; }

namespace {
// Where the calculation help is read from, or where it was looked for.
QString Hilfedatei_Zeile() {
  if (const auto pfad = help::Finde_Hilfedatei()) return QStringLiteral("Hilfedatei: %1\n").arg(*pfad);
  return QStringLiteral("Hilfedatei: nicht gefunden; gesucht in %1\n")
      .arg(help::Suchordner_Hilfedatei().join(QStringLiteral(", ")));
}
}  // namespace

QString Hilfetext() {
  return QStringLiteral(
             "Aufruf: velumat [--topic THEMA]\n"
             "        velumat --export DATEI --topic THEMA [--size BREITExHÖHE] [--zoom PROZENT]\n"
             "                [--schwarzweiss]\n"
             "        velumat --topics | --help | --version\n"
             "\n"
             "Velumat, Lehrprogramm für Wechselstromkreise.\n"
             "\n"
             "Optionen:\n"
             "  --topic THEMA        startet mit dem Thema, als wäre sein Menüeintrag gewählt;\n"
             "                       THEMA ist der Menüpfad, z. B. \"Zeigerdiagramm/nur Kondensator\"\n"
             "  --topics             listet alle Themen, eines je Zeile\n"
             "  --export DATEI       zeichnet das Thema ohne Fenster in DATEI (.png, .bmp, .svg, .pdf)\n"
             "  --size BREITExHÖHE   Größe der Zeichenfläche beim Export mit Statuszeile (Vorgabe 782x550)\n"
             "  --schwarzweiss       exportiert in Schwarz-Weiß\n"
             "  --zoom PROZENT       vergrößert die Zeichnung (100 bis 300); das Bild behält seine Größe\n"
             "  --help               zeigt diese Hilfe\n"
             "  --version            zeigt die Version\n"
             "\n"
             "Rückgabewert: 0 bei Erfolg, 2 bei falschen Argumenten, unbekanntem Thema oder\n"
             "einer Datei, die nicht geschrieben werden kann.\n"
             "\n"
             "Beispiel:\n"
             "  velumat --export rcl.png --topic \"Zeigerdiagramm/Widerstand, Kondensator und Spule\" --size 1280x800\n"
             "\n") +
         Hilfedatei_Zeile();
}

QString Versionstext() { return QStringLiteral("velumat " VELUMAT_VERSION "\n"); }

void Starte_Thema(TForm1& form, const QString& thema) {
  if (form.Fuehre_Thema_aus(thema)) return;
  platform::services().message_boxes->Error(QStringLiteral("Velumat"),
                                            QStringLiteral("Das Thema \"%1\" gibt es nicht.\n\n"
                                                           "Alle Themen listet der Aufruf: velumat --topics\n"
                                                           "Das Programm startet ohne Thema.")
                                                .arg(thema));
}

namespace {
void Fehlerzeile(const QString& text) { std::fprintf(stderr, "velumat: %s\n", text.toLocal8Bit().constData()); }
}  // namespace

namespace {

// Why a file could not be written: a full disk in plain words, else the system's text (the
// file itself often knows no more than "unknown error" after a failed write).
QString Grund(const QFileDevice& datei, int fehlernummer = 0) {
  if (fehlernummer == ENOSPC || datei.error() == QFileDevice::ResourceError)
    return QStringLiteral("kein freier Speicherplatz");
  if (fehlernummer != 0 && datei.error() != QFileDevice::NoError)
    return QString::fromLocal8Bit(std::strerror(fehlernummer));
  return datei.errorString();
}

// The drawing as vector graphics of the image's size, 96 pixels to the inch.
QString Schreibe_Vektorgrafik(TForm1& form, const QString& path, const QString& suffix) {
  const QSize groesse = form.Bildgroesse();
  QSaveFile datei(path);
  if (!datei.open(QIODevice::WriteOnly)) return Grund(datei);
  if (suffix == "svg") {
    QSvgGenerator svg;
    svg.setOutputDevice(&datei);
    svg.setSize(groesse);
    svg.setViewBox(QRect(QPoint(0, 0), groesse));
    svg.setResolution(96);
    svg.setTitle(QStringLiteral("Velumat"));
    form.Zeichne_auf(svg);
  } else {
    QPdfWriter pdf(&datei);
    pdf.setCreator(QStringLiteral("Velumat"));
    pdf.setResolution(96);
    pdf.setPageLayout(
        QPageLayout(QPageSize(QSizeF(groesse) / 96.0, QPageSize::Inch), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
    form.Zeichne_auf(pdf);
  }
  errno = 0;
  if (!datei.commit()) return Grund(datei, errno);
  return QString();
}

// PNG and BMP through QSaveFile as well: a failed export leaves an existing file untouched and
// no partial file behind.
QString Schreibe_Rasterbild(const QImage& image, const QString& path, const QString& suffix) {
  QSaveFile datei(path);
  if (!datei.open(QIODevice::WriteOnly)) return Grund(datei);
  QImageWriter writer(&datei, suffix.toLatin1());
  errno = 0;
  if (!writer.write(image)) {
    const int fehlernummer = errno;
    const QString grund = datei.error() != QFileDevice::NoError ? Grund(datei, fehlernummer) : writer.errorString();
    datei.cancelWriting();
    return grund;
  }
  errno = 0;
  if (!datei.commit()) return Grund(datei, errno);
  return QString();
}

// Every pixel of the image has the colour of the first one.
bool Einfarbig(const QImage& image) {
  const QImage bild = image.convertToFormat(QImage::Format_RGB32);
  const QRgb erste = bild.pixel(0, 0);
  for (int y = 0; y < bild.height(); ++y) {
    const auto* zeile = reinterpret_cast<const QRgb*>(bild.constScanLine(y));
    for (int x = 0; x < bild.width(); ++x) {
      if (zeile[x] != erste) return false;
    }
  }
  return true;
}

}  // namespace

namespace {

// The topic drawn into the file; an error line and status 2 when something fails. `fehler`
// collects what the topic's handlers throw.
int Exportiere(TForm1& form, const TKommandozeile& k, const QString& suffix, const QString& fehler) {
  form.Setze_ohne_Dialoge(true);
  Einstellungen.Werte_sofort = false;
  form.Setze_Zoom(k.zoom.value_or(100), false);
  form.Setze_Client_Groesse(k.groesse.width(), k.groesse.height());
  if (!form.Fuehre_Thema_aus(k.thema) || !fehler.isEmpty()) return 2;
  if (k.schwarzweiss) Schwarzweiss_Farben();
  const QImage image = form.Zeichne_Bild();
  if (!fehler.isEmpty()) return 2;
  if (image.isNull()) {
    Fehlerzeile(QString("Kann %1 nicht schreiben: zu wenig Speicher für ein Bild von %2x%3 Pixeln")
                    .arg(k.export_datei)
                    .arg(k.groesse.width())
                    .arg(k.groesse.height()));
    return 2;
  }
  const QString grund = suffix == "svg" || suffix == "pdf" ? Schreibe_Vektorgrafik(form, k.export_datei, suffix)
                                                           : Schreibe_Rasterbild(image, k.export_datei, suffix);
  if (!grund.isEmpty()) {
    Fehlerzeile(QString("Kann %1 nicht schreiben: %2").arg(k.export_datei, grund));
    return 2;
  }
  // Calculators before a computation, the help and the like draw nothing in the main window.
  if (Einfarbig(image))
    Fehlerzeile(
        QString("„%1“ hat ohne Eingaben keine eigene Zeichnung; exportiert ist der leere Hintergrund.").arg(k.thema));
  return 0;
}

}  // namespace

int Fuehre_Export_aus(TForm1& form, const TKommandozeile& k) {
  const QString suffix = QFileInfo(k.export_datei).suffix().toLower();
  if (suffix != "png" && suffix != "bmp" && suffix != "svg" && suffix != "pdf") {
    Fehlerzeile(QString("Dateityp nicht unterstützt: %1 (png, bmp, svg, pdf)").arg(k.export_datei));
    return 2;
  }
  // Only drawing topics: the commands of the menu "Datei" would print, save or ask.
  if (!form.Themen().contains(k.thema)) {
    Fehlerzeile(QString("Unbekanntes Thema: %1 (--topics listet alle)").arg(k.thema));
    return 2;
  }
  // Without a screen nobody could close an error box: an error ends the export with a line.
  QString fehler;
  platform::set_exception_handler([&fehler](const std::exception& e) {
    if (fehler.isEmpty()) fehler = QString::fromLocal8Bit(e.what());
  });
  struct Zurueck {
    TForm1& form;
    ~Zurueck() {
      platform::set_exception_handler([f = &form](const std::exception& e) { f->AppException(e); });
    }
  } zurueck{form};
  int status = 2;
  platform::guarded([&] { status = Exportiere(form, k, suffix, fehler); });
  if (!fehler.isEmpty()) {
    Fehlerzeile(QString("Fehler beim Zeichnen: %1").arg(fehler));
    return 2;
  }
  return status;
}

void Nach_fertiger_Fenstergroesse(QWidget& fenster, const std::function<void()>& aktion) {
  constexpr int kRuhig = 5, kHoechstens = 40;  // steps of 50 ms
  auto* takt = new QTimer(&fenster);
  takt->setInterval(50);
  QObject::connect(takt, &QTimer::timeout, &fenster,
                   [takt, aktion, &fenster, groesse = QSize(), ruhig = 0, schritte = 0]() mutable {
                     const QSize jetzt = fenster.size();
                     ruhig = jetzt == groesse ? ruhig + 1 : 0;
                     groesse = jetzt;
                     if (ruhig < kRuhig && ++schritte < kHoechstens) return;
                     takt->stop();
                     takt->deleteLater();
                     platform::guarded(aktion);
                   });
  takt->start();
}
