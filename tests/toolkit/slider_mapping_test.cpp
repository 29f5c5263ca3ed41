#include "toolkit/slider_mapping.h"

#include <gtest/gtest.h>

#include "common/tolerance.h"
#include "platform/float_error.h"
#include "platform/scrollbar.h"
#include "platform/trackbar.h"

TEST(Schieber, LogarithmicValue) {
  EXPECT_TRUE(RelNear(Wert_aus_Schieber(50, 100, 1e-6L, 1e-3L), 31.6227766e-6L, 1e-8L));
  EXPECT_EQ(Wert_aus_Schieber(0, 100, 1e-6L, 1e-3L), 1e-6L);
  EXPECT_EQ(Wert_aus_Schieber(100, 100, 1e-6L, 1e-3L), 1e-3L);
  EXPECT_EQ(Wert_aus_Schieber(1000, 1000, 1, 10000), 10000.0L);
  EXPECT_TRUE(RelNear(Wert_aus_Schieber(250, 1000, 1, 10000), 10));
}

TEST(Schieber, PositionRoundsHalfUp) {
  EXPECT_EQ(Schieber_Position(100, 1e-6L, 1e-3L, 10e-6L), 33);
  EXPECT_EQ(Schieber_Position(100, 1e-6L, 1e-3L, 1e-6L), 0);
  EXPECT_EQ(Schieber_Position(100, 1e-6L, 1e-3L, 1e-3L), 100);
  EXPECT_EQ(Schieber_Position(100, 1e-6L, 1e-3L, Wert_aus_Schieber(50, 100, 1e-6L, 1e-3L)), 50);
  // 10^(1/6) lies at 16.67 of 100 between 1 and 10: rounds up to 17.
  EXPECT_EQ(Schieber_Position(100, 1, 10, 1.4677992676L), 17);
  // Outside the bounds; the control itself clamps.
  EXPECT_EQ(Schieber_Position(100, 1, 10, 100), 200);
}

TEST(Trackbar, TopIsUpperBottomIsLower) {
  EXPECT_EQ(Wert_aus_Trackbar(0, 1000, 1, 10000), 10000.0L);
  EXPECT_EQ(Wert_aus_Trackbar(1000, 1000, 1, 10000), 1.0L);
  EXPECT_TRUE(RelNear(Wert_aus_Trackbar(500, 1000, 1, 10000), 100));
  EXPECT_EQ(Trackbar_Position(1000, 1, 10000, 10000), 0);
  EXPECT_EQ(Trackbar_Position(1000, 1, 10000, 1), 1000);
  // R = 50 between 1 and 10000: (ln 50 - ln 10000) / (ln 1 - ln 10000) * 1000 = 575.26.
  EXPECT_EQ(Trackbar_Position(1000, 1, 10000, 50), 575);
  EXPECT_EQ(Trackbar_Position(100, 1e-6L, 1e-3L, 10e-6L), 67);
}

TEST(SliderMapping, InvalidArgumentsThrow) {
  EXPECT_THROW(Wert_aus_Schieber(10, 100, 0, 1), FloatError);
  EXPECT_THROW(Wert_aus_Schieber(10, 100, -1, 1), FloatError);
  EXPECT_THROW(Wert_aus_Schieber(10, 100, 1, 1), FloatError);
  EXPECT_THROW(Wert_aus_Schieber(10, 0, 1, 10), FloatError);
  EXPECT_THROW(Schieber_Position(100, 1, 10, 0), FloatError);
  EXPECT_THROW(Schieber_Position(100, 1, 10, -5), FloatError);
  EXPECT_THROW(Schieber_Position(100, 0, 10, 5), FloatError);
  EXPECT_THROW(Schieber_Position(100, 5, 5, 5), FloatError);
  EXPECT_THROW(Wert_aus_Trackbar(10, 100, 1, 1), FloatError);
  EXPECT_THROW(Trackbar_Position(0, 1, 10, 5), FloatError);
  EXPECT_THROW(Trackbar_Position(100, 1, 10, 0), FloatError);
}

TEST(SliderMapping, OverTheControls) {
  platform::ScrollBar bar;
  bar.SetParams(0, 0, 100);
  int changes = 0;
  bar.OnChange = [&] { ++changes; };
  Schieber_aus_Wert(bar, 1e-6L, 1e-3L, 10e-6L);
  EXPECT_EQ(bar.Position(), 33);
  EXPECT_EQ(changes, 1);  // a scroll bar reports a position set by code
  bar.SetPosition(50);
  EXPECT_TRUE(RelNear(Wert_aus_Schieber(bar, 1e-6L, 1e-3L), 31.6227766e-6L, 1e-8L));
  // A range that does not start at 0 maps from its minimum.
  bar.SetParams(10, 10, 110);
  EXPECT_EQ(Wert_aus_Schieber(bar, 1, 10), 1.0L);
  Schieber_aus_Wert(bar, 1, 10, 10);
  EXPECT_EQ(bar.Position(), 110);

  platform::TrackBar track;
  track.SetMin(0);
  track.SetMax(1000);
  int moves = 0;
  track.OnChange = [&] { ++moves; };
  Trackbar_aus_Wert(track, 1, 10000, 50);
  EXPECT_EQ(track.Position(), 575);
  EXPECT_EQ(moves, 0);  // silent
  track.SetPosition(500);
  EXPECT_TRUE(RelNear(Wert_aus_Trackbar(track, 1, 10000), 100));
  // Min is no part of the mapping: a bar from 1 to 1000 reads upper * (lower / upper)^(1/1000)
  // at its top, and a value that maps above the top is clamped to Min.
  const long double f = 1 / (2 * 3.14159265358979323846L * 50 * 1e-5L);
  track.SetMin(1);
  track.SetPosition(1);
  EXPECT_TRUE(RelNear(Wert_aus_Trackbar(track, 0.02L * f, 10 * f), 3163.378L, 1e-6L));
  Trackbar_aus_Wert(track, 0.02L * f, 10 * f, f);
  EXPECT_EQ(track.Position(), 371);
  Trackbar_aus_Wert(track, 0.02L * f, 10 * f, 10 * f);
  EXPECT_EQ(track.Position(), 1);
}
