#include <gtest/gtest.h>

#include <QFontInfo>
#include <QImage>

#include "platform/canvas.h"
#include "platform/fonts.h"

using namespace platform;

namespace {

TFont font(const QString& name, int size, bool bold = false, TFontPitch pitch = TFontPitch::fpDefault) {
  TFont f;
  f.Name = name;
  f.SetSize(size);
  f.Bold = bold;
  f.Pitch = pitch;
  return f;
}

}  // namespace

TEST(Fonts, PointsAt96DpiBecomePixels) {
  EXPECT_EQ(points_to_pixels(10), 13);
  EXPECT_EQ(points_to_pixels(8), 11);
  EXPECT_EQ(points_to_pixels(12), 16);
  EXPECT_EQ(points_to_pixels(9), 12);

  TFont f;
  EXPECT_EQ(f.PixelSize(), 11);  // MS Sans Serif 8
  f.SetHeight(-13);
  EXPECT_EQ(f.PixelSize(), 13);
  EXPECT_EQ(f.Size, 10);
  f.SetSize(12);
  EXPECT_EQ(f.Height, 0);
  EXPECT_EQ(f.PixelSize(), 16);
  EXPECT_EQ(QFontInfo(resolve_font(font("Arial", 10))).pixelSize(), 13);
}

TEST(Fonts, PlatformFacesResolveToInstalledStandIns) {
  EXPECT_EQ(QFontInfo(resolve_font(font("Arial", 10))).family(), "Liberation Sans");
  EXPECT_EQ(QFontInfo(resolve_font(font("MS Sans Serif", 8))).family(), "Liberation Sans");
  EXPECT_EQ(QFontInfo(resolve_font(font("Times New Roman", 10))).family(), "Liberation Serif");
  EXPECT_EQ(QFontInfo(resolve_font(font("Courier New", 10))).family(), "Liberation Mono");

  const QFontInfo system(resolve_font(font("System", 10, false, TFontPitch::fpFixed)));
  EXPECT_EQ(system.family(), "DejaVu Sans Mono");
  EXPECT_TRUE(system.bold());
  EXPECT_TRUE(system.fixedPitch());

  // Fixed pitch asked of a proportional face gets a fixed face.
  const QFontInfo fixed_arial(resolve_font(font("Arial", 10, true, TFontPitch::fpFixed)));
  EXPECT_EQ(fixed_arial.family(), "Liberation Mono");
  EXPECT_TRUE(fixed_arial.bold());

  const QFont f = resolve_font(font("Arial", 10));
  EXPECT_TRUE(f.styleStrategy() & QFont::NoAntialias);
}

class CanvasText : public ::testing::Test {
 protected:
  const QColor grey{128, 128, 128};
  QImage img = make_image(120, 40);
  void SetUp() override { img.fill(grey); }
};

TEST_F(CanvasText, TransparentTextSitsInItsCellWithoutBlending) {
  Canvas c(&img);
  c.Font = font("Arial", 10, true);
  c.Font.Color = Qt::red;
  c.SetTextTransparent(true);
  c.TextOut(10, 5, "Uc = 5 V");
  const int w = c.TextWidth("Uc = 5 V"), h = c.TextHeight("M");
  EXPECT_EQ(c.PenPos(), QPoint(10 + w, 5));

  int glyph = 0, minx = 1000, maxx = -1, miny = 1000, maxy = -1;
  for (int y = 0; y < img.height(); ++y)
    for (int x = 0; x < img.width(); ++x) {
      const QColor p = img.pixelColor(x, y);
      if (p == grey) continue;
      ASSERT_EQ(p, QColor(Qt::red)) << "blended pixel at " << x << "," << y;
      ++glyph;
      minx = std::min(minx, x), maxx = std::max(maxx, x), miny = std::min(miny, y), maxy = std::max(maxy, y);
    }
  EXPECT_GT(glyph, 20);
  EXPECT_GE(minx, 10);
  EXPECT_LT(maxx, 10 + w);
  EXPECT_GE(miny, 5);
  EXPECT_LT(maxy, 5 + h);
  // The capital's top reaches near the cell top: the origin is the top left corner, not the baseline.
  EXPECT_LE(miny, 5 + h / 3);
}

TEST_F(CanvasText, OpaqueTextFillsItsCellWithTheBrush) {
  Canvas c(&img);
  c.Font = font("Arial", 10);
  c.Brush.Color = Qt::yellow;
  c.SetTextTransparent(false);
  c.TextOut(20, 10, "Ueff");
  const QRect cell(20, 10, c.TextWidth("Ueff"), c.TextHeight("Ueff"));
  for (int y = 0; y < img.height(); ++y)
    for (int x = 0; x < img.width(); ++x) {
      const QColor p = img.pixelColor(x, y);
      if (cell.contains(x, y))
        ASSERT_TRUE(p == QColor(Qt::yellow) || p == QColor(Qt::black)) << x << "," << y;
      else
        ASSERT_EQ(p, grey) << x << "," << y;
    }
  EXPECT_EQ(img.pixelColor(cell.topLeft()), QColor(Qt::yellow));
}

TEST_F(CanvasText, BrushChangesResetTheBackgroundMode) {
  Canvas c(&img);
  EXPECT_FALSE(c.TextTransparent());
  c.SetTextTransparent(true);
  EXPECT_TRUE(c.TextTransparent());
  c.Brush.Color = Qt::green;  // a changed solid brush is opaque again
  EXPECT_FALSE(c.TextTransparent());
  c.Brush.Style = TBrushStyle::bsClear;
  EXPECT_TRUE(c.TextTransparent());
  c.Rectangle(0, 0, 5, 5);  // selects the clear brush
  c.SetTextTransparent(false);
  EXPECT_FALSE(c.TextTransparent());
  c.TextOut(0, 0, "x");  // brush unchanged since: mode stays
  EXPECT_FALSE(c.TextTransparent());
}

TEST_F(CanvasText, MeasuresFollowTheFont) {
  Canvas c(&img);
  c.Font = font("Arial", 10, true);
  const int h10 = c.TextHeight("M");
  EXPECT_GE(h10, 13);
  EXPECT_LE(h10, 17);
  EXPECT_EQ(c.TextWidth("MM"), 2 * c.TextWidth("M"));
  EXPECT_EQ(c.TextWidth(""), 0);
  c.Font.SetSize(20);
  EXPECT_GT(c.TextHeight("M"), h10 + 8);
  c.Font = font("System", 10, false, TFontPitch::fpFixed);
  EXPECT_EQ(c.TextWidth("iiii"), c.TextWidth("MMMM"));
}
