#include <QApplication>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>

#include "app/form1.h"
#include "app_fixture.h"
#include "tables/dekaden_dlg.h"
#include "tables/filter_dlg.h"

using namespace tables;

namespace {

using TabellenBefehle = AppTest;

const char* const kTabellen[] = {"Tabellen/Kapazitäten", "Tabellen/Induktivitäten", "Tabellen/Siebkette",
                                 "Tabellen/Sperrkreis",  "Tabellen/Hochpass",       "Tabellen/Tiefpass"};

// Every command clears the mode, opens its dialog owned by the main window and, on a fresh
// start, shows no error box.
TEST_F(TabellenBefehle, EachCommandOpensItsDialogWithoutError) {
  TForm1 form;
  for (const char* pfad : kTabellen) {
    Zeichenmodus.nur_Spule = true;
    bool tabelle = false;
    QWidget* eltern = nullptr;
    QString variante;
    QTimer::singleShot(0, [&] {
      QWidget* offen = QApplication::activeModalWidget();
      if (offen == nullptr) return;
      tabelle = dynamic_cast<TTabellenDlg*>(offen) != nullptr;
      eltern = offen->parentWidget();
      if (auto* hp = dynamic_cast<TBerechne_Tabelle_HochpassDLG*>(offen)) variante = hp->Variante;
      offen->close();
    });
    ASSERT_TRUE(form.Fuehre_Thema_aus(pfad)) << pfad;
    EXPECT_TRUE(tabelle) << pfad;
    EXPECT_EQ(eltern, &form) << pfad;
    EXPECT_FALSE(Zeichenmodus.nur_Spule) << pfad;
    EXPECT_TRUE(services_.message_boxes.calls.empty()) << pfad;
    if (QString(pfad).endsWith("pass")) {
      EXPECT_EQ("Tabellen/" + variante, pfad);
    }
  }
}

// An export draws each sheet with the values its dialog opens with, not a blank page.
TEST_F(TabellenBefehle, ExportDrawsTheSheetWithTheOpeningValues) {
  const struct {
    const char* pfad;
    const char* titel;
    const char* wert;
  } faelle[] = {
      {"Tabellen/Kapazitäten", "Kapazitiver Blindwiderstand", "159154.943"},
      {"Tabellen/Induktivitäten", "Induktiver Blindwiderstand", "628.319"},
      {"Tabellen/Siebkette", "Tabelle: Siebkette", "5032.921"},
      {"Tabellen/Sperrkreis", "Tabelle: Sperrkreis", "5032.921"},
      {"Tabellen/Hochpass", "Tabelle: Hochpass", "3190.666"},
      {"Tabellen/Tiefpass", "Tabelle: Tiefpass", "3175.550"},
  };
  QTemporaryDir ordner;
  for (const auto& f : faelle) {
    const QString datei = ordner.filePath("tabelle.svg");
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove("QT_QPA_PLATFORM");
    env.remove("DISPLAY");
    p.setProcessEnvironment(env);
    p.setWorkingDirectory(ordner.path());
    p.start(VELUMAT_BIN, {"--export", datei, "--topic", f.pfad});
    ASSERT_TRUE(p.waitForFinished(60000));
    EXPECT_EQ(p.exitCode(), 0) << f.pfad << p.readAllStandardError().toStdString();
    QFile svg(datei);
    ASSERT_TRUE(svg.open(QIODevice::ReadOnly)) << f.pfad;
    const QString inhalt = QString::fromUtf8(svg.readAll());
    EXPECT_TRUE(inhalt.contains(f.titel)) << f.pfad;
    EXPECT_TRUE(inhalt.contains(f.wert)) << f.pfad;
  }
}

}  // namespace
