#pragma once

// Saving a table as tab-separated text with decimal commas, for a spreadsheet.

#include <QString>
#include <QStringList>

#include "tables/tabellenwerte.h"

namespace tables {

// The lines of the files, without line ends: the header and one line per row.
QStringList Dateizeilen_Reaktanz(const Dekade& d, bool induktiv);
QStringList Dateizeilen_Frequenz(Filter filter);

// Asks for a file name and writes the lines, each ended by CR LF. The file is complete or
// not there: a failure leaves an existing file as it was and says so in one message; the
// confirmation comes only after the whole file is written. Cancelling does nothing.
void Speichere_Tabelle(const QStringList& zeilen);

}  // namespace tables
