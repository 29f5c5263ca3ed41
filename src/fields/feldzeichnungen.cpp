#include "fields/feldzeichnungen.h"

#include "fields/ansicht.h"
#include "fields/auswertung.h"
#include "platform/services.h"
#include "toolkit/farben.h"
#include "toolkit/zeichenmodus.h"

namespace {

// Draws a path in the resistor colour: wide lines, thin lines and single pixels.
class TBahnstift {
 public:
  explicit TBahnstift(Canvas& canvas) : zug_(canvas) {}

  TBahnsenke Senke() {
    return [this](long double x, long double y, long double z, TStrich strich) {
      switch (strich) {
        case TStrich::Sprung:
          zug_.Bewege(x, y, z);
          break;
        case TStrich::Punkt:
          Breite(breite_ == 0 ? 2 : breite_);
          zug_.Punkt(x, y, z);
          break;
        case TStrich::Linie:
        case TStrich::Duenn:
          Breite(strich == TStrich::Linie ? 2 : 1);
          zug_.Linie(x, y, z);
          break;
      }
    };
  }

 private:
  void Breite(int breite) {
    if (breite == breite_) return;
    breite_ = breite;
    zug_.Stift(Farben.Widerstand, breite, TPenStyle::psSolid);
  }

  TLinienzug zug_;
  int breite_ = 0;
};

void Beginne_Zeichnung(Canvas& canvas) {
  canvas.SetTextTransparent(true);
  Zeichne_Achsen(Farben.Text, canvas);
}

void Titelschrift(Canvas& canvas) {
  canvas.Font.Name = "Arial";
  canvas.Font.SetSize(10);
  canvas.Font.Bold = true;
  canvas.Font.Pitch = TFontPitch::fpDefault;
}

void Schreibe_Titel(Canvas& canvas, const QString& titel) {
  Titelschrift(canvas);
  Schreibe_Text(canvas, 8, 3, titel, Farben.Text);
}

void Melde_Treffer(bool treffer) {
  if (treffer) platform::services().beeper->Beep();
}

void Linie(TLinienzug& zug, long double x1, long double y1, long double z1, long double x2, long double y2,
           long double z2) {
  zug.Bewege(x1, y1, z1);
  zug.Linie(x2, y2, z2);
}

}  // namespace

// ---- electric field ----

TBahn_E Zeichne_Bahn_E(Canvas& canvas) {
  Schreibe_Titel(canvas, "Elektron im elektrischen Feld:");
  TBahn_E b;
  {
    TBahnstift stift(canvas);
    b = Berechne_Bahn_E(Feld, stift.Senke());
  }
  Melde_Treffer(b.Treffer);
  if (!b.Treffer) {
    Zeichne_Marke(0, Feld.l, 100 * b.z1, Farben.Widerstand, canvas);
    Zeichne_Marke(0, Feld.a, b.Ende_z, Farben.Kondensator, canvas);
    TLinienzug zug(canvas);
    zug.Stift(Farben.Kondensator, 1, TPenStyle::psDot);
    Linie(zug, 0, Feld.a, b.Ende_z, 0, Feld.a, 0);
  }
  return b;
}

void Zeichne_E_Feld(Canvas& canvas) {
  Beginne_Zeichnung(canvas);
  Zeichne_Schirm(Feld.a, canvas);
  Zeichne_Marke(0, Feld.a, 0, Farben.Kondensator, canvas);
  Zeichne_Kondensator(Feld.d, Feld.l, Feld.w, canvas);
  const TBahn_E bahn = Zeichne_Bahn_E(canvas);
  if (!Zeichenmodus.nur_Bild) Zeige_Auswertung_E(canvas, bahn);
}

// ---- magnetic field ----

void Zeichne_Magnetfeld(Canvas& canvas) {
  const long double c = 100 * Feld.L;
  const QColor& farbe = Farben.Spule;
  const long double ecken[4][2] = {{0, -c}, {c, -c}, {c, c}, {0, c}};  // (y, z) of a face
  TLinienzug zug(canvas);
  auto flaeche = [&](long double x) {
    zug.Bewege(x, 0, -c);
    for (int i = 1; i <= 4; ++i) zug.Linie(x, ecken[i % 4][0], ecken[i % 4][1]);
  };
  zug.Stift(farbe, 2, TPenStyle::psSolid);
  flaeche(c);
  zug.Zeichne();
  const QPoint b = Projiziere(c, 0, -c);
  Schreibe_Text(canvas, b.x(), b.y(), "B", farbe);
  zug.Stift(farbe, 1, TPenStyle::psDot);
  flaeche(-c);
  for (const auto& [y, z] : ecken) {
    zug.Stift(farbe, 2, TPenStyle::psSolid);
    Linie(zug, c, y, z, 0, y, z);
    zug.Stift(farbe, 1, TPenStyle::psDot);
    zug.Linie(-c, y, z);
  }
  zug.Stift(farbe, 1, TPenStyle::psSolid);
  for (int k = 1; k <= 7; ++k) {
    const long double x = k % 2 == 1 ? 0.8L * c : -0.8L * c;
    Linie(zug, x, k * c / 8, -c, x, k * c / 8, c);
  }
}

TBahn_B Zeichne_Bahn_B(Canvas& canvas) {
  Schreibe_Titel(canvas, "Elektron im Magnetfeld:");
  TBahnstift stift(canvas);
  return Berechne_Bahn_B(Feld, stift.Senke());
}

void Zeichne_B_Feld(Canvas& canvas) {
  Beginne_Zeichnung(canvas);
  Zeichne_Magnetfeld(canvas);
  const TBahn_B bahn = Zeichne_Bahn_B(canvas);
  if (!Zeichenmodus.nur_Bild) Zeige_Ergebnisse_B(canvas, bahn);
}

// ---- electric and magnetic field in line ----

void Zeichne_B_Feldlinien(Canvas& canvas) {
  const long double w = Feld.w, d = Feld.d, l = Feld.l, a = Feld.a;
  const QColor& farbe = Farben.Spule;
  canvas.Pen.Color = farbe;
  canvas.Pen.Style = TPenStyle::psDot;
  canvas.Pen.Width = 1;
  const QPoint b = Projiziere(w / 2, l, d / 2);
  Schreibe_Text(canvas, b.x() + 15, b.y() - 20, "B", farbe);
  TLinienzug zug(canvas);
  zug.Stift(farbe, 1, TPenStyle::psDot);
  const long double orte[6][2] = {{w / 2, d / 2},   {w / 2, -d / 2}, {-w / 2, d / 2},
                                  {-w / 2, -d / 2}, {0, d / 4},      {0, -d / 4}};
  for (const auto& [x, z] : orte) Linie(zug, x, l, z, x, a, z);
}

TBahn_EB Zeichne_Bahn_EB(Canvas& canvas) {
  Schreibe_Titel(canvas, "Elektron im elektrischen und magnetischen Feld:");
  TBahn_EB b;
  {
    TBahnstift stift(canvas);
    b = Berechne_Bahn_EB(Feld, stift.Senke());
  }
  Melde_Treffer(b.Kondensator.Treffer);
  if (!b.Kondensator.Treffer) Zeichne_Marke(b.Landung_x, Feld.a, b.Landung_z, Farben.Widerstand, canvas);
  return b;
}

void Zeichne_EB_Feld(Canvas& canvas) {
  Beginne_Zeichnung(canvas);
  Zeichne_Schirm(Feld.a, canvas);
  Zeichne_Marke(0, Feld.a, 0, Farben.Kondensator, canvas);
  Zeichne_Kondensator(Feld.d, Feld.l, Feld.w, canvas);
  Zeichne_B_Feldlinien(canvas);
  const TBahn_EB bahn = Zeichne_Bahn_EB(canvas);
  if (!Zeichenmodus.nur_Bild) Zeige_Auswertung_EB(canvas, bahn);
}

// ---- crossed fields ----

void Zeichne_Feldlinien_gekreuzt(Canvas& canvas) {
  const long double w = Feld.w, d = Feld.d, l = Feld.l;
  TLinienzug zug(canvas);
  zug.Stift(Farben.Spule, 1, TPenStyle::psSolid);
  const long double orte[5][2] = {{l / 4, d / 4}, {l / 4, -d / 4}, {l / 2, 0}, {3 * l / 4, d / 4}, {3 * l / 4, -d / 4}};
  for (const auto& [y, z] : orte) Linie(zug, w / 2, y, z, -w / 2, y, z);
}

TBahn_gekreuzt Zeichne_Bahn_gekreuzt(Canvas& canvas) {
  Titelschrift(canvas);
  const int h = canvas.TextHeight("M");
  Schreibe_Text(canvas, 8, 3, "Elektron im gekreuzten elektrischen", Farben.Text);
  Schreibe_Text(canvas, 8, 3 + h, "und magnetischen Feld:", Farben.Text);
  const QPoint e = Projiziere(Feld.w / 2, 0, -Feld.d / 2 - 0.2L);
  Schreibe_Text(canvas, e.x(), e.y(), "E", Farben.Impedanz);
  const QPoint b = Projiziere(Feld.w / 2, Feld.l, Feld.d / 2);
  Schreibe_Text(canvas, b.x(), b.y() + h, "B", Farben.Spule);
  TBahn_gekreuzt bahn;
  {
    TBahnstift stift(canvas);
    bahn = Berechne_Bahn_gekreuzt(Feld, stift.Senke());
  }
  Melde_Treffer(bahn.Treffer);
  return bahn;
}

void Zeichne_EB_gekreuzt(Canvas& canvas) {
  Beginne_Zeichnung(canvas);
  Zeichne_Kondensator(Feld.d, Feld.l, Feld.w, canvas);
  Zeichne_Feldlinien_gekreuzt(canvas);
  const TBahn_gekreuzt bahn = Zeichne_Bahn_gekreuzt(canvas);
  if (!Zeichenmodus.nur_Bild) Zeige_Auswertung_gekreuzt(canvas, bahn);
}
