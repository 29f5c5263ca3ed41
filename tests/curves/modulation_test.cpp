#include <cmath>

#include "curves/modulation.h"
#include "kurven_fixture.h"
#include "platform/service_doubles.h"
#include "toolkit/formulas.h"

namespace {

// The 782 x 550 window: Hd 530, y1 106, a 81, y2 318, nx 743.
class ModulationTest : public KurvenTest {
 protected:
  ModulationTest() {
    Einstellungen = TEinstellungen{};
    Fenstergroesse(782, 550);
  }

  void Waehle(bool frequenz, TSignalform form) {
    Zeichenmodus = TZeichenmodus{};
    (frequenz ? Zeichenmodus.Frequenzmodulation : Zeichenmodus.Amplitudenmodulation) = true;
    Zeichenmodus.*Signalform_Flag(frequenz, form) = true;
    Startwerte_Modulation(frequenz, form);
  }

  // Points of the upper (width 2) or lower (width 1) curve after its start.
  static std::vector<QPoint> Kurve(const platform::Recorder& rec, int breite) {
    std::vector<QPoint> punkte;
    for (const auto& op : rec.ops("Polyline")) {
      if (op.penColor != Farben.Kondensator || op.penWidth != breite) continue;
      for (int k = 2; k + 1 < op.args.size(); k += 2) punkte.emplace_back(op.args[k], op.args[k + 1]);
    }
    return punkte;
  }

  static int Nulldurchgaenge(const std::vector<QPoint>& punkte, int achse) {
    int n = 0, vorher = 0;
    for (const QPoint& p : punkte) {
      const int seite = p.y() < achse ? 1 : p.y() > achse ? -1 : 0;
      if (seite != 0 && vorher != 0 && seite != vorher) ++n;
      if (seite != 0) vorher = seite;
    }
    return n;
  }

  platform::ScopedTestServices services;
};

TEST_F(ModulationTest, SignalValuesOfEachForm) {
  const struct {
    TSignalform form;
    int Nq, Ns;
    long double t, u;
  } faelle[] = {
      {TSignalform::ansteigend, 2, 2, 0, -1},   {TSignalform::ansteigend, 2, 2, 0.25L, -0.5L},
      {TSignalform::ansteigend, 2, 2, 1, 1},    {TSignalform::abfallend, 2, 2, 0.75L, -0.5L},
      {TSignalform::Rechteck, 2, 2, 0, 1},      {TSignalform::Rechteck, 2, 2, 0.49L, 1},
      {TSignalform::Rechteck, 2, 2, 0.5L, -1},  {TSignalform::Rechteck, 2, 2, 0.99L, -1},
      {TSignalform::Rechteck, 2, 2, 1, 1},      {TSignalform::Rechteck, 3, 2, 0.5L, -1},
      {TSignalform::Rechteck, 3, 2, 0.7L, 1},   {TSignalform::Treppe, 2, 2, 0.49L, -1},
      {TSignalform::Treppe, 2, 2, 0.5L, 1},     {TSignalform::Treppe, 2, 2, 1, 1},  // limited to 1
      {TSignalform::Treppe, 2, 3, 0.2L, -1},    {TSignalform::Treppe, 2, 3, 0.5L, 0},
      {TSignalform::Treppe, 2, 3, 0.8L, 1},     {TSignalform::Treppe, 2, 3, 1, 1},
      {TSignalform::Treppe, 2, 1, 0.5L, 1},      // read as 2 steps: no division by zero
      {TSignalform::Treppe, 2, 9, 0.5L, 0.2L},   // read as 6 steps
      {TSignalform::Rechteck, 0, 2, 0.5L, -1},   // read as 2 periods
      {TSignalform::Sinus, 2, 2, 1.0L / 12, 1},  // fsig 3
  };
  Schaltung.fsig = 3;
  for (const auto& f : faelle) {
    Schaltung.Nq = f.Nq;
    Schaltung.Ns = f.Ns;
    EXPECT_NEAR(Signalwert(f.form, f.t), f.u, 1e-12L)
        << static_cast<int>(f.form) << " Nq " << f.Nq << " Ns " << f.Ns << " t " << static_cast<double>(f.t);
  }
}

TEST_F(ModulationTest, FramesTextsAndCurvesOfTheFrequencyModulation) {
  Waehle(true, TSignalform::Sinus);
  const platform::Recorder rec = Zeichne(Zeichne_Modulation);
  const auto rahmen = rec.ops("Rectangle");
  ASSERT_EQ(rahmen.size(), 2u);
  EXPECT_EQ(rahmen[0].args, QList<int>({10, 106 - 81 - 20, 743 + 30, 106 + 81 + 20}));
  EXPECT_EQ(rahmen[1].args, QList<int>({10, 318 - 81 - 20, 743 + 30, 318 + 81 + 20}));
  EXPECT_EQ(rahmen[0].brushColor, Farben.Rahmengrau);  // white text
  EXPECT_EQ(rahmen[0].penColor, Farben.Text);
  EXPECT_EQ(rec.findText(QStringLiteral("   frequenzmoduliertes Signal"))->args, QList<int>({40, 318 - 81 - 15}));
  EXPECT_EQ(rec.findText(QStringLiteral("   ursprüngliches Signal"))->args, QList<int>({40, 106 - 81 - 15}));
  EXPECT_EQ(rec.findText(" Ut")->args, QList<int>({20, 318 - 81 - 10}));

  auto oben = Kurve(rec, 2);
  const auto unten = Kurve(rec, 1);
  ASSERT_EQ(unten.size(), 744u);
  EXPECT_EQ(oben.back().x(), 763);
  oben.pop_back();                           // sin(4 pi) rounds to either side
  EXPECT_EQ(Nulldurchgaenge(oben, 106), 3);  // two periods of the signal

  Farben.Text = Qt::black;
  EXPECT_EQ(Zeichne(Zeichne_Modulation).ops("Rectangle")[0].brushColor, QColor(Qt::white));
}

// The carrier's phase is integrated: the rising form runs from 7 to 43 periods per width, 25
// on average, so about 50 zero crossings; sin(2 pi f(t) t) would give about 85.
TEST_F(ModulationTest, IntegratedPhaseGivesTheRisingFormItsFrequencies) {
  Waehle(true, TSignalform::ansteigend);
  const auto unten = Kurve(Zeichne(Zeichne_Modulation), 1);
  EXPECT_NEAR(Nulldurchgaenge(unten, 318), 49, 2);
  // The first tenth holds 0.88 periods (7 rising to 10.6 per width), the last 4.1 (39.4 to 43).
  const std::vector<QPoint> anfang(unten.begin(), unten.begin() + 75), ende(unten.end() - 75, unten.end());
  EXPECT_NEAR(Nulldurchgaenge(anfang, 318), 2 * 0.88, 1);
  EXPECT_NEAR(Nulldurchgaenge(ende, 318), 2 * 4.1, 1);

  std::vector<QPoint> naiv;
  for (int i = 0; i <= 743; ++i) {
    const long double t = i / 743.0L, f = 25 + 18 * (2 * t - 1);
    naiv.emplace_back(i + 20, static_cast<int>(318 - std::sin(Zwei_Pi * f * t) * 81));
  }
  EXPECT_NEAR(Nulldurchgaenge(naiv, 318), 85, 3);
}

TEST_F(ModulationTest, AmplitudeModulationEnvelopeRunsFromAThirdToTheFullAmplitude) {
  Waehle(false, TSignalform::ansteigend);
  const auto unten = Kurve(Zeichne(Zeichne_Modulation), 1);
  ASSERT_EQ(unten.size(), 744u);
  auto spitze = [&](int von, int bis) {
    int m = 0;
    for (int i = von; i < bis; ++i) m = std::max(m, std::abs(unten[i].y() - 318));
    return m;
  };
  EXPECT_NEAR(spitze(0, 25), 81 / 3, 1);  // one carrier period of 30 at the start
  EXPECT_NEAR(spitze(719, 744), 81, 1);
}

TEST_F(ModulationTest, AWindowWithoutAColumnDrawsTheFramesOnly) {
  for (const int w : {39, 20}) {
    Fenstergroesse(w, 300);
    Waehle(true, TSignalform::Treppe);
    const platform::Recorder rec = Zeichne(Zeichne_Modulation);
    EXPECT_EQ(rec.ops("Rectangle").size(), 2u) << w;
    EXPECT_TRUE(Kurve(rec, 1).empty()) << w;
  }
}

// On the window without delay the picture appears at once: one present, no events. Drawn
// point by point with a delay it is the same picture.
TEST_F(ModulationTest, WithoutDelayTheWindowPresentsOnceWithDelayThePictureIsTheSame) {
  Fenstergroesse(240, 200);
  int presents = 0;
  auto bild = [&] {
    QImage image(240, 180, QImage::Format_RGB32);
    image.fill(Qt::black);
    Canvas canvas(&image, [&] { ++presents; });
    Zeichne_Modulation(canvas);
    return image;
  };
  for (const TSignalform form : kSignalformen) {
    Waehle(false, form);
    Einstellungen.Verzoegerung = 0;
    presents = services.events.count = 0;
    const QImage sofort = bild();
    EXPECT_EQ(presents, 1);
    EXPECT_EQ(services.events.count, 0);
    Einstellungen.Verzoegerung = 1;
    EXPECT_EQ(bild(), sofort) << static_cast<int>(form);
  }
}

}  // namespace
