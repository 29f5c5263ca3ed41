#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QTabWidget>
#include <QTextEdit>
#include <QTimer>

#include "app/form1.h"
#include "app_fixture.h"
#include "help/rechenhilfe_dlg.h"

namespace {

using BefehleHilfeTest = AppTest;

// Runs from the folder of the shipped help file, where the program looks first.
struct ImHilfeordner {
  QString vorher = QDir::currentPath();
  ImHilfeordner() { QDir::setCurrent(QFileInfo(VELUMAT_HILFEDATEI).absolutePath()); }
  ~ImHilfeordner() { QDir::setCurrent(vorher); }
};

// What the modal help dialog showed when it opened; closes it.
struct Hilfebeobachter {
  bool gesehen = false;
  QWidget* eltern = nullptr;
  QString erste_zeile;
  bool hilfetext_aktiv = false;
  QTimer timer;
  Hilfebeobachter() {
    timer.setInterval(20);
    QObject::connect(&timer, &QTimer::timeout, [this] {
      auto* dlg = qobject_cast<help::TRechenhilfeDlg*>(QApplication::activeModalWidget());
      if (dlg == nullptr) return;
      gesehen = true;
      eltern = dlg->parentWidget();
      erste_zeile = dlg->RichEdit2->toPlainText().section('\n', 0, 0);
      hilfetext_aktiv = dlg->PageControl1->currentWidget() == dlg->TabSheet1;
      dlg->reject();
    });
    timer.start();
  }
};

TEST_F(BefehleHilfeTest, RechenhilfeOpensOnTheShownTopicAndKeepsTheMode) {
  const ImHilfeordner ordner;
  TForm1 form;
  ASSERT_TRUE(form.Fuehre_Thema_aus("Zeigerdiagramm/Kondensator und Spule"));
  const TZeichenmodus vorher = Zeichenmodus;
  Hilfebeobachter beobachter;
  ASSERT_TRUE(form.Fuehre_Thema_aus("Rechenhilfe"));
  EXPECT_TRUE(beobachter.gesehen);
  EXPECT_EQ(beobachter.eltern, &form);
  EXPECT_TRUE(beobachter.hilfetext_aktiv);
  EXPECT_EQ(beobachter.erste_zeile, "Kondensator und Spule in Reihe");
  EXPECT_TRUE(Zeichenmodus == vorher);
  EXPECT_TRUE(services_.message_boxes.calls.empty());
}

TEST_F(BefehleHilfeTest, WithoutDialogsRechenhilfeDoesNothing) {
  TForm1 form;
  form.Setze_ohne_Dialoge(true);
  Hilfebeobachter beobachter;
  ASSERT_TRUE(form.Fuehre_Thema_aus("Rechenhilfe"));
  EXPECT_FALSE(beobachter.gesehen);
  EXPECT_FALSE(Zeichenmodus.Irgendein_Thema());
}

TEST_F(BefehleHilfeTest, OtherDialogsOpenTheHelpForTheirKey) {
  const ImHilfeordner ordner;
  Zeichenmodus.nur_Widerstand = true;
  Hilfebeobachter beobachter;
  help::Oeffne_Rechenhilfe(nullptr, u"_Fouriersynthese");
  EXPECT_TRUE(beobachter.gesehen);
  EXPECT_EQ(beobachter.erste_zeile, "Fouriersynthese");
}

// One box that names the file and where it was looked for, not the input-error box.
TEST_F(BefehleHilfeTest, MissingHelpFileSaysWhichFileAndWhere) {
  QTemporaryDir leer;
  const QString vorher = QDir::currentPath();
  QDir::setCurrent(leer.path());
  TForm1 form;
  ASSERT_TRUE(form.Fuehre_Thema_aus("Zeigerdiagramm/nur Spule"));
  Hilfebeobachter beobachter;
  ASSERT_TRUE(form.Fuehre_Thema_aus("Rechenhilfe"));
  QDir::setCurrent(vorher);
  EXPECT_TRUE(beobachter.gesehen);
  EXPECT_FALSE(beobachter.hilfetext_aktiv);
  ASSERT_EQ(services_.message_boxes.calls.size(), 1u);
  EXPECT_EQ(services_.message_boxes.calls[0].kind, platform::MessageBoxesDouble::Kind::Error);
  const QString text = services_.message_boxes.calls[0].text;
  EXPECT_TRUE(text.startsWith("Die Hilfedatei \"velumathlp.rtf\" wurde nicht gefunden.")) << text.toStdString();
  EXPECT_TRUE(text.contains(leer.path())) << text.toStdString();
}

}  // namespace
