#include "calculators/rahmen.h"

#include <QLineEdit>

#include "platform/services.h"
#include "toolkit/number_text.h"
#include "toolkit/schaltung.h"

namespace calculators {

Kondensator_Bauform Kondensator_Geometrie{};
Spulen_Bauform Spulen_Geometrie{};

long double Lies_Feld(const QLineEdit* edit) { return Lies_Wert(edit->text()); }

void Schreibe_Feld(QLineEdit* edit, long double x) { edit->setText(Formatiere_Wert(x)); }

void FehlerMessage() {
  platform::services().message_boxes->Error(QString::fromUtf8(Fehler_Titel), QString::fromUtf8(Fehler_Text));
}

real48& Gemeinsamer_Wert(Groesse g) {
  switch (g) {
    case Groesse::R:
      return Schaltung.R;
    case Groesse::C:
      return Schaltung.C;
    case Groesse::Xc:
      return Schaltung.Xc;
    case Groesse::L:
      return Schaltung.L;
    case Groesse::XL:
      return Schaltung.XL;
    case Groesse::f:
      return Schaltung.f;
    case Groesse::Ueff:
      return Schaltung.Ueff;
    case Groesse::Ieff:
      return Schaltung.Ieff;
  }
  return Schaltung.R;
}

void Speichere(const Kreiswerte& w, std::initializer_list<Groesse> welche) {
  for (Groesse g : welche) Gemeinsamer_Wert(g) = w[g];
}

bool Rechne(const Felder& felder, void (*loeser)(Rechnung&), Kreiswerte& ergebnis) {
  Rechnung r;
  for (const Feld& feld : felder) r.w[feld.g] = Lies_Feld(feld.edit);
  auto Schreibe_zurueck = [&] {
    for (Groesse g : r.geschrieben)
      for (const Feld& feld : felder)
        if (feld.g == g) Schreibe_Feld(feld.edit, r.w[g]);
  };
  try {
    loeser(r);
  } catch (...) {
    Schreibe_zurueck();
    throw;
  }
  Schreibe_zurueck();
  if (!r.erfolgreich) {
    FehlerMessage();
    return false;
  }
  ergebnis = r.w;
  return true;
}

}  // namespace calculators
