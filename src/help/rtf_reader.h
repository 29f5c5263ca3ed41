#pragma once

#include <QByteArray>
#include <QString>

class QTextDocument;

namespace help {

// Outcome of reading a rich-text file. On failure the document keeps whatever text was read
// up to the fault.
struct RtfResult {
  bool ok = false;
  QString error;
  explicit operator bool() const { return ok; }
};

// Reads rich text (RTF, code page 1252) into doc, replacing its content. Understands groups,
// paragraphs, line breaks, tabs, bold, italic, underline, super- and subscript, font and colour
// tables, font sizes, alignment and indents, \'hh and \uN characters. Pictures, \* destinations
// and unknown control words leave no text behind. Never throws on malformed input.
RtfResult Lies_RTF(const QByteArray& rtf, QTextDocument& doc);

// Reads the file at path with Lies_RTF; a missing or unreadable file is an error.
RtfResult Lies_RTF_Datei(const QString& path, QTextDocument& doc);

}  // namespace help
