#include "phasors/drehstrom.h"

#include <cmath>
#include <vector>

#include "phasors/zeigerumlauf.h"
#include "toolkit/farben.h"
#include "toolkit/layout.h"
#include "toolkit/schaltung.h"

TDrehstromWerte Drehstromwerte;

void Setze_Drehstrom_Startwerte() {
  Drehstromwerte.Uref = 240;
  Drehstromwerte.U1 = 240;
  Drehstromwerte.U2 = 240;
  Drehstromwerte.U3 = 240;
}

long double Berechne_Differenzspannung(long double a, long double b) {
  return std::sqrt(a * a + b * b - 2 * a * b * std::cos(Zwei_Pi_Drittel));
}

void Zeichne_Drehstrom(Canvas& canvas) {
  const TDrehstromWerte& d = Drehstromwerte;
  Schaltung.Ug = d.Uref;
  const long double U = Schaltung.Ug;
  const int r0 = Layout.r0;
  const std::vector<TUmlaufzeiger> phasen = {
      {static_cast<int>(Trunc(d.U1 * r0 / U)), 0, Farben.Impedanz},
      {static_cast<int>(Trunc(d.U2 * r0 / U)), Zwei_Pi_Drittel, Farben.Kondensator},
      {static_cast<int>(Trunc(d.U3 * r0 / U)), -Zwei_Pi_Drittel, Farben.Spule},
  };
  Zeigerumlauf(canvas, phasen, false);

  canvas.Pen.Width = 2;
  Zeichne_Endzeiger(canvas, phasen[0], QStringLiteral("U1"));
  Zeichne_Endzeiger(canvas, phasen[1], QStringLiteral("U2"));
  // U3 ends at the top left; its label sits above the end.
  const QPoint ende = Zeigerende(phasen[2].Laenge, Schrittwinkel(360) + phasen[2].Versatz);
  canvas.Pen.Color = phasen[2].Farbe;
  Zeichne_Zeiger(canvas, ende.x(), ende.y());
  Schreibe_Text(canvas, ende.x() + 4, ende.y() - 10, QStringLiteral("U3"), phasen[2].Farbe);
  canvas.Pen.Width = 1;

  const int oben = Layout.cy - r0;
  Schreibe_Text(canvas, Layout.x0 - 15, oben - 10, QStringLiteral("U1"), Farben.Impedanz);
  Schreibe_Text(canvas, Layout.x0 - 15, oben - 23, QStringLiteral("U2"), Farben.Kondensator);
  Schreibe_Text(canvas, Layout.x0 + 3, oben - 10, QStringLiteral("U3"), Farben.Spule);

  TTextblock text(canvas);
  text.Zeile(0, QStringLiteral("Drehstrom: Phasenverschiebung"), Farben.Text);
  text.Zeile(1, QStringLiteral("stets 120 Grad"), Farben.Text);
  text.Zeile(2, Wertzeile(QStringLiteral("U1  = "), d.U1, QStringLiteral(" V")), Farben.Impedanz);
  text.Zeile(3, Wertzeile(QStringLiteral("U2  = "), d.U2, QStringLiteral(" V")), Farben.Kondensator);
  text.Zeile(4, Wertzeile(QStringLiteral("U3  = "), d.U3, QStringLiteral(" V")), Farben.Spule);
  text.Zeile(6, QStringLiteral("Differenzspannungen:"), Farben.Impedanz);
  const struct {
    const char* label;
    long double a, b;
  } differenzen[] = {{"U1-U2 = ", d.U1, d.U2}, {"U2-U3 = ", d.U2, d.U3}, {"U3-U1 = ", d.U3, d.U1}};
  for (int i = 0; i < 3; ++i) {
    const auto& z = differenzen[i];
    text.Zeile(7 + i,
               Wertzeile(QString::fromLatin1(z.label), Berechne_Differenzspannung(z.a, z.b), QStringLiteral(" V")),
               Farben.Impedanz);
  }
  text.Schreibe();
}
