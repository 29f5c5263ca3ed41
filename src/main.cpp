#include <unistd.h>
#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <cstdio>

#include "app/application.h"
#include "app/form1.h"
#include "app/kommandozeile.h"
#include "toolkit/images.h"

int main(int argc, char** argv) {
  QStringList raw;
  for (int i = 0; i < argc; ++i) raw << QString::fromLocal8Bit(argv[i]);
  const TKommandozeile k = Lies_Kommandozeile(raw);
  if (!k.fehler.isEmpty()) {
    std::fprintf(stderr, "velumat: %s\n", k.fehler.toLocal8Bit().constData());
    return 2;
  }
  if (k.hilfe || k.version) {
    const QCoreApplication ohne_fenster(argc, argv);  // the program's folder, for the help file
    std::fputs((k.hilfe ? Hilfetext() : Versionstext()).toUtf8().constData(), stdout);
    return 0;
  }
  // Export and listing need no display.
  if (Braucht_keinen_Bildschirm(k) && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
    qputenv("QT_QPA_PLATFORM", "offscreen");

  // Qt warns on every start without a runtime folder; give it a private one.
  if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
    const QString runtime = QDir::tempPath() + QString("/velumat-runtime-%1").arg(getuid());
    QDir().mkpath(runtime);
    QFile::setPermissions(runtime, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    qputenv("XDG_RUNTIME_DIR", runtime.toLocal8Bit());
  }

  TApplication app(argc, argv);
  QTranslator qt_german;
  if (qt_german.load(QLocale(QLocale::German), "qtbase", "_", QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    app.installTranslator(&qt_german);

  TForm1 form;
  Images();
  if (k.themen_auflisten) {
    for (const QString& t : form.Themen()) std::printf("%s\n", t.toUtf8().constData());
    return 0;
  }
  if (!k.export_datei.isEmpty()) return Fuehre_Export_aus(form, k);

  if (k.zoom) form.Setze_Zoom(*k.zoom, false);
  form.show();
  if (!k.thema.isEmpty()) {
    // A dialog the topic opens is placed by the window's final (maximised) size.
    Nach_fertiger_Fenstergroesse(form, [&form, &k] { Starte_Thema(form, k.thema); });
  }
  return app.exec();
}
