#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>
#include <QTextDocumentFragment>
#include <array>
#include <optional>

#include "help/rtf_reader.h"
#include "toolkit/zeichenmodus.h"

class QTextDocument;

namespace help {

inline constexpr QStringView kHilfedatei = u"velumathlp.rtf";

// Folders searched for the help file, in this order: the current folder, the folder of the
// executable, then the application's installed data folders (ending with /usr/share/velumat).
QStringList Suchordner_Hilfedatei();

// Path of the first help file found in Suchordner_Hilfedatei(), or nullopt.
std::optional<QString> Finde_Hilfedatei();
std::optional<QString> Finde_Hilfedatei(const QStringList& ordner);

// The section with the given key, formatting kept. It starts after the first occurrence of key
// in the document's plain text and the line break that follows it (when the character after
// the key is no line break, right after the key) and ends before the first "\" + key behind
// that start. nullopt when either marker is missing or the key is empty.
std::optional<QTextDocumentFragment> Finde_Abschnitt(const QTextDocument& doc, QStringView key);

// A section read anew from the help file at path.
struct Abschnitt {
  RtfResult datei;  // ok false: file missing, unreadable or malformed (then text is searched in what was read)
  std::optional<QTextDocumentFragment> text;  // nullopt when the key's markers are not both found
};
Abschnitt Lade_Abschnitt(const QString& path, QStringView key);

// Topic tree of the help browser, depth-first, the array index being the entry index.
struct Themeneintrag {
  QStringView text;
  int eltern;       // index of the parent node, -1 at the top level
  QStringView key;  // empty for a group node
};
inline constexpr int kThemenanzahl = 27;
extern const std::array<Themeneintrag, kThemenanzahl> kThemen;

// Section key of a tree entry; nullopt for group nodes and indexes outside the tree.
std::optional<QStringView> Schluessel_fuer_Eintrag(int index);

// Which section fits the display mode of the main window. A rule matches when one of its flags
// is set; the rules are tested in table order and the last match wins.
struct Modusregel {
  std::array<bool TZeichenmodus::*, 2> flags;  // second one null when the rule has only one flag
  QStringView key;
  int eintrag;           // tree entry that shows the same section
  QStringView herkunft;  // menu command or dialog that sets the mode
};
extern const std::array<Modusregel, 40> kModusregeln;

// Key of the section for the display mode; nullopt when no rule matches.
std::optional<QStringView> Abschnitt_fuer_Modus(const TZeichenmodus& modus);

}  // namespace help
