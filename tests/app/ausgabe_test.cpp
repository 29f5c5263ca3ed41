#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QSvgRenderer>
#include <QXmlStreamReader>
#include <cstdlib>
#include <functional>
#include <stdexcept>

#include "app/einstellungen_dlg.h"
#include "app/form1.h"
#include "app_fixture.h"
#include "platform/ini_file.h"
#include "toolkit/layout.h"

namespace {

const QString kKondensator = QStringLiteral("Zeigerdiagramm/nur Kondensator");

class AusgabeTest : public AppTest {
 protected:
  void Schreibe_Einstellungen(int hintergrund, int drucken) {
    platform::IniFile ini(ini_path());
    ini.WriteInteger("Einstellungen", "Hintergrundfarbe", hintergrund);
    ini.WriteInteger("Einstellungen", "Drucken", drucken);
    ASSERT_TRUE(ini.UpdateFile());
  }
};

// Records the state of the program at the moment the picture reaches the clipboard.
class BeobachtendeZwischenablage : public platform::Clipboard {
 public:
  explicit BeobachtendeZwischenablage(const platform::CursorDouble& cursor) : cursor_(cursor) {}
  void SetImage(const QImage& image) override {
    verzoegerung = Einstellungen.Verzoegerung;
    sanduhr = cursor_.depth > 0;
    bild = image;
    if (werfen) throw std::runtime_error("Zwischenablage belegt");
  }
  void SetRichText(const QString&, const QString&) override {}

  int verzoegerung = -1;
  bool sanduhr = false;
  bool werfen = false;
  QImage bild;

 private:
  const platform::CursorDouble& cursor_;
};

bool Alle_Pixel(const QImage& image, const std::function<bool(QRgb)>& pruefe) {
  const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
  for (int y = 0; y < rgb.height(); ++y) {
    const auto* zeile = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
    for (int x = 0; x < rgb.width(); ++x)
      if (!pruefe(zeile[x])) return false;
  }
  return true;
}

bool Einfarbig(const QImage& image, const QColor& colour) {
  return Alle_Pixel(image, [rgb = colour.rgb()](QRgb p) { return (p | 0xFF000000u) == rgb; });
}

bool Nur_Grautoene(const QImage& image) {
  return Alle_Pixel(image, [](QRgb p) { return qRed(p) == qGreen(p) && qGreen(p) == qBlue(p); });
}

TEST_F(AusgabeTest, CopyDrawsWithoutDelayUnderTheHourglassAndRestoresTheDelay) {
  BeobachtendeZwischenablage zwischenablage(services_.cursor);
  platform::services().clipboard = &zwischenablage;
  TForm1 form;
  form.Setze_Client_Groesse(782, 550);
  ASSERT_TRUE(form.Fuehre_Thema_aus(kKondensator));
  Einstellungen.Verzoegerung = 32000;

  form.kopieren1Click();
  EXPECT_EQ(zwischenablage.verzoegerung, 0);
  EXPECT_TRUE(zwischenablage.sanduhr);
  EXPECT_EQ(zwischenablage.bild.size(), QSize(782, 550 - form.StatusBarHeight()));
  EXPECT_EQ(Einstellungen.Verzoegerung, 32000);
  EXPECT_EQ(services_.cursor.depth, 0);

  zwischenablage.verzoegerung = -1;
  form.schwarzweiss1Click();
  EXPECT_EQ(zwischenablage.verzoegerung, 0);
  EXPECT_TRUE(zwischenablage.sanduhr);
  EXPECT_EQ(services_.cursor.depth, 0);
}

TEST_F(AusgabeTest, FailingOutputReportsOnceAndRestoresDelayCursorAndColours) {
  BeobachtendeZwischenablage zwischenablage(services_.cursor);
  zwischenablage.werfen = true;
  platform::services().clipboard = &zwischenablage;
  Schreibe_Einstellungen(3, 0);
  TForm1 form;
  form.Setze_Client_Groesse(600, 400);
  ASSERT_TRUE(form.Fuehre_Thema_aus(kKondensator));
  Einstellungen.Verzoegerung = 32000;
  const TFarben farben = Farben;

  form.Aktion("Datei/Ergebnisse/kopieren/farbig")->trigger();
  EXPECT_EQ(Einstellungen.Verzoegerung, 32000);
  form.Aktion("Datei/Ergebnisse/kopieren/schwarz-weiss")->trigger();
  ASSERT_EQ(services_.message_boxes.calls.size(), 2u);
  EXPECT_EQ(services_.message_boxes.calls[1].kind, platform::MessageBoxesDouble::Kind::Error);
  EXPECT_EQ(services_.cursor.depth, 0);
  EXPECT_EQ(services_.cursor.begin_count, 2);
  // The colour copy restores the delay it found; the black-and-white one ends with the start-up
  // settings, which take the delay from the file ("keine").
  EXPECT_EQ(Einstellungen.Verzoegerung, 0);
  EXPECT_EQ(Farben.Hintergrund, farben.Hintergrund);
  EXPECT_EQ(Farben.Text, QColor(Qt::white));
}

TEST_F(AusgabeTest, BlackAndWhiteCopyOnWhiteLeavesStartColoursUntilTheSettingsAreConfirmed) {
  Schreibe_Einstellungen(0, 0);
  TForm1 form;
  form.Setze_Client_Groesse(782, 550);
  ASSERT_EQ(Farben.Kondensator, QColor(0x00, 0x00, 0x80));
  ASSERT_TRUE(form.Fuehre_Thema_aus(kKondensator));
  form.Zeichne_ausstehend();
  const int redraws = form.Redraw_Anzahl();

  form.schwarzweiss1Click();
  const QImage& bild = services_.clipboard.image;
  ASSERT_FALSE(bild.isNull());
  EXPECT_TRUE(Nur_Grautoene(bild));
  EXPECT_EQ(bild.pixelColor(300, 100), QColor(Qt::white));
  EXPECT_EQ(Farben.Hintergrund, QColor(0xFF, 0xFF, 0xFF));
  EXPECT_EQ(Farben.Text, QColor(0x00, 0x00, 0x00));
  EXPECT_EQ(Farben.Impedanz, QColor(0x00, 0x00, 0xFF));
  EXPECT_EQ(Farben.Kondensator, QColor(0xFF, 0xFF, 0x00));
  EXPECT_EQ(Farben.Spule, QColor(0x00, 0xFF, 0x00));
  form.Zeichne_ausstehend();
  EXPECT_EQ(form.Redraw_Anzahl(), redraws + 1);  // the window shows the new colours

  TEinstellungenDlg dlg(&form);
  dlg.Read_iniFile();
  dlg.OKBtnClick();
  EXPECT_EQ(Farben.Kondensator, QColor(0x00, 0x00, 0x80));
  EXPECT_EQ(Farben.Spule, QColor(0x00, 0x80, 0x00));
}

TEST_F(AusgabeTest, WithoutTopicTheOutputIsThePlainBackground) {
  TForm1 form;
  form.Setze_Client_Groesse(400, 300);
  ASSERT_TRUE(form.Fuehre_Thema_aus(kKondensator));
  form.kopieren1Click();  // an earlier picture must not linger
  form.Ausgabefensterschliessen1Click();

  form.kopieren1Click();
  EXPECT_TRUE(Einfarbig(services_.clipboard.image, Farben.Hintergrund));
  form.schwarzweiss1Click();
  EXPECT_TRUE(Einfarbig(services_.clipboard.image, QColor(Qt::white)));
  services_.printer.page_size = QSize(800, 1000);
  form.Zeichung1Click();
  ASSERT_EQ(services_.printer.pages.size(), 1u);
  EXPECT_TRUE(Einfarbig(services_.printer.pages[0], QColor(Qt::white)));
}

// ---- Printing ----

// The print size sets a box of w x 0.7 w; the picture keeps its proportions inside it: as wide as
// the box, centred from top to bottom, so a circle stays round to a pixel.
TEST_F(AusgabeTest, PrintSizeSetsTheBoxThePictureFitsInAlike) {
  const struct {
    int drucken;  // "1/4 Seite", "1/2 Seite", "Vollbild"
    int w, h;
  } cases[] = {{0, 1200, 840}, {1, 2400, 1680}, {2, 4800, 3360}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.drucken);
    Schreibe_Einstellungen(0, c.drucken);
    services_.printer.pages.clear();
    TForm1 form;
    form.Setze_Client_Groesse(782, 550);
    ASSERT_TRUE(form.Fuehre_Thema_aus(kKondensator));
    form.Zeichne_ausstehend();
    const int redraws = form.Redraw_Anzahl();
    const int bild_h = 550 - form.StatusBarHeight();

    form.Zeichung1Click();
    ASSERT_EQ(services_.printer.pages.size(), 1u);
    const QImage& seite = services_.printer.pages[0];
    const QColor grau(0x80, 0x80, 0x80), weiss(Qt::white);
    // The frame of the drawing marks the edges of the scaled picture.
    int oben = 0, unten = c.h - 1;
    while (oben < c.h && seite.pixelColor(0, oben) != grau) ++oben;
    while (unten > 0 && seite.pixelColor(0, unten) != grau) --unten;
    const int hoehe = unten - oben + 1;
    EXPECT_NEAR(hoehe, c.w * bild_h / 782.0, 1.0);
    EXPECT_NEAR(oben, (c.h - hoehe) / 2.0, 1.0);
    EXPECT_EQ(seite.pixelColor(c.w - 1, oben), grau);
    if (c.w < seite.width()) {
      EXPECT_EQ(seite.pixelColor(c.w, oben), weiss);
    }
    EXPECT_TRUE(Nur_Grautoene(seite.copy(0, 0, c.w, c.h)));
    // The phasor circle: as wide as it is high. Chords 20 pixels beside the axes and phasors.
    const double s = c.w / 782.0;
    const int mx = static_cast<int>((Layout.cx + 0.5) * s), my = oben + static_cast<int>((Layout.cy + 0.5) * s);
    const int d = static_cast<int>(20 * s);
    const auto Rand = [&](int dx, int dy) {
      int n = static_cast<int>(Layout.r0 * 0.8 * s);
      while (seite.pixelColor(mx - d * dy * dy + n * dx, my - d * dx * dx + n * dy) == weiss) ++n;
      return n;
    };
    const int waagrecht = Rand(1, 0) + Rand(-1, 0), senkrecht = Rand(0, 1) + Rand(0, -1);
    EXPECT_NEAR(waagrecht, senkrecht, 1);
    EXPECT_EQ(services_.printer.titles.back(), "Velumat");

    EXPECT_EQ(services_.cursor.depth, 0);
    EXPECT_EQ(Farben.Kondensator, QColor(0xFF, 0xFF, 0x00));  // start-up colours, as after a black-and-white copy
    QApplication::processEvents();
    form.Zeichne_ausstehend();
    EXPECT_EQ(form.Redraw_Anzahl(), redraws);  // printing leaves the window alone
  }
}

// The next print has the size the settings show, also when the file or its key is missing.
TEST_F(AusgabeTest, APrintDoesNotChangeTheSizeOfTheNextPrint) {
  for (const bool mit_datei : {false, true}) {
    SCOPED_TRACE(mit_datei);
    QFile::remove(ini_path());
    if (mit_datei) {
      platform::IniFile ini(ini_path());
      ini.WriteInteger("Einstellungen", "Hintergrundfarbe", 0);  // no "Drucken"
      ASSERT_TRUE(ini.UpdateFile());
    }
    services_.printer.pages.clear();
    TForm1 form;
    form.Setze_Client_Groesse(782, 550);
    ASSERT_TRUE(form.Fuehre_Thema_aus(kKondensator));
    form.Zeichung1Click();
    form.schwarzweiss1Click();
    form.Zeichung1Click();
    ASSERT_EQ(services_.printer.pages.size(), 2u);
    for (const QImage& seite : services_.printer.pages) {
      // Right edge of "1/4 Seite", halfway down the box of 1200 x 840.
      EXPECT_EQ(seite.pixelColor(1199, 420), QColor(0x80, 0x80, 0x80));
      EXPECT_EQ(seite.pixelColor(1200, 420), QColor(Qt::white));
    }
  }
}

TEST_F(AusgabeTest, APrintThatCannotBeFinishedSaysSoOnce) {
  services_.printer.end_doc_fails = true;
  TForm1 form;
  form.Setze_Client_Groesse(782, 550);
  ASSERT_TRUE(form.Fuehre_Thema_aus(kKondensator));
  form.Zeichung1Click();
  ASSERT_EQ(services_.message_boxes.calls.size(), 1u);
  EXPECT_EQ(services_.message_boxes.calls[0].kind, platform::MessageBoxesDouble::Kind::Error);
  EXPECT_EQ(services_.message_boxes.calls[0].text, "Der Drucker kann die Zeichnung nicht drucken.");
  EXPECT_EQ(services_.cursor.depth, 0);
}

TEST_F(AusgabeTest, WithoutPrinterPrintingOffersAPdfFile) {
  services_.printer.available = false;
  TForm1 form;
  form.Setze_Client_Groesse(782, 550);
  ASSERT_TRUE(form.Fuehre_Thema_aus(kKondensator));
  const TFarben farben = Farben;

  services_.message_boxes.confirm_answers = {false};
  form.Zeichung1Click();
  ASSERT_EQ(services_.message_boxes.calls.size(), 1u);
  EXPECT_TRUE(services_.message_boxes.calls[0].text.startsWith("Es ist kein Drucker eingerichtet."));
  EXPECT_TRUE(services_.file_dialogs.calls.empty());
  EXPECT_EQ(Farben.Hintergrund, farben.Hintergrund);

  const QString pdf = dir_.filePath("blatt");
  services_.message_boxes.confirm_answers = {true};
  services_.file_dialogs.answer = pdf;
  form.Zeichung1Click();
  ASSERT_EQ(services_.file_dialogs.calls.size(), 1u);
  EXPECT_EQ(services_.file_dialogs.calls[0].default_name, "ZEICHNUNG.PDF");
  QFile datei(pdf + ".pdf");
  ASSERT_TRUE(datei.open(QIODevice::ReadOnly));
  EXPECT_TRUE(datei.readAll().startsWith("%PDF"));
  EXPECT_EQ(services_.message_boxes.calls.size(), 2u);  // no error box
  EXPECT_TRUE(services_.printer.pages.empty());

  services_.file_dialogs.answer = dir_.filePath("fehlt/blatt.pdf");
  services_.message_boxes.confirm_answers = {true};
  form.Zeichung1Click();
  ASSERT_EQ(services_.message_boxes.calls.size(), 4u);
  EXPECT_EQ(services_.message_boxes.calls[3].kind, platform::MessageBoxesDouble::Kind::Error);
  EXPECT_TRUE(services_.message_boxes.calls[3].text.contains("blatt.pdf"));
}

TEST_F(AusgabeTest, PrinterSetupOpensOnlyWhenThereIsAPrinter) {
  TForm1 form;
  form.Druckereinrichtung1Click();
  EXPECT_EQ(services_.printer.setup_count, 1);
  services_.printer.available = false;
  form.Druckereinrichtung1Click();
  EXPECT_EQ(services_.printer.setup_count, 1);
  ASSERT_EQ(services_.message_boxes.calls.size(), 1u);
  EXPECT_TRUE(services_.message_boxes.calls[0].text.startsWith("Es ist kein Drucker eingerichtet."));
}

// ---- Saving ----

class SpeichernTest : public AusgabeTest {
 protected:
  SpeichernTest() : alter_ordner_(QDir::currentPath()) { QDir::setCurrent(dir_.path()); }
  ~SpeichernTest() override { QDir::setCurrent(alter_ordner_); }
  QString alter_ordner_;
};

TEST_F(SpeichernTest, SavingWritesWhatTheWindowShowsAndOverwritesTheOlderFile) {
  TForm1 form;
  form.show();
  QApplication::processEvents();
  ASSERT_TRUE(form.Fuehre_Thema_aus(kKondensator));
  form.Zeichne_ausstehend();
  const QSize groesse(form.ClientWidth(), form.ClientHeight() - form.StatusBarHeight());
  const QImage fenster =
      form.Hintergrundbild().copy(QRect(QPoint(0, 0), groesse)).convertToFormat(QImage::Format_RGB32);

  form.speichern1Click();
  const QString pfad = QDir(dir_.path()).filePath("ZEICHNUNG.BMP");
  const QImage erstes = QImage(pfad).convertToFormat(QImage::Format_RGB32);
  EXPECT_EQ(erstes, fenster);
  ASSERT_EQ(services_.message_boxes.calls.size(), 1u);
  EXPECT_EQ(services_.message_boxes.calls[0].kind, platform::MessageBoxesDouble::Kind::Information);
  EXPECT_EQ(services_.message_boxes.calls[0].text, "Die Zeichung wurde unter ZEICHNUNG.BMP gespeichert");

  form.Ausgabefensterschliessen1Click();
  form.Zeichne_ausstehend();
  QFile::setPermissions(pfad, QFileDevice::ReadOwner);
  form.speichern1Click();
  const QImage zweites = QImage(pfad).convertToFormat(QImage::Format_RGB32);
  ASSERT_EQ(zweites.size(), groesse);
  EXPECT_NE(zweites, erstes);
  // The title picture sits in the bottom right corner of the window.
  const QColor ecke = zweites.pixelColor(groesse.width() - 1, groesse.height() - 1);
  EXPECT_FALSE(Einfarbig(zweites.copy(groesse.width() - 157, groesse.height() - 91, 155, 89), ecke));
  EXPECT_EQ(services_.message_boxes.calls.size(), 2u);
  EXPECT_EQ(services_.cursor.depth, 0);
}

// Started from a launcher in a folder that cannot be written: the user chooses where to save,
// starting with ZEICHNUNG.BMP in the pictures folder; a file that still cannot be written is named.
TEST_F(SpeichernTest, AFolderThatCannotBeWrittenOffersTheSaveDialog) {
  TForm1 form;
  form.Setze_Client_Groesse(400, 300);
  const QString weg = dir_.filePath("weg");
  ASSERT_TRUE(QDir().mkdir(weg));
  QDir::setCurrent(weg);
  ASSERT_TRUE(QDir().rmdir(weg));

  form.speichern1Click();  // cancelled
  ASSERT_EQ(services_.file_dialogs.calls.size(), 1u);
  EXPECT_EQ(QFileInfo(services_.file_dialogs.calls[0].default_name).fileName(), "ZEICHNUNG.BMP");
  EXPECT_TRUE(services_.message_boxes.calls.empty());

  services_.file_dialogs.answer = dir_.filePath("bild.bmp");
  form.speichern1Click();
  EXPECT_EQ(QImage(dir_.filePath("bild.bmp")).size(), QSize(400, 300 - form.StatusBarHeight()));
  ASSERT_EQ(services_.message_boxes.calls.size(), 1u);
  EXPECT_EQ(services_.message_boxes.calls[0].kind, platform::MessageBoxesDouble::Kind::Information);
  EXPECT_TRUE(services_.message_boxes.calls[0].text.contains(QDir::toNativeSeparators(dir_.filePath("bild.bmp"))));

  services_.file_dialogs.answer = dir_.filePath("fehlt/bild.bmp");
  form.speichern1Click();
  ASSERT_EQ(services_.message_boxes.calls.size(), 2u);
  EXPECT_EQ(services_.message_boxes.calls[1].kind, platform::MessageBoxesDouble::Kind::Error);
  EXPECT_TRUE(services_.message_boxes.calls[1].text.contains("fehlt"));
  EXPECT_EQ(services_.cursor.depth, 0);
}

// ---- Export ----

// Runs the program's own --export, with the settings file it would use itself.
class ExportTest : public AusgabeTest {
 protected:
  ExportTest() { Setze_Pfad_Einstellungsdatei(QFileInfo(VELUMAT_BIN).dir().filePath("velumat.ini")); }

  int Exportiere(const QString& datei, const QString& thema = kKondensator) {
    QProcess p;
    p.start(VELUMAT_BIN, {"--export", datei, "--topic", thema, "--size", "1024x768"});
    if (!p.waitForFinished(60000)) return -1;
    return p.exitCode();
  }
  QString Datei(const QString& name) const { return dir_.filePath(name); }
};

TEST_F(ExportTest, ClipboardImageOfColourCopyEqualsTheExportedPng) {
  ASSERT_EQ(Exportiere(Datei("bild.png")), 0);
  TForm1 form;
  form.Setze_Client_Groesse(1024, 768);
  ASSERT_TRUE(form.Fuehre_Thema_aus(kKondensator));
  form.kopieren1Click();
  const QImage exportiert = QImage(Datei("bild.png")).convertToFormat(QImage::Format_RGB32);
  ASSERT_FALSE(exportiert.isNull());
  EXPECT_EQ(services_.clipboard.image.convertToFormat(QImage::Format_RGB32), exportiert);
}

TEST_F(ExportTest, SvgIsValidVectorGraphicsWithTheTextsAsText) {
  ASSERT_EQ(Exportiere(Datei("bild.svg")), 0);
  TForm1 form;
  form.Setze_Client_Groesse(1024, 768);
  ASSERT_TRUE(form.Fuehre_Thema_aus(kKondensator));
  platform::Recorder rec;
  form.Zeichne_Bild(&rec);

  QSvgRenderer renderer(Datei("bild.svg"));
  ASSERT_TRUE(renderer.isValid());
  EXPECT_EQ(renderer.viewBox(), QRect(QPoint(0, 0), form.Bildgroesse()));

  QFile datei(Datei("bild.svg"));
  ASSERT_TRUE(datei.open(QIODevice::ReadOnly));
  QXmlStreamReader xml(&datei);
  QStringList texte;
  int bilder = 0;
  while (!xml.atEnd()) {
    xml.readNext();
    if (!xml.isStartElement()) continue;
    if (xml.name() == u"text") texte << xml.readElementText(QXmlStreamReader::IncludeChildElements).trimmed();
    if (xml.name() == u"image") ++bilder;
  }
  ASSERT_FALSE(xml.hasError()) << xml.errorString().toStdString();
  EXPECT_EQ(bilder, rec.count("Draw"));  // only the circuit pictures are raster images
  if (rec.texts().empty()) GTEST_SKIP() << "the topic draws no text yet";
  for (const auto& t : rec.texts()) EXPECT_TRUE(texte.contains(t.text.trimmed())) << t.text.toStdString();
}

// Share of pixels of a that have no pixel of nearly the same colour in b within one pixel.
double Anteil_ohne_Entsprechung(const QImage& a, const QImage& b) {
  auto nah = [](QRgb p, QRgb q) {
    return std::abs(qRed(p) - qRed(q)) <= 64 && std::abs(qGreen(p) - qGreen(q)) <= 64 &&
           std::abs(qBlue(p) - qBlue(q)) <= 64;
  };
  long fehlend = 0;
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x) {
      bool gefunden = false;
      for (int dy = -1; dy <= 1 && !gefunden; ++dy)
        for (int dx = -1; dx <= 1 && !gefunden; ++dx)
          gefunden = b.valid(x + dx, y + dy) && nah(a.pixel(x, y), b.pixel(x + dx, y + dy));
      if (!gefunden) ++fehlend;
    }
  return static_cast<double>(fehlend) / (a.width() * a.height());
}

TEST_F(ExportTest, PdfPageRendersToThePngPicture) {
  const QString pdftoppm = QStandardPaths::findExecutable("pdftoppm");
  if (pdftoppm.isEmpty()) GTEST_SKIP() << "pdftoppm fehlt";
  ASSERT_EQ(Exportiere(Datei("bild.png")), 0);
  ASSERT_EQ(Exportiere(Datei("bild.pdf")), 0);
  QProcess p;
  p.start(pdftoppm, {"-r", "96", "-aa", "no", "-aaVector", "no", "-f", "1", "-l", "1", "-png", "-singlefile",
                     Datei("bild.pdf"), Datei("seite")});
  ASSERT_TRUE(p.waitForFinished(60000));
  ASSERT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();

  const QImage png = QImage(Datei("bild.png")).convertToFormat(QImage::Format_RGB32);
  const QImage seite = QImage(Datei("seite.png")).convertToFormat(QImage::Format_RGB32);
  ASSERT_EQ(seite.size(), png.size());
  EXPECT_LT(Anteil_ohne_Entsprechung(png, seite), 0.0005);
  EXPECT_LT(Anteil_ohne_Entsprechung(seite, png), 0.0005);
}

TEST_F(ExportTest, UnknownTypeOrUnwritableFileExitsWithStatus2) {
  EXPECT_EQ(Exportiere(Datei("bild.gif")), 2);
  EXPECT_EQ(Exportiere(Datei("fehlt/bild.svg")), 2);
  EXPECT_EQ(Exportiere(Datei("fehlt/bild.pdf")), 2);
  EXPECT_FALSE(QFileInfo::exists(Datei("fehlt")));
}

}  // namespace
