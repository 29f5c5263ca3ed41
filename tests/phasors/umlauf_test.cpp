#include <gtest/gtest.h>

#include "phasor_fixture.h"
#include "phasors/einzelzeiger.h"
#include "phasors/reihenzeiger.h"
#include "toolkit/hauptfenster.h"

namespace {

// A main window that only knows whether a key is held and a redraw pending.
class FakeWindow : public THauptfenster {
 public:
  void Invalidate() override {}
  int ClientWidth() const override { return 782; }
  int ClientHeight() const override { return 350; }
  int StatusBarHeight() const override { return 20; }
  QRect ClientRectOnScreen() const override { return {0, 0, 782, 350}; }
  QWidget* Widget() override { return nullptr; }
  bool KeyHeld() const override { return key_held; }
  TFont CanvasFont() const override { return {}; }
  bool Neuzeichnen_ausstehend() const override { return redraw_pending; }
  bool key_held = false;
  bool redraw_pending = false;
};

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

  FakeWindow window;
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
    if (!window.key_held) return;
    if (held_calls == 0) ops_when_pressed = rec.ops().size();
    EXPECT_EQ(rec.ops().size(), ops_when_pressed) << "drawn while the key was held";
    EXPECT_EQ(presents, 100) << "stepped on while the key was held";
    if (++held_calls == 5) window.key_held = false;
  };
  rec.clear();
  Zeichne_im_Fenster([&] {
    if (presents == 100) window.key_held = true;
  });
  EXPECT_EQ(held_calls, 5);
  EXPECT_EQ(presents, 361);
  EXPECT_EQ(Endzeiger().size(), 2u);
}

TEST_F(UmlaufTest, AHeldKeyIsIgnoredWithoutPausing) {
  window.key_held = true;
  Zeichne_im_Fenster();
  EXPECT_EQ(presents, 361);
  EXPECT_EQ(services.events.count, 0);
}

TEST_F(UmlaufTest, APendingRedrawEndsTheTurnButNotOffScreen) {
  Einstellungen.Anhalten = true;
  services.events.on_process = [&] {
    if (presents == 120) window.redraw_pending = true;
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
