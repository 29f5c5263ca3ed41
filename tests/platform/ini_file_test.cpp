#include "platform/ini_file.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace platform {
namespace {

class IniFileTest : public ::testing::Test {
 protected:
  QString Write(const QByteArray& bytes) {
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
    return path;
  }
  QByteArray Read() {
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly));
    return f.readAll();
  }

  QTemporaryDir dir;
  QString path = dir.filePath("velumat.ini");
};

TEST_F(IniFileTest, MissingFileGivesDefaultsAndIsCreatedWithAllKeys) {
  IniFile ini(path);
  EXPECT_FALSE(ini.Exists());
  EXPECT_EQ(ini.ReadInteger("Einstellungen", "Drucken", 2), 2);
  const char* keys[] = {"Hintergrundfarbe", "Waittime", "Fenster", "Drucken", "Anhalten", "Werte_aendern"};
  int v = 0;
  for (const char* k : keys) ini.WriteInteger("Einstellungen", k, v++);
  ASSERT_TRUE(ini.UpdateFile());
  EXPECT_TRUE(ini.Exists());
  EXPECT_EQ(Read(),
            "[Einstellungen]\nHintergrundfarbe=0\nWaittime=1\nFenster=2\nDrucken=3\nAnhalten=4\nWerte_aendern=5\n");
  IniFile again(path);
  EXPECT_EQ(again.ReadInteger("Einstellungen", "Werte_aendern", -1), 5);
}

TEST_F(IniFileTest, SectionsAndKeysAreCaseInsensitive) {
  Write("[EINSTELLUNGEN]\nWaittime=8\n");
  IniFile ini(path);
  EXPECT_EQ(ini.ReadInteger("Einstellungen", "waittime", 0), 8);
  ini.WriteInteger("einstellungen", "WAITTIME", 3);
  ASSERT_TRUE(ini.UpdateFile());
  EXPECT_EQ(Read(), "[EINSTELLUNGEN]\nWaittime=3\n");  // the spelling in the file stays
}

TEST_F(IniFileTest, WritingKeepsCommentsBlankLinesUnknownKeysAndOrder) {
  Write("; von Hand bearbeitet\n[Einstellungen]\n# Farbe\nHintergrundfarbe = 4\nEigene=ja\n\n[Andere]\nx=1,5\n");
  IniFile ini(path);
  ini.WriteInteger("Einstellungen", "Hintergrundfarbe", 7);
  ini.WriteInteger("Einstellungen", "Anhalten", 1);  // new key: at the end of its section
  ini.WriteInteger("Neu", "a", -2);                  // new section: at the end of the file
  ASSERT_TRUE(ini.UpdateFile());
  EXPECT_EQ(Read(),
            "; von Hand bearbeitet\n[Einstellungen]\n# Farbe\nHintergrundfarbe=7\nEigene=ja\nAnhalten=1\n\n"
            "[Andere]\nx=1,5\n\n[Neu]\na=-2\n");
}

TEST_F(IniFileTest, OnlyWholeNumbersInRangeAreRead) {
  Write(
      "[S]\nok= 12 \nneg=-3\nplus=+4\ncomma=1,5\nword=blau\nempty=\nmix=12abc\nhex=0x10\n"
      "max=2147483647\nover=2147483648\nunder=-2147483649\nsign=-\n");
  IniFile ini(path);
  EXPECT_EQ(ini.ReadInteger("S", "ok", 99), 12);
  EXPECT_EQ(ini.ReadInteger("S", "neg", 99), -3);
  EXPECT_EQ(ini.ReadInteger("S", "plus", 99), 4);
  EXPECT_EQ(ini.ReadInteger("S", "max", 99), 2147483647);
  for (const char* bad : {"comma", "word", "empty", "mix", "hex", "over", "under", "sign", "missing"}) {
    EXPECT_EQ(ini.ReadInteger("S", bad, 99), 99) << bad;
  }
  EXPECT_EQ(ini.ReadString("S", "comma", ""), "1,5");
}

TEST_F(IniFileTest, Latin1FileIsReadAndWrittenBackInLatin1) {
  Write("; Hintergrund gr\xFCn\r\n[Einstellungen]\r\nFarbe=gr\xFCn\r\n");
  IniFile ini(path);
  EXPECT_EQ(ini.ReadString("Einstellungen", "Farbe", ""), QString::fromUtf8("grün"));
  ini.WriteInteger("Einstellungen", "Fenster", 1);
  ASSERT_TRUE(ini.UpdateFile());
  EXPECT_EQ(Read(), "; Hintergrund gr\xFCn\r\n[Einstellungen]\r\nFarbe=gr\xFCn\r\nFenster=1\r\n");
}

TEST_F(IniFileTest, Utf8WithBomIsRead) {
  Write("\xEF\xBB\xBF[Einstellungen]\nFarbe=gr\xC3\xBCn\n");
  IniFile ini(path);
  EXPECT_EQ(ini.ReadString("Einstellungen", "Farbe", ""), QString::fromUtf8("grün"));
}

// A Latin-1 file starting with two marks: the writer keeps the first one, so what the first
// line reads as stays the same and a saved value is read back.
TEST_F(IniFileTest, MarkOfALatin1FileIsKept) {
  const QByteArray zwei_marken = "\xEF\xBB\xBF\xEF\xBB\xBF[Einstellungen]\nFenster=0\n; gr\xFCn\n";
  Write(zwei_marken);
  {
    IniFile ini(path);
    ini.WriteInteger("Einstellungen", "Fenster", 1);
    ASSERT_TRUE(ini.UpdateFile());
  }
  EXPECT_EQ(IniFile(path).ReadInteger("Einstellungen", "Fenster", -1), 1);
  EXPECT_TRUE(Read().startsWith(zwei_marken));
}

// Latin-1 that would read as UTF-8 once the only other byte is written over: every value
// must still read back as before.
TEST_F(IniFileTest, Latin1ThatWouldReadAsUtf8KeepsItsValues) {
  Write("[Einstellungen]\nName=\xC3\xBC\nFenster=\xFC\n");
  IniFile ini(path);
  const QString name = ini.ReadString("Einstellungen", "Name", "");
  ini.WriteInteger("Einstellungen", "Fenster", 1);
  ASSERT_TRUE(ini.UpdateFile());
  EXPECT_EQ(IniFile(path).ReadString("Einstellungen", "Name", ""), name);
}

// A file beyond 1 MiB is neither read nor written over.
TEST_F(IniFileTest, HugeFileIsNotRead) {
  const QByteArray gross = "[Einstellungen]\nFenster=1\n" + QByteArray(1024 * 1024, ';');
  Write(gross);
  IniFile ini(path);
  EXPECT_EQ(ini.ReadInteger("Einstellungen", "Fenster", 0), 0);
  ini.WriteInteger("Einstellungen", "Fenster", 2);
  EXPECT_FALSE(ini.UpdateFile());
  EXPECT_EQ(Read(), gross);
}

TEST_F(IniFileTest, UnwritablePathReportsFalse) {
  IniFile in_missing_dir(dir.filePath("fehlt/velumat.ini"));
  in_missing_dir.WriteInteger("Einstellungen", "Fenster", 1);
  EXPECT_FALSE(in_missing_dir.UpdateFile());
  IniFile a_directory(dir.path());
  a_directory.WriteInteger("Einstellungen", "Fenster", 1);
  EXPECT_FALSE(a_directory.Exists());
  EXPECT_FALSE(a_directory.UpdateFile());
}

}  // namespace
}  // namespace platform
