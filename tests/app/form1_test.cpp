#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QSet>
#include <QTimer>
#include <cstring>

#include "app/form1.h"
#include "app/kommandozeile.h"
#include "app_fixture.h"
#include "platform/safe_call.h"
#include "toolkit/layout.h"

namespace {

using Form1Test = AppTest;

TEST_F(Form1Test, PrepareKeepsOnlyTheFlagsThatSurvive) {
  TZeichenmodus all;
  std::memset(static_cast<void*>(&all), 1, sizeof all);
  all.Loeschen();
  TZeichenmodus expected;
  expected.Konstante_Achse_RC = expected.Konstante_Achse_RL = true;
  expected.Rechteck = expected.Dreieck = expected.Saegezahn_steigend = expected.Saegezahn_fallend = true;
  expected.Nadelimpuls_negativ = expected.Impulse_pos_neg = expected.Zweiweg_Gleichrichtung = true;
  EXPECT_TRUE(all == expected);
  EXPECT_FALSE(all.Irgendein_Thema());
}

TEST_F(Form1Test, StartsWithoutTopicShowingTheTitlePicture) {
  TForm1 form;
  EXPECT_EQ(form.windowTitle(), "Velumat");
  EXPECT_FALSE(Zeichenmodus.Irgendein_Thema());
  EXPECT_TRUE(form.Titelbild_sichtbar());
}

TEST_F(Form1Test, NewTopicReplacesTheOldOne) {
  TForm1 form;
  form.Setze_Client_Groesse(782, 550);
  ASSERT_TRUE(form.Fuehre_Thema_aus("Zeigerdiagramm/nur Widerstand"));
  ASSERT_TRUE(form.Fuehre_Thema_aus("Zeigerdiagramm/nur Kondensator"));
  TZeichenmodus expected;
  expected.Zeigerdiagramm = true;
  expected.nur_Kondensator = true;
  EXPECT_TRUE(Zeichenmodus == expected);

  platform::Recorder rec;
  form.Zeichne_Bild(&rec);
  const auto pictures = rec.ops("Draw");
  ASSERT_EQ(pictures.size(), 1u);
  EXPECT_EQ(pictures[0].args, (QList<int>{1, 1, 27, 25}));  // the capacitor picture at (1, 1)
  EXPECT_FALSE(form.Titelbild_sichtbar());
}

TEST_F(Form1Test, RightClickWithoutTopicOpensNothing) {
  TForm1 form;
  DialogSchliesser schliesser;
  form.FormMouseDown(Qt::RightButton, 100, 100);
  QApplication::processEvents();
  EXPECT_TRUE(schliesser.gesehen.isEmpty());
}

TEST_F(Form1Test, LeftClickRedrawsUnlessAKeyIsHeld) {
  TForm1 form;
  form.Setze_Client_Groesse(400, 300);
  const int before = form.Redraw_Anzahl();
  form.FormMouseDown(Qt::LeftButton, 10, 10);
  form.Zeichne_ausstehend();
  EXPECT_EQ(form.Redraw_Anzahl(), before + 1);
  form.FormKeyDown();
  form.FormMouseDown(Qt::LeftButton, 10, 10);
  form.Zeichne_ausstehend();
  EXPECT_EQ(form.Redraw_Anzahl(), before + 1);
  form.FormKeyUp();
}

TEST_F(Form1Test, ClosingAsksAndEndsOnlyOnYes) {
  TForm1 form;
  form.show();
  services_.message_boxes.confirm_answers = {false, true};
  EXPECT_FALSE(form.close());
  EXPECT_TRUE(form.isVisible());
  EXPECT_TRUE(form.close());
  ASSERT_EQ(services_.message_boxes.calls.size(), 2u);
  EXPECT_EQ(services_.message_boxes.calls[0].text, QString("Möchten Sie das Priogramm tatsächlich beenden ?"));
}

TEST_F(Form1Test, HandlerExceptionReachesTheErrorBoxOnceAndTheProgramGoesOn) {
  TForm1 form;
  QAction failing;
  platform::safe_connect(&failing, &QAction::triggered, &form, [](bool) { throw FloatError("Division durch Null"); });
  failing.trigger();
  ASSERT_EQ(services_.message_boxes.calls.size(), 1u);
  EXPECT_EQ(services_.message_boxes.calls[0].kind, platform::MessageBoxesDouble::Kind::Error);
  EXPECT_EQ(services_.message_boxes.calls[0].text,
            QString("In der Abwendung ist ein Eingabefehler aufgetreten !\nKann nicht alle Werte berechnen !"));
  EXPECT_TRUE(form.Fuehre_Thema_aus("Zeigerdiagramm/nur Spule"));
  EXPECT_TRUE(Zeichenmodus.nur_Spule);
}

// --topic given to the window: a known topic is carried out; an unknown one is named in one box
// that says how to list the valid ones, and the window goes on without a topic.
TEST_F(Form1Test, StartTopicNamesAnUnknownTopicInOneMessageBox) {
  TForm1 form;
  Starte_Thema(form, "Zeigerdiagramm/nur Spule");
  EXPECT_TRUE(Zeichenmodus.nur_Spule);
  EXPECT_TRUE(services_.message_boxes.calls.empty());

  Starte_Thema(form, "Zeigerdiagramm/gibt es nicht");
  ASSERT_EQ(services_.message_boxes.calls.size(), 1u);
  EXPECT_TRUE(services_.message_boxes.calls[0].text.contains("\"Zeigerdiagramm/gibt es nicht\""));
  EXPECT_TRUE(services_.message_boxes.calls[0].text.contains("velumat --topics"));
  EXPECT_TRUE(Zeichenmodus.nur_Spule);
}

TEST_F(Form1Test, MenuHasEveryTopicAndUniqueMnemonics) {
  TForm1 form;
  for (const char* path :
       {"Datei/Ergebnisse/kopieren/schwarz-weiss", "Diagramme/Wobbelgenerator/Hoch-Tiefpass",
        "Diagramme/Amplitudenmodulation/Sinunssignal",
        "Berechnungen/Parallelschaltungen/"
        "Widerstand, Kondensator, Spule",
        "Experimente/Parallelschaltungen/Kondensator und Spule", "Elektron im Feld/Elektron im gekreuzten E-B - Feld",
        "Aufgaben/erstellen", "Rechenhilfe", "Tabellen/Tiefpass", "Fouriersynthese/Fourier 2"}) {
    EXPECT_NE(form.Aktion(path), nullptr) << path;
  }
  for (const char* path :
       {"Zeigerdiagramm/nur Widerstand", "Zeigerdiagramm/Drehstrom", "Datei/Beenden", "Datei/Programmeinstellungen"}) {
    ASSERT_NE(form.Aktion(path), nullptr) << path;
    EXPECT_TRUE(form.Aktion(path)->isEnabled()) << path;
  }
  for (QMenu* menu : form.findChildren<QMenu*>()) {
    QSet<QChar> keys;
    for (QAction* a : menu->actions()) {
      const int amp = a->text().indexOf('&');
      ASSERT_GE(amp, 0) << a->text().toStdString();
      const QChar key = a->text().at(amp + 1).toLower();
      EXPECT_FALSE(keys.contains(key)) << a->text().toStdString();
      keys.insert(key);
    }
  }
}

TEST_F(Form1Test, AllMenusFitTheMenuBarOfTheNormalWindow) {
  TForm1 form;
  form.setWindowState(Qt::WindowNoState);
  form.show();
  QMenuBar* bar = form.menuBar();
  ASSERT_EQ(bar->width(), 782);
  const QList<QAction*> menus = bar->actions();
  ASSERT_EQ(menus.size(), 10);
  EXPECT_LE(bar->actionGeometry(menus.last()).right(), bar->width()) << "the last menu went behind the extension";
}

TEST(Layout, ValuesFromTheClientSize) {
  Bereite_Fenster_vor(782, 350, 20);
  EXPECT_EQ(Layout.cx, 102);
  EXPECT_EQ(Layout.cy, 175);
  EXPECT_EQ(Layout.r0, 100);
  EXPECT_EQ(Layout.x0, 207);
  EXPECT_EQ(Layout.x1, 780);
  EXPECT_EQ(Layout.Textspalte_x, 585);
  EXPECT_EQ(Layout.Kurven_Hoehe, 330);
}

}  // namespace
