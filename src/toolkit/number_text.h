#pragma once

#include <QString>

// Number texts of the program. All of them use "." as decimal separator, no thousands
// separator and a leading "-", whatever the process locale.

// The text without leading and trailing blanks (character 32 only).
QString Trimme(const QString& text);

// Three decimals; a text ending in ".000" loses the point and the zeros ("5", "0.500", "1000").
QString Formatiere_Festkomma(long double x);

// Three or five decimals, or a mantissa with an exponent suffix in steps of three
// ("2.500E+6", "0.500E-3", "0E-12").
QString Formatiere_Wert(long double x);

// Replaces an exponent suffix of a Formatiere_Wert text by a blank and a unit prefix
// ("2.5E+6" -> "2.5 M"); a text without prefix gets one trailing blank.
QString Setze_Vorsatz(const QString& text);

// The first "." replaced by ",".
QString Dezimalkomma(const QString& text);

// Reads a typed value: decimal comma or point, exponent "E", or a fraction "a/b".
// Throws FloatError on a zero denominator or a value too large for any real.
long double Lies_Wert(const QString& text);

// Shortest text that reads back to the same double, at most 15 significant digits;
// exponent form ("1E-12", "2.5E+15") below 1E-5 and from 1E+15 on.
QString Formatiere_Allgemein(long double x);
