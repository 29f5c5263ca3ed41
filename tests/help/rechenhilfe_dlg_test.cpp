#include "help/rechenhilfe_dlg.h"

#include <gtest/gtest.h>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <stdexcept>
#include <string>
#include <vector>

#include "help/help_sections.h"
#include "platform/safe_call.h"
#include "platform/service_doubles.h"
#include "toolkit/zeichenmodus.h"
#include "ueberschriften.h"

namespace {

using namespace help;

const QString kAnfangstext = QStringLiteral("Velumat\n\nWählen Sie eine Rubrik auf der Registrierkarte \"Themen\".");

class RechenhilfeTest : public ::testing::Test {
 protected:
  RechenhilfeTest() {
    Zeichenmodus = TZeichenmodus{};
    platform::set_exception_handler([this](const std::exception& e) { fehler.push_back(e.what()); });
  }
  ~RechenhilfeTest() override {
    platform::set_exception_handler(nullptr);
    Zeichenmodus = TZeichenmodus{};
  }

  // A dialog reading the shipped help file, shown as exec() would show it.
  std::unique_ptr<TRechenhilfeDlg> Zeige_Dialog(const QString& datei = VELUMAT_HILFEDATEI) {
    auto dlg = std::make_unique<TRechenhilfeDlg>();
    dlg->Setze_Hilfedatei(datei);
    dlg->show();
    return dlg;
  }

  static QString Text(const TRechenhilfeDlg& dlg) { return dlg.RichEdit2->toPlainText(); }
  static QString Erste_Zeile(const TRechenhilfeDlg& dlg) { return Text(dlg).section('\n', 0, 0); }
  static bool Hilfetext_aktiv(const TRechenhilfeDlg& dlg) { return dlg.PageControl1->currentWidget() == dlg.TabSheet1; }
  static bool Knoepfe_aktiv(const TRechenhilfeDlg& dlg) { return dlg.Button1->isEnabled() && dlg.Button2->isEnabled(); }
  static QTreeWidgetItem* Knoten(const TRechenhilfeDlg& dlg, int index) {
    QTreeWidgetItemIterator it(dlg.TreeView1);
    for (int i = 0; i < index && *it; ++i) ++it;
    return *it;
  }
  // Presses the left button on a tree entry's text as the user would, or dx pixels from the
  // left of its row.
  static void Klicke_Knoten(TRechenhilfeDlg& dlg, int index, int dx = 4) {
    dlg.PageControl1->setCurrentWidget(dlg.TabSheet2);
    dlg.TreeView1->expandAll();
    const QRect r = dlg.TreeView1->visualItemRect(Knoten(dlg, index));
    ASSERT_TRUE(r.isValid()) << index;
    QTest::mouseClick(dlg.TreeView1->viewport(), Qt::LeftButton, {}, QPoint(r.left() + dx, r.center().y()));
  }

  platform::ScopedTestServices services_;
  std::vector<std::string> fehler;
};

TEST_F(RechenhilfeTest, OpensOnTopicsWithTheInitialText) {
  auto dlg = Zeige_Dialog();
  EXPECT_EQ(dlg->windowTitle(), "Rechenhilfe:");
  EXPECT_EQ(dlg->size(), QSize(455, 551));
  EXPECT_EQ(dlg->PageControl1->tabText(0), " Hilfetext ");
  EXPECT_EQ(dlg->PageControl1->tabText(1), " Themen ");
  EXPECT_FALSE(Hilfetext_aktiv(*dlg));
  EXPECT_EQ(Text(*dlg), kAnfangstext);
  EXPECT_EQ(dlg->RichEdit2->document()->firstBlock().blockFormat().alignment(), Qt::AlignHCenter);
  EXPECT_EQ(dlg->RichEdit2->palette().color(QPalette::Base), QColor(0xF9, 0xF0, 0xCC));
  EXPECT_TRUE(Knoepfe_aktiv(*dlg));
  EXPECT_EQ(dlg->Button1->text(), "Drucken");
  EXPECT_EQ(dlg->Button2->text(), "Kopieren");
  EXPECT_EQ(dlg->CancelBtn->text(), "Abbrechen");

  // The tree: four top-level groups with their children, 27 entries in all.
  int anzahl = 0;
  for (QTreeWidgetItemIterator it(dlg->TreeView1); *it; ++it) {
    EXPECT_EQ((*it)->text(0), kThemen[anzahl].text.toString());
    EXPECT_EQ((*it)->parent() == nullptr, kThemen[anzahl].eltern < 0);
    ++anzahl;
  }
  EXPECT_EQ(anzahl, kThemenanzahl);
  EXPECT_EQ(dlg->TreeView1->topLevelItemCount(), 15);
  EXPECT_EQ(Knoten(*dlg, 13)->childCount(), 2);
  EXPECT_TRUE(fehler.empty());
}

TEST_F(RechenhilfeTest, EveryTreeEntryShowsItsSection) {
  auto dlg = Zeige_Dialog();
  for (int i = 0; i < kThemenanzahl; ++i) {
    const auto key = Schluessel_fuer_Eintrag(i);
    if (!key) continue;
    SCOPED_TRACE(key->toString().toStdString());
    Klicke_Knoten(*dlg, i);
    EXPECT_TRUE(Hilfetext_aktiv(*dlg));
    EXPECT_TRUE(Knoepfe_aktiv(*dlg));
    EXPECT_EQ(Erste_Zeile(*dlg), Ueberschriften()[key->toString()]);
    EXPECT_EQ(dlg->RichEdit2->textCursor().position(), 0);
  }
  EXPECT_TRUE(fehler.empty());
}

TEST_F(RechenhilfeTest, EveryDisplayModeRuleOpensOnItsSection) {
  for (const Modusregel& regel : kModusregeln)
    for (bool TZeichenmodus::*flag : regel.flags) {
      if (flag == nullptr) continue;
      SCOPED_TRACE(regel.herkunft.toString().toStdString());
      Zeichenmodus = TZeichenmodus{};
      Zeichenmodus.*flag = true;
      auto dlg = Zeige_Dialog();
      EXPECT_TRUE(Hilfetext_aktiv(*dlg));
      EXPECT_TRUE(Knoepfe_aktiv(*dlg));
      EXPECT_EQ(Erste_Zeile(*dlg), Ueberschriften()[regel.key.toString()]);
    }
  EXPECT_TRUE(fehler.empty());
}

TEST_F(RechenhilfeTest, EdgeCasesOfTheDisplayMode) {
  {
    Zeichenmodus.Fourier2 = true;
    auto dlg = Zeige_Dialog();
    EXPECT_TRUE(Hilfetext_aktiv(*dlg));
    EXPECT_TRUE(Knoepfe_aktiv(*dlg));
    EXPECT_EQ(Erste_Zeile(*dlg), "Fouriersynthese");
  }
  {
    Zeichenmodus = TZeichenmodus{};
    Zeichenmodus.LC_Schwingkreis = true;
    auto dlg = Zeige_Dialog();
    EXPECT_FALSE(Hilfetext_aktiv(*dlg));
    EXPECT_EQ(Text(*dlg), kAnfangstext);
  }
  {
    // An entry chosen before the dialog shows (exercise generator) is not replaced by the mode's.
    Zeichenmodus = TZeichenmodus{};
    Zeichenmodus.Zeigerdiagramm = Zeichenmodus.nur_Kondensator = true;
    TRechenhilfeDlg dlg;
    dlg.Setze_Hilfedatei(VELUMAT_HILFEDATEI);
    dlg.Zeige_eintrag(5);
    dlg.show();
    EXPECT_EQ(Erste_Zeile(dlg), "Widerstand und Spule in Reihe");
  }
  EXPECT_TRUE(fehler.empty());
}

TEST_F(RechenhilfeTest, GroupNodesAndFreeSpaceLoadNothing) {
  auto dlg = Zeige_Dialog();
  Klicke_Knoten(*dlg, 1);
  ASSERT_EQ(Erste_Zeile(*dlg), "Kondensator im Wechselstromkreis");

  Klicke_Knoten(*dlg, 13);  // "Modulation"
  EXPECT_FALSE(Hilfetext_aktiv(*dlg));
  EXPECT_EQ(Erste_Zeile(*dlg), "Kondensator im Wechselstromkreis");

  dlg->TreeView1->collapseAll();
  const QPoint frei(dlg->TreeView1->viewport()->width() - 5, dlg->TreeView1->viewport()->height() - 5);
  ASSERT_EQ(dlg->TreeView1->itemAt(frei), nullptr);
  QTest::mouseClick(dlg->TreeView1->viewport(), Qt::LeftButton, {}, frei);
  EXPECT_FALSE(Hilfetext_aktiv(*dlg));
  EXPECT_EQ(Erste_Zeile(*dlg), "Kondensator im Wechselstromkreis");

  dlg->Zeige_eintrag(-1);
  dlg->Zeige_eintrag(kThemenanzahl);
  EXPECT_FALSE(Hilfetext_aktiv(*dlg));
  EXPECT_EQ(Erste_Zeile(*dlg), "Kondensator im Wechselstromkreis");

  Klicke_Knoten(*dlg, 15);  // "Frequenzmodulation" below it
  EXPECT_TRUE(Hilfetext_aktiv(*dlg));
  EXPECT_EQ(Erste_Zeile(*dlg), "Frequenzmodulation");
}

TEST_F(RechenhilfeTest, SwitchingPagesDisablesAndEnablesTheButtons) {
  Zeichenmodus.Drehstrom = true;
  auto dlg = Zeige_Dialog();
  ASSERT_TRUE(Hilfetext_aktiv(*dlg));
  QTest::mouseClick(dlg->PageControl1->tabBar(), Qt::LeftButton, {}, dlg->PageControl1->tabBar()->tabRect(1).center());
  EXPECT_FALSE(Hilfetext_aktiv(*dlg));
  EXPECT_FALSE(dlg->Button1->isEnabled());
  EXPECT_FALSE(dlg->Button2->isEnabled());
  QTest::mouseClick(dlg->PageControl1->tabBar(), Qt::LeftButton, {}, dlg->PageControl1->tabBar()->tabRect(0).center());
  EXPECT_TRUE(Hilfetext_aktiv(*dlg));
  EXPECT_TRUE(Knoepfe_aktiv(*dlg));
  // A section loaded while " Themen " is disabled enables both again.
  dlg->PageControl1->setCurrentWidget(dlg->TabSheet2);
  ASSERT_FALSE(dlg->Button1->isEnabled());
  dlg->Zeige_eintrag(0);
  EXPECT_TRUE(Knoepfe_aktiv(*dlg));
}

TEST_F(RechenhilfeTest, OnlyKopierenWritesTheClipboard) {
  QGuiApplication::clipboard()->setText(QStringLiteral("vom Benutzer kopiert"));
  Zeichenmodus.nur_Widerstand = true;
  auto dlg = Zeige_Dialog();
  dlg->Zeige_eintrag(1);
  ASSERT_EQ(Erste_Zeile(*dlg), "Kondensator im Wechselstromkreis");
  EXPECT_EQ(services_.clipboard.text_count, 0);
  EXPECT_EQ(QGuiApplication::clipboard()->text(), "vom Benutzer kopiert");

  QTest::mouseClick(dlg->Button2, Qt::LeftButton);
  EXPECT_EQ(services_.clipboard.text_count, 1);
  EXPECT_EQ(services_.clipboard.plain, Text(*dlg));
  EXPECT_TRUE(services_.clipboard.html.contains("Kondensator im Wechselstromkreis"));
  EXPECT_TRUE(services_.clipboard.html.contains("font-weight"));  // formatted, not plain
  EXPECT_TRUE(services_.clipboard.plain.contains(QStringLiteral("318,31 Ω")));
  EXPECT_EQ(dlg->RichEdit2->textCursor().selectedText().size(), Text(*dlg).size());
}

bool Hat_Text(const QImage& seite) {
  for (int y = 0; y < seite.height(); y += 2)
    for (int x = 0; x < 800; ++x)
      if (seite.pixelColor(x, y) != Qt::white) return true;
  return false;
}

TEST_F(RechenhilfeTest, DruckenPrintsOneJobTitledRechenhilfe) {
  Zeichenmodus.nur_Spule = true;
  auto dlg = Zeige_Dialog();
  QTest::mouseClick(dlg->Button1, Qt::LeftButton);
  ASSERT_EQ(services_.printer.titles, std::vector<QString>{"Rechenhilfe"});
  ASSERT_EQ(services_.printer.pages.size(), 1u);
  EXPECT_TRUE(Hat_Text(services_.printer.pages[0]));
  EXPECT_TRUE(services_.message_boxes.calls.empty());
  EXPECT_EQ(services_.cursor.depth, 0);
  EXPECT_TRUE(fehler.empty());
}

TEST_F(RechenhilfeTest, WithoutPrinterItOffersAPdfFile) {
  services_.printer.available = false;
  auto dlg = Zeige_Dialog();
  dlg->Zeige_eintrag(20);

  services_.message_boxes.confirm_answers = {false};
  dlg->Button1Click();
  ASSERT_EQ(services_.message_boxes.calls.size(), 1u);
  EXPECT_TRUE(services_.message_boxes.calls[0].text.contains("kein Drucker"));
  EXPECT_TRUE(services_.file_dialogs.calls.empty());

  QTemporaryDir ordner;
  const QString pdf = QDir(ordner.path()).filePath("hilfe.pdf");
  services_.message_boxes.confirm_answers = {true};
  services_.file_dialogs.answer = pdf;
  dlg->Button1Click();
  ASSERT_EQ(services_.file_dialogs.calls.size(), 1u);
  QFile datei(pdf);
  ASSERT_TRUE(datei.open(QIODevice::ReadOnly));
  EXPECT_TRUE(datei.read(5).startsWith("%PDF"));
  EXPECT_GT(datei.size(), 2000);

  services_.message_boxes.confirm_answers = {true};
  services_.file_dialogs.answer = QDir(ordner.path()).filePath("fehlt/hilfe.pdf");
  dlg->Button1Click();
  ASSERT_EQ(services_.message_boxes.calls.size(), 4u);
  EXPECT_EQ(services_.message_boxes.calls[3].kind, platform::MessageBoxesDouble::Kind::Error);
  EXPECT_TRUE(services_.message_boxes.calls[3].text.contains("fehlt/hilfe.pdf"));
  EXPECT_TRUE(services_.printer.titles.empty());
}

TEST_F(RechenhilfeTest, LongTextsGoOnSeveralPages) {
  QTextDocument doc;
  QString text;
  for (int i = 0; i < 200; ++i) text += QStringLiteral("Zeile %1\n").arg(i);
  doc.setPlainText(text);
  QImage seite(400, 300, QImage::Format_RGB32);
  seite.fill(Qt::white);
  int neue_seiten = 0;
  Drucke_Dokument(doc, &seite, seite.width(), seite.height(), [&] { return ++neue_seiten < 3; });
  EXPECT_EQ(neue_seiten, 3);  // asked for the 2nd, 3rd and 4th page; the 4th was refused
  EXPECT_TRUE(Hat_Text(seite));
}

// A missing or unreadable file gives one box naming it, never the input-error box.
TEST_F(RechenhilfeTest, MissingOrBrokenHelpFileReportsAndShowsNothing) {
  QTemporaryDir ordner;
  const QString fehlt = QDir(ordner.path()).filePath("velumathlp.rtf");
  const auto& boxen = services_.message_boxes.calls;
  {
    Zeichenmodus.nur_Kondensator = true;
    auto dlg = Zeige_Dialog(fehlt);
    ASSERT_EQ(boxen.size(), 1u);
    EXPECT_TRUE(boxen[0].text.contains(fehlt)) << boxen[0].text.toStdString();
    EXPECT_FALSE(Hilfetext_aktiv(*dlg));
    EXPECT_EQ(Text(*dlg), kAnfangstext);
    dlg->Zeige_eintrag(1);
    EXPECT_EQ(boxen.size(), 2u);
    EXPECT_EQ(Text(*dlg), kAnfangstext);
  }
  {
    QFile datei(fehlt);
    ASSERT_TRUE(datei.open(QIODevice::WriteOnly));
    datei.write("kein RTF");
    datei.close();
    TRechenhilfeDlg dlg;
    dlg.Setze_Hilfedatei(fehlt);
    dlg.Zeige_eintrag(1);
    ASSERT_EQ(boxen.size(), 3u);
    EXPECT_TRUE(boxen[2].text.contains(fehlt)) << boxen[2].text.toStdString();
    EXPECT_EQ(Text(dlg), kAnfangstext);
  }
  EXPECT_TRUE(fehler.empty());
  {
    // A readable file without the key's markers leaves " Hilfetext " empty.
    QFile datei(fehlt);
    ASSERT_TRUE(datei.open(QIODevice::WriteOnly));
    datei.write("{\\rtf1 _Spule\\par Nur die Spule.\\par\\\\_Spule\\par}");
    datei.close();
    TRechenhilfeDlg dlg;
    dlg.Setze_Hilfedatei(fehlt);
    dlg.Zeige_eintrag(2);
    EXPECT_EQ(Text(dlg), QStringLiteral("Nur die Spule.\n"));
    dlg.Zeige_eintrag(0);
    EXPECT_TRUE(Hilfetext_aktiv(dlg));
    EXPECT_EQ(Text(dlg), QString());
  }
}

// A press counts only on an entry's text: the expand arrow and the rest of the row open
// nothing. Return and Space on the current entry open it as a click does.
TEST_F(RechenhilfeTest, OnlyTheEntryTextOpensAndKeysOpenTheCurrentEntry) {
  auto dlg = Zeige_Dialog();
  Klicke_Knoten(*dlg, 1);
  ASSERT_EQ(Erste_Zeile(*dlg), "Kondensator im Wechselstromkreis");
  Klicke_Knoten(*dlg, 3, -12);  // the arrow of "Reihenschaltungen"
  EXPECT_FALSE(Hilfetext_aktiv(*dlg));
  Klicke_Knoten(*dlg, 0, 200);  // right of "Widerstand"
  EXPECT_FALSE(Hilfetext_aktiv(*dlg));
  EXPECT_EQ(Erste_Zeile(*dlg), "Kondensator im Wechselstromkreis");

  for (const Qt::Key taste : {Qt::Key_Return, Qt::Key_Space}) {
    dlg->PageControl1->setCurrentWidget(dlg->TabSheet2);
    dlg->TreeView1->setCurrentItem(Knoten(*dlg, taste == Qt::Key_Return ? 2 : 0));
    QTest::keyClick(dlg->TreeView1, taste);
    EXPECT_TRUE(Hilfetext_aktiv(*dlg)) << taste;
    EXPECT_NE(Erste_Zeile(*dlg), "Kondensator im Wechselstromkreis") << taste;
  }
  EXPECT_TRUE(fehler.empty());
}

}  // namespace
