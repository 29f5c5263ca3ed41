#include <gtest/gtest.h>

#include "platform/canvas.h"

namespace {

using platform::Canvas;

// A window canvas pushes only what changed since its last step to the screen.
TEST(CanvasDirtyRegion, CoversWhatWasDrawnSinceTheLastStep) {
  QImage image = platform::make_image(400, 300);
  QRegion pushed;
  Canvas canvas(&image, [&] { pushed = canvas.TakeDirtyRegion(); });
  canvas.Pen.Width = 2;
  canvas.MoveTo(10, 20);
  canvas.LineTo(110, 60);
  canvas.TextOut(200, 100, "Uc");
  canvas.present();
  EXPECT_TRUE(pushed.contains(QPoint(10, 20)));
  EXPECT_TRUE(pushed.contains(QPoint(110, 60)));
  EXPECT_TRUE(pushed.contains(QPoint(200 + canvas.TextWidth("Uc") - 1, 100 + canvas.TextHeight("M") - 1)));
  EXPECT_FALSE(pushed.contains(QPoint(300, 250)));

  canvas.present();  // nothing new
  EXPECT_TRUE(pushed.isEmpty());

  canvas.painter();  // drawing past the canvas' primitives: push everything
  canvas.present();
  EXPECT_EQ(pushed.boundingRect(), QRect(0, 0, 400, 300));
}

TEST(CanvasDirtyRegion, ImageCanvasIsNoWindow) {
  QImage image = platform::make_image(10, 10);
  Canvas canvas(&image);
  EXPECT_FALSE(canvas.IsWindowCanvas());
  Canvas window(&image, [] {});
  EXPECT_TRUE(window.IsWindowCanvas());
}

}  // namespace
