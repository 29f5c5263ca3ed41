#include <gtest/gtest.h>

#include <QImage>
#include <cstdlib>
#include <random>
#include <set>
#include <utility>

#include "platform/canvas.h"

using namespace platform;

namespace {

using PixelSet = std::set<std::pair<int, int>>;

// Pixels that differ from bg.
PixelSet ink(const QImage& img, QColor bg = Qt::white) {
  PixelSet s;
  for (int y = 0; y < img.height(); ++y)
    for (int x = 0; x < img.width(); ++x)
      if (img.pixelColor(x, y) != bg) s.insert({x, y});
  return s;
}

PixelSet line_pixels(QPoint a, QPoint b, int w = 64, int h = 64) {
  QImage img = make_image(w, h);
  {
    Canvas c(&img);
    c.MoveTo(a.x(), a.y());
    c.LineTo(b.x(), b.y());
  }
  return ink(img);
}

PixelSet row(int y, int x_from, int x_to_incl) {
  PixelSet s;
  for (int x = x_from; x <= x_to_incl; ++x) s.insert({x, y});
  return s;
}

}  // namespace

TEST(CanvasLine, EndPointIsNotDrawn) {
  EXPECT_EQ(line_pixels({2, 5}, {10, 5}), row(5, 2, 9));
  EXPECT_EQ(line_pixels({10, 5}, {2, 5}), row(5, 3, 10));

  PixelSet vertical;
  for (int y = 1; y < 7; ++y) vertical.insert({4, y});
  EXPECT_EQ(line_pixels({4, 1}, {4, 7}), vertical);

  PixelSet diagonal;
  for (int k = 0; k < 5; ++k) diagonal.insert({k, k});
  EXPECT_EQ(line_pixels({0, 0}, {5, 5}), diagonal);

  EXPECT_TRUE(line_pixels({7, 7}, {7, 7}).empty());
}

TEST(CanvasLine, HalfwayPixelsLeanTowardsTheStart) {
  // y = 0.5 at x = 1 and y = 1.5 at x = 3: both round towards the starting row.
  EXPECT_EQ(line_pixels({0, 0}, {4, 2}), (PixelSet{{0, 0}, {1, 0}, {2, 1}, {3, 1}}));
  // Reversed, the same pixels appear (plus the other end point instead of this one).
  EXPECT_EQ(line_pixels({4, 2}, {0, 0}), (PixelSet{{4, 2}, {3, 1}, {2, 1}, {1, 0}}));
}

TEST(CanvasLine, RandomLinesAreBresenhamAndDirectionIndependent) {
  std::mt19937 rng(4711);
  std::uniform_int_distribution<int> coord(0, 40);
  for (int n = 0; n < 300; ++n) {
    const QPoint a(coord(rng), coord(rng)), b(coord(rng), coord(rng));
    if (a == b) continue;
    const PixelSet fwd = line_pixels(a, b, 41, 41), back = line_pixels(b, a, 41, 41);
    const int dx = b.x() - a.x(), dy = b.y() - a.y();
    const int len = std::max(std::abs(dx), std::abs(dy));
    ASSERT_EQ(static_cast<int>(fwd.size()), len) << a.x() << "," << a.y() << " -> " << b.x() << "," << b.y();
    ASSERT_TRUE(fwd.count({a.x(), a.y()}));
    ASSERT_FALSE(fwd.count({b.x(), b.y()}));
    for (auto [x, y] : fwd) {
      // Every pixel lies within half a pixel of the ideal line, along the minor axis.
      if (std::abs(dx) >= std::abs(dy)) {
        const double ideal = a.y() + double(dy) * (x - a.x()) / dx;
        ASSERT_LE(std::abs(y - ideal), 0.5) << x << "," << y;
      } else {
        const double ideal = a.x() + double(dx) * (y - a.y()) / dy;
        ASSERT_LE(std::abs(x - ideal), 0.5) << x << "," << y;
      }
    }
    PixelSet f = fwd, r = back;
    f.insert({b.x(), b.y()});
    r.insert({a.x(), a.y()});
    ASSERT_EQ(f, r) << a.x() << "," << a.y() << " -> " << b.x() << "," << b.y();
  }
}

TEST(CanvasLine, HugeCoordinatesAreClippedQuickly) {
  EXPECT_EQ(line_pixels({-2000000000, 5}, {2000000000, 5}, 20, 10), row(5, 0, 19));
  EXPECT_TRUE(line_pixels({-100000, -5}, {100000, -7}, 20, 10).empty());
  // A steep line crossing the image keeps the pixels of the unclipped walk.
  const PixelSet clipped = line_pixels({3, -1000}, {13, 1000}, 20, 10);
  const PixelSet full = line_pixels({3 + 1000, 0}, {13 + 1000, 2000}, 2048, 2048);
  PixelSet expected;
  for (auto [x, y] : full)
    if (y >= 1000 && y < 1010) expected.insert({x - 1000, y - 1000});
  EXPECT_EQ(clipped, expected);
}

TEST(CanvasLine, PenPositionAndChainsDrawEveryJointOnce) {
  QImage img = make_image(30, 30);
  Canvas c(&img);
  c.Pen.Mode = TPenMode::pmXor;
  c.Pen.Color = Qt::red;
  c.MoveTo(2, 2);
  c.LineTo(20, 2);
  EXPECT_EQ(c.PenPos(), QPoint(20, 2));
  c.LineTo(20, 20);
  c.LineTo(2, 20);
  c.LineTo(2, 2);
  // Xor would clear a pixel drawn twice: all 72 pixels of the closed square are inverted.
  const PixelSet s = ink(img);
  EXPECT_EQ(s.size(), 72u);
  EXPECT_EQ(img.pixelColor(2, 2), QColor(0, 255, 255));
  EXPECT_EQ(img.pixelColor(20, 20), QColor(0, 255, 255));
}

TEST(CanvasLine, PolylineMatchesLineToChainAndKeepsPenPosition) {
  const std::vector<QPoint> pts{{1, 1}, {15, 4}, {9, 17}, {2, 9}};
  QImage a = make_image(20, 20), b = make_image(20, 20);
  {
    Canvas c(&a);
    c.MoveTo(30, 30);
    c.Polyline(pts);
    EXPECT_EQ(c.PenPos(), QPoint(30, 30));
  }
  {
    Canvas c(&b);
    c.MoveTo(1, 1);
    for (std::size_t k = 1; k < pts.size(); ++k) c.LineTo(pts[k].x(), pts[k].y());
  }
  EXPECT_EQ(a, b);
  EXPECT_FALSE(ink(a).count({2, 9}));
}

TEST(CanvasLine, DottedLineGapsFollowTheBackgroundMode) {
  const QColor grey(128, 128, 128);
  for (bool transparent : {true, false}) {
    QImage img = make_image(20, 3);
    img.fill(grey);
    Canvas c(&img);
    c.Brush.Color = Qt::yellow;
    c.SetTextTransparent(transparent);
    c.Pen.Style = TPenStyle::psDot;
    c.MoveTo(0, 1);
    c.LineTo(13, 1);
    for (int x = 0; x < 13; ++x) {
      const bool on = (x / 3) % 2 == 0;
      const QColor expected = on ? QColor(Qt::black) : (transparent ? grey : QColor(Qt::yellow));
      EXPECT_EQ(img.pixelColor(x, 1), expected) << "x=" << x << " transparent=" << transparent;
    }
    EXPECT_EQ(img.pixelColor(13, 1), grey);
  }
}

TEST(CanvasLine, ClearPenDrawsNothingButMoves) {
  QImage img = make_image(10, 10);
  Canvas c(&img);
  c.Pen.Style = TPenStyle::psClear;
  c.MoveTo(0, 0);
  c.LineTo(9, 9);
  EXPECT_EQ(c.PenPos(), QPoint(9, 9));
  EXPECT_TRUE(ink(img).empty());
}

TEST(CanvasLine, WidePenIsCentredOnTheLine) {
  QImage img = make_image(30, 20);
  Canvas c(&img);
  c.Pen.Width = 3;
  c.MoveTo(5, 10);
  c.LineTo(25, 10);
  for (int y : {9, 10, 11}) EXPECT_EQ(img.pixelColor(15, y), QColor(Qt::black)) << y;
  EXPECT_EQ(img.pixelColor(15, 8), QColor(Qt::white));
  EXPECT_EQ(img.pixelColor(15, 12), QColor(Qt::white));
}

TEST(CanvasArea, RectangleEdgesAndFill) {
  QImage img = make_image(12, 10);
  Canvas c(&img);
  c.Brush.Color = Qt::red;
  c.Rectangle(2, 3, 8, 7);
  for (int y = 0; y < 10; ++y)
    for (int x = 0; x < 12; ++x) {
      const bool inside = x >= 2 && x < 8 && y >= 3 && y < 7;
      const bool border = inside && (x == 2 || x == 7 || y == 3 || y == 6);
      const QColor expected = border ? QColor(Qt::black) : inside ? QColor(Qt::red) : QColor(Qt::white);
      ASSERT_EQ(img.pixelColor(x, y), expected) << x << "," << y;
    }
  EXPECT_EQ(c.PenPos(), QPoint(0, 0));
}

TEST(CanvasArea, ClearBrushKeepsInteriorAndClearPenShrinksFill) {
  QImage img = make_image(12, 10);
  img.fill(Qt::blue);
  {
    Canvas c(&img);
    c.Brush.Style = TBrushStyle::bsClear;
    c.Rectangle(2, 3, 8, 7);
  }
  EXPECT_EQ(img.pixelColor(4, 4), QColor(Qt::blue));
  EXPECT_EQ(img.pixelColor(2, 4), QColor(Qt::black));

  img.fill(Qt::white);
  {
    Canvas c(&img);
    c.Pen.Style = TPenStyle::psClear;
    c.Brush.Color = Qt::green;
    c.Rectangle(2, 3, 8, 7);
  }
  PixelSet expected;
  for (int y = 3; y < 6; ++y)
    for (int x = 2; x < 7; ++x) expected.insert({x, y});
  EXPECT_EQ(ink(img), expected);
}

TEST(CanvasArea, FillRectUsesBrushOnlyWithExclusiveEdges) {
  QImage img = make_image(8, 8);
  Canvas c(&img);
  c.Pen.Color = Qt::red;
  c.Pen.Mode = TPenMode::pmXor;
  c.Brush.Color = Qt::blue;
  c.FillRect(Rect(1, 1, 4, 3));
  PixelSet expected;
  for (int y = 1; y < 3; ++y)
    for (int x = 1; x < 4; ++x) expected.insert({x, y});
  EXPECT_EQ(ink(img), expected);
  EXPECT_EQ(img.pixelColor(1, 1), QColor(Qt::blue));
  c.FillRect(Rect(5, 5, 5, 7));  // empty
  EXPECT_EQ(ink(img).size(), expected.size());
}

TEST(CanvasArea, EllipseStaysInsideItsBoxAndTouchesEveryEdge) {
  for (QRect box : {Rect(10, 10, 31, 21), Rect(2, 75, 202, 275), Rect(5, 5, 9, 6), Rect(3, 4, 13, 14)}) {
    QImage img = make_image(220, 290);
    Canvas c(&img);
    c.Brush.Color = Qt::red;
    c.Ellipse(box.left(), box.top(), box.left() + box.width(), box.top() + box.height());
    const PixelSet s = ink(img);
    int minx = 1 << 30, maxx = -1, miny = 1 << 30, maxy = -1;
    for (auto [x, y] : s) {
      minx = std::min(minx, x), maxx = std::max(maxx, x), miny = std::min(miny, y), maxy = std::max(maxy, y);
      // Symmetric about the box centre.
      const int mx = 2 * box.left() + box.width() - 1 - x, my = 2 * box.top() + box.height() - 1 - y;
      ASSERT_TRUE(s.count({mx, y}) && s.count({x, my})) << x << "," << y;
    }
    EXPECT_EQ(minx, box.left());
    EXPECT_EQ(maxx, box.right());
    EXPECT_EQ(miny, box.top());
    EXPECT_EQ(maxy, box.bottom());
    const QPoint centre = box.center();
    if (box.width() > 4) {
      EXPECT_EQ(img.pixelColor(centre), QColor(Qt::red));
    }
    // The outline is black where it crosses the middle row.
    EXPECT_EQ(img.pixelColor(box.left(), box.top() + box.height() / 2), QColor(Qt::black));
  }
}

TEST(CanvasPixels, ReadAndWrite) {
  QImage img = make_image(6, 5);
  Canvas c(&img);
  c.Pen.Mode = TPenMode::pmXor;  // plays no part
  c.SetPixel(3, 4, Qt::red);
  EXPECT_EQ(c.Pixel(3, 4), QColor(Qt::red));
  EXPECT_EQ(c.Pixel(0, 0), QColor(Qt::white));
  EXPECT_FALSE(c.Pixel(-1, 0).isValid());
  EXPECT_FALSE(c.Pixel(6, 0).isValid());
  EXPECT_FALSE(c.Pixel(0, 5).isValid());
  c.SetPixel(100, 100, Qt::red);  // outside: ignored
  EXPECT_EQ(ink(img).size(), 1u);
  EXPECT_EQ(c.Width(), 6);
  EXPECT_EQ(c.Height(), 5);
}

TEST(CanvasPenMode, DrawingTwiceRestoresTheImage) {
  QImage img = make_image(60, 40);
  {
    Canvas c(&img);
    c.Brush.Color = QColor(200, 100, 50);
    c.Rectangle(5, 5, 40, 30);
    c.TextOut(8, 8, "Uc");
  }
  const QImage before = img.copy();
  for (TPenMode mode : {TPenMode::pmXor, TPenMode::pmNotXor, TPenMode::pmNot}) {
    Canvas c(&img);
    c.Pen.Mode = mode;
    c.Pen.Color = QColor(30, 200, 90);
    c.Brush.Color = QColor(10, 20, 240);
    for (int pass = 0; pass < 2; ++pass) {
      c.MoveTo(0, 0);
      c.LineTo(59, 37);
      c.LineTo(3, 20);
      c.Rectangle(10, 12, 50, 35);
      c.Ellipse(1, 2, 45, 39);
      c.Pen.Width = 3;
      c.Ellipse(20, 3, 55, 25);
      c.Rectangle(30, 1, 58, 15);
      c.Polyline({{2, 38}, {30, 5}, {58, 38}});
      c.MoveTo(0, 39);
      c.LineTo(59, 0);
      c.Pen.Width = 1;
      c.Pen.Style = TPenStyle::psDash;
      c.Rectangle(4, 4, 56, 36);
      c.Pen.Style = TPenStyle::psSolid;
      if (pass == 0) {
        ASSERT_NE(img, before);
      }
    }
    EXPECT_EQ(img, before) << static_cast<int>(mode);
  }
}

TEST(CanvasPenMode, XorCombinesWithPenColour) {
  QImage img = make_image(4, 4);
  Canvas c(&img);
  c.Pen.Mode = TPenMode::pmXor;
  c.Pen.Color = QColor(0, 255, 0);
  c.MoveTo(0, 1);
  c.LineTo(4, 1);
  EXPECT_EQ(c.Pixel(1, 1), QColor(255, 0, 255));
  c.Pen.Mode = TPenMode::pmNotXor;
  c.MoveTo(0, 2);
  c.LineTo(4, 2);
  EXPECT_EQ(c.Pixel(1, 2), QColor(0, 255, 0));
  c.Pen.Mode = TPenMode::pmNot;
  c.MoveTo(0, 3);
  c.LineTo(4, 3);
  EXPECT_EQ(c.Pixel(1, 3), QColor(0, 0, 0));
}

TEST(CanvasImages, DrawStretchDrawAndCopyRect) {
  QImage src = make_image(4, 2);
  src.setPixelColor(0, 0, Qt::red);
  src.setPixelColor(3, 1, Qt::blue);
  QImage img = make_image(20, 20);
  Canvas c(&img);
  c.Draw(5, 6, src);
  EXPECT_EQ(c.Pixel(5, 6), QColor(Qt::red));
  EXPECT_EQ(c.Pixel(8, 7), QColor(Qt::blue));
  c.StretchDraw(Rect(0, 10, 8, 14), src);  // twice the size
  EXPECT_EQ(c.Pixel(1, 11), QColor(Qt::red));
  EXPECT_EQ(c.Pixel(7, 13), QColor(Qt::blue));
  EXPECT_EQ(c.Pixel(8, 13), QColor(Qt::white));
  c.CopyRect(Rect(15, 15, 16, 16), src, Rect(3, 1, 4, 2));
  EXPECT_EQ(c.Pixel(15, 15), QColor(Qt::blue));
  EXPECT_EQ(ink(img).size(), 2u + 8u + 1u);
}

TEST(CanvasWindow, PresentCallsTheHookOnlyOnAWindowCanvas) {
  QImage backing = make_image(10, 10);
  int presented = 0;
  {
    Canvas window(&backing, [&] { ++presented; });
    window.present();
    window.present();
  }
  EXPECT_EQ(presented, 2);
  QImage off = make_image(10, 10);
  Canvas image(&off);
  image.present();
  EXPECT_EQ(presented, 2);
}

TEST(CanvasWindow, NestedDrawingSharesTheCanvasAndSetDeviceKeepsState) {
  QImage backing = make_image(10, 10), bigger = make_image(20, 20);
  Canvas c(&backing);
  c.Pen.Color = Qt::red;
  auto draw_row = [&](int y) {
    c.MoveTo(0, y);
    c.LineTo(10, y);
  };
  c.MoveTo(0, 0);
  draw_row(5);  // a nested redraw between two steps of an outer one
  c.LineTo(10, 0);
  EXPECT_EQ(c.Pixel(9, 5), QColor(Qt::red));
  EXPECT_EQ(c.Pixel(9, 0), QColor(Qt::white));  // the outer line started at (0, 5) now

  c.SetDevice(&bigger);
  EXPECT_EQ(c.Width(), 20);
  draw_row(15);
  EXPECT_EQ(c.Pixel(9, 15), QColor(Qt::red));
}

TEST(CanvasWindow, EmptyDeviceDrawsNothingAndStillRecords) {
  QImage none;
  Recorder rec;
  Canvas c(&none);
  c.SetRecorder(&rec);
  c.MoveTo(1, 1);
  c.LineTo(5, 5);
  c.Rectangle(0, 0, 3, 3);
  c.TextOut(0, 0, "x");
  EXPECT_EQ(c.Width(), 0);
  EXPECT_FALSE(c.Pixel(0, 0).isValid());
  EXPECT_EQ(rec.ops().size(), 3u);
}

TEST(CanvasRecorder, LogsPrimitivesWithTheirState) {
  QImage img = make_image(100, 50);
  Recorder rec;
  Canvas c(&img);
  c.SetRecorder(&rec);
  c.Pen.Color = Qt::red;
  c.Pen.Width = 2;
  c.MoveTo(3, 4);
  c.LineTo(30, 40);
  c.Brush.Style = TBrushStyle::bsClear;
  c.Rectangle(1, 2, 3, 4);
  c.Font.Name = "Arial";
  c.Font.Bold = true;
  c.Font.SetSize(10);
  c.Font.Color = Qt::blue;
  c.TextOut(7, 8, "Uc");
  c.SetPixel(1, 1, Qt::green);
  c.SetRecorder(nullptr);
  c.LineTo(0, 0);

  ASSERT_EQ(rec.ops().size(), 4u);
  EXPECT_EQ(rec.count("LineTo"), 1);
  const RecordedOp& line = rec.ops()[0];
  EXPECT_EQ(line.args, (QList<int>{3, 4, 30, 40}));
  EXPECT_EQ(line.penColor, QColor(Qt::red));
  EXPECT_EQ(line.penWidth, 2);
  EXPECT_EQ(rec.ops()[1].brushStyle, TBrushStyle::bsClear);

  const RecordedOp* text = rec.findText("Uc");
  ASSERT_NE(text, nullptr);
  EXPECT_EQ(text->args, (QList<int>{7, 8}));
  EXPECT_EQ(text->fontName, "Arial");
  EXPECT_EQ(text->fontSize, 10);
  EXPECT_EQ(text->fontHeight, 13);
  EXPECT_TRUE(text->fontBold);
  EXPECT_EQ(text->fontColor, QColor(Qt::blue));
  EXPECT_TRUE(text->textTransparent);  // selected with the clear brush
  EXPECT_EQ(rec.findText("U"), nullptr);
  EXPECT_EQ(rec.findTextContaining("U"), text);
  EXPECT_EQ(rec.texts().size(), 1u);
  EXPECT_EQ(rec.ops()[3].color, QColor(Qt::green));

  rec.clear();
  EXPECT_TRUE(rec.ops().empty());
}

TEST(CanvasWindow, HighDpiBackingImageDrawsInLogicalPixels) {
  QImage backing = make_image(40, 20);
  backing.setDevicePixelRatio(2);
  Canvas c(&backing);
  EXPECT_EQ(c.Width(), 20);
  EXPECT_EQ(c.Height(), 10);
  c.MoveTo(0, 5);
  c.LineTo(20, 5);
  c.SetPixel(3, 8, Qt::red);
  EXPECT_EQ(backing.pixelColor(39, 10), QColor(Qt::black));
  EXPECT_EQ(backing.pixelColor(39, 11), QColor(Qt::black));
  EXPECT_EQ(backing.pixelColor(39, 12), QColor(Qt::white));
  EXPECT_EQ(backing.pixelColor(7, 17), QColor(Qt::red));
  EXPECT_EQ(c.Pixel(3, 8), QColor(Qt::red));
  EXPECT_EQ(c.Pixel(19, 5), QColor(Qt::black));
}
