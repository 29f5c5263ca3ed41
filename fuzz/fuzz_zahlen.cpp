// Number readers: Lies_Wert and the strict reader either read a finite value or throw
// FloatError; the general number text of a value reads back to the same text.
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdlib>

#include "calculators/einzel_dialoge.h"
#include "platform/float_error.h"
#include "toolkit/number_text.h"

namespace {

void Pruefe(bool bedingung) {
  if (!bedingung) std::abort();
}

void Lies_allgemein(const QString& text) {
  long double x = 0;
  try {
    x = Lies_Wert(text);
  } catch (const FloatError&) {
    return;
  }
  Pruefe(std::isfinite(x));
  if (std::fabs(x) > DBL_MAX) return;  // the general form is the double's
  const QString allgemein = Formatiere_Allgemein(x);
  Pruefe(Formatiere_Allgemein(Lies_Wert(allgemein)) == allgemein);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  Lies_allgemein(text);
  try {
    Pruefe(std::isfinite(calculators::Lies_Zahl_streng(text)));
  } catch (const FloatError&) {
  }
  return 0;
}
