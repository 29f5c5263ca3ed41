#include "platform/scrollbar.h"

#include <vector>

#include <gtest/gtest.h>
#include <QApplication>
#include <QMouseEvent>
#include <QStyle>
#include <QTest>
#include <QWheelEvent>

#include "common/scrollbar_teil.h"
#include "platform/trackbar.h"

namespace platform {
namespace {

using Code = TScrollCode;

struct Event {
  Code code;
  int pos;
  bool operator==(const Event&) const = default;
};

void PrintTo(const Event& e, std::ostream* os) { *os << "{" << static_cast<int>(e.code) << ", " << e.pos << "}"; }

// A shown bar of the size the dialogs use, twice as high so the arrows have room, with every event logged.
class ScrollBarTest : public ::testing::Test {
 protected:
  void SetUp() override {
    bar.setGeometry(0, 0, 233, 20);
    bar.SetParams(50, 0, 100);
    bar.SetLargeChange(10);
    bar.OnChange = [this] {
      log.push_back({Code::scEndScroll, -1000 - bar.Position()});
      ++changes;
    };
    bar.OnScroll = [this](Code code, int& pos) { log.push_back({code, pos}); };
    bar.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&bar));
  }

  QRect Rect(QStyle::SubControl sc) { return Scrollbar_Teil(bar, sc); }

  void Mouse(QEvent::Type type, QPoint at, Qt::MouseButtons held) {
    QMouseEvent e(type, at, bar.mapToGlobal(at), Qt::LeftButton, held, Qt::NoModifier);
    QApplication::sendEvent(&bar, &e);
  }

  // OnChange entries are logged as {scEndScroll, -1000 - new position}.
  static Event Changed(int pos) { return {Code::scEndScroll, -1000 - pos}; }

  ScrollBar bar;
  std::vector<Event> log;
  int changes = 0;
};

TEST_F(ScrollBarTest, CodeSetsPositionAndFiresChangeOnlyOnADifference) {
  bar.SetPosition(70);
  bar.SetPosition(70);
  bar.SetPosition(500);  // clamped to Max
  EXPECT_EQ(log, (std::vector<Event>{Changed(70), Changed(100)}));
  // SetParams reports once, with the final position, although the range change clamps on the way.
  log.clear();
  bar.SetParams(5, 5, 1000);
  EXPECT_EQ(log, (std::vector<Event>{Changed(5)}));
  bar.SetMin(10);
  EXPECT_EQ(bar.Position(), 10);
  EXPECT_EQ(changes, 4);
}

TEST_F(ScrollBarTest, ArrowClickGivesLineCodeThenChangeThenEndScroll) {
  const QPoint right = Rect(QStyle::SC_ScrollBarAddLine).center();
  QTest::mouseClick(&bar, Qt::LeftButton, Qt::NoModifier, right);
  EXPECT_EQ(log, (std::vector<Event>{{Code::scLineDown, 51}, Changed(51), {Code::scEndScroll, 51}}));
  log.clear();
  QTest::mouseClick(&bar, Qt::LeftButton, Qt::NoModifier, Rect(QStyle::SC_ScrollBarSubLine).center());
  EXPECT_EQ(log, (std::vector<Event>{{Code::scLineUp, 50}, Changed(50), {Code::scEndScroll, 50}}));
}

TEST_F(ScrollBarTest, TrackClickGivesPageCode) {
  QTest::mouseClick(&bar, Qt::LeftButton, Qt::NoModifier, Rect(QStyle::SC_ScrollBarAddPage).center());
  EXPECT_EQ(log, (std::vector<Event>{{Code::scPageDown, 60}, Changed(60), {Code::scEndScroll, 60}}));
  log.clear();
  QTest::mouseClick(&bar, Qt::LeftButton, Qt::NoModifier, Rect(QStyle::SC_ScrollBarSubPage).center());
  EXPECT_EQ(log, (std::vector<Event>{{Code::scPageUp, 50}, Changed(50), {Code::scEndScroll, 50}}));
}

TEST_F(ScrollBarTest, ThumbDragTracksAndReportsThePositionOnceOnRelease) {
  const QPoint start = Rect(QStyle::SC_ScrollBarSlider).center();
  Mouse(QEvent::MouseButtonPress, start, Qt::LeftButton);
  Mouse(QEvent::MouseMove, start + QPoint(20, 0), Qt::LeftButton);
  Mouse(QEvent::MouseMove, start + QPoint(40, 0), Qt::LeftButton);
  const int dragged = bar.Position();
  Mouse(QEvent::MouseButtonRelease, start + QPoint(40, 0), Qt::NoButton);

  ASSERT_GT(dragged, 50);
  // Each move: scTrack, then the change; the release: scPosition once, then scEndScroll.
  ASSERT_EQ(log.size(), 6u);
  EXPECT_EQ(log[0].code, Code::scTrack);
  EXPECT_EQ(log[1], Changed(log[0].pos));
  EXPECT_EQ(log[2].code, Code::scTrack);
  EXPECT_GT(log[2].pos, log[0].pos);
  EXPECT_EQ(log[3], Changed(dragged));
  EXPECT_EQ(log[4], (Event{Code::scPosition, dragged}));
  EXPECT_EQ(log[5], (Event{Code::scEndScroll, dragged}));
}

TEST_F(ScrollBarTest, ScrollHandlerMayChangeTheNewPosition) {
  // A handler that ignores page steps, as the dialogs' frequency bars do with a snapped grid.
  bar.OnScroll = [this](Code code, int& pos) {
    log.push_back({code, pos});
    if (code == Code::scPageDown) pos = 55;
    if (code == Code::scLineDown) pos = 1000;  // beyond Max: clamped
  };
  QTest::mouseClick(&bar, Qt::LeftButton, Qt::NoModifier, Rect(QStyle::SC_ScrollBarAddPage).center());
  EXPECT_EQ(bar.Position(), 55);
  QTest::mouseClick(&bar, Qt::LeftButton, Qt::NoModifier, Rect(QStyle::SC_ScrollBarAddLine).center());
  EXPECT_EQ(bar.Position(), 100);
  EXPECT_EQ(changes, 2);
}

TEST_F(ScrollBarTest, ThrowingHandlerDoesNotEscapeAndPositionStillMoves) {
  bar.OnScroll = [](Code, int&) { throw std::runtime_error("Ungültige Gleitkommaoperation"); };
  QTest::mouseClick(&bar, Qt::LeftButton, Qt::NoModifier, Rect(QStyle::SC_ScrollBarAddLine).center());
  EXPECT_EQ(bar.Position(), 51);
}

// Home and End act as a drag of the thumb to that end and its release: the dialogs follow those.
TEST_F(ScrollBarTest, KeysGiveLineCodesAndHomeAndEndADragToTheEnd) {
  bar.setFocus();
  QTest::keyClick(&bar, Qt::Key_Right);
  QTest::keyClick(&bar, Qt::Key_Home);
  QTest::keyClick(&bar, Qt::Key_End);
  EXPECT_EQ(log, (std::vector<Event>{{Code::scLineDown, 51},
                                     Changed(51),
                                     {Code::scEndScroll, 51},
                                     {Code::scTrack, 0},
                                     Changed(0),
                                     {Code::scPosition, 0},
                                     {Code::scEndScroll, 0},
                                     {Code::scTrack, 100},
                                     Changed(100),
                                     {Code::scPosition, 100},
                                     {Code::scEndScroll, 100}}));
}

// Scroll and track bars show whether they have the keyboard focus.
TEST_F(ScrollBarTest, BarsShowAFocusFrame) {
  TrackBar track;
  track.setGeometry(0, 40, 30, 150);
  track.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&track));
  for (QWidget* w : {static_cast<QWidget*>(&bar), static_cast<QWidget*>(&track)}) {
    w->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w));
    w->setFocus();
    ASSERT_TRUE(w->hasFocus());
    const QImage mit = w->grab().toImage();
    w->clearFocus();
    EXPECT_NE(w->grab().toImage(), mit) << w->metaObject()->className();
  }
}

TEST_F(ScrollBarTest, WheelGivesLineCodesAndEndScroll) {
  const QPoint at = Rect(QStyle::SC_ScrollBarAddPage).center();
  QWheelEvent e(at, bar.mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase,
                false);
  QApplication::sendEvent(&bar, &e);
  ASSERT_EQ(log.size(), 3u);
  EXPECT_EQ(log[0].code, Code::scLineDown);
  EXPECT_GT(log[0].pos, 50);
  EXPECT_EQ(log[2], (Event{Code::scEndScroll, bar.Position()}));
}

}  // namespace
}  // namespace platform
