#include "platform/services.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QPainter>
#include <QTest>
#include <QTimer>

#include "platform/bevel.h"
#include "platform/buttons.h"
#include "platform/service_doubles.h"

namespace platform {
namespace {

TEST(ServicesTest, ScopedDoublesAreInstalledAndTheRealOnesComeBack) {
  MessageBoxes* real = services().message_boxes;
  {
    ScopedTestServices doubles;
    EXPECT_EQ(services().message_boxes, &doubles.message_boxes);
    EXPECT_EQ(services().printer, &doubles.printer);
    {
      ScopedTestServices inner;
      EXPECT_EQ(services().events, &inner.events);
    }
    EXPECT_EQ(services().events, &doubles.events);
  }
  EXPECT_EQ(services().message_boxes, real);
}

// The real boxes: an error box has the single button "Abbrechen", the others "OK".
TEST(ServicesTest, ErrorBoxesHaveTheSingleButtonAbbrechen) {
  const auto Knoepfe = [](void (MessageBoxes::*box)(const QString&, const QString&)) {
    QStringList texte;
    QTimer::singleShot(0, [&texte] {
      auto* offen = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (offen == nullptr) return;
      for (QAbstractButton* b : offen->buttons()) texte << b->text();
      offen->buttons().first()->click();
    });
    (real_services().message_boxes->*box)("Fehler", "Ihre Eingaben enhalten einen Fehler !");
    return texte;
  };
  EXPECT_EQ(Knoepfe(&MessageBoxes::Error), QStringList{"Abbrechen"});
  EXPECT_EQ(Knoepfe(&MessageBoxes::Information), QStringList{"OK"});
}

TEST(ServicesTest, MessageBoxDoubleRecordsAndAnswersAsScripted) {
  ScopedTestServices doubles;
  doubles.message_boxes.confirm_answers = {false, true};
  doubles.message_boxes.confirm_default = false;
  auto& boxes = *services().message_boxes;
  EXPECT_FALSE(boxes.Confirm("Velumat", "Wirklich beenden?"));
  EXPECT_TRUE(boxes.Confirm("Velumat", "Wirklich beenden?"));
  EXPECT_FALSE(boxes.Confirm("Velumat", "Wirklich beenden?"));
  boxes.Information("Hinweis", "Die Zeichung wurde unter ZEICHNUNG.BMP gespeichert");
  boxes.Error("Fehler", "Ungültige Gleitkommaoperation");
  ASSERT_EQ(doubles.message_boxes.calls.size(), 5u);
  EXPECT_EQ(doubles.message_boxes.calls[3].kind, MessageBoxesDouble::Kind::Information);
  EXPECT_EQ(doubles.message_boxes.calls[3].text, "Die Zeichung wurde unter ZEICHNUNG.BMP gespeichert");
  EXPECT_EQ(doubles.message_boxes.calls[4].kind, MessageBoxesDouble::Kind::Error);
}

TEST(ServicesTest, FileDialogDoubleCancelsUnlessAnAnswerIsScripted) {
  ScopedTestServices doubles;
  EXPECT_FALSE(services().file_dialogs->SaveFileName("Tabelle speichern", "Text (*.txt)", "tabelle.txt"));
  doubles.file_dialogs.answer = "/tmp/xc.txt";
  EXPECT_EQ(services().file_dialogs->SaveFileName("Tabelle speichern", "Text (*.txt)", "tabelle.txt"),
            QString("/tmp/xc.txt"));
  ASSERT_EQ(doubles.file_dialogs.calls.size(), 2u);
  EXPECT_EQ(doubles.file_dialogs.calls[0].default_name, "tabelle.txt");
}

TEST(ServicesTest, HourglassNestsAndEndsOnScopeExitEvenOnException) {
  ScopedTestServices doubles;
  try {
    HourglassCursor outer;
    HourglassCursor inner;
    EXPECT_EQ(doubles.cursor.depth, 2);
    throw std::runtime_error("Drucker");
  } catch (const std::runtime_error&) {
  }
  EXPECT_EQ(doubles.cursor.depth, 0);
  EXPECT_EQ(doubles.cursor.begin_count, 2);
}

TEST(ServicesTest, ClipboardDoubleKeepsTheLastImageAndText) {
  ScopedTestServices doubles;
  QImage img(782, 500, QImage::Format_RGB32);
  img.fill(Qt::white);
  services().clipboard->SetImage(img);
  services().clipboard->SetRichText("<b>Xc</b>", "Xc");
  EXPECT_EQ(doubles.clipboard.image.size(), QSize(782, 500));
  EXPECT_EQ(doubles.clipboard.html, "<b>Xc</b>");
  EXPECT_EQ(doubles.clipboard.plain, "Xc");
  EXPECT_EQ(doubles.clipboard.image_count + doubles.clipboard.text_count, 2);
}

TEST(ServicesTest, PrinterDoubleHandsOutAPageAndKeepsItAfterEndDoc) {
  ScopedTestServices doubles;
  doubles.printer.page_size = QSize(4800, 6800);
  auto job = services().printer->BeginDoc("Velumat");
  ASSERT_TRUE(job);
  // A quarter page wide, seven tenths as high.
  const int w = job->PageWidth() / 4;
  EXPECT_EQ(w, 1200);
  {
    QPainter p(job->device());
    p.fillRect(0, 0, w, static_cast<int>(w * 0.7), Qt::black);
  }
  EXPECT_TRUE(job->EndDoc());
  ASSERT_EQ(doubles.printer.pages.size(), 1u);
  EXPECT_EQ(doubles.printer.pages[0].pixelColor(1199, 839), QColor(Qt::black));
  EXPECT_EQ(doubles.printer.pages[0].pixelColor(1200, 840), QColor(Qt::white));
  EXPECT_EQ(doubles.printer.titles, std::vector<QString>{"Velumat"});

  doubles.printer.available = false;
  EXPECT_FALSE(services().printer->BeginDoc("Velumat"));
  EXPECT_TRUE(services().printer->Setup(nullptr));
  EXPECT_EQ(doubles.printer.setup_count, 1);
}

TEST(ServicesTest, EventsDoubleCountsAndRunsTheScriptedCallback) {
  ScopedTestServices doubles;
  bool key_pressed = false;
  doubles.events.on_process = [&] { key_pressed = doubles.events.count == 3; };
  for (int step = 0; step < 361 && !key_pressed; ++step) services().events->ProcessMessages();
  EXPECT_EQ(doubles.events.count, 3);
  services().beeper->Beep();
  EXPECT_EQ(doubles.beeper.count, 1);
}

TEST(ButtonsTest, ClickRunsHandlerThenClosesTheDialogWithItsResult) {
  QDialog dialog;
  BitBtn ok(&dialog, "OK");
  BitBtn cancel(&dialog, "Abbrechen");
  ok.SetModalResult(TModalResult::mrOk);
  cancel.SetModalResult(TModalResult::mrCancel);
  int clicks = 0;
  ok.OnClick = [&] { ++clicks; };
  dialog.show();
  QTest::mouseClick(&ok, Qt::LeftButton);
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  dialog.show();
  QTest::mouseClick(&cancel, Qt::LeftButton);
  EXPECT_EQ(dialog.result(), QDialog::Rejected);
}

TEST(ButtonsTest, GlyphBecomesTheIconAndSpeedButtonCanStayDown) {
  QImage glyph(16, 16, QImage::Format_ARGB32);
  glyph.fill(Qt::red);
  SpeedButton button(nullptr, "");
  button.SetGlyph(glyph);
  EXPECT_FALSE(button.icon().isNull());
  EXPECT_EQ(button.iconSize(), QSize(16, 16));
  button.SetAllowStayDown(true);
  button.show();
  QTest::mouseClick(&button, Qt::LeftButton);
  EXPECT_TRUE(button.Down());
}

TEST(ButtonsTest, BevelLetsClicksThroughToItsParent) {
  QWidget form;
  form.resize(200, 100);
  Bevel bevel(&form);
  bevel.setGeometry(8, 8, 150, 80);
  form.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
  EXPECT_EQ(form.childAt(50, 50), nullptr);
  QImage shot = bevel.grab().toImage();
  // Lowered: dark top-left edge, light bottom-right edge.
  EXPECT_LT(shot.pixelColor(5, 0).lightness(), shot.pixelColor(5, 79).lightness());
}

}  // namespace
}  // namespace platform
