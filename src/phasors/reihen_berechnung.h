#pragma once

// Calculations of the series phasor topics over the shared state: from Schaltung.Ug,
// R_Zeiger (RL for C and L), C, L and f they store Xc and/or XL, phi, Z, Ieff, fr (C and L)
// and the partial voltages of Zeigerwerte. Run by the menu commands and the parameter
// dialogs whenever a value has changed.
void Berechne_RC_Reihe();
void Berechne_RL_Reihe();
void Berechne_RCL_Reihe();
void Berechne_CL_Reihe();
