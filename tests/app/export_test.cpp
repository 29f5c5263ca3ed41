#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <vector>

#include "app/kommandozeile.h"

namespace {

struct Lauf {
  int status;
  QString err;
  QString out;
};

// Runs a copy of the program from the folder, so that no settings file of the build
// folder changes the picture; `grenzen` are shell commands run before it (ulimit).
Lauf velumat(const QStringList& args, const QString& folder, const QString& grenzen = {}) {
  const QString program = folder + "/velumat";
  if (!QFile::exists(program)) QFile::copy(VELUMAT_BIN, program);
  QProcess p;
  p.setWorkingDirectory(folder);
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.remove("QT_QPA_PLATFORM");
  env.remove("DISPLAY");
  p.setProcessEnvironment(env);
  if (grenzen.isEmpty())
    p.start(program, args);
  else
    p.start("sh", QStringList{"-c", grenzen + "; exec \"$0\" \"$@\"", program} + args);
  p.waitForFinished(60000);
  return {p.exitCode(), QString::fromLocal8Bit(p.readAllStandardError()),
          QString::fromLocal8Bit(p.readAllStandardOutput())};
}

// --topic runs its command once the window has its final size, also when the window manager
// maximises it only a while after it was shown, so a dialog it opens sits at the final corner.
TEST(Kommandozeile, TopicRunsOnceTheWindowHasItsFinalSize) {
  QWidget fenster;
  fenster.resize(782, 550);
  fenster.show();
  QSize gesehen;
  Nach_fertiger_Fenstergroesse(fenster, [&] { gesehen = fenster.size(); });
  QTimer::singleShot(120, &fenster, [&] { fenster.resize(1200, 900); });
  QTRY_VERIFY_WITH_TIMEOUT(gesehen.isValid(), 5000);
  EXPECT_EQ(gesehen, QSize(1200, 900));
}

TEST(Export, WritesTheDrawingWithoutADisplay) {
  QTemporaryDir dir;
  const QString file = dir.filePath("out.png");
  const Lauf r = velumat({"--export", file, "--topic", "Zeigerdiagramm/nur Kondensator"}, dir.path());
  ASSERT_EQ(r.status, 0) << r.err.toStdString();
  const QImage image(file);
  ASSERT_FALSE(image.isNull());
  EXPECT_EQ(image.width(), 782);
  EXPECT_GT(image.height(), 500);
  EXPECT_LT(image.height(), 540);  // 550 less the status bar
  // No settings file: white background, black axes through the circle centre.
  const int cy = 550 / 2;
  EXPECT_EQ(image.pixelColor(400, 20), QColor(Qt::white));
  EXPECT_EQ(image.pixelColor(60, cy), QColor(Qt::black));
}

TEST(Export, SizeAndBitmapFormat) {
  QTemporaryDir dir;
  const QString file = dir.filePath("out.bmp");
  const Lauf r = velumat({"--export", file, "--topic", "Zeigerdiagramm/nur Spule", "--size", "1024x768"}, dir.path());
  ASSERT_EQ(r.status, 0) << r.err.toStdString();
  const QImage image(file);
  EXPECT_EQ(image.width(), 1024);
  EXPECT_GT(image.height(), 740);
}

TEST(Export, UnknownTopicAndUnwritableFileExitWithTwo) {
  QTemporaryDir dir;
  Lauf r = velumat({"--export", dir.filePath("x.png"), "--topic", "Zeigerdiagramm/gibt es nicht"}, dir.path());
  EXPECT_EQ(r.status, 2);
  EXPECT_EQ(r.err.trimmed().count('\n'), 0) << r.err.toStdString();
  r = velumat({"--export", dir.filePath("fehlt/x.png"), "--topic", "Zeigerdiagramm/nur Spule"}, dir.path());
  EXPECT_EQ(r.status, 2);
  r = velumat({"--size", "abc"}, dir.path());
  EXPECT_EQ(r.status, 2);
  // File commands are no topics: they would save, print or ask without anybody to answer.
  for (const char* befehl : {"Datei/Ergebnisse/speichern", "Datei/Beenden", "Datei/Drucken"}) {
    r = velumat({"--export", dir.filePath("x.png"), "--topic", befehl}, dir.path());
    EXPECT_EQ(r.status, 2) << befehl;
    EXPECT_TRUE(r.err.contains("Unbekanntes Thema")) << befehl;
  }
  EXPECT_FALSE(QFileInfo::exists(dir.filePath("ZEICHNUNG.BMP")));
}

// The file size limit stops the writing half way: the old file stays as it was, no part of
// the new one is left behind, and the line names the system's reason.
TEST(Export, FailedWriteKeepsTheExistingFile) {
  QTemporaryDir dir;
  const QString file = dir.filePath("alt.bmp");
  QFile alt(file);
  ASSERT_TRUE(alt.open(QIODevice::WriteOnly));
  alt.write("alt");
  alt.close();
  const Lauf r =
      velumat({"--export", file, "--topic", "Zeigerdiagramm/nur Spule"}, dir.path(), "trap '' XFSZ; ulimit -f 64");
  EXPECT_EQ(r.status, 2);
  EXPECT_TRUE(r.err.contains("Kann ") && !r.err.contains("Unbekannter Fehler")) << r.err.toStdString();
  ASSERT_TRUE(alt.open(QIODevice::ReadOnly));
  EXPECT_EQ(alt.readAll(), "alt");
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), (QStringList{"alt.bmp", "velumat"}));
}

// Topics that draw nothing in the main window at start say so; drawing topics say nothing.
TEST(Export, PlainBackgroundIsNamed) {
  QTemporaryDir dir;
  for (const char* thema : {"Rechenhilfe", "Berechnungen/Widerstand", "Zeigerdiagramm/nur Spule"}) {
    const Lauf r = velumat({"--export", dir.filePath("x.png"), "--topic", thema}, dir.path());
    EXPECT_EQ(r.status, 0) << thema;
    EXPECT_EQ(r.err.contains("leere Hintergrund"), QString(thema).startsWith("Zeiger") ? 0 : 1)
        << thema << r.err.toStdString();
  }
}

TEST(Export, SizeLimitsAndEmptyFileName) {
  QTemporaryDir dir;
  const QString file = dir.filePath("x.png");
  const QStringList thema{"--topic", "Zeigerdiagramm/nur Spule"};
  Lauf r = velumat(QStringList{"--export", file, "--size", "16385x200"} + thema, dir.path());
  EXPECT_EQ(r.status, 2);
  EXPECT_TRUE(r.err.contains("16384x16384")) << r.err.toStdString();
  r = velumat(QStringList{"--export", ""} + thema, dir.path());
  EXPECT_EQ(r.status, 2);
  EXPECT_TRUE(r.err.contains("--export braucht einen Dateinamen")) << r.err.toStdString();
#ifndef __SANITIZE_ADDRESS__  // the sanitizer reserves more address space than the limit
  // The largest size is accepted; without the memory for it the line says so.
  r = velumat(QStringList{"--export", file, "--size", "16384x16384"} + thema, dir.path(), "ulimit -v 1000000");
  EXPECT_EQ(r.status, 2);
  EXPECT_TRUE(r.err.contains("zu wenig Speicher")) << r.err.toStdString();
  EXPECT_FALSE(QFileInfo::exists(file));
#endif
}

TEST(Export, TopicsListsTheMenuPaths) {
  QTemporaryDir dir;
  const Lauf r = velumat({"--topics"}, dir.path());
  ASSERT_EQ(r.status, 0);
  EXPECT_TRUE(r.out.split('\n').contains("Zeigerdiagramm/nur Kondensator"));
  EXPECT_FALSE(r.out.contains("Datei/"));
}

// Columns of the voltage graph of the L-C circuit in whose neighbourhood the upper dotted
// envelope has a gap: the topmost capacitor-coloured pixel of the column lies lower than in
// both neighbouring columns.
int Luecken_der_Huellkurve(const QImage& bild) {
  const QImage b = bild.convertToFormat(QImage::Format_RGB32);
  const auto Kondensatorfarbe = [&](int x, int y) {
    const QColor c = b.pixelColor(x, y);
    return c.blue() - std::max(c.red(), c.green()) > 60;
  };
  const int oben = b.height() / 2 + 10, unten = b.height() - 30;
  std::vector<int> erste;
  for (int x = b.width() / 4; x < b.width() / 2 - 20; ++x) {
    int y = oben;
    while (y < unten && !Kondensatorfarbe(x, y)) ++y;
    erste.push_back(y);
  }
  int luecken = 0;
  for (std::size_t i = 1; i + 1 < erste.size(); ++i) luecken += erste[i] > std::min(erste[i - 1], erste[i + 1]) + 2;
  return luecken;
}

// Dotted curves stay dotted in vector files: an independent SVG renderer shows the gaps of
// the L-C circuit's envelopes as the window does, and the file stays small.
TEST(Export, VectorFilesKeepDottedCurvesDotted) {
  const QString rsvg = QStandardPaths::findExecutable("rsvg-convert");
  if (rsvg.isEmpty()) GTEST_SKIP() << "rsvg-convert is not installed";
  QTemporaryDir dir;
  const QString thema = "Diagramme/L-C-Schwingkreis";
  ASSERT_EQ(velumat({"--export", dir.filePath("lc.png"), "--topic", thema}, dir.path()).status, 0);
  ASSERT_EQ(velumat({"--export", dir.filePath("lc.svg"), "--topic", thema}, dir.path()).status, 0);
  ASSERT_EQ(QProcess::execute(rsvg, {dir.filePath("lc.svg"), "-b", "white", "-o", dir.filePath("svg.png")}), 0);
  const int im_fenster = Luecken_der_Huellkurve(QImage(dir.filePath("lc.png")));
  ASSERT_GT(im_fenster, 20);
  EXPECT_GT(Luecken_der_Huellkurve(QImage(dir.filePath("svg.png"))), im_fenster / 2);
  EXPECT_LT(QFileInfo(dir.filePath("lc.svg")).size(), 60000);
}

}  // namespace
