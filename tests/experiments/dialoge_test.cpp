#include <gtest/gtest.h>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QTest>
#include <QTextEdit>
#include <QTimer>
#include <QToolButton>
#include <memory>

#include "experiments/bild.h"
#include "experiments/parallel_dlg.h"
#include "experiments/reihen_dlg.h"
#include "help/help_sections.h"
#include "help/rechenhilfe_dlg.h"
#include "platform/buttons.h"
#include "platform/recorder.h"
#include "platform/safe_call.h"
#include "platform/trackbar.h"
#include "toolkit/farben.h"
#include "toolkit/number_text.h"
#include "toolkit/schaltung.h"

using namespace experiments;

namespace {

// Fresh shared state; errors that reach the application's handler are collected.
class ExperimentDlgTest : public ::testing::Test {
 protected:
  ExperimentDlgTest() {
    Schaltung = TSchaltung{};
    Zeichenmodus = TZeichenmodus{};
    Farben = TFarben{};
    platform::set_exception_handler([this](const std::exception& e) { fehler << e.what(); });
  }
  ~ExperimentDlgTest() override { platform::set_exception_handler(nullptr); }

  QStringList fehler;
};

QStringList Texte(const QWidget& dlg) {
  QStringList texte;
  for (const QLabel* label : dlg.findChildren<QLabel*>()) texte << label->text();
  return texte;
}

// Rectangles the bar chart draws now: the cleared picture, then one per bar.
std::vector<platform::RecordedOp> Balken(TExperimentDlg& dlg) {
  platform::Recorder rec;
  dlg.Image2->Zeichne(&rec);
  auto rechtecke = rec.ops("Rectangle");
  rechtecke.erase(rechtecke.begin());
  return rechtecke;
}

// One experiment as its menu command opens it.
struct Dialogfall {
  std::unique_ptr<TExperimentDlg> (*neu)();
  const char* variante;
  const char* hilfe;  // the help section of the topic, also the case's name
  const char* titel;
  const char* Ieff;
  const char* Z;
  int positionen[4];  // TrackBar1 .. TrackBar4; -1: no such slider
};

void PrintTo(const Dialogfall& c, std::ostream* os) { *os << c.hilfe; }

template <typename D>
std::unique_ptr<TExperimentDlg> Neu() {
  return std::make_unique<D>();
}

class Startwerte : public ExperimentDlgTest, public ::testing::WithParamInterface<Dialogfall> {};

// Every dialog opens on its start values without an error, C-L with its "infinite" impedance;
// its help button opens the help on its topic's section, owned by the dialog.
TEST_P(Startwerte, SlidersLabelsBarsAndHelpSection) {
  const Dialogfall& c = GetParam();
  const auto dlg = c.neu();
  dlg->Variante = c.variante;
  dlg->show();
  EXPECT_EQ(dlg->windowTitle(), c.titel);
  const platform::TrackBar* bars[4] = {dlg->TrackBar1, dlg->TrackBar2, dlg->TrackBar3, dlg->TrackBar4};
  for (int i = 0; i < 4; ++i) {
    ASSERT_EQ(bars[i] == nullptr, c.positionen[i] < 0) << i;
    if (bars[i] != nullptr) {
      EXPECT_EQ(bars[i]->Position(), c.positionen[i]) << i;
    }
  }
  EXPECT_EQ(dlg->UgLabel->text(), "10 V");
  EXPECT_EQ(dlg->IEffLabel->text(), QString(c.Ieff) + " A");
  EXPECT_EQ(dlg->ZLabel->text(), QString(c.Z) + " V/A");
  EXPECT_FALSE(Balken(*dlg).empty());
  EXPECT_TRUE(fehler.isEmpty()) << fehler.join('\n').toStdString();

  const QString vorher = QDir::currentPath();
  QDir::setCurrent(QFileInfo(VELUMAT_HILFEDATEI).absolutePath());
  QWidget* eltern = nullptr;
  QString erste_zeile;
  QTimer::singleShot(0, [&] {
    if (auto* hilfe = qobject_cast<help::TRechenhilfeDlg*>(QApplication::activeModalWidget())) {
      eltern = hilfe->parentWidget();
      erste_zeile = hilfe->RichEdit2->toPlainText().section('\n', 0, 0);
      hilfe->reject();
    }
  });
  dlg->Button1->click();
  const auto abschnitt = help::Lade_Abschnitt(VELUMAT_HILFEDATEI, QString(c.hilfe));
  QDir::setCurrent(vorher);
  EXPECT_EQ(eltern, dlg.get());
  ASSERT_TRUE(abschnitt.text.has_value());
  EXPECT_EQ(erste_zeile, abschnitt.text->toPlainText().section('\n', 0, 0));
  EXPECT_FALSE(erste_zeile.isEmpty());
}

const Dialogfall kDialoge[] = {
    {Neu<TExperimentRC_ReiheDlg>, "RC", "Widerstand_Kondensator", "Reihenschaltung: Widerstand und Kondensator",
     "0.14142", "70.711", 5753, 667, -1, 371},
    {Neu<TExperimentRC_ReiheDlg>, "RL", "Widerstand_Spule", "Reihenschaltung: Widerstand und Spule", "0.14142",
     "70.711", 5753, 667, -1, 371},
    {Neu<TExperimentRCL_ReiheDlg>, "", "Widerstand_Kondensator_Spule",
     "Reihenschaltung: Widerstand, Kondensator, Spule:", "0.20000", "50", 5753, 667, 667, 498},
    {Neu<TExperimentRC_ParallelDlg>, "RC", "Widerstand_Kondensator_parallel",
     "Parallelschaltung: Widerstand und Kondensator", "0.28284", "35.355", 5753, 667, -1, 371},
    {Neu<TExperimentRC_ParallelDlg>, "RL", "Widerstand_Spule_parallel", "Parallelschaltung: Widerstand und Spule",
     "0.28284", "35.355", 5753, 667, -1, 371},
    {Neu<TExperimentRCL_ParallelDlg>, "", "Widerstand_Kondensator_Spule_parallel",
     "Parallelschaltung: Widerstand, Kondensator, Spule:", "0.20000", "50", 5753, 667, 667, 498},
    {Neu<TExperimentCL_ParallelDlg>, "", "Kondensator__Spule_parallel", "Dialog", "1E-12", "10E+12", -1, 667, 667, 371},
};

INSTANTIATE_TEST_SUITE_P(Experimente, Startwerte, ::testing::ValuesIn(kDialoge),
                         [](const auto& info) { return std::string(info.param.hilfe); });

TEST_F(ExperimentDlgTest, TheRLKindRelabelsTheCapacitorPlacesAndShowsItsOwnPictureAndVoltage) {
  TExperimentRC_ReiheDlg dlg;
  dlg.Variante = "RL";
  dlg.show();
  EXPECT_EQ(dlg.CCaption->text(), "L =");
  EXPECT_EQ(dlg.CLabel->text(), "10 mH");
  EXPECT_EQ(dlg.TrackBar2Caption->text(), "L");
  EXPECT_EQ(dlg.XcCaption->text(), "XL =");
  EXPECT_EQ(dlg.XcLabel->text(), "50 V/A");
  EXPECT_TRUE(dlg.Image1->isVisible());
  EXPECT_FALSE(dlg.Image3->isVisible());
  EXPECT_TRUE(dlg.ULLabel->isVisible());
  EXPECT_FALSE(dlg.UcLabel->isVisible());
  EXPECT_EQ(dlg.ULLabel->text(), "7.071 V");
  EXPECT_EQ(dlg.UrLabel->text(), "7.071 V");
  // Only L is set; C keeps its shared value.
  EXPECT_EQ(static_cast<long double>(Schaltung.C), 0.0L);
  EXPECT_EQ(static_cast<long double>(Schaltung.L), static_cast<long double>(real48(0.01L)));
}

// Home and End move a slider to its ends; the labels follow at once, the chart is only asked
// to repaint and draws when it is painted.
TEST_F(ExperimentDlgTest, KeyboardMovesASliderLabelsFollowAndTheChartRepaintsLater) {
  TExperimentRC_ReiheDlg dlg;
  dlg.show();
  const auto start = Balken(dlg);
  int gezeichnet = 0;
  const auto zeichne = dlg.Image2->OnPaint;
  dlg.Image2->OnPaint = [&](Canvas& canvas) {
    ++gezeichnet;
    zeichne(canvas);
  };
  const int anfragen = dlg.Image2->Neuzeichnen_Anfragen();

  dlg.TrackBar1->setFocus();
  QTest::keyClick(dlg.TrackBar1, Qt::Key_End);
  const long double R_end = Schaltung.R;
  QTest::keyClick(dlg.TrackBar1, Qt::Key_Home);
  const long double R_home = Schaltung.R;
  EXPECT_EQ(std::min(R_end, R_home), 1.0L);
  EXPECT_EQ(std::max(R_end, R_home), 10000.0L);
  EXPECT_EQ(dlg.Rlabel->text(), Formatiere_Wert(Schaltung.R) + " Ohm");
  EXPECT_EQ(dlg.IEffLabel->text(), Formatiere_Wert(dlg.Werte().I) + " A");
  EXPECT_EQ(dlg.Image2->Neuzeichnen_Anfragen(), anfragen + 2);
  EXPECT_EQ(gezeichnet, 0);
  dlg.Image2->grab();  // paints the picture
  EXPECT_EQ(gezeichnet, 1);
  const auto danach = Balken(dlg);
  ASSERT_EQ(danach.size(), 2u);
  EXPECT_NE(danach[0].args, start[0].args);

  // The frequency slider at its top reads slightly below ten times the start frequency.
  dlg.TrackBar4->setFocus();
  QTest::keyClick(dlg.TrackBar4, Qt::Key_Home);
  QTest::keyClick(dlg.TrackBar4, Qt::Key_End);
  if (dlg.TrackBar4->Position() != dlg.TrackBar4->Min()) QTest::keyClick(dlg.TrackBar4, Qt::Key_Home);
  ASSERT_EQ(dlg.TrackBar4->Position(), 1);
  EXPECT_EQ(dlg.FLabel->text(), "3163.378 Hz");
}

// The up-down steps U by 1 V within 1 .. 100 V and relabels without redrawing the chart; at a
// limit it changes nothing at all.
TEST_F(ExperimentDlgTest, UpDownStepsTheVoltageAndAtItsLimitChangesNothing) {
  TExperimentRCL_ReiheDlg dlg;
  dlg.show();
  const int anfragen = dlg.Image2->Neuzeichnen_Anfragen();
  for (int i = 0; i < 95; ++i) dlg.UpDown1->NextButton()->click();
  EXPECT_EQ(static_cast<long double>(Schaltung.Ug), 100.0L);
  EXPECT_EQ(dlg.UgLabel->text(), "100 V");
  EXPECT_EQ(dlg.IEffLabel->text(), "2 A");
  const QStringList oben = Texte(dlg);
  dlg.UpDown1->NextButton()->click();
  EXPECT_EQ(static_cast<long double>(Schaltung.Ug), 100.0L);
  EXPECT_EQ(Texte(dlg), oben);
  for (int i = 0; i < 105; ++i) dlg.UpDown1->PrevButton()->click();
  EXPECT_EQ(static_cast<long double>(Schaltung.Ug), 1.0L);
  EXPECT_EQ(dlg.UgLabel->text(), "1.00000 V");
  EXPECT_EQ(dlg.Image2->Neuzeichnen_Anfragen(), anfragen);
}

// Minimising and restoring keeps what the user set; the next opening starts afresh.
TEST_F(ExperimentDlgTest, StartValuesAreSetOncePerOpening) {
  TExperimentRC_ParallelDlg dlg;
  dlg.show();
  dlg.TrackBar1->setValue(9000);  // as a user move: fires the change handler
  const long double R = Schaltung.R;
  ASSERT_NE(R, 50.0L);
  dlg.showMinimized();
  QApplication::processEvents();
  dlg.showNormal();
  QApplication::processEvents();
  EXPECT_EQ(static_cast<long double>(Schaltung.R), R);
  EXPECT_EQ(dlg.TrackBar1->Position(), 9000);
  dlg.hide();
  dlg.show();
  EXPECT_EQ(static_cast<long double>(Schaltung.R), 50.0L);
  EXPECT_EQ(dlg.TrackBar1->Position(), 5753);
  // The parallel dialogs keep their bounds in the shared state.
  EXPECT_EQ(static_cast<long double>(Schaltung.R_max), 10000.0L);
  EXPECT_EQ(static_cast<long double>(Schaltung.f_max), static_cast<long double>(real48(10 * dlg.Werte().f)));
}

// The R-C-L frequency slider is linear, 1000 Hz at the top, whatever C and L are.
TEST_F(ExperimentDlgTest, RCLFrequencySliderIsLinear) {
  TExperimentRCL_ParallelDlg dlg;
  dlg.show();
  dlg.TrackBar2->setValue(0);
  dlg.TrackBar4->setValue(1);
  EXPECT_EQ(dlg.FLabel->text(), "1000 Hz");
  dlg.TrackBar4->setValue(1000);
  EXPECT_EQ(dlg.FLabel->text(), "1.00000 Hz");
  EXPECT_TRUE(fehler.isEmpty());
}

}  // namespace
