#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <functional>

#include "app/form1.h"
#include "app/kommandozeile.h"
#include "app_fixture.h"
#include "platform/ini_file.h"

namespace {

using PraesentationTest = AppTest;

struct Zeichnung {
  QImage bild;
  platform::Recorder log;
  QImage fenster;  // the window's backing image
};

Zeichnung Zeichne(const char* thema, int zoom, int w, int h) {
  Zeichnung z;
  TForm1 form;
  form.Setze_ohne_Dialoge(true);
  form.Setze_Zoom(zoom, false);
  form.Setze_Client_Groesse(w, h + form.StatusBarHeight());
  form.Fuehre_Thema_aus(thema);
  form.Zeichne_ausstehend();
  z.fenster = form.Hintergrundbild();
  z.bild = form.Zeichne_Bild(&z.log);
  return z;
}

class ZoomVergleich : public AppTest, public ::testing::WithParamInterface<const char*> {};

// At 200 % a client of 1600 x 1000 shows the drawing of 800 x 500 at 100 %: the same primitives
// at the same drawing coordinates, every drawing pixel as a 2 x 2 block of the full-size image.
TEST_P(ZoomVergleich, TwiceTheClientAtTwoHundredPercentIsTheSameDrawingAtFullResolution) {
  const Zeichnung normal = Zeichne(GetParam(), 100, 800, 500);
  const Zeichnung gross = Zeichne(GetParam(), 200, 1600, 1000);
  ASSERT_EQ(gross.bild.size(), QSize(1600, 1000));
  EXPECT_EQ(gross.fenster.width(), 1600);
  EXPECT_EQ(gross.fenster.devicePixelRatio(), 2.0);
  ASSERT_EQ(gross.log.ops().size(), normal.log.ops().size());
  for (size_t i = 0; i < normal.log.ops().size(); ++i) {
    const platform::RecordedOp &a = normal.log.ops()[i], &b = gross.log.ops()[i];
    EXPECT_TRUE(a.op == b.op && a.args == b.args && a.text == b.text) << i << " " << a.op.toStdString();
  }
  // Lines and fills match exactly; glyphs are hinted anew at twice the size (a text-filled
  // table differs in under 3 % of its pixels).
  int anders = 0;
  for (int y = 0; y < 500; ++y)
    for (int x = 0; x < 800; ++x) anders += normal.bild.pixel(x, y) != gross.bild.pixel(2 * x + 1, 2 * y + 1);
  EXPECT_LT(anders, 800 * 500 * 3 / 100);
}

INSTANTIATE_TEST_SUITE_P(Themen, ZoomVergleich,
                         ::testing::Values("Zeigerdiagramm/Widerstand, Kondensator und Spule",
                                           "Diagramme/Serienschwingkreis", "Tabellen/Kapazitäten"));

QString Panel3(TForm1& form) { return form.findChild<QLabel*>("Panel2")->text(); }

TEST_F(PraesentationTest, ZoomSurvivesARestartInAKeyOfItsOwn) {
  {
    QFile datei(ini_path());
    ASSERT_TRUE(datei.open(QIODevice::WriteOnly));
    datei.write("; von Hand\n[Einstellungen]\nHintergrundfarbe=3\nWaittime=2\n");
  }
  {
    TForm1 form;  // an older file without the key
    EXPECT_EQ(form.Zoom(), 100);
    form.Setze_Client_Groesse(750, 400 + form.StatusBarHeight());
    EXPECT_EQ(Panel3(form), "Velumat");
    form.Setze_Zoom(150, true);
    EXPECT_EQ(form.ClientWidth(), 500);
    EXPECT_EQ(Panel3(form), "Zoom 150 %");
  }
  const platform::IniFile ini(ini_path());
  EXPECT_EQ(ini.ReadInteger("Einstellungen", "Zoom", 0), 150);
  EXPECT_EQ(ini.ReadInteger("Einstellungen", "Hintergrundfarbe", 0), 3);
  EXPECT_EQ(ini.ReadInteger("Einstellungen", "Waittime", 0), 2);
  {
    QFile datei(ini_path());
    ASSERT_TRUE(datei.open(QIODevice::ReadOnly));
    EXPECT_TRUE(datei.readAll().startsWith("; von Hand\n"));
  }
  {
    TForm1 form;
    EXPECT_EQ(form.Zoom(), 150);
    EXPECT_EQ(Farben.Hintergrund, QColor(0x00, 0x00, 0xFF));  // the other keys are read as before
  }
  platform::IniFile kaputt(ini_path());
  kaputt.WriteString("Einstellungen", "Zoom", "999");
  ASSERT_TRUE(kaputt.UpdateFile());
  TForm1 form;
  EXPECT_EQ(form.Zoom(), 100);
}

TEST_F(PraesentationTest, ExportZoomKeepsThePixelSizeAndIsNotStored) {
  EXPECT_FALSE(Lies_Kommandozeile({"velumat", "--zoom", "99"}).fehler.isEmpty());
  EXPECT_FALSE(Lies_Kommandozeile({"velumat", "--zoom", "zwei"}).fehler.isEmpty());
  const QString datei = dir_.filePath("z.png");
  const TKommandozeile k = Lies_Kommandozeile(
      {"velumat", "--export", datei, "--topic", "Diagramme/Serienschwingkreis", "--size", "1000x700", "--zoom", "200"});
  ASSERT_EQ(k.zoom, 200);
  TForm1 form;
  ASSERT_EQ(Fuehre_Export_aus(form, k), 0);
  EXPECT_EQ(QImage(datei).size(), QSize(1000, 700 - form.StatusBarHeight()));
  EXPECT_EQ(form.ClientWidth(), 500);
  EXPECT_FALSE(platform::IniFile(ini_path()).ValueExists("Einstellungen", "Zoom"));
}

// Closes whatever modal dialog opens and counts them.
struct Dialogwaechter {
  int gesehen = 0;
  QTimer timer;
  Dialogwaechter() {
    timer.setInterval(10);
    QObject::connect(&timer, &QTimer::timeout, [this] {
      if (QWidget* w = QApplication::activeModalWidget()) {
        ++gesehen;
        w->close();
      }
    });
    timer.start();
  }
};

TEST_F(PraesentationTest, EachShortcutCarriesOutItsCommandOnlyInTheMainWindow) {
  QTemporaryDir ordner;
  const QString alter_ordner = QDir::currentPath();
  QDir::setCurrent(ordner.path());
  struct Danach {
    TForm1& form;
    platform::ScopedTestServices& dienste;
    int dialoge;
    int neu_gezeichnet;
  };
  struct Fall {
    const char* name;
    QKeyCombination taste;
    int zoom_vorher;
    std::function<bool(const Danach&)> ausgefuehrt;
  };
  const Fall faelle[] = {
      {"F1 Rechenhilfe", Qt::Key_F1, 100, [](const Danach& d) { return d.dialoge == 1; }},
      {"Ctrl+P", Qt::CTRL | Qt::Key_P, 100, [](const Danach& d) { return d.dienste.printer.titles.size() == 1; }},
      {"Ctrl+C", Qt::CTRL | Qt::Key_C, 100, [](const Danach& d) { return d.dienste.clipboard.image_count == 1; }},
      {"Ctrl+S", Qt::CTRL | Qt::Key_S, 100, [](const Danach&) { return QFile::exists("ZEICHNUNG.BMP"); }},
      {"Ctrl+Q", Qt::CTRL | Qt::Key_Q, 100,
       [](const Danach& d) { return d.dienste.message_boxes.calls.size() == 1 && d.form.isVisible(); }},
      {"F5", Qt::Key_F5, 100, [](const Danach& d) { return d.neu_gezeichnet == 1; }},
      {"Shift+F10", Qt::SHIFT | Qt::Key_F10, 100, [](const Danach& d) { return d.dialoge == 1; }},
      {"Kontextmenue", Qt::Key_Menu, 100, [](const Danach& d) { return d.dialoge == 1; }},
      {"F11", Qt::Key_F11, 100, [](const Danach& d) { return d.form.isFullScreen(); }},
      {"Ctrl++", Qt::CTRL | Qt::Key_Plus, 100, [](const Danach& d) { return d.form.Zoom() == 125; }},
      {"Ctrl+-", Qt::CTRL | Qt::Key_Minus, 250, [](const Danach& d) { return d.form.Zoom() == 200; }},
      {"Ctrl+0", Qt::CTRL | Qt::Key_0, 300, [](const Danach& d) { return d.form.Zoom() == 100; }},
  };
  for (const Fall& fall : faelle) {
    SCOPED_TRACE(fall.name);
    platform::ScopedTestServices dienste;
    dienste.message_boxes.confirm_default = false;  // Ctrl+Q: the user stays
    TForm1 form;
    form.setWindowState(Qt::WindowNoState);
    form.Fuehre_Thema_aus("Zeigerdiagramm/nur Widerstand");
    form.Setze_Zoom(fall.zoom_vorher, false);
    form.show();
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    QApplication::processEvents();
    const int vorher = form.Redraw_Anzahl();
    Dialogwaechter waechter;
    QTest::keyClick(&form, fall.taste.key(), fall.taste.keyboardModifiers());
    QApplication::processEvents();
    EXPECT_TRUE(fall.ausgefuehrt({form, dienste, waechter.gesehen, form.Redraw_Anzahl() - vorher}));
    EXPECT_EQ(dienste.clipboard.image_count, fall.taste == (Qt::CTRL | Qt::Key_C) ? 1 : 0);
  }
  // A text field of a dialog keeps Ctrl+C for itself.
  TForm1 form;
  form.show();
  QDialog dialog(&form);
  auto* feld = new QLineEdit(QStringLiteral("12,5"), &dialog);
  dialog.show();
  dialog.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
  feld->setFocus();
  feld->selectAll();
  QTest::keyClick(feld, Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(services_.clipboard.image_count, 0);
  QDir::setCurrent(alter_ordner);
}

}  // namespace
