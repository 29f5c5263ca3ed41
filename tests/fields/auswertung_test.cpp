#include "fields/auswertung.h"

#include "feld_fixture.h"
#include "fields/feldzeichnungen.h"
#include "toolkit/number_text.h"

namespace {

using AuswertungTest = FeldTest;

QString P(long double x) { return Setze_Vorsatz(Formatiere_Wert(x)); }

// Texts of a panel in drawing order from its header on, with their positions.
std::vector<platform::RecordedOp> Tafel(const platform::Recorder& rec, const QString& kopf) {
  std::vector<platform::RecordedOp> out;
  bool drin = false;
  for (const auto& op : rec.texts()) {
    drin |= op.text == kopf;
    if (drin) out.push_back(op);
  }
  return out;
}

QStringList Texte(const std::vector<platform::RecordedOp>& ops) {
  QStringList t;
  for (const auto& op : ops) t << op.text;
  return t;
}

// Rows follow each other one line height apart from the given start.
void Pruefe_Zeilen(const std::vector<platform::RecordedOp>& ops, int x, int y0, const std::vector<int>& luecken = {}) {
  ASSERT_GE(ops.size(), 2u);
  const int h = ops[2].args[1] - ops[1].args[1];
  EXPECT_GT(h, 8);
  int y = y0;
  for (size_t i = 1; i < ops.size(); ++i) {
    for (int l : luecken)
      if (static_cast<int>(i) == l) y += h;
    EXPECT_EQ(ops[i].args, (QList<int>{x, y})) << ops[i].text.toStdString();
    y += h;
  }
}

TEST_F(AuswertungTest, ElectricFieldPanelAndItsRowsAfterAPlateHit) {
  Startwerte_E_Feld();
  auto tafel = Tafel(Zeichne(Zeichne_E_Feld), "Auswertung:");
  const QStringList erwartet = {"Auswertung:",
                                "Beschl.spannung   Ub = 1.023 V",
                                "Elektronengeschw. Ve = 600000 m/s",
                                "Eintrittswinkel  Phi = 0 Grad",
                                "Ablenkspannung    Uc = 1 V",
                                "Plattenabstand    d  = 4 cm",
                                QStringLiteral("Plattenlänge      l  = 4 cm"),
                                "Feldstärke in C   E  = 25 V/m",
                                "Abst. zum Schirm  a  = 14 cm",
                                "Ablenk. im Kond.  y1 = -0.977 cm",
                                QStringLiteral("Ablenk. außerh.C: y2 = -6.840 cm"),
                                "Gesamtablenkung   y  = -7.817 cm",
                                "Elektrische Kraft Fe = 40.055 E-19 N",
                                "Senkr. Geschw.    vs = 600000 m/s",
                                "Parall.Geschw.    vp = 0 m/s",
                                "Zeit im Kondens.  T1 = " + P(0.04L / 600000) + "s",
                                "Zeit zum Schirm   T2 = " + P(0.14L / 600000) + "s"};
  EXPECT_EQ(Texte(tafel), erwartet);
  EXPECT_EQ(tafel[0].args, (QList<int>{351, 5}));
  EXPECT_EQ(tafel[1].fontSize, 8);
  EXPECT_EQ(tafel[1].fontColor, Farben.Widerstand);
  EXPECT_EQ(tafel[9].fontColor, Farben.Spule);
  Pruefe_Zeilen(tafel, 351, 20);

  Feld.Uc = 3;
  tafel = Tafel(Zeichne(Zeichne_E_Feld), "Auswertung:");
  QStringList ohne = erwartet;
  for (int zeile : {16, 15, 11, 10, 9}) ohne.removeAt(zeile);
  ohne[4] = "Ablenkspannung    Uc = 3 V";
  ohne[7] = "Feldstärke in C   E  = 75 V/m";
  ohne[9] = "Elektrische Kraft Fe = 120.165 E-19 N";
  EXPECT_EQ(Texte(tafel), ohne);
  Pruefe_Zeilen(tafel, 351, 20);
}

TEST_F(AuswertungTest, MagneticFieldResults) {
  Startwerte_B_Feld();
  const auto tafel = Tafel(Zeichne(Zeichne_B_Feld), "Ergebnisse:");
  EXPECT_EQ(Texte(tafel), (QStringList{"Ergebnisse:", QStringLiteral("Feldstärke        B = 0.100 mT"),
                                       QStringLiteral("Einschußwinkel    ß = 10 Grad"),
                                       "Geschwindigkeit  Ve = 400000 m/s", "Senkrechte Ge.   Vs = 393923.101 m/s",
                                       "ParallelKompo.   Vp = 69459.271 m/s", "Kreisradius       R = 2.240 cm ",
                                       "Umlaufzeit        T = " + P(2 * 3.14159265358979L / 1.7588e7L) + "s",
                                       QStringLiteral("Steighöhe         H = 2.481 cm"),
                                       "Beschl. Spannung Ub = 0.455 V", "Lorentzkraft     Fl = 63.106 E-19 N"}));
  EXPECT_EQ(tafel[1].fontSize, 10);
  const int h = tafel[2].args[1] - tafel[1].args[1];
  Pruefe_Zeilen(tafel, 391, 5 + h);
}

TEST_F(AuswertungTest, CombinedFieldPanelShowsTheRadiusAsAMagnitude) {
  Startwerte_EB_Feld();
  auto tafel = Tafel(Zeichne(Zeichne_EB_Feld), "Auswertung und Ergebnisse:");
  // The electron leaves the capacitor downwards: the radius is negative, the panel shows its size.
  EXPECT_EQ(Texte(tafel), (QStringList{"Auswertung und Ergebnisse:",
                                       "Elektr. Feld  E = 50 V/m",
                                       QStringLiteral("Kondens.länge l = 4 cm"),
                                       "Plattenabst.  d = 4 cm",
                                       "Eintr.geschw. Vo= 600000 m/s",
                                       QStringLiteral("Eintr.Winkel  ß = 10 Grad"),
                                       "hor, Komp.   Vs = 590884.652 m/s",
                                       "vert.Komp.   Vp = 104188.907 m/s",
                                       "Austrittsge. Vy =-491121.868 m/s",
                                       "Abl.Kond:    y1 =-1.310 cm",
                                       "MagnetFeld B = 0.500 mT",
                                       "Eintritts. v = 768339.353 m/s",
                                       "Eintr.Winkel = -39.732 Grad",
                                       "hor.Komp.Vox = 590884.652 m/s",
                                       "ver.Komp.Voy = -491121.868 m/s",
                                       "Bahnradius r = 0.558 cm",
                                       "Umlaufzeit T = " + P(2 * 3.14159265358979L / (1.7588e11L * 0.0005L)) + "s",
                                       QStringLiteral("Ganghöhe   h = 4.222 cm"),
                                       "SchirmPunktx = 0.768 cm",
                                       "SchirmPunkty = 18 cm",
                                       "SchirmPunktz = -1.827 cm",
                                       "Schirmabst.a =14 cm"}));
  const int h = tafel[2].args[1] - tafel[1].args[1];
  Pruefe_Zeilen(tafel, 391, 5 + h, {11});

  Feld.Uc = 25;
  tafel = Tafel(Zeichne(Zeichne_EB_Feld), "Auswertung und Ergebnisse:");
  EXPECT_EQ(services.beeper.count, 1);
  ASSERT_EQ(tafel.size(), 10u);
  EXPECT_EQ(tafel[8].text, "MagnetFeld B = 0.500 mT");
  EXPECT_EQ(tafel[9].text, "Schirmabst.a =14 cm");
  Pruefe_Zeilen(tafel, 391, 5 + h, {9});
}

TEST_F(AuswertungTest, CrossedFieldPanelInTheParabolaAndCircleCases) {
  Startwerte_EB_gekreuzt();
  auto start = Texte(Tafel(Zeichne(Zeichne_EB_gekreuzt), "Auswertung und Ergebnisse:"));
  ASSERT_EQ(start.size(), 9);
  EXPECT_EQ(start.mid(1, 5),
            (QStringList{"Elektr. Feld  E = 50 V/m", "Kond.Spannung U = 3 V", QStringLiteral("Kondens.länge l = 6 cm"),
                         "Plattenabst.  d = 6 cm", "Eintr.geschw. Vo= 100000 m/s"}));
  EXPECT_EQ(start.back(), "MagnetFeld B = 0.500 mT");  // balanced: a straight line, no circle
  Feld.Uc = 2.97L;                                     // the magnetic force wins: a circle that leaves the plates
  auto tafel = Tafel(Zeichne(Zeichne_EB_gekreuzt), "Auswertung und Ergebnisse:");
  EXPECT_TRUE(tafel[0].fontUnderline);
  EXPECT_FALSE(tafel[1].fontUnderline);
  ASSERT_EQ(tafel.size(), 11u);
  EXPECT_EQ(tafel[8].text, "MagnetFeld B = 0.500 mT");
  EXPECT_TRUE(tafel[9].text.startsWith("Bahnradius r = "));
  const int h = tafel[2].args[1] - tafel[1].args[1];
  EXPECT_EQ(tafel[1].args, (QList<int>{411, 5 + h + h / 2}));
  EXPECT_EQ(tafel[8].args[1] - tafel[7].args[1], 2 * h);

  Feld.Uc = 3.05L;  // the electric force wins: parabola, no radius
  tafel = Tafel(Zeichne(Zeichne_EB_gekreuzt), "Auswertung und Ergebnisse:");
  ASSERT_EQ(tafel.size(), 9u);
  EXPECT_EQ(tafel.back().text, "MagnetFeld B = 0.500 mT");
  EXPECT_TRUE(tafel[6].text.startsWith("Austrittswinkel = -"));
}

TEST_F(AuswertungTest, PictureOnlyLeavesEveryPanelOut) {
  using Thema = std::pair<void (*)(), void (*)(Canvas&)>;
  for (auto [startwerte, zeichne] :
       {Thema{Startwerte_E_Feld, Zeichne_E_Feld}, Thema{Startwerte_B_Feld, Zeichne_B_Feld},
        Thema{Startwerte_EB_Feld, Zeichne_EB_Feld}, Thema{Startwerte_EB_gekreuzt, Zeichne_EB_gekreuzt}}) {
    startwerte();
    const int mit = static_cast<int>(Zeichne(zeichne).texts().size());
    Zeichenmodus.nur_Bild = true;
    const int ohne = static_cast<int>(Zeichne(zeichne).texts().size());
    Zeichenmodus.nur_Bild = false;
    EXPECT_GE(mit - ohne, 9);
  }
}

}  // namespace
