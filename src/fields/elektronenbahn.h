#pragma once

#include <functional>

#include "toolkit/real48.h"

// Physical values of the electron-in-field topics (SI units unless a unit is named).
struct TFeldwerte {
  real48 e;         // elementary charge for the magnetic and crossed-field forces
  real48 e_strich;  // elementary charge of the electric force in the electric-field panel
  real48 e_m;       // specific charge e/m
  real48 Ub;        // accelerating voltage, always v^2 / (2 e/m)
  real48 v;         // entry speed
  real48 phi;       // entry angle in degrees, in the y-z plane from the y axis
  real48 Uc;        // capacitor voltage
  real48 d, l, w;   // plate distance, length (along y) and width (along x), cm
  real48 a;         // y position of the screen, cm
  real48 B;         // flux density
  real48 L;         // extent of the magnetic field region of the B-field topic, m
};

extern TFeldwerte Feld;

// Start values of the four menu commands; each also resets the view.
void Startwerte_E_Feld();
void Startwerte_B_Feld();
void Startwerte_EB_Feld();
void Startwerte_EB_gekreuzt();

// Ub from v, and v from Ub.
void Berechne_Ub();
void Berechne_v();

// Height (m) after the horizontal distance s (m) in a capacitor of voltage U and plate
// distance D (m), entering with the speeds vy and vz.
long double Berechne_Parabel(long double vy, long double vz, long double U, long double D, long double s);

// How a path point is drawn: a wide line to it, a thin line, a single pixel (the pen moves
// there), or a move without drawing.
enum class TStrich { Linie, Duenn, Punkt, Sprung };
// Receives the points of a path in cm, in drawing order.
using TBahnsenke = std::function<void(long double x, long double y, long double z, TStrich strich)>;

// Path through the capacitor (electric field, and the first part of the combined field).
struct TBahn_E {
  bool Treffer = false;   // the electron hit a plate
  real48 vy, vz;          // entry speed components
  real48 z1;              // height at the capacitor exit (m)
  real48 vz1;             // vertical speed at the exit
  real48 z2;              // further deflection up to the screen (m), electric field only
  real48 T1, T2;          // time in the capacitor and from its end to the screen
  real48 Ende_y, Ende_z;  // last point of the path (cm)
};

// Electric field: approach, parabola in the capacitor, straight flight to the screen.
TBahn_E Berechne_Bahn_E(const TFeldwerte& f, const TBahnsenke& senke);

// Helix drawing limit: with more turns every k-th turn and the last are drawn.
inline constexpr long long kMax_Windungen = 200;

struct TBahn_B {
  real48 r, T, h;              // radius (m), period (s), pitch (m)
  long long Windungen = 0;     // turns of the full path
  long long Schrittweite = 1;  // every how many-th turn is drawn
};

// Magnetic field: helix about the line x = 0, y = L/2, up to the height L.
TBahn_B Berechne_Bahn_B(const TFeldwerte& f, const TBahnsenke& senke);

struct TBahn_EB {
  TBahn_E Kondensator;
  real48 Winkel;                // exit angle from the capacitor (rad)
  real48 r, T, h;               // helix after the capacitor: radius, period, pitch
  real48 v1;                    // speed after the capacitor
  real48 Landung_x, Landung_z;  // landing point on the screen (cm)
  long long Windungen = 0;      // turns up to the screen
  long long Schrittweite = 1;
};

// Combined field: capacitor, then a helix about the field along y up to the screen.
TBahn_EB Berechne_Bahn_EB(const TFeldwerte& f, const TBahnsenke& senke);

struct TBahn_gekreuzt {
  bool Treffer = false;
  bool Parabel = false;   // the electric force wins or the forces balance
  bool Umkehr = false;    // the circle turned back before the plate end
  bool Austritt = false;  // the electron left the plates at their end
  real48 R, T;            // circle radius (m) and period (s), circle case only
  real48 Winkel;          // exit angle (rad)
  real48 vz;              // vertical exit speed
};

// Crossed fields: circle when the magnetic force wins, parabola otherwise; 4 cm of straight
// flight after the plates.
TBahn_gekreuzt Berechne_Bahn_gekreuzt(const TFeldwerte& f, const TBahnsenke& senke);
