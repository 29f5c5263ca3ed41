#include <QDir>
#include <QRegularExpression>
#include <cmath>

#include "common/tolerance.h"

#include "platform/canvas.h"
#include "platform/recorder.h"
#include "tabellen_fixture.h"
#include "tables/tabelle_speichern.h"
#include "tables/tabelle_zeichnen.h"
#include "toolkit/number_text.h"

using namespace tables;
using Kind = platform::MessageBoxesDouble::Kind;

namespace {

using Tabellenwerte = TabellenTest;

TEST_F(Tabellenwerte, ReactanceFilesHoldTheHeaderAndSixteenFrequencies) {
  const QStringList c = Dateizeilen_Reaktanz(Kapazitaet_Bereich(6), false);
  ASSERT_EQ(c.size(), 17);
  EXPECT_EQ(c[0], "Frequenz\t1 uF\t1.5 uF\t2.2 uF\t3.3 uF\t4.7 uF\t6.8 uF\t10 uF\t");
  EXPECT_EQ(c[1], "1 Hz\t159154,943\t106103,295\t72343,156\t48228,771\t33862,754\t23405,139\t15915,494\t");
  EXPECT_TRUE(c[16].startsWith("100000 Hz\t1,592\t"));
  const QStringList l = Dateizeilen_Reaktanz(Induktivitaet_Bereich(5), true);
  ASSERT_EQ(l.size(), 17);
  EXPECT_EQ(l[0], "Frequenz\t100 uH\t150 uH\t220 uH\t330 uH\t470 uH\t680 uH\t1000 uH\t");
  EXPECT_EQ(l[16], "100000 Hz\t62,832\t94,248\t138,230\t207,345\t295,310\t427,257\t628,319\t");
}

TEST_F(Tabellenwerte, EveryDecadeHasExactHeadersInItsUnit) {
  const QRegularExpression kurz("^\\d{1,4}(\\.\\d)? [pnum][FH]$");
  for (int i = 0; i < 12 + 9; ++i) {
    const Dekade d = i < 12 ? Kapazitaet_Bereich(i) : Induktivitaet_Bereich(i - 12);
    EXPECT_TRUE(RelNear(d.X0, std::pow(10.0L, i < 12 ? i - 12 : i - 12 - 9), 1e-11L)) << i;
    for (int j = 0; j < 7; ++j)
      EXPECT_TRUE(kurz.match(Spaltenkopf(d, j)).hasMatch()) << Spaltenkopf(d, j).toStdString();
  }
  EXPECT_EQ(Spaltenkopf(Kapazitaet_Bereich(11), 0), "100 mF");
  EXPECT_EQ(Spaltenkopf(Kapazitaet_Bereich(11), 6), "1000 mF");
  EXPECT_EQ(Spaltenkopf(Induktivitaet_Bereich(0), 2), "2.2 nH");
}

// R 1 Ohm, C 1 uF, L 1 mH: fr = 5032.921 Hz, rows from 0.2 fr to 1.8 fr, fr in the middle.
TEST_F(Tabellenwerte, ResonantCircuitTablesMeetAtResonance) {
  Oeffnungswerte();
  EXPECT_EQ(Formatiere_Wert(Schaltung.fr), "5032.921");
  for (const Filter filter : {Filter::Siebkette, Filter::Sperrkreis}) {
    const Frequenztabelle t = Frequenztabelle_aus_Schaltung(filter);
    EXPECT_EQ(Formatiere_Wert(t[0][0]), "1006.584");
    EXPECT_EQ(Formatiere_Wert(t[20][0]), "9059.258");
    const Frequenzzeile& mitte = t[10];
    EXPECT_TRUE(Ist_Resonanzzeile(mitte[0], Schaltung.fr));
    EXPECT_EQ(Formatiere_Wert(mitte[2]), Formatiere_Wert(mitte[4]));  // Uc = UL, Ic = IL
    EXPECT_EQ(Formatiere_Wert(mitte[6]), "1.00000");                  // Z = R
    const QStringList datei = Dateizeilen_Frequenz(filter);
    ASSERT_EQ(datei.size(), 22);
    EXPECT_EQ(datei[0], filter == Filter::Siebkette
                            ? "Frequenz (Hz)\tXc (V/A)\tUc (V)\tXL (V/A)\tUl (V)\tIeff (A)\tZ (V/A)"
                            : "Frequenz (Hz)\tXc (V/A)\tIc (A)\tXL (V/A)\tIL (A)\tIeff (A)\tZ (V/A)");
    EXPECT_TRUE(datei[11].startsWith("5032,921\t")) << datei[11].toStdString();
    EXPECT_EQ(datei[11].count('\t'), 6);
  }
  // In series the current peaks at U / R, in parallel it is least there.
  EXPECT_EQ(Formatiere_Wert(Frequenztabelle_aus_Schaltung(Filter::Siebkette)[10][5]), "10");
  EXPECT_EQ(Formatiere_Wert(Frequenztabelle_aus_Schaltung(Filter::Sperrkreis)[10][5]), "10");
}

TEST_F(Tabellenwerte, PassTablesTakeTheOutputFromTheirComponent) {
  Schaltung.Ug = 10;
  Schaltung.R = 1;
  Schaltung.C = 1e-6L;
  const Frequenztabelle hp = Frequenztabelle_aus_Schaltung(Filter::Hochpass);
  const Frequenztabelle tp = Frequenztabelle_aus_Schaltung(Filter::Tiefpass);
  EXPECT_TRUE(RelNear(hp[0][0], 0.02L * 159533.301L, 1e-8L));
  EXPECT_TRUE(RelNear(hp[20][0], 2 * 159533.301L, 1e-8L));
  EXPECT_TRUE(RelNear(tp[0][0], 0.02L * 158777.482L, 1e-8L));
  EXPECT_TRUE(RelNear(tp[20][0], 2 * 613292.622L, 1e-8L));
  for (int i = 0; i < kFrequenzzeilen; ++i) {
    EXPECT_EQ(hp[i][6], hp[i][3]);                                                // Uout = Ur
    EXPECT_EQ(tp[i][6], tp[i][2]);                                                // Uout = Uc
    EXPECT_TRUE(RelNear(hp[i][2] * hp[i][2] + hp[i][3] * hp[i][3], 100, 1e-9L));  // Uc² + Ur² = U²
  }
  const QStringList datei = Dateizeilen_Frequenz(Filter::Tiefpass);
  ASSERT_EQ(datei.size(), 22);
  EXPECT_EQ(datei[0], "Frequenz\tXc (V/A)\tUc (V)\tUr (V)\tIeff (A)\tZ (V/A)\tUout (V)");
}

// ---- Sheets ----

platform::Recorder Zeichne(void (*blatt)(Canvas&)) {
  QImage bild = platform::make_image(782, 530);
  Canvas canvas(&bild);
  platform::Recorder rec;
  canvas.SetRecorder(&rec);
  blatt(canvas);
  return rec;
}

TEST_F(Tabellenwerte, SheetsShowTheRowsOfTheFile) {
  Oeffnungswerte();
  Kapazitaetsdekade = Kapazitaet_Bereich(6);
  for (const auto& t : Tabellenblaetter) {
    const platform::Recorder rec = Zeichne(t.zeichne);
    ASSERT_FALSE(rec.ops("Rectangle").empty());
    EXPECT_EQ(rec.ops("Rectangle")[0].brushColor, Farben.Rahmengrau);  // on white text
    EXPECT_EQ(rec.texts()[0].args, (QList<int>{5, 5}));
    EXPECT_EQ(rec.texts()[0].fontColor, Farben.Impedanz);
  }
  // the capacitance sheet: padded frequencies, the file's values with a point
  platform::Recorder rec = Zeichne(Zeichne_Tabelle_Kapazitaet);
  ASSERT_NE(rec.findText("       1 Hz"), nullptr) << rec.allText().toStdString();
  ASSERT_NE(rec.findText("159154.943"), nullptr);
  EXPECT_FALSE(rec.findText("159154.943")->fontBold);
  EXPECT_EQ(rec.findText("159154.943")->args, (QList<int>{105, rec.findText("       1 Hz")->args[1]}));
  // the filter chain: one bold row, the one at fr
  rec = Zeichne(Zeichne_Tabelle_Siebkette);
  const int kopf_y = rec.findText("Frequenz")->args[1];
  QStringList zeilen, fett;
  for (const auto& op : rec.texts()) {
    if (op.args[0] != 5 || op.args[1] <= kopf_y) continue;
    zeilen << op.text;
    if (op.fontBold) fett << op.text;
  }
  EXPECT_EQ(zeilen.size(), 21);
  EXPECT_EQ(fett, QStringList{"5032.921"});
  EXPECT_NE(rec.findTextContaining("Ueff = 10V"), nullptr);
  EXPECT_NE(rec.findText("geg: R = 1.00000 Ohm    C = 1 uF    L = 1 mH"), nullptr) << rec.allText().toStdString();
  rec = Zeichne(Zeichne_Tabelle_Sperrkreis);
  EXPECT_NE(rec.findText("Ic (A)"), nullptr);
  EXPECT_NE(rec.findText("IL (A)"), nullptr);
  rec = Zeichne(Zeichne_Tabelle_Hochpass);
  EXPECT_NE(rec.findText("Ur (V)"), nullptr);
}

// ---- Saving ----

TEST_F(Tabellenwerte, SavingWritesCrLfLinesAndConfirmsAfterwards) {
  const QString pfad = ordner.filePath("kond");
  dienste.file_dialogs.answer = pfad;
  Speichere_Tabelle(Dateizeilen_Reaktanz(Kapazitaet_Bereich(6), false));
  ASSERT_EQ(dienste.file_dialogs.calls.size(), 1u);
  EXPECT_EQ(dienste.file_dialogs.calls[0].title, "Blindwiderstandstabelle speichern unter...");
  EXPECT_EQ(dienste.file_dialogs.calls[0].filter,
            "Excel-Tabelle (*.xls);;Word-Dokument (*.doc);;ASCII (*.txt);;Allre Dateien (*.*)");
  // the default extension
  const QByteArray inhalt = Inhalt(pfad + ".xls");
  EXPECT_EQ(inhalt.count("\r\n"), 17);
  EXPECT_EQ(inhalt.count('\n'), 17);
  EXPECT_TRUE(inhalt.endsWith("\t\r\n"));
  EXPECT_TRUE(inhalt.startsWith("Frequenz\t1 uF\t"));
  ASSERT_EQ(dienste.message_boxes.calls.size(), 1u);
  EXPECT_EQ(dienste.message_boxes.calls[0].kind, Kind::Information);
  EXPECT_EQ(dienste.message_boxes.calls[0].text, "Die Tabelle wurde unter " + pfad + ".xls gespeichert !");
}

TEST_F(Tabellenwerte, FailedOrCancelledSavingLeavesNothingBehind) {
  const QStringList zeilen = Dateizeilen_Reaktanz(Kapazitaet_Bereich(6), false);
  // cancelled: nothing written, nothing said
  Speichere_Tabelle(zeilen);
  EXPECT_TRUE(QDir(ordner.path()).isEmpty());
  EXPECT_TRUE(dienste.message_boxes.calls.empty());
  // a folder that is not there: one message naming the file, no file
  const QString fehlt = ordner.filePath("fehlt/tabelle.xls");
  dienste.file_dialogs.answer = fehlt;
  Speichere_Tabelle(zeilen);
  ASSERT_EQ(dienste.message_boxes.calls.size(), 1u);
  EXPECT_EQ(dienste.message_boxes.calls[0].kind, Kind::Error);
  EXPECT_TRUE(dienste.message_boxes.calls[0].text.contains(fehlt));
  EXPECT_FALSE(dienste.message_boxes.calls[0].text.contains("gespeichert !"));
  EXPECT_TRUE(QDir(ordner.path()).isEmpty());
  // an existing file whose temporary neighbour cannot be made (its name would be too long)
  // stays as it was
  const QString alt = ordner.filePath(QString(250, 'x') + ".xls");
  {
    QFile f(alt);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("alt");
  }
  dienste.message_boxes.calls.clear();
  dienste.file_dialogs.answer = alt;
  Speichere_Tabelle(zeilen);
  ASSERT_EQ(dienste.message_boxes.calls.size(), 1u);
  EXPECT_EQ(dienste.message_boxes.calls[0].kind, Kind::Error);
  EXPECT_EQ(Inhalt(alt), "alt");
  EXPECT_EQ(QDir(ordner.path()).entryList(QDir::Files).size(), 1);
}

}  // namespace
