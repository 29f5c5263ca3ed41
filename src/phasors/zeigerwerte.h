#pragma once

#include "toolkit/real48.h"

// Partial voltages of the series phasor topics, written by their calculations. The supply
// voltage stays in Schaltung.Ug, the current in Schaltung.Ieff.
struct TZeigerwerte {
  real48 Uc;  // capacitor voltage
  real48 UL;  // coil voltage
  real48 UR;  // resistor voltage (coil resistance for C and L)
};

extern TZeigerwerte Zeigerwerte;

// Start values of the phasor topics, written into Schaltung by their menu commands. The
// series topics run their calculation once.
void Startwerte_nur_Widerstand();
void Startwerte_nur_Kondensator();
void Startwerte_nur_Spule();
void Startwerte_Widerstand_und_Kondensator();
void Startwerte_Widerstand_und_Spule();
void Startwerte_Kondensator_und_Spule();
void Startwerte_Widerstand_Kondensator_und_Spule();
