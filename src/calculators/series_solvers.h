#pragma once

#include "calculators/circuit_values.h"

namespace calculators {

// Series circuits. Each walks its unknowns (values that are 0) in fixed order, writes each
// derived value into its field at once, and stops at the first step that finds no rule.
//   RC:  R, C, Xc, f, Ueff, Ieff          RL: R, L, XL, f, Ueff, Ieff
//   RCL with R: L, XL, f, Ueff, Ieff, R, C, Xc
//   CL:  L, XL, f, Ueff, Ieff, C, Xc (R takes no part and is left as it is)
void Berechne_RC_Reihe(Rechnung& r);
void Berechne_RL_Reihe(Rechnung& r);
void Berechne_RCL_Reihe_mit_R(Rechnung& r);
void Berechne_RCL_Reihe_ohne_R(Rechnung& r);

}  // namespace calculators
