#include "help/help_sections.h"

#include <gtest/gtest.h>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSet>
#include <QTemporaryDir>
#include <QTextCursor>
#include <QTextDocument>

#include "ueberschriften.h"

namespace {

using namespace help;

QSet<QString> Alle_Schluessel() {
  QSet<QString> keys;
  for (const auto& t : kThemen)
    if (!t.key.isEmpty()) keys.insert(t.key.toString());
  for (const auto& r : kModusregeln) keys.insert(r.key.toString());
  return keys;
}

QString Klartext(const QTextDocumentFragment& f) { return f.toPlainText(); }

std::optional<QString> Abschnitt_aus(const QByteArray& rtf, QStringView key) {
  QTextDocument doc;
  EXPECT_TRUE(Lies_RTF(rtf, doc).ok);
  const auto f = Finde_Abschnitt(doc, key);
  if (!f) return std::nullopt;
  return Klartext(*f);
}

TEST(HelpFile, EveryKeyOfBothTablesFindsItsOwnSection) {
  const QSet<QString> keys = Alle_Schluessel();
  ASSERT_EQ(keys.size(), 23);
  for (const QString& key : keys) {
    SCOPED_TRACE(key.toStdString());
    const Abschnitt a = Lade_Abschnitt(VELUMAT_HILFEDATEI, key);
    ASSERT_TRUE(a.datei.ok) << a.datei.error.toStdString();
    ASSERT_TRUE(a.text.has_value());
    const QString text = Klartext(*a.text);
    ASSERT_TRUE(Ueberschriften().contains(key));
    EXPECT_EQ(text.section('\n', 0, 0), Ueberschriften()[key]);
    EXPECT_GT(text.size(), 300);
    // No marker of another section inside: the file is ordered so that each key comes first.
    EXPECT_FALSE(text.contains('\\'));
    for (const QString& anderer : keys) EXPECT_FALSE(text.contains(anderer)) << anderer.toStdString();
  }
}

// The help uses the sign the drawings and sheets show: phi of the supply voltage against the
// current, positive when the voltage lags (R-C: "Phi= 72.559 Grad"), negative when it leads.
TEST(HelpFile, WorkedAnglesHaveTheSignOfTheDrawings) {
  const struct {
    const char16_t* key;
    const char16_t* steht;
    const char16_t* nicht;
  } faelle[] = {{u"_Kondensator", u"φ = +90°", u"φ = −90°"},
                {u"_Spule", u"φ = −90°", u"φ = +90°"},
                {u"Widerstand_Kondensator", u"= 72,56°", u"−72,56°"},
                {u"Widerstand_Spule", u"= −57,52°", u"= 57,52°"},
                {u"Kondensator_Spule", u"kapazitiv, φ = +90°", u"kapazitiv, φ = −90°"},
                {u"Widerstand_Kondensator_Spule", u"= 84,07°", u"−84,07°"},
                {u"Widerstand_Spule_parallel", u"= −32,48°", u"= 32,48°"},
                {u"Widerstand_Kondensator_Spule_parallel", u"= −83,51°", u"= 83,51°"}};
  for (const auto& f : faelle) {
    const Abschnitt a = Lade_Abschnitt(VELUMAT_HILFEDATEI, QString::fromUtf16(f.key));
    ASSERT_TRUE(a.text.has_value());
    const QString text = Klartext(*a.text);
    EXPECT_TRUE(text.contains(QString::fromUtf16(f.steht))) << text.toStdString();
    EXPECT_FALSE(text.contains(QString::fromUtf16(f.nicht))) << text.toStdString();
  }
}

TEST(HelpFile, SectionsKeepTheirFormatting) {
  const Abschnitt a = Lade_Abschnitt(VELUMAT_HILFEDATEI, u"_Kondensator");
  ASSERT_TRUE(a.text);
  QTextDocument doc;
  QTextCursor(&doc).insertFragment(*a.text);
  QTextCursor c(&doc);
  c.setPosition(1);
  EXPECT_TRUE(c.charFormat().font().bold());
  EXPECT_TRUE(doc.toPlainText().contains(QStringLiteral("318,31 Ω")));
}

TEST(HelpSections, MarkerRules) {
  const QByteArray richtig =
      "{\\rtf1 Widerstand_Kondensator\\par RC-Text\\par\\\\Widerstand_Kondensator\\par "
      "Widerstand_Kondensator_Spule\\par RCL-Text\\par\\\\Widerstand_Kondensator_Spule\\par}";
  EXPECT_EQ(Abschnitt_aus(richtig, u"Widerstand_Kondensator"), "RC-Text\n");
  EXPECT_EQ(Abschnitt_aus(richtig, u"Widerstand_Kondensator_Spule"), "RCL-Text\n");

  // The longer key first: the shorter one finds the longer one's start line and runs to the
  // first end marker that begins with its own.
  const QByteArray falsch =
      "{\\rtf1 Widerstand_Kondensator_Spule\\par RCL-Text\\par\\\\Widerstand_Kondensator_Spule\\par "
      "Widerstand_Kondensator\\par RC-Text\\par\\\\Widerstand_Kondensator\\par}";
  EXPECT_EQ(Abschnitt_aus(falsch, u"Widerstand_Kondensator"), "_Spule\nRCL-Text\n");

  // A start marker ended by \line counts as well.
  EXPECT_EQ(Abschnitt_aus("{\\rtf1 K\\line x\\\\K}", u"K"), "x");
  // Either marker missing, an end marker only before the start, or no key: no section.
  EXPECT_EQ(Abschnitt_aus("{\\rtf1 K\\par x\\par}", u"K"), std::nullopt);
  EXPECT_EQ(Abschnitt_aus("{\\rtf1 x\\par\\\\K}", u"K"), std::nullopt);
  EXPECT_EQ(Abschnitt_aus("{\\rtf1 \\\\K\\par K\\par x}", u"K"), std::nullopt);
  EXPECT_EQ(Abschnitt_aus("{\\rtf1 K\\par x\\\\k}", u"K"), std::nullopt);
  EXPECT_EQ(Abschnitt_aus("{\\rtf1 x}", u""), std::nullopt);
  // An empty section is found and empty.
  EXPECT_EQ(Abschnitt_aus("{\\rtf1 K\\par\\\\K}", u"K"), "");
}

TEST(HelpSections, BoldAndColourSurviveTheExtraction) {
  QTextDocument doc;
  ASSERT_TRUE(
      Lies_RTF("{\\rtf1{\\colortbl;\\red255\\green0\\blue0;}Vorher\\par K\\par {\\b\\cf1 rot}x\\par\\\\K\\par}", doc)
          .ok);
  const auto f = Finde_Abschnitt(doc, u"K");
  ASSERT_TRUE(f);
  QTextDocument abschnitt;
  QTextCursor(&abschnitt).insertFragment(*f);
  ASSERT_EQ(abschnitt.toPlainText(), "rotx\n");
  QTextCursor c(&abschnitt);
  c.setPosition(1);
  EXPECT_TRUE(c.charFormat().font().bold());
  EXPECT_EQ(c.charFormat().foreground().color(), QColor(255, 0, 0));
  c.setPosition(4);
  EXPECT_FALSE(c.charFormat().font().bold());
}

TEST(HelpSections, FileLookupOrderAndErrors) {
  QTemporaryDir leer, erster, zweiter;
  for (const QTemporaryDir* d : {&erster, &zweiter}) {
    QFile f(QDir(d->path()).filePath("velumathlp.rtf"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  }
  EXPECT_EQ(Finde_Hilfedatei({leer.path(), erster.path(), zweiter.path()}),
            QDir(erster.path()).filePath("velumathlp.rtf"));
  EXPECT_EQ(Finde_Hilfedatei({leer.path()}), std::nullopt);

  const QStringList ordner = Suchordner_Hilfedatei();
  ASSERT_GE(ordner.size(), 3);
  EXPECT_EQ(ordner[0], QDir::currentPath());
  const QString programmordner = QCoreApplication::applicationDirPath();
  EXPECT_EQ(ordner.indexOf(programmordner), programmordner == QDir::currentPath() ? 0 : 1);
  EXPECT_EQ(ordner.last(), "/usr/share/velumat");

  const Abschnitt fehlt = Lade_Abschnitt(QDir(leer.path()).filePath("velumathlp.rtf"), u"_Widerstand");
  EXPECT_FALSE(fehlt.datei.ok);
  EXPECT_FALSE(fehlt.datei.error.isEmpty());
  EXPECT_FALSE(fehlt.text);
  // An empty file is no rich text.
  const Abschnitt kaputt = Lade_Abschnitt(QDir(erster.path()).filePath("velumathlp.rtf"), u"_Widerstand");
  EXPECT_FALSE(kaputt.datei.ok);
  EXPECT_FALSE(kaputt.text);
}

TEST(HelpSections, TopicTree) {
  for (int gruppe : {3, 8, 13, 16}) {
    EXPECT_TRUE(kThemen[gruppe].key.isEmpty());
    EXPECT_EQ(Schluessel_fuer_Eintrag(gruppe), std::nullopt);
  }
  EXPECT_EQ(Schluessel_fuer_Eintrag(-1), std::nullopt);
  EXPECT_EQ(Schluessel_fuer_Eintrag(27), std::nullopt);
  EXPECT_EQ(Schluessel_fuer_Eintrag(11), u"Kondensator__Spule_parallel");
  EXPECT_EQ(Schluessel_fuer_Eintrag(26), u"Hoch_Tielpass");
  EXPECT_EQ(kThemen[18].text, u"Widestand und Spule");
  // Children follow their group node.
  for (int i = 0; i < kThemenanzahl; ++i)
    if (kThemen[i].eltern >= 0) {
      EXPECT_LT(kThemen[i].eltern, i);
      EXPECT_TRUE(kThemen[kThemen[i].eltern].key.isEmpty());
    }
}

TEST(HelpSections, SectionForTheDisplayMode) {
  using M = TZeichenmodus;
  const auto modus = [](std::initializer_list<bool M::*> gesetzt) {
    M m;
    for (bool M::*flag : gesetzt) m.*flag = true;
    return Abschnitt_fuer_Modus(m);
  };
  // Modes outside the table choose nothing, nor do the flags that survive Prepare on their own.
  EXPECT_EQ(modus({}), std::nullopt);
  EXPECT_EQ(modus({&M::Zeigerdiagramm}), std::nullopt);
  EXPECT_EQ(modus({&M::LC_Schwingkreis}), std::nullopt);
  EXPECT_EQ(modus({&M::Blatt_RC_Reihe}), std::nullopt);
  EXPECT_EQ(modus({&M::Blatt_RL_Reihe}), std::nullopt);
  EXPECT_EQ(modus({&M::E_Feld, &M::B_Feld, &M::EB_Feld, &M::EB_gekreuzt, &M::nur_Bild}), std::nullopt);
  EXPECT_EQ(modus({&M::Konstante_Achse_RC, &M::Konstante_Achse_RL, &M::Rechteck, &M::Zweiweg_Gleichrichtung}),
            std::nullopt);
  EXPECT_EQ(modus({&M::AM_Rechteck}), std::nullopt);

  EXPECT_EQ(modus({&M::Zeigerdiagramm, &M::nur_Kondensator}), u"_Kondensator");
  EXPECT_EQ(modus({&M::Fourier2}), u"_Fouriersynthese");
  EXPECT_EQ(modus({&M::Fourier1, &M::Dreieck}), u"_Fouriersynthese");
  EXPECT_EQ(modus({&M::Blatt_Hoch_Tiefpass}), u"Hoch_Tielpass");
  EXPECT_EQ(modus({&M::Wobbel_Hoch_Tiefpass}), u"Hoch_Tielpass");
  EXPECT_EQ(modus({&M::Experiment_CL_parallel}), u"Kondensator__Spule_parallel");
  EXPECT_EQ(modus({&M::Blatt_Kapazitaet}), u"_Kondensator");
  EXPECT_EQ(modus({&M::Schaltvorgang_RL, &M::Konstante_Achse_RL}), u"_Ein_Aus_RL");
  EXPECT_EQ(modus({&M::Frequenzmodulation, &M::FM_Treppe}), u"_Frequenzmodulation");
  // Several matches: the last rule wins.
  EXPECT_EQ(modus({&M::Blatt_CL_Reihe, &M::nur_Widerstand}), u"Kondensator_Spule");
  EXPECT_EQ(modus({&M::Serienschwingkreis, &M::Tabelle_Sperrkreis}), u"Widerstand_Kondensator_Spule_parallel");

  // Every rule chooses its section on its own flags, and the tree entry it names shows the same one.
  for (const Modusregel& r : kModusregeln) {
    SCOPED_TRACE(r.herkunft.toString().toStdString());
    EXPECT_EQ(kThemen[r.eintrag].key, r.key);
    for (bool M::*flag : r.flags) {
      if (flag != nullptr) {
        EXPECT_EQ(modus({flag}), r.key);
      }
    }
  }
}

}  // namespace
