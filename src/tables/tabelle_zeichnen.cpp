#include "tables/tabelle_zeichnen.h"

#include "tables/tabellenwerte.h"
#include "toolkit/farben.h"
#include "toolkit/number_text.h"
#include "toolkit/schaltung.h"

namespace tables {

namespace {

constexpr int kSpaltenbreite = 90;

// Solid brush in frame grey on a white text colour, else white; pen in the text colour;
// Arial 10 pt.
void Bereite_Blatt_vor(Canvas& canvas, bool fett) {
  canvas.Brush.Style = TBrushStyle::bsSolid;
  canvas.Brush.Color = Farben.Text == QColor(Qt::white) ? Farben.Rahmengrau : QColor(Qt::white);
  canvas.Pen.Style = TPenStyle::psSolid;
  canvas.Pen.Width = 1;
  canvas.Pen.Color = Farben.Text;
  canvas.Font.Name = "Arial";
  canvas.Font.SetSize(10);
  canvas.Font.Bold = fett;
  canvas.Font.Italic = false;
  canvas.Font.Underline = false;
}

void Linie(Canvas& canvas, int x0, int y0, int x1, int y1) {
  canvas.MoveTo(x0, y0);
  canvas.LineTo(x1, y1);
}

void Zeichne_Reaktanztabelle(Canvas& canvas, const Dekade& d, bool induktiv) {
  Bereite_Blatt_vor(canvas, true);
  const int rechts = 8 * kSpaltenbreite;
  const int hM = canvas.TextHeight("M");
  canvas.Rectangle(2, 2, rechts, 19 * hM);
  Schreibe_Text(canvas, 5, 5,
                induktiv
                    ? QStringLiteral("Induktiver Blindwiderstand einer Spule bei verschiedenen Frequenzen")
                    : QStringLiteral("Kapazitiver Blindwiderstand eines Kondensators bei verschiedenen Frequenzen"),
                Farben.Impedanz);
  int y = 5 + 2 * hM;
  canvas.Font.SetSize(8);
  const int h8 = canvas.TextHeight("M");
  const int kopf_y = y;
  Linie(canvas, 5, y - 2, rechts, y - 2);
  Schreibe_Text(canvas, 15, y, QStringLiteral("Frequenz"), Farben.Kondensator);
  for (int j = 0; j < static_cast<int>(Multiplikatoren.size()); ++j)
    Schreibe_Text(canvas, 105 + kSpaltenbreite * j, y, Spaltenkopf(d, j), Farben.Kondensator);
  y += h8;
  Linie(canvas, 5, y + 2, rechts, y + 2);
  for (const Reaktanzzeile& zeile : Berechne_Reaktanztabelle(d, induktiv)) {
    y += h8;
    canvas.Font.Bold = true;
    Schreibe_Text(canvas, 5, y, QString::number(zeile.f).rightJustified(8, ' ') + QStringLiteral(" Hz"),
                  Farben.Kondensator);
    canvas.Font.Bold = false;
    for (int j = 0; j < static_cast<int>(zeile.X.size()); ++j)
      Schreibe_Text(canvas, 105 + kSpaltenbreite * j, y, Formatiere_Wert(zeile.X[static_cast<std::size_t>(j)]),
                    Farben.Text);
  }
  y += h8;
  Linie(canvas, 100, kopf_y, 100, y + 2);
  Linie(canvas, 5, y + 2, rechts, y + 2);
}

// Title, given values and header of a frequency table; returns y of the header.
int Zeichne_Tabellenkopf(Canvas& canvas, const QString& titel, const QString& gegeben, const QStringList& spalten,
                         const std::array<QColor, 7>& farben) {
  const int hM = canvas.TextHeight("M");
  canvas.Rectangle(2, 2, 7 * kSpaltenbreite, 27 * hM);
  canvas.Font.Bold = true;
  Schreibe_Text(canvas, 5, 5, titel + Formatiere_Festkomma(Schaltung.Ug) + "V", Farben.Impedanz);
  Schreibe_Text(canvas, 5, hM + 5, gegeben, Farben.Text);
  const int y_h = 3 * hM + 5;
  Linie(canvas, 5, y_h - 2, 7 * kSpaltenbreite, y_h - 2);
  for (int j = 0; j < static_cast<int>(spalten.size()); ++j)
    Schreibe_Text(canvas, 5 + kSpaltenbreite * j, y_h, spalten[j], farben[static_cast<std::size_t>(j)]);
  return y_h;
}

QString Gegeben_R_C() {
  return "geg: R = " + Formatiere_Wert(Schaltung.R) + " Ohm    C = " + Setze_Vorsatz(Formatiere_Wert(Schaltung.C)) +
         "F";
}

void Zeichne_Schwingkreistabelle(Canvas& canvas, Filter filter) {
  Bereite_Blatt_vor(canvas, false);
  const int rechts = 7 * kSpaltenbreite;
  const int hM = canvas.TextHeight("M");
  const QString titel = filter == Filter::Siebkette ? QStringLiteral("Tabelle: Siebkette aus R, C und L:  Ueff = ")
                                                    : QStringLiteral("Tabelle: Sperrkreis aus R, C und L:  Ueff = ");
  const QString gegeben = Gegeben_R_C() + "    L = " + Setze_Vorsatz(Formatiere_Wert(Schaltung.L)) + "H";
  QStringList spalten{QStringLiteral("Frequenz")};
  spalten << Spaltennamen(filter);
  std::array<QColor, 7> farben;
  farben.fill(Farben.Text);
  const int y_h = Zeichne_Tabellenkopf(canvas, titel, gegeben, spalten, farben);
  int y = y_h + hM;
  Linie(canvas, 5, y + 2, rechts, y + 2);
  y += hM;
  const std::array<QColor, 7> zellfarben{Farben.Text,  Farben.Kondensator, Farben.Kondensator, Farben.Spule,
                                         Farben.Spule, Farben.Impedanz,    Farben.Impedanz};
  const long double fr = Schaltung.fr;
  for (const Frequenzzeile& zeile : Frequenztabelle_aus_Schaltung(filter)) {
    canvas.Font.Bold = Ist_Resonanzzeile(zeile[0], fr);
    for (std::size_t j = 0; j < zeile.size(); ++j)
      Schreibe_Text(canvas, 5 + kSpaltenbreite * static_cast<int>(j), y, Formatiere_Wert(zeile[j]), zellfarben[j]);
    y += hM;
  }
  Linie(canvas, 90, y_h, 90, y);
  Linie(canvas, 5, y + 2, rechts, y + 2);
}

void Zeichne_Passtabelle(Canvas& canvas, Filter filter) {
  Bereite_Blatt_vor(canvas, true);
  const int rechts = 7 * kSpaltenbreite;
  const int hM = canvas.TextHeight("M");
  const QString titel = filter == Filter::Hochpass ? QStringLiteral("Tabelle: Hochpass aus R und C:  Ueff = ")
                                                   : QStringLiteral("Tabelle: Tiefpass aus R und C:  Ueff = ");
  QStringList spalten{QStringLiteral("Frequenz")};
  spalten << Spaltennamen(filter);
  const std::array<QColor, 7> farben{Farben.Text,       Farben.Kondensator, Farben.Kondensator, Farben.Widerstand,
                                     Farben.Widerstand, Farben.Impedanz,    Farben.Widerstand};
  const int y_h = Zeichne_Tabellenkopf(canvas, titel, Gegeben_R_C(), spalten, farben);
  Linie(canvas, 5, y_h + 2, rechts, y_h + 2);
  int y = y_h;
  for (const Frequenzzeile& zeile : Frequenztabelle_aus_Schaltung(filter)) {
    y += hM;
    for (std::size_t j = 0; j < zeile.size(); ++j)
      Schreibe_Text(canvas, 5 + kSpaltenbreite * static_cast<int>(j), y, Formatiere_Wert(zeile[j]), farben[j]);
  }
  y += hM;
  Linie(canvas, 90, y_h, 90, y);
  Linie(canvas, 5, y + 2, rechts, y + 2);
}

}  // namespace

void Zeichne_Tabelle_Kapazitaet(Canvas& canvas) { Zeichne_Reaktanztabelle(canvas, Kapazitaetsdekade, false); }
void Zeichne_Tabelle_Induktivitaet(Canvas& canvas) { Zeichne_Reaktanztabelle(canvas, Induktivitaetsdekade, true); }
void Zeichne_Tabelle_Siebkette(Canvas& canvas) { Zeichne_Schwingkreistabelle(canvas, Filter::Siebkette); }
void Zeichne_Tabelle_Sperrkreis(Canvas& canvas) { Zeichne_Schwingkreistabelle(canvas, Filter::Sperrkreis); }
void Zeichne_Tabelle_Hochpass(Canvas& canvas) { Zeichne_Passtabelle(canvas, Filter::Hochpass); }
void Zeichne_Tabelle_Tiefpass(Canvas& canvas) { Zeichne_Passtabelle(canvas, Filter::Tiefpass); }

}  // namespace tables
