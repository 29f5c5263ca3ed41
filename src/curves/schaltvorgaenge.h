#pragma once

#include <QString>

#include "toolkit/grundelemente.h"
#include "toolkit/real48.h"

// Switching transients of R with C and of R with L: switching on above, switching off below,
// values on the right. The time axis spans 5 Tau (constant-axis flag of the topic) or
// 5 Tau_axis seconds, fixed when the axis was chosen.

// Tau_axis of each topic; like the constant-axis flags they outlive a change of topic.
extern real48 Tau_Achse_RC;
extern real48 Tau_Achse_RL;

// Start values of the menu commands: supply voltage, R, C or L and Tau_axis.
void Startwerte_Kondensator_Schaltvorgang();
void Startwerte_Spule_Schaltvorgang();

// Decay factor of step n of nt.
long double Abklingfaktor(int n, int nt, bool konstante_Achse, long double Tau_Achse, long double Tau);
// "Tau = 1 ms", or "Tau = 100 us" below one millisecond.
QString Tau_Zeile(real48 Tau);
// Length of the variable time axis, 5 Tau_axis rounded to 10 us, in the general number form.
QString Achsenlaenge(long double Tau_Achse);

void Zeichne_Kondensator_Schaltvorgang(Canvas& canvas, long double U, long double R, long double C);
void Zeichne_Spule_Schaltvorgang(Canvas& canvas, long double U, long double R, long double L);
