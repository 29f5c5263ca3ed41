#include "fields/felddialoge.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QMouseEvent>
#include <QTest>

#include "common/scrollbar_teil.h"
#include "common/tolerance.h"
#include "feld_fixture.h"
#include "platform/buttons.h"

namespace {

using FeldDialogTest = FeldTest;

// Placing the voltage bar snaps Ub to its grid (v = 599 691 m/s), placing the speed bar
// from that v at position 369 gives the final speed.
TEST_F(FeldDialogTest, ElectricFieldDialogOpensOnTheGridOfItsBars) {
  Startwerte_E_Feld();
  TEFeldDlg dlg;
  dlg.show();
  EXPECT_EQ(dlg.windowTitle(), "Elektron im elektrischen Feld:");
  EXPECT_EQ(dlg.UbScrollBar->Position(), 135);
  EXPECT_EQ(dlg.VeScrollBar->Position(), 369);
  EXPECT_TRUE(RelNear(Feld.v, 598452.927L, 1e-9L));
  EXPECT_EQ(dlg.VeLabel->text(), "598452.927 m/s");
  EXPECT_EQ(dlg.UbLabel->text(), "1.018 V");
  EXPECT_EQ(dlg.UcScrollBar->Max(), 100);
  // Labels of bars that did not move are written too.
  EXPECT_EQ(dlg.AlphaLabel->text(), "0 Grad");
  EXPECT_EQ(dlg.aLabel->text(), "18 cm");
  EXPECT_EQ(dlg.objectName(), "EFeldDlg");
  EXPECT_EQ(dlg.findChild<platform::ScrollBar*>("ScrollBar1"), dlg.zScrollBar);

  // The voltage bar sets v, without moving the speed bar.
  dlg.UbScrollBar->SetPosition(0);
  EXPECT_EQ(static_cast<long double>(Feld.Ub), 0.5L);
  EXPECT_TRUE(RelNear(Feld.v, 419380.495L, 1e-8L));
  EXPECT_EQ(dlg.VeLabel->text(), "419380.495 m/s");
  EXPECT_EQ(dlg.VeScrollBar->Position(), 369);
  dlg.VeScrollBar->SetPosition(1000);
  EXPECT_TRUE(RelNear(Feld.Ub, 113713.896L, 1e-8L));
  EXPECT_EQ(dlg.UbScrollBar->Position(), 0);
}

TEST_F(FeldDialogTest, MagneticDialogShowsTheFieldInMillitesla) {
  Startwerte_B_Feld();
  TMagnetfeldDlg dlg;
  dlg.show();
  EXPECT_EQ(dlg.BScrollBar->Position(), 333);
  EXPECT_EQ(dlg.BLabel->text(), "0.100 mT");
  EXPECT_EQ(dlg.UcScrollBar, nullptr);
  EXPECT_EQ(dlg.aScrollBar, nullptr);
}

TEST_F(FeldDialogTest, RotationBarsStartAtTheViewAndTurnItOnPageClicksAndDrags) {
  Startwerte_EB_Feld();
  Ansicht.Drehung_z = 40;
  TE_und_BFeldDlg dlg;
  dlg.show();
  EXPECT_EQ(dlg.zScrollBar->Position(), 40);
  EXPECT_EQ(dlg.xScrollBar->Position(), 0);
  window.invalidiert = 0;
  platform::ScrollBar* bar = dlg.xScrollBar;
  QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, Scrollbar_Teil(*bar, QStyle::SC_ScrollBarAddPage).center());
  EXPECT_EQ(static_cast<long double>(Ansicht.Drehung_x), bar->Position());
  EXPECT_GT(bar->Position(), 0);
  const QPoint start = Scrollbar_Teil(*bar, QStyle::SC_ScrollBarSlider).center();
  Maus(bar, QEvent::MouseButtonPress, start, Qt::LeftButton);
  Maus(bar, QEvent::MouseMove, start + QPoint(30, 0), Qt::LeftButton);
  const int gezogen = bar->Position();
  EXPECT_EQ(static_cast<long double>(Ansicht.Drehung_x), gezogen);
  EXPECT_GT(window.invalidiert, 1);
  Maus(bar, QEvent::MouseButtonRelease, start + QPoint(30, 0), Qt::NoButton);
  EXPECT_EQ(static_cast<long double>(Ansicht.Drehung_z), 40.0L);

  dlg.BitBtn1->click();
  EXPECT_EQ(bar->Position(), 0);
  EXPECT_EQ(static_cast<long double>(Ansicht.Drehung_x), 0.0L);
  dlg.SpeedButton2->click();
  dlg.BitBtn2->click();
  dlg.SpeedButton1->click();
  EXPECT_EQ(Ansicht.Nx, 205);
}

// The box used to start unticked while the flag stayed set, so the next click inverted it.
TEST_F(FeldDialogTest, PictureOnlySurvivesReopening) {
  Startwerte_E_Feld();
  {
    TEFeldDlg dlg;
    dlg.show();
    EXPECT_FALSE(dlg.CheckBox1->isChecked());
    dlg.CheckBox1->click();
    EXPECT_TRUE(Zeichenmodus.nur_Bild);
  }
  TEFeldDlg dlg;
  dlg.show();
  EXPECT_TRUE(dlg.CheckBox1->isChecked());
  dlg.CheckBox1->click();
  EXPECT_FALSE(Zeichenmodus.nur_Bild);
}

// The screen bar kept the screen behind the plates; the length bar now keeps the plates in
// front of the screen.
TEST_F(FeldDialogTest, PlatesAndScreenNeverPassEachOther) {
  Startwerte_E_Feld();
  TEFeldDlg dlg;
  dlg.show();
  dlg.lScrollBar->SetPosition(25);
  EXPECT_EQ(static_cast<long double>(Feld.l), 4.0L);
  EXPECT_EQ(dlg.lLabel->text(), "4 cm");
  dlg.aScrollBar->SetPosition(3 + 1);
  dlg.lScrollBar->SetPosition(10);
  EXPECT_EQ(static_cast<long double>(Feld.l), 4.0L);
  dlg.aScrollBar->SetPosition(30);
  dlg.lScrollBar->SetPosition(9);
  EXPECT_EQ(static_cast<long double>(Feld.l), 9.0L);
  dlg.aScrollBar->SetPosition(6);
  EXPECT_EQ(static_cast<long double>(Feld.a), 30.0L);
}

TEST_F(FeldDialogTest, CrossedFieldDialogHasOnlyTheSpeed) {
  Startwerte_EB_gekreuzt();
  TEB_gekreuztDlg dlg;
  dlg.show();
  EXPECT_EQ(dlg.windowTitle(), "Elektron im gekreuzten E-B-Feld:");
  EXPECT_FALSE(dlg.UbName->isEnabled() || dlg.UbLabel->isEnabled() || dlg.WinkelName->isEnabled() ||
               dlg.AlphaLabel->isEnabled());
  dlg.UbScrollBar->SetPosition(700);
  dlg.AlphaScrollBar->SetPosition(30);
  EXPECT_EQ(static_cast<long double>(Feld.phi), 0.0L);
  dlg.VeScrollBar->SetPosition(1000);
  EXPECT_EQ(dlg.UbLabel->text(), "113713.896 V");
  EXPECT_EQ(dlg.UcScrollBar->Max(), 1000);
  EXPECT_EQ(dlg.aScrollBar, nullptr);
  // The free area closes it.
  QTest::mouseClick(&dlg, Qt::LeftButton, Qt::NoModifier, QPoint(300, dlg.height() - 3));
  EXPECT_FALSE(dlg.isVisible());
}

TEST_F(FeldDialogTest, DialogsSitAgainstTheMainWindowFrame) {
  // Frame of the fake window: (100, 80), 782 x 550, status bar 19.
  Startwerte_EB_Feld();
  TE_und_BFeldDlg eb;
  eb.show();
  EXPECT_EQ(eb.frameGeometry().topLeft(), QPoint(391 + 100 - eb.frameGeometry().width() - 2, 120));
  TMagnetfeldDlg b;
  b.show();
  EXPECT_EQ(b.frameGeometry().bottomRight(), QPoint(100 + 782 - 3, 80 + 550 - 19 - 6));
}

}  // namespace
