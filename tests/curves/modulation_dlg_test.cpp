#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QTest>

#include "common/scrollbar_teil.h"
#include "curves/modulation.h"
#include "curves/modulation_dlg.h"
#include "kurven_fixture.h"
#include "toolkit/number_text.h"

namespace {

void Maus(platform::ScrollBar* bar, QEvent::Type type, QPoint at, Qt::MouseButtons held) {
  QMouseEvent e(type, at, bar->mapToGlobal(at), Qt::LeftButton, held, Qt::NoModifier);
  QApplication::sendEvent(bar, &e);
}

class ModulationDlgTest : public KurvenTest {
 protected:
  void Waehle(bool frequenz, TSignalform form) {
    Schaltung = TSchaltung{};
    Zeichenmodus = TZeichenmodus{};
    (frequenz ? Zeichenmodus.Frequenzmodulation : Zeichenmodus.Amplitudenmodulation) = true;
    Zeichenmodus.*Signalform_Flag(frequenz, form) = true;
    Startwerte_Modulation(frequenz, form);
  }
};

// Steps only for square and staircase, the signal frequency only for the sine; the labels of
// a disabled bar go with it, and every label is filled when the dialog opens.
TEST_F(ModulationDlgTest, BarsAreEnabledByTheSignalFormAndEveryLabelIsFilled) {
  for (const bool frequenz : {false, true}) {
    for (const TSignalform form : kSignalformen) {
      Waehle(frequenz, form);
      TAModulationDLG am;
      TFModulationDlg fm;
      TModulationDlg& dlg = frequenz ? static_cast<TModulationDlg&>(fm) : am;
      dlg.show();
      const bool stufen = form == TSignalform::Rechteck || form == TSignalform::Treppe;
      const bool sinus = form == TSignalform::Sinus;
      const std::string fall = dlg.objectName().toStdString() + " " + std::to_string(static_cast<int>(form));
      for (QWidget* w : std::initializer_list<QWidget*>{dlg.Label2, dlg.ScrollBar6, dlg.Label5})
        EXPECT_EQ(w->isEnabled(), stufen) << fall << " " << w->objectName().toStdString();
      for (QWidget* w : std::initializer_list<QWidget*>{dlg.Label3, dlg.ScrollBar5, dlg.Label6})
        EXPECT_EQ(w->isEnabled(), sinus) << fall << " " << w->objectName().toStdString();
      EXPECT_LT(dlg.Label2->geometry().right(), dlg.ScrollBar6->x()) << "name runs under the bar";
      EXPECT_EQ(dlg.Label5->text(), "2") << fall;
      EXPECT_EQ(dlg.Label6->text(), sinus ? (frequenz ? "2" : "3") : "1") << fall;
      if (!frequenz) {
        EXPECT_TRUE(am.ScrollBar4->isEnabled());
        EXPECT_EQ(am.ScrollBar4->Position(), 5);
        EXPECT_EQ(am.Label4->text(), "1") << fall;
      }
    }
  }
}

TEST_F(ModulationDlgTest, AKDragMovesOnlyTheLabelReleaseAndStepsWriteAndRedraw) {
  Waehle(false, TSignalform::Rechteck);
  TAModulationDLG dlg;
  dlg.show();
  EXPECT_EQ(dlg.windowTitle(), QStringLiteral("Amplitudenmodulation: Werte ändern"));
  window.invalidiert = 0;
  platform::ScrollBar* bar = dlg.ScrollBar4;
  const QPoint start = Scrollbar_Teil(*bar, QStyle::SC_ScrollBarSlider).center();
  Maus(bar, QEvent::MouseButtonPress, start, Qt::LeftButton);
  Maus(bar, QEvent::MouseMove, start + QPoint(60, 0), Qt::LeftButton);
  const int gezogen = bar->Position();
  ASSERT_GT(gezogen, 5);
  EXPECT_EQ(dlg.Label4->text(), Formatiere_Festkomma(real48(gezogen * 0.2L)));
  EXPECT_EQ(static_cast<long double>(Schaltung.k), 1.0L);
  EXPECT_EQ(window.invalidiert, 0);
  Maus(bar, QEvent::MouseButtonRelease, start + QPoint(60, 0), Qt::NoButton);
  EXPECT_EQ(static_cast<long double>(Schaltung.k), static_cast<long double>(real48(gezogen * 0.2L)));
  EXPECT_EQ(window.invalidiert, 1);

  // A line step writes square periods and steps alike; a page click changes nothing.
  dlg.ScrollBar6->setFocus();
  QTest::keyClick(dlg.ScrollBar6, Qt::Key_Right);
  EXPECT_EQ(Schaltung.Nq, 3);
  EXPECT_EQ(Schaltung.Ns, 3);
  EXPECT_EQ(dlg.Label5->text(), "3");
  EXPECT_EQ(window.invalidiert, 2);
  QTest::mouseClick(dlg.ScrollBar6, Qt::LeftButton, Qt::NoModifier,
                    Scrollbar_Teil(*dlg.ScrollBar6, QStyle::SC_ScrollBarAddPage).center());
  EXPECT_EQ(Schaltung.Nq, 3);
  EXPECT_EQ(window.invalidiert, 2);

  QTest::mouseClick(&dlg, Qt::LeftButton, Qt::NoModifier, QPoint(300, 53));  // below the last bar
  EXPECT_EQ(dlg.result(), QDialog::Accepted);
}

}  // namespace
