#include "platform/updown.h"

#include <gtest/gtest.h>
#include <QTest>
#include <QToolButton>

namespace platform {
namespace {

// The experiments' voltage stepper: Min 1, Position 10, Max 100, no wrap.
class UpDownTest : public ::testing::Test {
 protected:
  void SetUp() override {
    updown.SetMin(1);
    updown.SetPosition(10);
    updown.OnClick = [this](TUDBtnType b) { clicks.push_back(b); };
    updown.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&updown));
  }
  void Up() { QTest::mouseClick(updown.NextButton(), Qt::LeftButton); }
  void Down() { QTest::mouseClick(updown.PrevButton(), Qt::LeftButton); }

  UpDown updown;
  std::vector<TUDBtnType> clicks;
};

TEST_F(UpDownTest, ArrowsStepThePositionAndReportTheButton) {
  Up();
  Down();
  Down();
  EXPECT_EQ(updown.Position(), 9);
  EXPECT_EQ(clicks, (std::vector<TUDBtnType>{TUDBtnType::btNext, TUDBtnType::btPrev, TUDBtnType::btPrev}));
}

TEST_F(UpDownTest, NoClickWhenThePositionStaysAtItsLimit) {
  updown.SetPosition(100);
  Up();
  EXPECT_TRUE(clicks.empty());
  updown.SetPosition(1);
  Down();
  Down();
  EXPECT_TRUE(clicks.empty());
  EXPECT_EQ(updown.Position(), 1);
  Up();
  EXPECT_EQ(clicks.size(), 1u);
}

TEST_F(UpDownTest, IncrementStopsAtTheLimitAndWrapGoesRound) {
  updown.SetIncrement(7);
  updown.SetPosition(97);
  Up();
  EXPECT_EQ(updown.Position(), 100);
  updown.SetWrap(true);
  Up();
  EXPECT_EQ(updown.Position(), 1);
  EXPECT_EQ(clicks.size(), 2u);
}

}  // namespace
}  // namespace platform
