#pragma once

#include "calculators/circuit_values.h"

namespace calculators {

// Parallel circuits. Every step runs and reports; a step whose value is given succeeds at
// once. Values a step derives or keeps count as given for the later steps. Only when all
// steps succeed are all fields of the group written back and `erfolgreich` set; in the
// RCL group each successful step also marks its own field at once.
//   RC:  R, C, Xc, f, Ueff, Ieff          RL: R, L, XL, f, Ueff, Ieff
//   CL:  L, XL, C, Xc, f, Ueff, Ieff      RCL: L, XL, C, Xc, f, Ueff, Ieff, R
void Berechne_RC_parallel(Rechnung& r);
void Berechne_RL_parallel(Rechnung& r);
void Berechne_CL_parallel(Rechnung& r);
void Berechne_RCL_parallel(Rechnung& r);

}  // namespace calculators
