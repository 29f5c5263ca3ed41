#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QRadioButton>
#include <QTest>

#include "common/scrollbar_teil.h"
#include "common/tolerance.h"
#include "curves/lc_schwingkreis.h"
#include "curves/resonanz.h"
#include "curves/schaltvorgaenge.h"
#include "curves/schaltvorgang_dlg.h"
#include "curves/schwingkreis_dlg.h"
#include "kurven_fixture.h"
#include "toolkit/number_text.h"
#include "toolkit/slider_mapping.h"

namespace {

void Taste(platform::ScrollBar* bar, Qt::Key key) {
  bar->setFocus();
  QTest::keyClick(bar, key);
}

using DialogTest = KurvenTest;

TEST_F(DialogTest, ResonanceVoltageBarRedrawsOnReleaseAndStepsButNotWhileDragged) {
  Startwerte_Serienschwingkreis();
  TSerienschwinkreisDlg dlg;
  dlg.show();
  EXPECT_EQ(dlg.windowTitle(), "Serienschwingkreis");
  EXPECT_EQ(dlg.ScrollBar1->Position(), 10);
  EXPECT_EQ(dlg.Label5->text(), "10 V");
  window.invalidiert = 0;

  platform::ScrollBar* bar = dlg.ScrollBar1;
  const QPoint start = Scrollbar_Teil(*bar, QStyle::SC_ScrollBarSlider).center();
  Maus(bar, QEvent::MouseButtonPress, start, Qt::LeftButton);
  Maus(bar, QEvent::MouseMove, start + QPoint(40, 0), Qt::LeftButton);
  const int gezogen = bar->Position();
  ASSERT_GT(gezogen, 10);
  EXPECT_EQ(dlg.Label5->text(), QString("%1 V").arg(gezogen));
  EXPECT_EQ(static_cast<long double>(Schaltung.Ueff), 10.0L);
  EXPECT_EQ(window.invalidiert, 0);

  Maus(bar, QEvent::MouseButtonRelease, start + QPoint(40, 0), Qt::NoButton);
  EXPECT_EQ(static_cast<long double>(Schaltung.Ueff), gezogen);
  EXPECT_EQ(window.invalidiert, 1);

  Taste(bar, Qt::Key_Left);
  EXPECT_EQ(static_cast<long double>(Schaltung.Ueff), gezogen - 1);
  EXPECT_EQ(window.invalidiert, 2);

  // A page click moves the bar but leaves the value and the drawing alone.
  QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, Scrollbar_Teil(*bar, QStyle::SC_ScrollBarAddPage).center());
  EXPECT_EQ(static_cast<long double>(Schaltung.Ueff), gezogen - 1);
  EXPECT_EQ(window.invalidiert, 2);
}

TEST_F(DialogTest, ResonanceComponentBarsRedrawOnEveryChange) {
  Startwerte_Parallelschwingkreis();
  TSperrschwingkreisDlg dlg;
  dlg.show();
  EXPECT_EQ(dlg.windowTitle(), "Sperrschwingkreis:");
  EXPECT_EQ(dlg.ScrollBar2->Position(), 500);  // 1 uF halfway between 1 nF and 1 mF
  EXPECT_EQ(dlg.Label6->text(), "1 uF");
  for (platform::ScrollBar* bar : {dlg.ScrollBar2, dlg.ScrollBar3, dlg.ScrollBar4}) {
    window.invalidiert = 0;
    const QPoint start = Scrollbar_Teil(*bar, QStyle::SC_ScrollBarSlider).center();
    Maus(bar, QEvent::MouseButtonPress, start, Qt::LeftButton);
    Maus(bar, QEvent::MouseMove, start + QPoint(10, 0), Qt::LeftButton);
    Maus(bar, QEvent::MouseMove, start + QPoint(20, 0), Qt::LeftButton);
    EXPECT_EQ(window.invalidiert, 2) << bar->objectName().toStdString();
    Maus(bar, QEvent::MouseButtonRelease, start + QPoint(20, 0), Qt::NoButton);
  }
  EXPECT_TRUE(RelNear(Schaltung.R, Wert_aus_Schieber(dlg.ScrollBar4->Position(), 1000, 1, 1000), 1e-9L));
  EXPECT_EQ(dlg.Label8->text(), Formatiere_Festkomma(Schaltung.R) + " Ohm");
  EXPECT_GT(Schaltung.C, 1e-6L);
}

TEST_F(DialogTest, ResonanceDialogSitsAtTheBottomRightAndClosesOnAClickOnTheFreeArea) {
  Startwerte_Serienschwingkreis();
  TSerienschwinkreisDlg dlg;
  dlg.show();
  const QRect frame = dlg.frameGeometry();
  EXPECT_EQ(frame.right() + 1, 100 + 800 - 2);
  EXPECT_EQ(frame.bottom() + 1, 80 + 600 - 20 - 2);
  // Labels are no free area: a click on a name or a value keeps the dialog open.
  for (QLabel* label : {dlg.Label1, dlg.Label5, dlg.Label8}) {
    QTest::mouseClick(label, Qt::LeftButton, Qt::NoModifier, label->rect().center());
    EXPECT_TRUE(dlg.isVisible()) << label->objectName().toStdString();
  }
  QTest::mouseClick(&dlg, Qt::LeftButton, Qt::NoModifier, QPoint(300, 68));
  EXPECT_FALSE(dlg.isVisible());
  EXPECT_EQ(dlg.result(), QDialog::Rejected);
}

TEST_F(DialogTest, LCBarsUseHalfSteps) {
  Startwerte_LC_Schwingkreis();
  TLCSchwingkreisDlg dlg;
  dlg.show();
  EXPECT_EQ(dlg.ScrollBar1->Position(), 20);
  EXPECT_EQ(dlg.ScrollBar4->Position(), 10);
  EXPECT_EQ(dlg.Label8->text(), "5 Ohm");
  EXPECT_EQ(dlg.pos(), QPoint(100 + 400 + 5, 80 + 300 + 150));
  window.invalidiert = 0;
  Taste(dlg.ScrollBar4, Qt::Key_Right);
  EXPECT_EQ(static_cast<long double>(Schaltung.R), 5.5L);
  EXPECT_EQ(dlg.Label8->text(), "5.500 Ohm");
  Taste(dlg.ScrollBar1, Qt::Key_Left);
  EXPECT_EQ(static_cast<long double>(Schaltung.Ug), 9.5L);
  EXPECT_EQ(window.invalidiert, 2);
}

TEST_F(DialogTest, ChoosingVariableFixesTheAxisAtThePresentTau) {
  Startwerte_Kondensator_Schaltvorgang();
  Zeichenmodus.Schaltvorgang_RC = Zeichenmodus.Konstante_Achse_RC = true;
  TAuf_entlade_KondDlg dlg;
  dlg.show();
  EXPECT_EQ(dlg.RadioGroup1->ItemIndex(), 0);
  const long double tau = Schaltung.R * Schaltung.C;  // R snapped to the bar's grid
  window.invalidiert = 0;
  dlg.RadioGroup1->Button(1)->click();
  EXPECT_FALSE(Zeichenmodus.Konstante_Achse_RC);
  EXPECT_TRUE(RelNear(Tau_Achse_RC, tau, 1e-9L));
  EXPECT_EQ(window.invalidiert, 1);

  // R changes, the axis stays.
  Taste(dlg.ScrollBar1, Qt::Key_Right);
  EXPECT_TRUE(RelNear(Tau_Achse_RC, tau, 1e-9L));
  EXPECT_EQ(window.invalidiert, 2);
  QTest::mouseClick(&dlg, Qt::LeftButton, Qt::NoModifier, QPoint(300, 80));
  EXPECT_EQ(dlg.result(), QDialog::Accepted);
}

TEST_F(DialogTest, ReopeningWithAVariableAxisKeepsTheFixedAxis) {
  Startwerte_Spule_Schaltvorgang();
  Zeichenmodus.Konstante_Achse_RL = false;
  Tau_Achse_RL = 0.004L;
  TEin_aus_SpuleDLG dlg;
  dlg.show();
  EXPECT_EQ(dlg.RadioGroup1->ItemIndex(), 1);
  EXPECT_EQ(static_cast<long double>(Tau_Achse_RL), static_cast<long double>(real48(0.004L)));
  EXPECT_EQ(dlg.Label4->text(), "10 mH");
  EXPECT_EQ(dlg.windowTitle(), "Ein-Ausschaltvorgang bei der Spule:");
}

}  // namespace
