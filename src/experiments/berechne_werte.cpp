#include "experiments/berechne_werte.h"

#include "toolkit/farben.h"
#include "toolkit/formulas.h"

namespace experiments {

namespace {

bool mit_C(TBauteile b) { return b != TBauteile::RL; }
bool mit_L(TBauteile b) { return b != TBauteile::RC; }
bool mit_R(TBauteile b) { return b != TBauteile::CL; }

// Raises the bar chart scale to x when x is greater.
void Hebe_Max(TWerte& w, long double x) {
  if (x > w.Max) w.Max = x;
}

}  // namespace

void Berechne_Reihenschaltung(TWerte& w, TBauteile bauteile) {
  if (bauteile == TBauteile::RC) {
    w.Xc = Berechne_Xc(w.C, w.f);
    w.Z = Berechne_Z_RC_Reihe(w.R, w.C, w.f);
  } else if (bauteile == TBauteile::RL) {
    w.XL = Berechne_XL(w.L, w.f);
    w.Z = Berechne_Z_RL_Reihe(w.R, w.L, w.f);
  } else {
    w.fres = Berechne_fr(w.L, w.C);
    w.Xc = Berechne_Xc(w.C, w.f);
    w.XL = Berechne_XL(w.L, w.f);
    w.Z = Berechne_Z_RCL_Reihe(w.R, w.C, w.L, w.f);
  }
  w.I = Quotient(w.U, w.Z);
  w.Ur = w.R * w.I;
  if (mit_C(bauteile)) w.Uc = w.Xc * w.I;
  if (mit_L(bauteile)) w.UL = w.XL * w.I;
  w.Max = w.U;
  if (mit_C(bauteile)) Hebe_Max(w, w.Uc);
  if (mit_L(bauteile)) Hebe_Max(w, w.UL);
}

void Berechne_Parallelschaltung(TWerte& w, TBauteile bauteile) {
  if (mit_C(bauteile) && mit_L(bauteile)) w.fres = Berechne_fr(w.L, w.C);
  if (mit_C(bauteile)) w.Xc = Berechne_Xc(w.C, w.f);
  if (mit_L(bauteile)) w.XL = Berechne_XL(w.L, w.f);
  switch (bauteile) {
    case TBauteile::RC:
      w.Z = Berechne_Z_RC_parallel(w.R, w.C, w.f);
      break;
    case TBauteile::RL:
      w.Z = Berechne_Z_RL_parallel(w.R, w.L, w.f);
      break;
    case TBauteile::RCL:
      w.Z = Berechne_Z_RCL_parallel(w.R, w.C, w.L, w.f);
      break;
    case TBauteile::CL:
      w.Z = Berechne_Z_CL_parallel(w.C, w.L, w.f);
      break;
  }
  w.I = Quotient(w.U, w.Z);
  w.Max = w.I;
  if (mit_R(bauteile)) {
    w.Ir = Quotient(w.U, w.R);
    Hebe_Max(w, w.Ir);
  }
  if (mit_C(bauteile)) {
    w.Ic = Quotient(w.U, w.Xc);
    Hebe_Max(w, w.Ic);
  }
  if (mit_L(bauteile)) {
    w.IL = Quotient(w.U, w.XL);
    Hebe_Max(w, w.IL);
  }
}

std::vector<TBalken> Balken_Reihe(const TWerte& w, TBauteile bauteile) {
  std::vector<TBalken> balken{{25, w.Ur, QStringLiteral("Ur"), Farben.Widerstand}};
  if (mit_C(bauteile)) balken.push_back({70, w.Uc, QStringLiteral("Uc"), Farben.Kondensator});
  if (mit_L(bauteile)) balken.push_back({120, w.UL, QStringLiteral("UL"), Farben.Spule});
  return balken;
}

std::vector<TBalken> Balken_Parallel(const TWerte& w, TBauteile bauteile) {
  std::vector<TBalken> balken;
  // C-L shows the total current in the resistor's place and colour.
  if (mit_R(bauteile))
    balken.push_back({10, w.Ir, QStringLiteral("Ir"), Farben.Widerstand});
  else
    balken.push_back({10, w.I, QStringLiteral("Iges"), Farben.Widerstand});
  if (mit_C(bauteile)) balken.push_back({80, w.Ic, QStringLiteral("Ic"), Farben.Kondensator});
  if (mit_L(bauteile)) balken.push_back({135, w.IL, QStringLiteral("IL"), Farben.Spule});
  return balken;
}

}  // namespace experiments
