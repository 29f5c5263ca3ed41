#include <QApplication>
#include <QDialog>
#include <QEventLoop>
#include <QKeyEvent>
#include <QTimer>

#include "app/form1.h"
#include "app_fixture.h"
#include "phasors/zeigerwerte.h"

namespace {

struct Zeigerthema {
  const char* pfad;
  bool TZeichenmodus::*flag;
  int bild_breite;          // of the circuit picture at (1, 1)
  const char* erste_zeile;  // of the text block
  const char* wertzeile;    // a value line at the start values
};

class BefehleZeigerTest : public AppTest, public ::testing::WithParamInterface<Zeigerthema> {};

TEST_P(BefehleZeigerTest, CommandWritesStartValuesAndDrawsTheTurnAtOnce) {
  const Zeigerthema& t = GetParam();
  TForm1 form;
  form.Setze_Client_Groesse(1024, 768);
  Schaltung.Ug = 230;
  Zeigerwerte.UR = 99;
  ASSERT_TRUE(form.Fuehre_Thema_aus(QString("Zeigerdiagramm/") + t.pfad));
  EXPECT_TRUE(Zeichenmodus.Zeigerdiagramm);
  EXPECT_TRUE(Zeichenmodus.*t.flag);
  EXPECT_EQ(Schaltung.Ug, 10);

  Einstellungen.Verzoegerung = 32000;  // an off-screen drawing never waits
  platform::Recorder rec;
  form.Zeichne_Bild(&rec);
  const auto pictures = rec.ops("Draw");
  ASSERT_EQ(pictures.size(), 1u);
  EXPECT_EQ(pictures[0].args.mid(0, 3), (QList<int>{1, 1, t.bild_breite}));
  EXPECT_NE(rec.findText(t.erste_zeile), nullptr) << rec.allText().toStdString();
  EXPECT_NE(rec.findText(t.wertzeile), nullptr) << rec.allText().toStdString();
  // the text block is written in the font Prepare leaves on the canvas
  const auto* zeile = rec.findText(t.erste_zeile);
  ASSERT_NE(zeile, nullptr);
  EXPECT_EQ(zeile->fontName, "System");
  EXPECT_EQ(zeile->fontSize, 10);
  EXPECT_EQ(zeile->args[0], 770);
}

INSTANTIATE_TEST_SUITE_P(
    AlleSieben, BefehleZeigerTest,
    ::testing::Values(
        Zeigerthema{"nur Widerstand", &TZeichenmodus::nur_Widerstand, 34, "am ohmschen Widerstand", "R  = 5 Ohm"},
        Zeigerthema{"nur Kondensator", &TZeichenmodus::nur_Kondensator, 27, "am kapazitiven Widerstand", "C  = 500 uF"},
        Zeigerthema{"nur Spule", &TZeichenmodus::nur_Spule, 52, "am induktiven Widerstand", "L  = 5 mH"},
        Zeigerthema{"Widerstand und Kondensator", &TZeichenmodus::Widerstand_Kondensator, 66,
                    "Kondensator und Widerstand", "Phi= 57.858 Grad"},
        Zeigerthema{"Widerstand und Spule", &TZeichenmodus::Widerstand_Spule, 63, "Spule und Widerstand",
                    "Phi = -38.146 Grad"},
        Zeigerthema{"Kondensator und Spule", &TZeichenmodus::Kondensator_Spule, 56, "im Wechselstromkreis",
                    "Uc  = 18.857 V"},
        Zeigerthema{"Widerstand, Kondensator und Spule", &TZeichenmodus::Widerstand_Kondensator_Spule, 77,
                    "Widerstand in Reihe", "Ur  = 7.785 V"}));

// The coil topic in a window with pausing enabled, its turn queued.
class FensterUmlauf : public AppTest {
 protected:
  FensterUmlauf() {
    form.Setze_Client_Groesse(400, 300);
    Einstellungen.Anhalten = true;
    EXPECT_TRUE(form.Fuehre_Thema_aus("Zeigerdiagramm/nur Spule"));
  }
  TForm1 form;
};

TEST_F(FensterUmlauf, WindowTurnPausesWhileAKeyIsHeld) {
  int held = 0;
  services_.events.on_process = [&] {
    if (services_.events.count == 50) form.FormKeyDown();
    if (form.KeyHeld() && ++held == 3) form.FormKeyUp();
  };
  form.Zeichne_ausstehend();
  EXPECT_EQ(held, 3);
  // once per step; the key went down in the 50th step, which then looked twice more until it came up
  EXPECT_EQ(services_.events.count, 361 + 2);
}

// A key held in a turn and let go while a message box has the keyboard (menu "Datei",
// "Beenden") must not freeze the turn; closing the window ends the turn at once.
TEST_F(FensterUmlauf, KeyLetGoElsewhereAndClosingEndTheTurn) {
  Einstellungen.Verzoegerung = 100;
  QDialog box(&form);  // has the keyboard when the key comes up
  const auto taste = [](QObject* ziel, QEvent::Type typ) {
    QKeyEvent e(typ, Qt::Key_Space, Qt::NoModifier);
    QCoreApplication::sendEvent(ziel, &e);
  };
  services_.events.on_process = [&] {
    const int n = services_.events.count;
    if (n == 10) taste(&form, QEvent::KeyPress);
    if (n == 20) taste(&box, QEvent::KeyRelease);
    if (n == 30) {
      taste(&form, QEvent::KeyPress);
      form.close();
    }
    if (n == 300) form.FormKeyUp();  // only a frozen turn gets here
  };
  form.Zeichne_ausstehend();
  EXPECT_EQ(services_.events.count, 30);
  EXPECT_FALSE(form.KeyHeld());
}

// A redraw asked for during a turn (a dialog bar, a resize) ends the turn; the new drawing
// follows once the old one has returned, never nested inside it.
TEST_F(FensterUmlauf, RedrawDuringATurnEndsItAndFollowsAtTheNewSize) {
  int redraws_in_turn = 0;
  services_.events.on_process = [&] {
    if (services_.events.count == 50) {
      form.Setze_Client_Groesse(600, 420);
      form.FormResize();
      QCoreApplication::processEvents();  // the queued redraw must not run inside the turn
      redraws_in_turn = form.Redraw_Anzahl();
    }
  };
  form.Zeichne_ausstehend();
  EXPECT_EQ(redraws_in_turn, 1);
  EXPECT_EQ(services_.events.count, 50);  // the turn stopped at the step that asked
  EXPECT_FALSE(form.Neuzeichnen_ausstehend());

  services_.events.on_process = nullptr;
  QCoreApplication::processEvents();  // the redraw that waited
  EXPECT_EQ(form.Redraw_Anzahl(), 2);
  EXPECT_EQ(services_.events.count, 50 + 361);  // a whole new turn
  EXPECT_EQ(form.Hintergrundbild().size(), QSize(600, 420));
}

TEST_F(FensterUmlauf, ARedrawEndsTheWaitOfAHeldKey) {
  services_.events.on_process = [&] {
    if (services_.events.count == 20) form.FormKeyDown();
    if (services_.events.count == 25) form.Invalidate();   // e.g. a dialog bar moved
    if (services_.events.count == 1000) form.FormKeyUp();  // the wait did not end: fail, not hang
  };
  form.Zeichne_ausstehend();
  EXPECT_EQ(services_.events.count, 25);
  form.FormKeyUp();
}

// A dialog opened during a turn (a right click, a menu command) runs its own event loop: the
// redraws it asks for show at once, the turn below ends when it closes, and the window is
// drawn anew so nothing of the old turn stays on top.
TEST_F(FensterUmlauf, RedrawsInADialogOpenedDuringATurnShowAtOnce) {
  int redraws_in_dialog = 0;
  services_.events.on_process = [&] {
    if (services_.events.count != 50) return;
    QEventLoop dialog;  // the modal loop of a dialog
    QTimer::singleShot(0, &dialog, [&] {
      form.Invalidate();  // a bar moved
      QCoreApplication::processEvents();
      redraws_in_dialog = form.Redraw_Anzahl();
      dialog.quit();
    });
    dialog.exec();
  };
  form.Zeichne_ausstehend();
  EXPECT_EQ(redraws_in_dialog, 2);
  EXPECT_EQ(services_.events.count, 50 + 361);  // the dialog's whole turn; the old one ended

  services_.events.on_process = nullptr;
  QCoreApplication::processEvents();
  EXPECT_EQ(form.Redraw_Anzahl(), 3);
  EXPECT_EQ(services_.events.count, 50 + 2 * 361);
}

}  // namespace
