#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

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

}  // namespace
