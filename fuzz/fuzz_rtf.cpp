// RTF reader and section search: any input is read into the document model (no layout)
// without a crash, and every key's section is looked up in it.
#include <QGuiApplication>
#include <QTextDocument>
#include <cstdint>
#include <cstdlib>

#include "help/help_sections.h"
#include "help/rtf_reader.h"

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  static QGuiApplication app(*argc, *argv);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const QByteArray rtf = QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  QTextDocument doc;
  help::Lies_RTF(rtf, doc);
  // A handful of keys per input keeps the run fast; the input's length picks which.
  for (std::size_t i = 0; i < 3; ++i) {
    const auto key = help::Schluessel_fuer_Eintrag(static_cast<int>((size + 9 * i) % help::kThemenanzahl));
    if (key) help::Finde_Abschnitt(doc, *key);
  }
  return 0;
}
