#include <gtest/gtest.h>

#include <QBuffer>
#include <QPageSize>
#include <QPdfWriter>
#include <QSvgGenerator>

#include "platform/canvas.h"

using namespace platform;

namespace {

// Draws a bit of everything, in every pen mode.
void draw_sample(Canvas& c) {
  c.Brush.Color = QColor(144, 144, 160);
  c.Rectangle(2, 2, 150, 80);
  c.Pen.Mode = TPenMode::pmXor;
  c.MoveTo(5, 5);
  c.LineTo(140, 70);
  c.Pen.Mode = TPenMode::pmCopy;
  c.Pen.Style = TPenStyle::psDot;
  c.LineTo(5, 70);
  c.Pen.Style = TPenStyle::psSolid;
  c.Pen.Width = 2;
  c.Polyline({{10, 10}, {40, 60}, {70, 10}});
  c.Ellipse(20, 20, 60, 50);
  c.Font.Name = "Arial";
  c.Font.SetSize(10);
  c.SetTextTransparent(true);
  c.TextOut(12, 30, "Ueff = 10 V");
}

}  // namespace

TEST(CanvasTargets, SvgKeepsTextAsText) {
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  QSvgGenerator svg;
  svg.setOutputDevice(&buffer);
  svg.setSize(QSize(200, 100));
  svg.setViewBox(QRect(0, 0, 200, 100));
  {
    Canvas c(&svg);
    EXPECT_EQ(c.Width(), 200);
    EXPECT_EQ(c.Height(), 100);
    draw_sample(c);
    EXPECT_FALSE(c.Pixel(3, 3).isValid());
    EXPECT_EQ(c.image(), nullptr);
  }
  const QString out = QString::fromUtf8(buffer.data());
  EXPECT_TRUE(out.contains("Ueff = 10 V")) << out.left(2000).toStdString();
  EXPECT_TRUE(out.contains("<text"));
  // Lines stay lines instead of one rectangle per pixel.
  EXPECT_LT(out.count("<rect") + out.count("<path"), 40);
}

TEST(CanvasTargets, PdfWriterReceivesADocument) {
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  {
    QPdfWriter pdf(&buffer);
    pdf.setResolution(96);
    pdf.setPageSize(QPageSize(QSizeF(200, 100), QPageSize::Point));
    Canvas c(&pdf);
    EXPECT_GT(c.Width(), 0);
    draw_sample(c);
  }
  EXPECT_TRUE(buffer.data().startsWith("%PDF"));
  EXPECT_GT(buffer.data().size(), 500);
}
