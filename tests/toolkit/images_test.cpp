#include "toolkit/images.h"

#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <string>
#include <vector>

#include "toolkit/title_picture.h"

namespace {

struct Bild {
  std::string name;
  const QImage* image;
  int width;
  int height;
  int klemmen;  // terminal squares
  bool spule;   // has a coil (filled black block)
};

std::vector<Bild> Alle_Bilder() {
  const TImages& t = Images();
  return {
      {"RImage", &t.RImage, 34, 20, 2, false},
      {"CImage", &t.CImage, 27, 25, 2, false},
      {"LImage", &t.LImage, 52, 23, 2, true},
      {"RCImage", &t.RCImage, 66, 26, 2, false},
      {"RLImage", &t.RLImage, 63, 20, 2, true},
      {"RCLImage", &t.RCLImage, 77, 24, 2, true},
      {"CLImage", &t.CLImage, 56, 25, 2, true},
      {"RCL_parallelImage", &t.RCL_parallelImage, 34, 49, 2, true},
      {"Hochpass_image", &t.Hochpass_image, 33, 30, 4, false},
      {"Tiefpass_Image", &t.Tiefpass_Image, 42, 27, 4, false},
      {"LSSchwingkreisImage", &t.LSSchwingkreisImage, 53, 48, 0, true},
      {"Image1", &t.Image1, 43, 29, 2, false},
      {"Image2", &t.Image2, 36, 29, 2, true},
      {"Image3", &t.Image3, 43, 29, 2, true},
  };
}

bool Schwarz(const QImage& im, int x, int y) { return im.pixel(x, y) == qRgb(0, 0, 0); }

// Centres of 5 x 5 hollow squares: black outline, white inside.
std::vector<QPoint> Klemmen(const QImage& im) {
  std::vector<QPoint> mitten;
  for (int y = 2; y < im.height() - 2; ++y)
    for (int x = 2; x < im.width() - 2; ++x) {
      bool ok = true;
      for (int dy = -2; dy <= 2 && ok; ++dy)
        for (int dx = -2; dx <= 2 && ok; ++dx) {
          const bool rand = dx == -2 || dx == 2 || dy == -2 || dy == 2;
          ok = Schwarz(im, x + dx, y + dy) == rand;
        }
      if (ok) mitten.emplace_back(x, y);
    }
  return mitten;
}

// A coil is drawn as a solid black block at least 10 wide and 5 high; returns the left edge
// of the first one found, or -1.
int Block_links(const QImage& im) {
  for (int y = 0; y + 5 <= im.height(); ++y)
    for (int x = 0; x + 10 <= im.width(); ++x) {
      bool voll = true;
      for (int dy = 0; dy < 5 && voll; ++dy)
        for (int dx = 0; dx < 10 && voll; ++dx) voll = Schwarz(im, x + dx, y + dy);
      if (voll) return x;
    }
  return -1;
}

TEST(TImages, PicturesHaveTheirSizesAndArePureBlackOnWhite) {
  for (const Bild& b : Alle_Bilder()) {
    SCOPED_TRACE(b.name);
    const QImage& im = *b.image;
    ASSERT_EQ(im.size(), QSize(b.width, b.height));
    int schwarz = 0;
    for (int y = 0; y < im.height(); ++y)
      for (int x = 0; x < im.width(); ++x) {
        const QRgb p = im.pixel(x, y);
        ASSERT_TRUE(p == qRgb(0, 0, 0) || p == qRgb(255, 255, 255)) << "at " << x << "," << y;
        schwarz += p == qRgb(0, 0, 0);
      }
    EXPECT_GT(schwarz, 40);
    // An opaque white margin: corners and the outermost rows and columns stay white.
    for (int x = 0; x < im.width(); ++x) {
      EXPECT_FALSE(Schwarz(im, x, 0));
      EXPECT_FALSE(Schwarz(im, x, im.height() - 1));
    }
    for (int y = 0; y < im.height(); ++y) {
      EXPECT_FALSE(Schwarz(im, 0, y));
      EXPECT_FALSE(Schwarz(im, im.width() - 1, y));
    }
  }
}

TEST(TImages, GeneratorTerminalsSitOnTheOpenBottomLine) {
  for (const Bild& b : Alle_Bilder()) {
    SCOPED_TRACE(b.name);
    const QImage& im = *b.image;
    const std::vector<QPoint> k = Klemmen(im);
    ASSERT_EQ(static_cast<int>(k.size()), b.klemmen);
    if (b.klemmen != 2) continue;
    // Both in the bottom line of the loop, side by side, the wire open between them.
    EXPECT_EQ(k[0].y(), k[1].y());
    EXPECT_GT(k[0].y(), im.height() * 2 / 3);
    for (int y = k[0].y() + 3; y < im.height(); ++y)
      for (int x = 0; x < im.width(); ++x) EXPECT_FALSE(Schwarz(im, x, y)) << "below the bottom line";
    EXPECT_LE(k[1].x() - k[0].x(), 10);
    EXPECT_NEAR((k[0].x() + k[1].x()) / 2.0, (im.width() - 1) / 2.0, 1.0);
    for (int x = k[0].x() + 3; x <= k[1].x() - 3; ++x) EXPECT_FALSE(Schwarz(im, x, k[0].y()));
    EXPECT_TRUE(Schwarz(im, k[0].x() - 3, k[0].y()));
    EXPECT_TRUE(Schwarz(im, k[1].x() + 3, k[1].y()));
  }
}

TEST(TImages, TwoPortsHaveTerminalsAtTheirFourCorners) {
  for (const QImage* im : {&Images().Hochpass_image, &Images().Tiefpass_Image}) {
    const std::vector<QPoint> k = Klemmen(*im);
    ASSERT_EQ(k.size(), 4u);
    // Scanned row by row: upper left, upper right, lower left, lower right.
    EXPECT_EQ(k[0].y(), k[1].y());
    EXPECT_EQ(k[2].y(), k[3].y());
    EXPECT_EQ(k[0].x(), k[2].x());
    EXPECT_EQ(k[1].x(), k[3].x());
    EXPECT_GT(k[1].x() - k[0].x(), im->width() / 2);
    EXPECT_GT(k[2].y() - k[0].y(), im->height() / 2);
  }
}

TEST(TImages, CoilsAreSolidBlocksInTheirPlace) {
  for (const Bild& b : Alle_Bilder()) {
    SCOPED_TRACE(b.name);
    EXPECT_EQ(Block_links(*b.image) >= 0, b.spule);
  }
  // Series order: resistor, coil, capacitor in RCLImage; the resistor left of the coil in RLImage.
  const int rcl = Block_links(Images().RCLImage);
  EXPECT_GT(rcl, 77 / 3);
  EXPECT_LT(rcl + 10, 77 * 2 / 3);
  EXPECT_GT(Block_links(Images().RLImage), 63 / 2);
}

TEST(TImages, ModuleIsCreatedOnce) { EXPECT_EQ(&Images(), &Images()); }

TEST(Titelbild, HasItsSizeAndAFramedDrawing) {
  const QImage bild = Titelbild();
  ASSERT_EQ(bild.size(), QSize(155, 89));
  // Raised panel: light upper left edge, black lower right edge.
  EXPECT_EQ(bild.pixel(0, 0), qRgb(255, 255, 255));
  EXPECT_EQ(bild.pixel(154, 88), qRgb(0, 0, 0));
  // The lower part carries the dark blue name.
  int dunkelblau = 0;
  for (int y = 57; y < 87; ++y)
    for (int x = 2; x < 153; ++x) {
      const QColor c = bild.pixelColor(x, y);
      dunkelblau += c.blue() > 90 && c.red() < 60 && c.green() < 60;
    }
  EXPECT_GT(dunkelblau, 150);
}

}  // namespace
