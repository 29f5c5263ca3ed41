// Every calculator solver, fed with typed texts (read as the dialogs read them) or with raw
// values: only FloatError may leave it, and every value it leaves is finite and prints.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "calculators/parallel_solvers.h"
#include "calculators/series_solvers.h"
#include "calculators/single_solvers.h"
#include "platform/float_error.h"
#include "toolkit/number_text.h"

using namespace calculators;

namespace {

void Pruefe(bool bedingung) {
  if (!bedingung) std::abort();
}

// Reads the input front to back; past its end every read gives zeros.
class Eingabe {
 public:
  Eingabe(const std::uint8_t* data, std::size_t size) : p_(data), ende_(data + size) {}
  std::uint8_t Byte() { return p_ < ende_ ? *p_++ : 0; }
  long double Roh() {
    double x = 0;
    const std::size_t n = std::min<std::size_t>(sizeof x, static_cast<std::size_t>(ende_ - p_));
    std::memcpy(&x, p_, n);
    p_ += n;
    return x;
  }
  // Up to the next line end, as a field's text.
  QString Zeile() {
    const std::uint8_t* anfang = p_;
    while (p_ < ende_ && *p_ != '\n') ++p_;
    const QString text = QString::fromLatin1(reinterpret_cast<const char*>(anfang), p_ - anfang);
    if (p_ < ende_) ++p_;
    return text;
  }

 private:
  const std::uint8_t* p_;
  const std::uint8_t* ende_;
};

// A value as a field would hold it; 0 where it has no 6-byte form.
real48 Wert(Eingabe& e, bool roh) {
  try {
    return roh ? real48(e.Roh()) : real48(Lies_Wert(e.Zeile()));
  } catch (const FloatError&) {
    return 0;
  }
}

void Pruefe_Werte(std::initializer_list<long double> werte) {
  for (const long double x : werte) {
    Pruefe(std::isfinite(x));
    Pruefe(!Formatiere_Wert(x).isEmpty());
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Eingabe e(data, size);
  const std::uint8_t wahl = e.Byte();
  const std::uint8_t felder = e.Byte();
  const bool roh = (wahl & 0x80) != 0;
  const int loeser = (wahl & 0x7F) % 15;
  try {
    if (loeser >= 13) {
      if (loeser == 13) {
        Kondensator_Bauform b{Wert(e, roh), Wert(e, roh), Wert(e, roh), Wert(e, roh)};
        Berechne_Kapazitaet(b);
        Pruefe_Werte({b.er, b.A, b.d, b.C});
      } else {
        Spulen_Bauform b{Wert(e, roh), Wert(e, roh), Wert(e, roh), Wert(e, roh), Wert(e, roh)};
        Berechne_Induktivitaet(b);
        Pruefe_Werte({b.ur, b.n, b.l, b.A, b.L});
      }
      return 0;
    }
    Rechnung r;
    for (const Groesse g :
         {Groesse::R, Groesse::C, Groesse::Xc, Groesse::L, Groesse::XL, Groesse::f, Groesse::Ueff, Groesse::Ieff})
      r.w[g] = Wert(e, roh);
    using Loeser = void (*)(Rechnung&);
    static constexpr Loeser kLoeser[] = {Berechne_Kondensator,      Berechne_Spule,       Berechne_Hoch_Tiefpass,
                                         Berechne_RC_Reihe,         Berechne_RL_Reihe,    Berechne_RCL_Reihe_mit_R,
                                         Berechne_RCL_Reihe_ohne_R, Berechne_RC_parallel, Berechne_RL_parallel,
                                         Berechne_CL_parallel,      Berechne_RCL_parallel};
    if (loeser < 2)
      Berechne_Widerstand(r, Widerstand_Felder{(felder & 1) != 0, (felder & 2) != 0, (felder & 4) != 0});
    else
      kLoeser[loeser - 2](r);
    const Kreiswerte& w = r.w;
    Pruefe_Werte({w.R, w.C, w.Xc, w.L, w.XL, w.f, w.Ueff, w.Ieff});
  } catch (const FloatError&) {
  }
  return 0;
}
