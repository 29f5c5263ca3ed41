#include "platform/trackbar.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QMouseEvent>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTest>

namespace platform {
namespace {

// The experiments' frequency slider: Min 1, Max 1000, 353 pixels high.
class TrackBarTest : public ::testing::Test {
 protected:
  void SetUp() override {
    bar.setGeometry(0, 0, 45, 353);
    bar.SetMin(1);
    bar.SetMax(1000);
    bar.SetFrequency(10);
    bar.SetPageSize(100);
    bar.SetPosition(500);
    bar.OnChange = [this] { ++changes; };
    bar.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&bar));
  }

  QRect Handle() {
    QStyleOptionSlider opt;
    opt.initFrom(&bar);
    opt.subControls = QStyle::SC_All;
    opt.orientation = bar.orientation();
    opt.minimum = bar.minimum();
    opt.maximum = bar.maximum();
    opt.sliderPosition = bar.sliderPosition();
    opt.sliderValue = bar.value();
    opt.upsideDown = bar.invertedAppearance() != (bar.orientation() == Qt::Vertical);
    opt.tickPosition = bar.tickPosition();
    opt.tickInterval = bar.tickInterval();
    return bar.style()->subControlRect(QStyle::CC_Slider, &opt, QStyle::SC_SliderHandle, &bar);
  }

  void Mouse(QEvent::Type type, QPoint at, Qt::MouseButtons held) {
    QMouseEvent e(type, at, bar.mapToGlobal(at), Qt::LeftButton, held, Qt::NoModifier);
    QApplication::sendEvent(&bar, &e);
  }

  TrackBar bar;
  int changes = 0;
};

TEST_F(TrackBarTest, SettersFromCodeAreSilent) {
  bar.SetPosition(7);
  bar.SetMax(5);  // clamps the position
  bar.SetMin(6);
  EXPECT_EQ(bar.Position(), 6);
  EXPECT_EQ(changes, 0);
}

TEST_F(TrackBarTest, DraggingTheThumbDownRaisesThePositionAndFiresChange) {
  const QPoint start = Handle().center();
  Mouse(QEvent::MouseButtonPress, start, Qt::LeftButton);
  Mouse(QEvent::MouseMove, start + QPoint(0, 60), Qt::LeftButton);
  Mouse(QEvent::MouseButtonRelease, start + QPoint(0, 60), Qt::NoButton);
  // Min at the top: moving down goes towards Max.
  EXPECT_GT(bar.Position(), 600);
  EXPECT_EQ(changes, 1);
}

TEST_F(TrackBarTest, KeysMoveTheThumbTheWayTheyPoint) {
  bar.setFocus();
  QTest::keyClick(&bar, Qt::Key_Up);
  EXPECT_EQ(bar.Position(), 499);
  QTest::keyClick(&bar, Qt::Key_Down);
  QTest::keyClick(&bar, Qt::Key_Down);
  EXPECT_EQ(bar.Position(), 501);
  QTest::keyClick(&bar, Qt::Key_Home);
  EXPECT_EQ(bar.Position(), 1);
  EXPECT_EQ(changes, 4);
}

TEST_F(TrackBarTest, ClickOnTheGrooveBelowTheThumbStepsAPageDown) {
  QTest::mouseClick(&bar, Qt::LeftButton, Qt::NoModifier, QPoint(Handle().center().x(), 340));
  EXPECT_EQ(bar.Position(), 600);
  EXPECT_EQ(changes, 1);
}

}  // namespace
}  // namespace platform
