#include <QApplication>
#include <QTimer>

#include "app/form1.h"
#include "app_fixture.h"
#include "curves/schaltvorgaenge.h"
#include "toolkit/layout.h"

namespace {

const QStringList kKurventhemen = {
    "Diagramme/Serienschwingkreis",
    "Diagramme/Parallelschwingkreis",
    "Diagramme/L-C-Schwingkreis",
    QStringLiteral("Diagramme/Ein-Ausschaltvorgänge/Widerstand mit Kondensator"),
    QStringLiteral("Diagramme/Ein-Ausschaltvorgänge/Widerstand mit Spule"),
};

using KurvenAppTest = AppTest;

TEST_F(KurvenAppTest, EveryCurveTopicDrawsCompletelyInAWideWindow) {
  TForm1 form;
  form.Setze_Client_Groesse(2400, 900);
  for (const QString& thema : kKurventhemen) {
    ASSERT_TRUE(form.Fuehre_Thema_aus(thema)) << thema.toStdString();
    platform::Recorder rec;
    const QImage bild = form.Zeichne_Bild(&rec);
    EXPECT_EQ(bild.width(), 2400);
    // Curves reach the right half of the left graphs: one point per column up to about W/2.
    int rechts = 0;
    for (const auto& op : rec.ops()) {
      if (op.op == "LineTo" && op.penColor != Farben.Text) rechts = std::max(rechts, op.args[2]);
      if (op.op == "Polyline") rechts = std::max(rechts, op.args[op.args.size() - 2]);
    }
    EXPECT_GT(rechts, 1150) << thema.toStdString();
    EXPECT_EQ(rec.ops("Draw").size(), 1u) << thema.toStdString();  // the circuit picture
  }
}

TEST_F(KurvenAppTest, CommandsSetTheirFlagsWindowColourAndStartValues) {
  TForm1 form;
  form.Setze_Client_Groesse(782, 550);
  ASSERT_TRUE(form.Fuehre_Thema_aus("Diagramme/Serienschwingkreis"));
  EXPECT_TRUE(Zeichenmodus.Serienschwingkreis);
  EXPECT_EQ(form.Fensterfarbe(), Farben.Hintergrund);
  EXPECT_EQ(static_cast<long double>(Schaltung.Ueff), 10.0L);
  EXPECT_EQ(static_cast<long double>(Schaltung.R), 10.0L);

  // The switching topics keep their axis choice through other topics.
  ASSERT_TRUE(form.Fuehre_Thema_aus(kKurventhemen[3]));
  EXPECT_TRUE(Zeichenmodus.Schaltvorgang_RC && Zeichenmodus.Konstante_Achse_RC);
  Zeichenmodus.Konstante_Achse_RC = false;
  ASSERT_TRUE(form.Fuehre_Thema_aus("Diagramme/L-C-Schwingkreis"));
  EXPECT_FALSE(Zeichenmodus.Schaltvorgang_RC);
  EXPECT_FALSE(Zeichenmodus.Konstante_Achse_RC);
  EXPECT_EQ(static_cast<long double>(Schaltung.Ug), 10.0L);
  EXPECT_EQ(static_cast<long double>(Schaltung.R), 5.0L);
}

TEST_F(KurvenAppTest, RightClickOpensTheTopicsDialog) {
  TForm1 form;
  form.Setze_Client_Groesse(782, 550);
  const QStringList dialoge = {"SerienschwinkreisDlg", "SperrschwingkreisDlg", "LCSchwingkreisDlg",
                               "Auf_entlade_KondDlg", "Ein_aus_SpuleDLG"};
  for (int i = 0; i < kKurventhemen.size(); ++i) {
    ASSERT_TRUE(form.Fuehre_Thema_aus(kKurventhemen[i]));
    DialogSchliesser schliesser;
    form.FormMouseDown(Qt::RightButton, 100, 100);
    EXPECT_EQ(schliesser.gesehen, QStringList{dialoge[i]});
  }
}

}  // namespace
