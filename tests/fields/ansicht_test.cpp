#include "fields/ansicht.h"

#include <ostream>

#include "feld_fixture.h"

namespace {

struct TProjektionsfall {
  int w, h;
  int ax, ay, az;       // rotation about x, y, z (degrees)
  long double x, y, z;  // point (cm)
  int px, py;           // expected pixel
};

// Readable and stable test names (the default prints raw bytes, padding included).
void PrintTo(const TProjektionsfall& f, std::ostream* os) {
  *os << f.w << "x" << f.h << " rot(" << f.ax << "," << f.ay << "," << f.az << ") (" << static_cast<double>(f.x) << ","
      << static_cast<double>(f.y) << "," << static_cast<double>(f.z) << ")";
}

class Projektion : public FeldTest, public ::testing::WithParamInterface<TProjektionsfall> {};

// Expected pixels worked out by hand from the reset view, the factor formulas and the
// rotations z, y, x in this order.
TEST_P(Projektion, MapsPointsToThePixelsOfTheFormulas) {
  const TProjektionsfall& f = GetParam();
  Fenstergroesse(f.w, f.h);
  Ansicht.Drehung_x = f.ax;
  Ansicht.Drehung_y = f.ay;
  Ansicht.Drehung_z = f.az;
  Berechne_Projektion();
  EXPECT_EQ(Projiziere(f.x, f.y, f.z), QPoint(f.px, f.py));
}

INSTANTIATE_TEST_SUITE_P(Achsenenden, Projektion,
                         ::testing::Values(TProjektionsfall{782, 550, 0, 0, 0, 10, 0, 0, 0, 455},
                                           TProjektionsfall{782, 550, 0, 0, 0, 0, 20, 0, 770, 275},
                                           TProjektionsfall{782, 550, 0, 0, 0, 0, 0, 10, 90, 5},
                                           TProjektionsfall{782, 550, 0, 0, 0, -10, 0, 0, 180, 95},
                                           TProjektionsfall{782, 550, 0, 0, 0, 3, 7, -2, 301, 383},
                                           TProjektionsfall{782, 550, 20, 30, 40, 10, 0, 0, -219, 432},
                                           TProjektionsfall{782, 550, 20, 30, 40, 0, 20, 0, 404, 779},
                                           TProjektionsfall{782, 550, 20, 30, 40, 0, 0, 10, 145, 146},
                                           TProjektionsfall{782, 550, 20, 30, 40, -10, 0, 0, 399, 118},
                                           TProjektionsfall{782, 550, 20, 30, 40, 3, 7, -2, 96, 524},
                                           TProjektionsfall{1920, 1080, 0, 0, 0, 10, 0, 0, 2, 900},
                                           TProjektionsfall{1920, 1080, 0, 0, 0, 0, 20, 0, 1902, 540},
                                           TProjektionsfall{1920, 1080, 0, 0, 0, 0, 0, 10, 222, 0},
                                           TProjektionsfall{1920, 1080, 20, 30, 40, 10, 0, 0, -541, 854},
                                           TProjektionsfall{1920, 1080, 20, 30, 40, 0, 20, 0, 1001, 1549},
                                           TProjektionsfall{1920, 1080, 20, 30, 40, 0, 0, 10, 360, 281},
                                           TProjektionsfall{1920, 1080, 20, 30, 40, 3, 7, -2, 238, 1039}));

TEST_F(FeldTest, ResetAndFactorsFollowTheWindowSize) {
  EXPECT_EQ((std::vector<int>{Ansicht.x0, Ansicht.y0, Ansicht.kxx, Ansicht.kxy, Ansicht.kyx, Ansicht.kzy}),
            (std::vector<int>{90, 275, 9, 18, 34, 27}));
  Fenstergroesse(1920, 1080);
  EXPECT_EQ((std::vector<int>{Ansicht.x0, Ansicht.y0, Ansicht.kxx, Ansicht.kxy, Ansicht.kyx, Ansicht.kzy}),
            (std::vector<int>{222, 540, 22, 36, 84, 54}));
  // A quarter turn about z carries the y direction onto x before the projection.
  Ansicht.Drehung_z = 90;
  Berechne_Projektion();
  const QPoint gedreht = Projiziere(0, 1, 0);
  Ansicht.Drehung_z = 0;
  Berechne_Projektion();
  EXPECT_EQ(gedreht, Projiziere(1, 0, 0));
}

TEST_F(FeldTest, ViewCommandsChangeUnitsAndRedraw) {
  Einheiten_weniger(TAchse::x);
  EXPECT_EQ(Ansicht.Nx, 5);
  Einheiten_weniger(TAchse::x);
  EXPECT_EQ(Ansicht.Nx, 5);
  Einheiten_mehr(TAchse::z);
  EXPECT_EQ(Ansicht.Nz, 15);
  Nur_Aufriss();
  Einheiten_mehr(TAchse::x);
  EXPECT_EQ(Ansicht.Nx, 205);
  Setze_Drehung(TAchse::y, -120);
  EXPECT_EQ(static_cast<long double>(Ansicht.Drehung_y), -120.0L);
  Setze_nur_Bild(true);
  EXPECT_TRUE(Zeichenmodus.nur_Bild);
  Zeichenmodus.EB_gekreuzt = true;
  Ansicht_Standard();
  EXPECT_EQ(Ansicht.Nx, 10);
  EXPECT_EQ(Ansicht.x0, 190);
  EXPECT_EQ(static_cast<long double>(Ansicht.Drehung_y), 0.0L);
  EXPECT_EQ(window.invalidiert, 8);
  EXPECT_TRUE(Am_Ursprung(195, 270, 5));
  EXPECT_FALSE(Am_Ursprung(196, 275, 5));
}

TEST_F(FeldTest, AxesDrawLinesAndTicksFromTheOrigin) {
  const auto rec = Zeichne([](Canvas& c) { Zeichne_Achsen(Farben.Text, c); });
  const auto linien = rec.ops("Polyline");
  ASSERT_EQ(linien.size(), 6u);
  EXPECT_EQ(linien[0].args, (QList<int>{90, 275, 0, 455}));
  EXPECT_EQ(linien[1].penStyle, TPenStyle::psDot);
  EXPECT_EQ(linien[2].args, (QList<int>{90, 275, 770, 275}));
  // Ticks: y from 1 to 20, again from 1 down to -20, z from 1 to 10, x from 1 to 10.
  EXPECT_EQ(rec.count("LineTo"), 20 + 22 + 10 + 10);
  EXPECT_EQ(rec.lines().front().args, (QList<int>{124, 272, 124, 278}));
}

// Far-off points once overflowed the pixel conversion; they are clipped in floating point.
TEST_F(FeldTest, LinesToFarPointsAreClippedToThePicture) {
  const auto rec = Zeichne([](Canvas& c) {
    TLinienzug zug(c);
    zug.Stift(Farben.Widerstand, 2, TPenStyle::psSolid);
    zug.Bewege(0, 0, 0);
    zug.Linie(0, 1e15L, 0);
    zug.Linie(0, 1e15L, 1e20L);
    zug.Linie(0, -1e13L, -1e13L);
    zug.Punkt(1e30L, 0, 0);
  });
  ASSERT_FALSE(rec.ops("Polyline").empty());
  for (const auto& op : rec.ops("Polyline"))
    for (int v : op.args) EXPECT_TRUE(v >= -10 && v <= 800) << v;
  EXPECT_EQ(rec.count("Pixel"), 0);
  EXPECT_EQ(rec.ops("Polyline").front().args.mid(0, 3), (QList<int>{90, 275, 790}));
}

}  // namespace
