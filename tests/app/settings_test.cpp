#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>

#include "app/einstellungen_dlg.h"
#include "app/form1.h"
#include "app_fixture.h"
#include "help/help_sections.h"
#include "phasors/drehstrom_dlg.h"
#include "platform/fonts.h"
#include "platform/ini_file.h"
#include "platform/radiogroup.h"

namespace {

using SettingsTest = AppTest;

void write_file(const QString& path, const QByteArray& content) {
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(content);
}

// Dialogs, menus and the status bar draw their text antialiased and kerned, so digits do not
// fuse and letters do not fall apart; only drawings keep the pixel-exact rendering.
TEST_F(SettingsTest, WidgetTextIsRenderedNormallyCanvasTextPixelExact) {
  const auto normal = [](const QFont& f) { return f.kerning() && !(f.styleStrategy() & QFont::NoAntialias); };
  TForm1 form;
  TEinstellungenDlg einstellungen(&form);
  TDrehstromDlg zeiger(&form);
  std::vector<QWidget*> widgets{form.menuBar(), form.findChild<QLabel*>("Panel0"), &einstellungen, &zeiger};
  for (QWidget* dlg : {static_cast<QWidget*>(&einstellungen), static_cast<QWidget*>(&zeiger)})
    for (QWidget* w : dlg->findChildren<QWidget*>()) widgets.push_back(w);
  for (QWidget* w : widgets) {
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(normal(w->font())) << w->objectName().toStdString();
  }
  platform::TFont arial;
  arial.Name = "Arial";
  EXPECT_FALSE(normal(platform::resolve_font(arial)));
}

TEST_F(SettingsTest, FirstStartWithoutFileIsWhiteWithBlackTextAndBlueSupply) {
  TForm1 form;
  EXPECT_EQ(Farben.Hintergrund, QColor(0xFF, 0xFF, 0xFF));
  EXPECT_EQ(Farben.Text, QColor(0x00, 0x00, 0x00));
  EXPECT_EQ(Farben.Impedanz, QColor(0x00, 0x00, 0xFF));
  EXPECT_EQ(Einstellungen.Verzoegerung, 0);
  EXPECT_TRUE(Einstellungen.Maximiert);
  EXPECT_DOUBLE_EQ(Einstellungen.Druckfaktor, 0.25);
  EXPECT_FALSE(Einstellungen.Anhalten);
  EXPECT_FALSE(Einstellungen.Werte_sofort);
  EXPECT_FALSE(QFile::exists(ini_path()));
}

TEST_F(SettingsTest, OkWritesAllSixKeys) {
  TForm1 form;
  TEinstellungenDlg dlg(&form);
  dlg.show();
  dlg.RadioGroup2->SetItemIndex(8);
  dlg.CheckBox1->setChecked(true);
  dlg.OKBtn->click();
  platform::IniFile ini(ini_path());
  ASSERT_TRUE(ini.Exists());
  for (const char* key : {"Hintergrundfarbe", "Waittime", "Fenster", "Drucken", "Anhalten", "Werte_aendern"})
    EXPECT_TRUE(ini.ValueExists("Einstellungen", key)) << key;
  EXPECT_EQ(ini.ReadInteger("Einstellungen", "waittime", -1), 8);
  EXPECT_EQ(ini.ReadInteger("Einstellungen", "Anhalten", -1), 1);
  EXPECT_EQ(Einstellungen.Verzoegerung, 32000);
  EXPECT_TRUE(Einstellungen.Anhalten);
}

TEST_F(SettingsTest, ColourSchemesOfTheBackgroundChoice) {
  TForm1 form;
  TEinstellungenDlg dlg(&form);
  dlg.show();
  dlg.RadioGroup1->SetItemIndex(1);  // hellgrau
  dlg.OKBtn->click();
  EXPECT_EQ(Farben.Hintergrund, QColor(0xC0, 0xC0, 0xC0));
  EXPECT_EQ(Farben.Text, QColor(0xFF, 0xFF, 0xFF));
  EXPECT_EQ(Farben.Kondensator, QColor(0xFF, 0xFF, 0x00));

  TEinstellungenDlg again(&form);
  again.show();
  EXPECT_EQ(again.RadioGroup1->ItemIndex(), 1);  // the dialog shows what the file holds
  again.RadioGroup1->SetItemIndex(7);            // schwarz
  again.OKBtn->click();
  form.Setze_Client_Groesse(300, 200);
  form.Fuehre_Thema_aus("Zeigerdiagramm/nur Widerstand");
  const QImage image = form.Zeichne_Bild();
  EXPECT_EQ(image.pixelColor(150, 20), QColor(0, 0, 0));  // the next drawing is black
}

TEST_F(SettingsTest, CancelWritesNothing) {
  TForm1 form;
  TEinstellungenDlg dlg(&form);
  dlg.show();
  dlg.RadioGroup1->SetItemIndex(3);
  dlg.CancelBtn->click();
  EXPECT_FALSE(QFile::exists(ini_path()));
}

TEST_F(SettingsTest, GarbageAndOutOfRangeValuesFallBackToDefaults) {
  write_file(ini_path(),
             "; hand-edited\n[Einstellungen]\nHintergrundfarbe=blau\nWaittime=99\nFenster=7\n"
             "Drucken=-1\nAnhalten=1,5\nWerte_aendern=\n");
  TForm1 form;
  EXPECT_EQ(Farben.Hintergrund, QColor(0xFF, 0xFF, 0xFF));
  EXPECT_EQ(Farben.Text, QColor(0x00, 0x00, 0x00));
  EXPECT_EQ(Einstellungen.Verzoegerung, 0);
  EXPECT_TRUE(Einstellungen.Maximiert);
  EXPECT_DOUBLE_EQ(Einstellungen.Druckfaktor, 0.25);
  EXPECT_FALSE(Einstellungen.Anhalten);
  EXPECT_FALSE(Einstellungen.Werte_sofort);
}

TEST_F(SettingsTest, ValidFileIsAppliedAtStart) {
  write_file(ini_path(),
             "[EINSTELLUNGEN]\nhintergrundfarbe=5\nwaittime=2\nfenster=1\ndrucken=1\nanhalten=1\n"
             "werte_aendern=1\n");
  TForm1 form;
  EXPECT_EQ(Farben.Hintergrund, QColor(0x80, 0x00, 0x00));
  EXPECT_EQ(Farben.Text, QColor(0xFF, 0xFF, 0xFF));
  EXPECT_EQ(Einstellungen.Verzoegerung, 500);
  EXPECT_FALSE(Einstellungen.Maximiert);
  EXPECT_DOUBLE_EQ(Einstellungen.Druckfaktor, 0.5);
  EXPECT_TRUE(Einstellungen.Anhalten);
  EXPECT_TRUE(Einstellungen.Werte_sofort);
}

TEST_F(SettingsTest, UnwritableFileGivesAMessageAndChangesNothing) {
  TForm1 form;
  Setze_Pfad_Einstellungsdatei(dir_.filePath("fehlt/velumat.ini"));
  const TFarben before = Farben;
  TEinstellungenDlg dlg(&form);
  dlg.show();
  dlg.RadioGroup1->SetItemIndex(7);
  dlg.OKBtn->click();
  ASSERT_EQ(services_.message_boxes.calls.size(), 1u);
  EXPECT_TRUE(services_.message_boxes.calls[0].text.contains("nicht"));
  EXPECT_EQ(Farben.Hintergrund, before.Hintergrund);
  EXPECT_TRUE(dlg.isVisible());
}

TEST_F(SettingsTest, BlackAndWhiteThenStartSchemeKeepsYellowAndGreenOnWhite) {
  write_file(ini_path(), "[Einstellungen]\nHintergrundfarbe=0\n");
  TForm1 form;
  EXPECT_EQ(Farben.Kondensator, QColor(0x00, 0x00, 0x80));
  Schwarzweiss_Farben();
  EXPECT_EQ(Farben.Kondensator, QColor(0x00, 0x00, 0x00));
  EXPECT_EQ(Farben.Widerstandsstrom, QColor(0x80, 0x80, 0x80));
  Lade_Grundeinstellungen();
  EXPECT_EQ(Farben.Hintergrund, QColor(0xFF, 0xFF, 0xFF));
  EXPECT_EQ(Farben.Kondensator, QColor(0xFF, 0xFF, 0x00));
  EXPECT_EQ(Farben.Spule, QColor(0x00, 0xFF, 0x00));
}

// The sample settings file of the help text gives what the text around it promises.
TEST_F(SettingsTest, TheHelpTextsSampleFileGivesWhatItDescribes) {
  const help::Abschnitt abschnitt = help::Lade_Abschnitt(VELUMAT_HILFEDATEI, u"_Einstellungen");
  ASSERT_TRUE(abschnitt.text.has_value());
  const QString text = abschnitt.text->toPlainText();
  ASSERT_TRUE(text.contains(QStringLiteral("dunkelblauem Hintergrund, Verzögerung 500")));
  const qsizetype start = text.indexOf(QStringLiteral("[Einstellungen]\n"));  // the sample, not the mention above it
  const qsizetype ende = text.indexOf(QStringLiteral("Werte_aendern="), start);
  ASSERT_GE(start, 0);
  ASSERT_GT(ende, start);
  write_file(ini_path(), text.mid(start, text.indexOf(QChar('\n'), ende) - start).toLatin1());

  TForm1 form;
  EXPECT_EQ(Farben.Hintergrund, QColor(0x00, 0x00, 0x80));
  EXPECT_EQ(Farben.Text, QColor(0xFF, 0xFF, 0xFF));
  EXPECT_EQ(Einstellungen.Verzoegerung, 500);
  EXPECT_DOUBLE_EQ(Einstellungen.Druckfaktor, 0.5);
  EXPECT_TRUE(Einstellungen.Anhalten);
  EXPECT_FALSE(Einstellungen.Werte_sofort);
}

}  // namespace
