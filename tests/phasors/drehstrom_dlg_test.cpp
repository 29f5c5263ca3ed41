#include "phasors/drehstrom_dlg.h"

#include "dlg_fixture.h"
#include "phasors/drehstrom.h"

namespace {

class DrehstromDlgTest : public DlgTest {
 protected:
  DrehstromDlgTest() {
    Setze_Drehstrom_Startwerte();
    dlg.show();
  }
  TDrehstromDlg dlg;
};

TEST_F(DrehstromDlgTest, OpensWithAllBarsAt240AndWholeVoltLabels) {
  EXPECT_EQ(dlg.windowTitle(), "Drehstrom:");
  EXPECT_EQ(dlg.size(), QSize(353, 55));
  for (platform::ScrollBar* bar : {dlg.U1ScrollBar, dlg.U2ScrollBar, dlg.U3ScrollBar}) {
    EXPECT_EQ(bar->Position(), 240);
    EXPECT_EQ(bar->Min(), 10);
    EXPECT_EQ(bar->Max(), 300);
  }
  for (QLabel* label : {dlg.Label41, dlg.Label42, dlg.Label43}) EXPECT_EQ(Text(label), "240 V");
  EXPECT_EQ(window.invalidiert, 0);
}

TEST_F(DrehstromDlgTest, OpensAtTheBottomRightOfTheMainWindow) {
  // Client area (100, 50) 782 x 550 with a 20 pixel status bar.
  EXPECT_EQ(dlg.frameGeometry().right() + 1, 100 + 782 - 2);
  EXPECT_EQ(dlg.frameGeometry().bottom() + 1, 50 + 550 - 20 - 2);
}

TEST_F(DrehstromDlgTest, DragShowsOnlyTheLabelReleaseSetsTheVoltageAndRedraws) {
  const QPoint at = Ziehe(*dlg.U1ScrollBar, 12);
  const int pos = dlg.U1ScrollBar->Position();
  ASSERT_GT(pos, 240);
  EXPECT_EQ(Text(dlg.Label41), QString("%1 V").arg(pos));
  EXPECT_EQ(Drehstromwerte.U1, 240.0L);
  EXPECT_EQ(window.invalidiert, 0);
  Loslassen(*dlg.U1ScrollBar, at);
  EXPECT_EQ(Drehstromwerte.U1, static_cast<long double>(pos));
  EXPECT_EQ(window.invalidiert, 1);
}

TEST_F(DrehstromDlgTest, ArrowStepRedrawsPageStepDoesNot) {
  Pfeil_links(*dlg.U2ScrollBar);
  EXPECT_EQ(Drehstromwerte.U2, 239.0L);
  EXPECT_EQ(Text(dlg.Label42), "239 V");
  EXPECT_EQ(window.invalidiert, 1);
  Seite_rechts(*dlg.U3ScrollBar);
  const int pos = dlg.U3ScrollBar->Position();
  EXPECT_GT(pos, 240);
  EXPECT_EQ(Drehstromwerte.U3, static_cast<long double>(pos));
  EXPECT_EQ(Text(dlg.Label43), QString("%1 V").arg(pos));
  EXPECT_EQ(window.invalidiert, 1);
}

TEST_F(DrehstromDlgTest, ClickOnTheFreeAreaCloses) {
  QTest::mouseClick(&dlg, Qt::LeftButton, Qt::NoModifier, dlg.Label41->geometry().center());
  EXPECT_TRUE(dlg.isVisible());
  QTest::mouseClick(&dlg, Qt::LeftButton, Qt::NoModifier, QPoint(350, 2));
  EXPECT_FALSE(dlg.isVisible());
}

}  // namespace
