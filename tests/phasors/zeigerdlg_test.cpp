#include <cmath>
#include <memory>

#include "common/tolerance.h"
#include "dlg_fixture.h"
#include "phasors/cf_lf_dlg.h"
#include "phasors/drehstrom.h"
#include "phasors/drehstrom_dlg.h"
#include "phasors/rclf_reihen_dlg.h"
#include "phasors/rlf_rcf_clf_dlg.h"
#include "phasors/rpanel_dlg.h"
#include "phasors/zeigerwerte.h"
#include "toolkit/formulas.h"
#include "toolkit/number_text.h"
#include "toolkit/slider_mapping.h"

namespace {

using ZeigerDlgTest = DlgTest;

TEST_F(ZeigerDlgTest, ResistorDialogSnapsRToItsGridOnOpening) {
  Zeichenmodus.nur_Widerstand = true;
  Startwerte_nur_Widerstand();
  TRpanelDlg dlg;
  dlg.show();
  EXPECT_EQ(dlg.windowTitle(), "Ohmscher Widerstand:");
  EXPECT_EQ(dlg.size(), QSize(330, 24));
  EXPECT_EQ(dlg.RScrollBar1->Max(), 1000);
  // 5 Ohm between 0.5 and 100 lies at 434.6 of 1000: position 435 stands for 5.011 Ohm.
  EXPECT_EQ(dlg.RScrollBar1->Position(), 435);
  EXPECT_TRUE(RelNear(Schaltung.R_Zeiger, 5.010926729, 1e-9));
  EXPECT_EQ(Text(dlg.Label37), "5.011 Ohm");
  EXPECT_EQ(window.invalidiert, 0);
  // The drawing computes its own values: a step only stores R and redraws.
  Pfeil_rechts(*dlg.RScrollBar1);
  EXPECT_TRUE(RelNear(Schaltung.R_Zeiger, Wert_aus_Schieber(436, 1000, 0.5L, 100), 1e-11));
  EXPECT_EQ(window.invalidiert, 1);
}

TEST_F(ZeigerDlgTest, CapacitorDialogFollowsTheTopicAndItsFrequencyBarReaches5Hz) {
  Zeichenmodus.nur_Kondensator = true;
  Startwerte_nur_Kondensator();
  TCf_Lf_Dlg dlg;
  dlg.show();
  EXPECT_EQ(dlg.windowTitle(), "Kondensator im Wechselstromkreis");
  EXPECT_EQ(Text(dlg.Label4), "C");
  EXPECT_TRUE(RelNear(Schaltung.C, 500.0636386e-6L, 1e-9));  // position 8692 of 10000
  EXPECT_EQ(Text(dlg.Label5), "500.064 uF");
  EXPECT_EQ(dlg.ScrollBar2->Position(), 500);
  EXPECT_EQ(Text(dlg.Label11), "500 Hz");

  // Drag far to the left: the label follows, f waits for the release.
  const QPoint at = Ziehe(*dlg.ScrollBar2, -400);
  EXPECT_EQ(Text(dlg.Label11), "5 Hz");
  EXPECT_EQ(Schaltung.f, 500.0L);
  EXPECT_EQ(window.invalidiert, 0);
  Loslassen(*dlg.ScrollBar2, at);
  EXPECT_EQ(Schaltung.f, 5.0L);
  EXPECT_EQ(window.invalidiert, 1);
}

TEST_F(ZeigerDlgTest, CoilDialogShowsLInMillihenry) {
  Zeichenmodus.nur_Spule = true;
  Startwerte_nur_Spule();
  TCf_Lf_Dlg dlg;
  dlg.show();
  EXPECT_EQ(dlg.windowTitle(), "Spule im Wechselstromkreis");
  EXPECT_EQ(Text(dlg.Label4), "L");
  EXPECT_EQ(dlg.ScrollBar1->Position(), 0);  // L at its lower bound
  EXPECT_EQ(Text(dlg.Label5), "5 mH");
  Pfeil_rechts(*dlg.ScrollBar1);
  EXPECT_TRUE(RelNear(Schaltung.L, 5e-3L * std::pow(20.0L, 1e-4L), 1e-11));
  EXPECT_EQ(Text(dlg.Label5), Formatiere_Festkomma(Schaltung.L * 1000) + " mH");
}

// The two-element dialog in its three roles.
struct Rolle {
  bool TZeichenmodus::*flag;
  void (*startwerte)();
  const char* titel;
  const char* namen[2];
  const char* texte[3];
};

void PrintTo(const Rolle& r, std::ostream* os) { *os << r.titel; }

class ZweiElementeTest : public DlgTest, public ::testing::WithParamInterface<Rolle> {};

TEST_P(ZweiElementeTest, CaptionNamesAndLabelsFollowTheTopic) {
  const Rolle& r = GetParam();
  Zeichenmodus.*r.flag = true;
  r.startwerte();
  TRLF_RCF_CLFDlg dlg;
  dlg.show();
  EXPECT_EQ(dlg.windowTitle(), r.titel);
  EXPECT_EQ(dlg.size(), QSize(331, 54));
  EXPECT_EQ(Text(dlg.Label21), r.namen[0]);
  EXPECT_EQ(Text(dlg.Label23), r.namen[1]);
  EXPECT_EQ(Text(dlg.Label22), r.texte[0]);
  EXPECT_EQ(Text(dlg.Label24), r.texte[1]);
  EXPECT_EQ(Text(dlg.Label26), r.texte[2]);
  EXPECT_EQ(window.invalidiert, 0);
}

INSTANTIATE_TEST_SUITE_P(Rollen, ZweiElementeTest,
                         ::testing::Values(Rolle{&TZeichenmodus::Widerstand_Kondensator,
                                                 Startwerte_Widerstand_und_Kondensator,
                                                 "Widerstand und Kondensator in Reihe:",
                                                 {"R", "C"},
                                                 {"199.962 Ohm", "9.998 uF", "50.003 Hz"}},
                                           Rolle{&TZeichenmodus::Widerstand_Spule,
                                                 Startwerte_Widerstand_und_Spule,
                                                 "Widerstand und Spule in Reihe:",
                                                 {"R", "L"},
                                                 {"199.962 Ohm", "500.150 mH", "50.003 Hz"}},
                                           Rolle{&TZeichenmodus::Kondensator_Spule,
                                                 Startwerte_Kondensator_und_Spule,
                                                 "Kondensator und Spule in Reihe:",
                                                 {"C", "L"},
                                                 {"500.150 uF", "10 mH", "50.003 Hz"}}));

class RCDlgTest : public DlgTest {
 protected:
  RCDlgTest() {
    Zeichenmodus.Widerstand_Kondensator = true;
    Startwerte_Widerstand_und_Kondensator();
    dlg = std::make_unique<TRLF_RCF_CLFDlg>();
    dlg->show();
  }
  // The stored impedance matches the stored R, C and f.
  static long double Z_aus_Werten() { return Berechne_Z_RC_Reihe(Schaltung.R_Zeiger, Schaltung.C, Schaltung.f); }

  std::unique_ptr<TRLF_RCF_CLFDlg> dlg;
};

TEST_F(RCDlgTest, R200SnapsToTheGridOfA10000StepBarFrom5To1000) {
  EXPECT_EQ(dlg->ScrollBar1->Position(), 6962);
  EXPECT_NE(Schaltung.R_Zeiger, 200.0L);
  EXPECT_TRUE(RelNear(Schaltung.R_Zeiger, 199.9618229395, 1e-10));
  EXPECT_TRUE(RelNear(Schaltung.Z, Z_aus_Werten(), 1e-10));
  EXPECT_EQ(window.invalidiert, 0);
}

TEST_F(RCDlgTest, DragChangesTheLabelButNotTheDrawingUntilRelease) {
  const QString vorher = Text(dlg->Label22);
  const QPoint at = Ziehe(*dlg->ScrollBar1, 30);
  EXPECT_NE(Text(dlg->Label22), vorher);
  EXPECT_EQ(Text(dlg->Label22), Formatiere_Festkomma(Schaltung.R_Zeiger) + " Ohm");
  EXPECT_EQ(window.invalidiert, 0);
  Loslassen(*dlg->ScrollBar1, at);
  EXPECT_EQ(window.invalidiert, 1);
  EXPECT_TRUE(RelNear(Schaltung.Z, Z_aus_Werten(), 1e-10));
}

TEST_F(RCDlgTest, ArrowStepRecomputesWithTheNewValueAndRedraws) {
  Pfeil_rechts(*dlg->ScrollBar2);
  EXPECT_EQ(dlg->ScrollBar2->Position(), 3334);
  EXPECT_TRUE(RelNear(Schaltung.C, Wert_aus_Schieber(3334, 10000, 1e-6L, 1e-3L), 1e-11));
  EXPECT_TRUE(RelNear(Schaltung.Xc, Berechne_Xc(Schaltung.C, Schaltung.f), 1e-10));
  EXPECT_TRUE(RelNear(Schaltung.Z, Z_aus_Werten(), 1e-10));
  EXPECT_EQ(window.invalidiert, 1);
}

TEST_F(RCDlgTest, PageStepChangesValueAndLabelWithoutRedraw) {
  const long double f_vorher = Schaltung.f;
  Seite_rechts(*dlg->ScrollBar3);
  EXPECT_GT(Schaltung.f, f_vorher);
  EXPECT_EQ(Text(dlg->Label26), Formatiere_Festkomma(Schaltung.f) + " Hz");
  EXPECT_EQ(window.invalidiert, 0);
  // The derived values already follow, for the next redraw.
  EXPECT_TRUE(RelNear(Schaltung.Z, Z_aus_Werten(), 1e-10));
}

TEST_F(RCDlgTest, TwoElementFrequencyBarIsLogarithmic) {
  const int pos = dlg->ScrollBar3->Position();
  EXPECT_EQ(pos, 3495);
  const long double vorher = Schaltung.f;
  Pfeil_rechts(*dlg->ScrollBar3);
  // One step multiplies f by 100^(1/10000).
  EXPECT_TRUE(RelNear(Schaltung.f / vorher, std::pow(100.0L, 1e-4L), 1e-10));
}

TEST_F(ZeigerDlgTest, RCLFrequencyBarIsLinearFrom10To1000) {
  Zeichenmodus.Widerstand_Kondensator_Spule = true;
  Startwerte_Widerstand_Kondensator_und_Spule();
  TRCLf_reihenDLG dlg;
  dlg.show();
  EXPECT_EQ(dlg.windowTitle(), "Widerstand, Kondensator, Spule in Reihe:");
  EXPECT_EQ(dlg.height(), 71);
  EXPECT_GE(dlg.width(), 327);
  EXPECT_EQ(dlg.ScrollBar4->Min(), 10);
  EXPECT_EQ(dlg.ScrollBar4->Max(), 1000);
  EXPECT_EQ(dlg.ScrollBar4->Position(), 50);
  EXPECT_EQ(Text(dlg.Label35), "50 Hz");
  Pfeil_rechts(*dlg.ScrollBar4);
  EXPECT_EQ(Schaltung.f, 51.0L);
  EXPECT_EQ(Text(dlg.Label35), "51 Hz");
  EXPECT_TRUE(RelNear(Schaltung.XL, Berechne_XL(Schaltung.L, 51), 1e-10));
  EXPECT_EQ(window.invalidiert, 1);
  for (int i = 0; i < 3; ++i) Pfeil_links(*dlg.ScrollBar4);
  dlg.ScrollBar4->setFocus();
  QTest::keyClick(dlg.ScrollBar4, Qt::Key_Home);
  EXPECT_EQ(Schaltung.f, 10.0L);
  EXPECT_EQ(Text(dlg.Label35), "10 Hz");
}

// Every dialog opens at the bottom right corner of the main window and closes on a click
// on its free area.
struct Dialog {
  const char* name;
  std::unique_ptr<TZeigerparameterDlg> (*neu)();
};

template <typename D>
std::unique_ptr<TZeigerparameterDlg> Neu() {
  return std::make_unique<D>();
}

void PrintTo(const Dialog& d, std::ostream* os) { *os << d.name; }

class PlatzierungTest : public DlgTest, public ::testing::WithParamInterface<Dialog> {};

TEST_P(PlatzierungTest, BottomRightAboveTheStatusBarAndClosesOnAFreeClick) {
  Zeichenmodus.Widerstand_Kondensator = true;
  Startwerte_Widerstand_Kondensator_und_Spule();
  Setze_Drehstrom_Startwerte();
  const auto dlg = GetParam().neu();
  dlg->show();
  // Client area (100, 50) 782 x 550 with a 20 pixel status bar.
  EXPECT_EQ(dlg->frameGeometry().right() + 1, 100 + 782 - 2);
  EXPECT_EQ(dlg->frameGeometry().bottom() + 1, 50 + 550 - 20 - 2);
  for (const QLabel* label : dlg->findChildren<QLabel*>())
    EXPECT_LT(label->geometry().right(), dlg->width() - 1) << label->text().toStdString();
  const QPoint frei(dlg->width() - 2, 1);
  ASSERT_EQ(dlg->childAt(frei), nullptr);
  QTest::mouseClick(dlg.get(), Qt::LeftButton, Qt::NoModifier, frei);
  EXPECT_FALSE(dlg->isVisible());
}

INSTANTIATE_TEST_SUITE_P(Dialoge, PlatzierungTest,
                         ::testing::Values(Dialog{"Rpanel", Neu<TRpanelDlg>}, Dialog{"Cf_Lf", Neu<TCf_Lf_Dlg>},
                                           Dialog{"RLF_RCF_CLF", Neu<TRLF_RCF_CLFDlg>},
                                           Dialog{"RCLf_reihen", Neu<TRCLf_reihenDLG>},
                                           Dialog{"Drehstrom", Neu<TDrehstromDlg>}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
