#include <gtest/gtest.h>

#include "common/fake_hauptfenster.h"
#include "phasor_fixture.h"
#include "phasors/einzelzeiger.h"
#include "phasors/reihenzeiger.h"

namespace {

class UmlaufTest : public PhasorTest {
 protected:
  UmlaufTest() {
    Setze_Hauptfenster(&window);
    Startwerte_nur_Kondensator();
  }
  ~UmlaufTest() override { Setze_Hauptfenster(nullptr); }

  // The capacitor turn on a window canvas whose present() calls on_present.
  void Zeichne_im_Fenster(std::function<void()> on_present = {}) {
    Canvas canvas(&image, [&] {
      ++presents;
      if (on_present) on_present();
    });
    canvas.SetRecorder(&rec);
    Zeichne_C_Zeiger(canvas);
  }

  FakeHauptfenster window{782, 350, 20};
  int presents = 0;
};

TEST_F(UmlaufTest, EveryStepReachesTheWindowAndNoneAnImage) {
  Zeichne_im_Fenster();
  EXPECT_EQ(presents, 361);
  EXPECT_EQ(services.events.count, 0);  // pausing is off: no events during the turn

  Einstellungen.Anhalten = true;
  Zeichne(Zeichne_C_Zeiger);  // image canvas: finished at once, even with pausing on
  EXPECT_EQ(services.events.count, 0);
}

TEST_F(UmlaufTest, PausingHandlesEventsOncePerStep) {
  Einstellungen.Anhalten = true;
  Zeichne_im_Fenster();
  EXPECT_EQ(presents, 361);
  EXPECT_EQ(services.events.count, 361);
}

TEST_F(UmlaufTest, AHeldKeyStopsTheTurnWhilePausingIsEnabled) {
  Einstellungen.Anhalten = true;
  std::size_t ops_when_pressed = 0;
  int held_calls = 0;
  // While the key is down nothing is drawn and no step is taken; the fifth look lets go.
  services.events.on_process = [&] {
    if (!window.taste_gedrueckt) return;
    if (held_calls == 0) ops_when_pressed = rec.ops().size();
    EXPECT_EQ(rec.ops().size(), ops_when_pressed) << "drawn while the key was held";
    EXPECT_EQ(presents, 100) << "stepped on while the key was held";
    if (++held_calls == 5) window.taste_gedrueckt = false;
  };
  rec.clear();
  Zeichne_im_Fenster([&] {
    if (presents == 100) window.taste_gedrueckt = true;
  });
  EXPECT_EQ(held_calls, 5);
  EXPECT_EQ(presents, 361);
  EXPECT_EQ(Endzeiger().size(), 2u);
}

TEST_F(UmlaufTest, AHeldKeyIsIgnoredWithoutPausing) {
  window.taste_gedrueckt = true;
  Zeichne_im_Fenster();
  EXPECT_EQ(presents, 361);
  EXPECT_EQ(services.events.count, 0);
}

TEST_F(UmlaufTest, APendingRedrawEndsTheTurnButNotOffScreen) {
  Einstellungen.Anhalten = true;
  services.events.on_process = [&] {
    if (presents == 120) window.neuzeichnen_ausstehend = true;
  };
  Zeichne_im_Fenster();
  EXPECT_EQ(presents, 120);
  EXPECT_EQ(services.events.count, 120);

  rec.clear();
  Zeichne(Zeichne_C_Zeiger);  // an image is drawn whole whatever the window has pending
  EXPECT_EQ(Endzeiger().size(), 2u);
  EXPECT_EQ(services.events.count, 120);
}

}  // namespace
