#include "help/rtf_reader.h"

#include <gtest/gtest.h>
#include <QFile>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <random>

namespace {

using help::Lies_RTF;

QString Text(const QByteArray& rtf, bool* ok = nullptr) {
  QTextDocument doc;
  const auto r = Lies_RTF(rtf, doc);
  if (ok) *ok = r.ok;
  return doc.toPlainText();
}

// Character format of the character at position pos (the one after the cursor).
QTextCharFormat FormatBei(QTextDocument& doc, int pos) {
  QTextCursor c(&doc);
  c.setPosition(pos + 1);
  return c.charFormat();
}

TEST(RtfReader, NestedGroupsRestoreTheOuterFormat) {
  QTextDocument doc;
  ASSERT_TRUE(Lies_RTF(R"({\rtf1 a{\b b{\i c}d}e{\ul f\ul0 g}})", doc).ok);
  ASSERT_EQ(doc.toPlainText(), "abcdefg");
  EXPECT_FALSE(FormatBei(doc, 0).font().bold());
  EXPECT_TRUE(FormatBei(doc, 1).font().bold());
  EXPECT_TRUE(FormatBei(doc, 2).font().bold());
  EXPECT_TRUE(FormatBei(doc, 2).font().italic());
  EXPECT_TRUE(FormatBei(doc, 3).font().bold());
  EXPECT_FALSE(FormatBei(doc, 3).font().italic());
  EXPECT_FALSE(FormatBei(doc, 4).font().bold());
  EXPECT_TRUE(FormatBei(doc, 5).font().underline());
  EXPECT_FALSE(FormatBei(doc, 6).font().underline());
}

TEST(RtfReader, CharactersFromCodePageAndUnicode) {
  EXPECT_EQ(Text(R"({\rtf1\ansi\ansicpg1252 \'e4\u228?})"), QStringLiteral("ää"));
  EXPECT_EQ(Text(R"({\rtf1 \'80\'96\'D6})"), QStringLiteral("€–Ö"));
  // Fallback units: a text character, a \'hh and a control word each count as one.
  EXPECT_EQ(Text(R"({\rtf1\uc2\u8364\'80\'80x})"), QStringLiteral("€x"));
  EXPECT_EQ(Text(R"({\rtf1\uc2\u8364\'80\tab x})"), QStringLiteral("€x"));
  EXPECT_EQ(Text(R"({\rtf1\uc0\u946 x})"), QStringLiteral("βx"));
  // The fallback ends with the group; the \uc of a group does not leak out of it.
  EXPECT_EQ(Text(R"({\rtf1{\u228}b})"), QStringLiteral("äb"));
  EXPECT_EQ(Text(R"({\rtf1{\uc0 x}\u228?y})"), QStringLiteral("xäy"));
  // Negative values and surrogate pairs.
  EXPECT_EQ(Text(R"({\rtf1\u-10179?\u-8704?})"), QStringLiteral("😀"));
  QTextDocument doc;
  Lies_RTF(R"({\rtf1 \\\{\}\~\emdash})", doc);
  EXPECT_EQ(doc.toRawText(), QStringLiteral("\\{}\u00A0—"));
}

TEST(RtfReader, DestinationsAndUnknownWordsLeaveNoText) {
  EXPECT_EQ(Text(R"({\rtf1 a{\*\foo text}b})"), "ab");
  EXPECT_EQ(Text(R"({\rtf1{\fonttbl{\f0\fswiss Arial;}{\f1 Times;}}{\colortbl;\red255\green0\blue0;}x})"), "x");
  EXPECT_EQ(Text(R"({\rtf1 a{\pict\pngblip\picw10 89504e470d0a}b{\info{\title Titel}{\author A}}c})"), "abc");
  EXPECT_EQ(Text(R"({\rtf1 a{\*\shppict{\pict 00}}{\nonshppict{\pict 00}}b})"), "ab");
  EXPECT_EQ(Text(R"({\rtf1 a{\stylesheet{\s0 Normal;}}\zzz\qwerty12 b})"), "ab");
  // Raw binary data may hold braces.
  EXPECT_EQ(Text("{\\rtf1 a{\\pict\\bin3 }}}}b}"), "ab");
  // A field shows its result, not its instruction.
  EXPECT_EQ(Text(R"({\rtf1{\field{\*\fldinst HYPERLINK "x"}{\fldrslt Link}}})"), "Link");
}

TEST(RtfReader, ParagraphsLinesAndTabs) {
  QTextDocument doc;
  ASSERT_TRUE(Lies_RTF("{\\rtf1 a\\par b\\line c\\tab d\r\n\\\r\ne}", doc).ok);
  EXPECT_EQ(doc.blockCount(), 3);
  EXPECT_EQ(doc.toRawText(), QStringLiteral("a\u2029b\u2028c\td\u2029e"));
}

TEST(RtfReader, FontsSizesColoursAndAlignment) {
  QTextDocument doc;
  ASSERT_TRUE(Lies_RTF(R"({\rtf1\deff0{\fonttbl{\f0\fswiss Arial;}{\f1\fmodern{\*\panose 02}Courier New;}})"
                       R"({\colortbl;\red0\green0\blue255;\red255\green0\blue0;})"
                       R"(\qc\f1\fs40\cf1 x\plain y\par\pard {\cf2\super 2}{\sub 3}\par})",
                       doc)
                  .ok);
  const QTextCharFormat x = FormatBei(doc, 0);
  EXPECT_EQ(x.fontFamilies().toStringList(), QStringList{"Courier New"});
  EXPECT_DOUBLE_EQ(x.fontPointSize(), 20.0);
  EXPECT_EQ(x.foreground().color(), QColor(0, 0, 255));
  const QTextCharFormat y = FormatBei(doc, 1);
  EXPECT_EQ(y.fontFamilies().toStringList(), QStringList{"Arial"});
  EXPECT_DOUBLE_EQ(y.fontPointSize(), 12.0);
  EXPECT_FALSE(y.hasProperty(QTextFormat::ForegroundBrush));
  const QTextCharFormat hoch = FormatBei(doc, 3);
  EXPECT_EQ(hoch.verticalAlignment(), QTextCharFormat::AlignSuperScript);
  EXPECT_EQ(hoch.foreground().color(), QColor(255, 0, 0));
  EXPECT_EQ(FormatBei(doc, 4).verticalAlignment(), QTextCharFormat::AlignSubScript);
  EXPECT_EQ(doc.begin().blockFormat().alignment(), Qt::AlignHCenter);
  EXPECT_EQ(doc.begin().next().blockFormat().alignment(), Qt::AlignLeft);
}

// Sizes below 1 pt are raised to it: Qt would warn "Point size <= 0" for every run.
TEST(RtfReader, FontSizeBelowOnePointIsClamped) {
  QTextDocument doc;
  ASSERT_TRUE(Lies_RTF(R"({\rtf1\fs1 a\fs0 b})", doc).ok);
  EXPECT_DOUBLE_EQ(FormatBei(doc, 0).fontPointSize(), 1.0);
  EXPECT_DOUBLE_EQ(FormatBei(doc, 1).fontPointSize(), 12.0);
}

TEST(RtfReader, MalformedInputGivesAnErrorAndKeepsWhatWasRead) {
  bool ok = true;
  EXPECT_EQ(Text("Hallo", &ok), "");
  EXPECT_FALSE(ok);
  EXPECT_EQ(Text("", &ok), "");
  EXPECT_FALSE(ok);
  EXPECT_EQ(Text(R"({\rtf1 abc{\b de)", &ok), "abcde");
  EXPECT_FALSE(ok);
  EXPECT_EQ(Text("{\\rtf1 a\\'4", &ok), "a");
  EXPECT_FALSE(ok);
  EXPECT_EQ(Text("{\\rtf1 a\\'zzb}", &ok), "azzb");
  EXPECT_TRUE(ok);
  EXPECT_EQ(Text("{\\rtf1 a\\", &ok), "a");
  EXPECT_FALSE(ok);
  EXPECT_EQ(Text("{\\rtf1 a\\u99999999999999999999?b\\fs-2147483648 c\\bin99999999}", &ok), "abc");
  // Whatever follows the outermost group is ignored.
  EXPECT_EQ(Text("{\\rtf1 a}}}b{c", &ok), "a");
  EXPECT_TRUE(ok);
  EXPECT_EQ(Text("{\\rtf1 " + QByteArray(10000, '{') + "x" + QByteArray(10000, '}') + "}", &ok), "");
  EXPECT_FALSE(ok);
}

TEST(RtfReader, MissingFileIsAnError) {
  QTextDocument doc;
  const auto r = help::Lies_RTF_Datei("/nonexistent/velumathlp.rtf", doc);
  EXPECT_FALSE(r.ok);
  EXPECT_TRUE(r.error.contains("velumathlp.rtf"));
}

// Thousands of damaged copies of the help file: the reader may report an error or return part
// of the text, but it never crashes or hangs.
TEST(RtfReader, DamagedCopiesOfTheHelpFileNeverCrash) {
  QFile datei(VELUMAT_HILFEDATEI);
  ASSERT_TRUE(datei.open(QIODevice::ReadOnly));
  const QByteArray original = datei.readAll();
  QTextDocument doc;
  ASSERT_TRUE(Lies_RTF(original, doc).ok);
  const QString voll = doc.toPlainText();

  std::mt19937 zufall(20240611);
  const auto bis = [&](qsizetype n) {
    return static_cast<qsizetype>(std::uniform_int_distribution<long long>(0, n - 1)(zufall));
  };
  static constexpr char kStoerzeichen[] = {'{', '}', '\\', '\'', ';', '0', 'u', '-', '\0', '\xE4'};
  int abgeschnitten_mit_fehler = 0;
  for (int runde = 0; runde < 2000; ++runde) {
    QByteArray kopie = original;
    switch (runde % 4) {
      case 0:  // single bytes overwritten
        for (int k = 0, n = 1 + static_cast<int>(bis(8)); k < n; ++k)
          kopie[bis(kopie.size())] = static_cast<char>(bis(256));
        break;
      case 1: {  // cut off
        kopie.truncate(bis(kopie.size()));
        const bool ok = Lies_RTF(kopie, doc).ok;
        if (!ok) ++abgeschnitten_mit_fehler;
        const QString teil = doc.toPlainText();
        ASSERT_TRUE(voll.startsWith(teil.chopped(std::min<qsizetype>(1, teil.size())))) << "cut at " << kopie.size();
        continue;
      }
      case 2:  // braces, backslashes and other syntax inserted
        for (int k = 0, n = 1 + static_cast<int>(bis(6)); k < n; ++k)
          kopie.insert(bis(kopie.size()), kStoerzeichen[bis(sizeof kStoerzeichen)]);
        break;
      case 3:  // a range removed
        kopie.remove(bis(kopie.size()), 1 + bis(200));
        break;
    }
    Lies_RTF(kopie, doc);
  }
  EXPECT_GT(abgeschnitten_mit_fehler, 450);
}

}  // namespace
