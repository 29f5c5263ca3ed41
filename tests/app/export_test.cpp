#include <gtest/gtest.h>
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
// folder changes the picture.
Lauf velumat(const QStringList& args, const QString& folder) {
  const QString program = folder + "/velumat";
  if (!QFile::exists(program)) QFile::copy(VELUMAT_BIN, program);
  QProcess p;
  p.setWorkingDirectory(folder);
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.remove("QT_QPA_PLATFORM");
  env.remove("DISPLAY");
  p.setProcessEnvironment(env);
  p.start(program, args);
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

TEST(Export, TopicsListsTheMenuPaths) {
  QTemporaryDir dir;
  const Lauf r = velumat({"--topics"}, dir.path());
  ASSERT_EQ(r.status, 0);
  EXPECT_TRUE(r.out.split('\n').contains("Zeigerdiagramm/nur Kondensator"));
  EXPECT_FALSE(r.out.contains("Datei/"));
}

}  // namespace
