#include <QApplication>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTimer>

#include "app/form1.h"
#include "app_fixture.h"
#include "experiments/parallel_dlg.h"
#include "experiments/reihen_dlg.h"

using namespace experiments;

namespace {

using ExperimenteTest = AppTest;

// The class and kind text of an open experiment dialog.
QString Art(QWidget* w) {
  if (auto* d = dynamic_cast<TExperimentRC_ReiheDlg*>(w)) return "RC_Reihe " + d->Variante;
  if (dynamic_cast<TExperimentRCL_ReiheDlg*>(w)) return "RCL_Reihe";
  if (auto* d = dynamic_cast<TExperimentRC_ParallelDlg*>(w)) return "RC_Parallel " + d->Variante;
  if (dynamic_cast<TExperimentCL_ParallelDlg*>(w)) return "CL_Parallel";
  if (dynamic_cast<TExperimentRCL_ParallelDlg*>(w)) return "RCL_Parallel";
  return "?";
}

struct Befehl {
  const char* pfad;
  const char* art;
  bool TZeichenmodus::*flag;
};

const Befehl kBefehle[] = {
    {"Experimente/Reihenschaltungen/Widerstand und Kondensator", "RC_Reihe RC", &TZeichenmodus::Experiment_RC_Reihe},
    {"Experimente/Reihenschaltungen/Widerstand und Spule", "RC_Reihe RL", &TZeichenmodus::Experiment_RL_Reihe},
    {"Experimente/Reihenschaltungen/Widerstand, Kondensator, Spule", "RCL_Reihe", &TZeichenmodus::Experiment_RCL_Reihe},
    {"Experimente/Parallelschaltungen/Widerstand und Kondensator", "RC_Parallel RC",
     &TZeichenmodus::Experiment_RC_parallel},
    {"Experimente/Parallelschaltungen/Widerstand und Spule", "RC_Parallel RL", &TZeichenmodus::Experiment_RL_parallel},
    {"Experimente/Parallelschaltungen/Kondensator und Spule", "CL_Parallel", &TZeichenmodus::Experiment_CL_parallel},
    {"Experimente/Parallelschaltungen/Widerstand, Kondensator, Spule", "RCL_Parallel",
     &TZeichenmodus::Experiment_RCL_parallel},
};

TEST_F(ExperimenteTest, EachCommandSetsItsFlagAndOpensItsDialogOwnedByTheMainWindow) {
  TForm1 form;
  for (const Befehl& b : kBefehle) {
    Zeichenmodus.nur_Spule = true;
    QString gesehen;
    QWidget* eltern = nullptr;
    bool flag_gesetzt = false;
    QTimer::singleShot(0, [&] {
      if (QWidget* w = QApplication::activeModalWidget()) {
        gesehen = Art(w);
        eltern = w->parentWidget();
        flag_gesetzt = Zeichenmodus.*b.flag;
        w->close();
      }
    });
    ASSERT_TRUE(form.Fuehre_Thema_aus(b.pfad)) << b.pfad;
    EXPECT_EQ(gesehen, b.art) << b.pfad;
    EXPECT_EQ(eltern, &form) << b.pfad;
    EXPECT_TRUE(flag_gesetzt) << b.pfad;
    EXPECT_FALSE(Zeichenmodus.nur_Spule) << b.pfad;
  }
}

// The experiments draw only in their dialogs: the main window's output is the plain background,
// and a right click opens nothing.
TEST_F(ExperimenteTest, WithoutDialogsTheOutputIsThePlainBackground) {
  TForm1 form;
  form.Setze_ohne_Dialoge(true);
  form.Setze_Client_Groesse(300, 200);
  for (const Befehl& b : kBefehle) {
    ASSERT_TRUE(form.Fuehre_Thema_aus(b.pfad)) << b.pfad;
    EXPECT_TRUE(Zeichenmodus.*b.flag) << b.pfad;
    const QImage bild = form.Zeichne_Bild();
    QImage einfarbig(bild.size(), bild.format());
    einfarbig.fill(Farben.Hintergrund);
    EXPECT_EQ(bild, einfarbig) << b.pfad;
  }
  form.Setze_ohne_Dialoge(false);
  bool geoeffnet = false;
  QTimer::singleShot(0, [&] {
    if (QWidget* w = QApplication::activeModalWidget()) {
      geoeffnet = true;
      w->close();
    }
  });
  form.FormMouseDown(Qt::RightButton, 100, 100);
  QApplication::processEvents();
  EXPECT_FALSE(geoeffnet);
}

TEST(ExperimentExport, WritesTheBackgroundAndSucceeds) {
  QTemporaryDir dir;
  const QString program = dir.filePath("velumat");
  ASSERT_TRUE(QFile::copy(VELUMAT_BIN, program));
  QProcess p;
  p.setWorkingDirectory(dir.path());
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.remove("DISPLAY");
  env.remove("QT_QPA_PLATFORM");
  p.setProcessEnvironment(env);
  const QString datei = dir.filePath("x.png");
  p.start(program, {"--export", datei, "--topic", "Experimente/Parallelschaltungen/Kondensator und Spule"});
  ASSERT_TRUE(p.waitForFinished(60000));
  EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
  const QImage bild(datei);
  ASSERT_FALSE(bild.isNull());
  EXPECT_EQ(bild.pixelColor(0, 0), bild.pixelColor(bild.width() - 1, bild.height() - 1));
}

}  // namespace
