#include "app/form1.h"
#include "phasors/zeigerwerte.h"

// Commands of the menu "Zeigerdiagramm" for single components and series circuits.

void TForm1::nurWiderstand1Click() { Zeigerthema(&TZeichenmodus::nur_Widerstand, Startwerte_nur_Widerstand); }
void TForm1::nurKondensator1Click() { Zeigerthema(&TZeichenmodus::nur_Kondensator, Startwerte_nur_Kondensator); }
void TForm1::nurSpule1Click() { Zeigerthema(&TZeichenmodus::nur_Spule, Startwerte_nur_Spule); }

void TForm1::WiderstandundKondensator1Click() {
  Zeigerthema(&TZeichenmodus::Widerstand_Kondensator, Startwerte_Widerstand_und_Kondensator);
}

void TForm1::WiderstandundSpule1Click() {
  Zeigerthema(&TZeichenmodus::Widerstand_Spule, Startwerte_Widerstand_und_Spule);
}

void TForm1::KondensatorundSpule1Click() {
  Zeigerthema(&TZeichenmodus::Kondensator_Spule, Startwerte_Kondensator_und_Spule);
}

void TForm1::WiderstandKondensatorundSpule1Click() {
  Zeigerthema(&TZeichenmodus::Widerstand_Kondensator_Spule, Startwerte_Widerstand_Kondensator_und_Spule);
}
