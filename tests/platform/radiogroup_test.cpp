#include "platform/radiogroup.h"

#include <gtest/gtest.h>
#include <QRadioButton>
#include <QTest>

namespace platform {
namespace {

class RadioGroupTest : public ::testing::Test {
 protected:
  void SetUp() override {
    group.setGeometry(16, 16, 137, 97);
    group.SetCaption("Drucken");
    group.SetItems({"1/4 Seite", "1/2 Seite", "Vollbild"});
    group.OnClick = [this] { clicks.push_back(group.ItemIndex()); };
    group.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&group));
  }

  RadioGroup group;
  std::vector<int> clicks;
};

TEST_F(RadioGroupTest, StartsWithoutSelection) {
  EXPECT_EQ(group.ItemIndex(), -1);
  for (int i = 0; i < 3; ++i) EXPECT_FALSE(group.Button(i)->isChecked());
  EXPECT_EQ(group.Button(2)->text(), "Vollbild");
}

TEST_F(RadioGroupTest, SettingItemIndexFromCodeFiresClickOncePerChange) {
  group.SetItemIndex(2);
  group.SetItemIndex(2);
  group.SetItemIndex(0);
  EXPECT_EQ(clicks, (std::vector<int>{2, 0}));
  EXPECT_TRUE(group.Button(0)->isChecked());
  EXPECT_FALSE(group.Button(2)->isChecked());
}

TEST_F(RadioGroupTest, OutOfRangeIndexIsClampedAndMinusOneClearsSilently) {
  group.SetItemIndex(9);
  EXPECT_EQ(group.ItemIndex(), 2);
  group.SetItemIndex(-1);
  EXPECT_EQ(group.ItemIndex(), -1);
  EXPECT_FALSE(group.Button(2)->isChecked());
  EXPECT_EQ(clicks, (std::vector<int>{2}));
}

TEST_F(RadioGroupTest, UserClickSelectsAndFires) {
  QTest::mouseClick(group.Button(1), Qt::LeftButton, Qt::NoModifier, QPoint(5, group.Button(1)->height() / 2));
  EXPECT_EQ(group.ItemIndex(), 1);
  // A click on the selected item changes nothing.
  QTest::mouseClick(group.Button(1), Qt::LeftButton, Qt::NoModifier, QPoint(5, group.Button(1)->height() / 2));
  EXPECT_EQ(clicks, (std::vector<int>{1}));
}

TEST_F(RadioGroupTest, NewItemsKeepAValidSelectionWithoutClick) {
  group.SetItemIndex(2);
  group.SetItems({"maximiertes Fenster", "normales Fenster"});
  EXPECT_EQ(group.ItemIndex(), 1);
  EXPECT_TRUE(group.Button(1)->isChecked());
  EXPECT_EQ(clicks, (std::vector<int>{2}));
}

TEST_F(RadioGroupTest, ColumnsFillTopToBottomFirst) {
  group.SetItems({"a", "b", "c", "d", "e"});
  group.SetColumns(2);
  group.resize(300, 150);
  QApplication::processEvents();
  EXPECT_EQ(group.Button(0)->x(), group.Button(2)->x());
  EXPECT_LT(group.Button(0)->y(), group.Button(2)->y());
  EXPECT_LT(group.Button(2)->x(), group.Button(3)->x());
  EXPECT_EQ(group.Button(0)->y(), group.Button(3)->y());
}

}  // namespace
}  // namespace platform
