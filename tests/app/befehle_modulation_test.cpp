#include <QApplication>
#include <QTimer>

#include "app/form1.h"
#include "app_fixture.h"
#include "curves/modulation.h"

namespace {

const char* const kFormen[] = {"linear ansteigende Amplitude", "linear abfallende Amplitude", "Rechtecksignal",
                               "Treppensignal", "Sinunssignal"};  // in the order of kSignalformen

using BefehleModulationTest = AppTest;

// Each command sets its two flags and start values; the exported picture is complete at once
// whatever the delay, and a right click opens the modulation's dialog.
TEST_F(BefehleModulationTest, EveryCommandSelectsItsFormAndDrawsTheWholePicture) {
  TForm1 form;
  form.Setze_Client_Groesse(782, 550);
  for (int n = 0; n < 10; ++n) {
    const struct {
      bool frequenz;
      TSignalform form;
      QString pfad;
    } t{n >= 5, kSignalformen[n % 5],
        QString("Diagramme/%1/%2").arg(n >= 5 ? "Frequenzmodulation" : "Amplitudenmodulation", kFormen[n % 5])};
    SCOPED_TRACE(t.pfad.toStdString());
    Schaltung.Nq = Schaltung.Ns = 5;
    Schaltung.fsig = 7;
    Schaltung.k = 3;
    ASSERT_TRUE(form.Fuehre_Thema_aus(t.pfad));
    EXPECT_EQ(Zeichenmodus.Frequenzmodulation, t.frequenz);
    EXPECT_EQ(Zeichenmodus.Amplitudenmodulation, !t.frequenz);
    EXPECT_EQ(Gesetzte_Signalform(t.frequenz), t.form);
    EXPECT_EQ(Gesetzte_Signalform(!t.frequenz), std::nullopt);
    EXPECT_EQ(static_cast<long double>(Schaltung.k), 1.0L);
    EXPECT_EQ(Schaltung.Nq, t.form == TSignalform::Rechteck ? 2 : 5);
    EXPECT_EQ(Schaltung.Ns, t.form == TSignalform::Treppe ? 2 : 5);
    EXPECT_EQ(static_cast<long double>(Schaltung.fsig), t.form != TSignalform::Sinus ? 7 : t.frequenz ? 2 : 3);

    platform::Recorder rec;
    Einstellungen.Verzoegerung = 32000;  // an export never waits
    form.Zeichne_Bild(&rec);
    Einstellungen.Verzoegerung = 0;
    const auto kurven = rec.ops("Polyline");  // at once: one polyline per curve
    ASSERT_EQ(kurven.size(), 2u);
    EXPECT_EQ(kurven[1].args.size(), 2 * (1 + 782 - 39 + 1));
    EXPECT_EQ(kurven[1].args.mid(kurven[1].args.size() - 2, 1), QList<int>{782 - 19});

    QString gesehen;
    QTimer::singleShot(0, [&] {
      if (QWidget* w = QApplication::activeModalWidget()) {
        gesehen = w->objectName();
        const QRect dlg = w->frameGeometry(), haupt = form.frameGeometry();
        EXPECT_EQ(dlg.right(), haupt.right() - 2);
        EXPECT_EQ(dlg.bottom(), haupt.bottom() - form.StatusBarHeight() - 2);
        w->close();
      }
    });
    form.FormMouseDown(Qt::RightButton, 100, 100);
    EXPECT_EQ(gesehen, t.frequenz ? "FModulationDlg" : "AModulationDLG");
  }
}

// A redraw asked for while the window draws with a delay (here a left click) ends that
// drawing, and the new one follows; events are handled between the points with pausing off.
TEST_F(BefehleModulationTest, ARedrawEndsADelayedDrawingAndFollowsIt) {
  TForm1 form;
  form.Setze_Client_Groesse(400, 300);
  Einstellungen.Verzoegerung = 1;
  ASSERT_TRUE(form.Fuehre_Thema_aus("Diagramme/Frequenzmodulation/Sinunssignal"));
  services_.events.on_process = [&] {
    if (services_.events.count == 50) form.FormMouseDown(Qt::LeftButton, 10, 10);
  };
  form.Zeichne_ausstehend();
  EXPECT_EQ(services_.events.count, 50);
  services_.events.on_process = nullptr;
  QCoreApplication::processEvents();
  EXPECT_EQ(form.Redraw_Anzahl(), 2);
  EXPECT_EQ(services_.events.count, 50 + 400 - 39 + 1);  // the whole new drawing
}

TEST_F(BefehleModulationTest, ClosingTheWindowEndsADelayedDrawing) {
  TForm1 form;
  form.show();
  Einstellungen.Verzoegerung = 1;
  ASSERT_TRUE(form.Fuehre_Thema_aus("Diagramme/Amplitudenmodulation/Sinunssignal"));
  services_.message_boxes.confirm_answers = {true};
  services_.events.on_process = [&] {
    if (services_.events.count == 30) form.close();
  };
  form.Zeichne_ausstehend();
  EXPECT_FALSE(form.isVisible());
  EXPECT_EQ(services_.events.count, 30);
}

}  // namespace
