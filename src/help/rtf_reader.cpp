#include "help/rtf_reader.h"

#include <QColor>
#include <QFile>
#include <QFont>
#include <QHash>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>
#include <string_view>
#include <utility>
#include <vector>

namespace help {
namespace {

constexpr std::size_t kMaxDepth = 200;
constexpr qint64 kMaxFileSize = 64 * 1024 * 1024;
constexpr double kTwipsPerPixel = 15.0;  // 1440 twips per inch at 96 dpi

// Code page 1252 differs from Latin-1 only in 0x80..0x9F; unassigned bytes keep their value.
char16_t Zeichen_aus_1252(unsigned char b) {
  static constexpr char16_t kHigh[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                         0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                         0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                         0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
  if (b >= 0x80 && b < 0xA0) return kHigh[b - 0x80];
  return b;
}

// Plain ASCII classes: the C library's follow the process locale.
bool Ist_Buchstabe(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool Ist_Ziffer(char c) { return c >= '0' && c <= '9'; }
bool Ist_Leerraum(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }
// Bytes that are text by themselves and need no decoding.
bool Ist_einfacher_Text(char c) { return c >= 0x20 && c < 0x7F && c != '\\' && c != '{' && c != '}' && c != ';'; }

enum class Ziel { Text, Ueberspringen, Schrifttabelle, Farbtabelle };

struct Zeichenformat {
  bool fett = false;
  bool kursiv = false;
  bool unterstrichen = false;
  bool durchgestrichen = false;
  int hoehe = 0;     // +1 superscript, -1 subscript
  int schrift = -1;  // -1: the document's default font
  int halbpunkte = 24;
  int farbe = 0;  // 0: automatic
  int hintergrund = 0;
  bool operator==(const Zeichenformat&) const = default;
};

struct Absatzformat {
  Qt::Alignment ausrichtung = Qt::AlignLeft;
  int links = 0;  // indents and spacing in twips
  int rechts = 0;
  int erste_zeile = 0;
  int davor = 0;
  int danach = 0;
};

struct Gruppe {
  Zeichenformat zeichen;
  Absatzformat absatz;
  int uc = 1;  // fallback characters after \uN
  Ziel ziel = Ziel::Text;
};

class RtfLeser {
 public:
  RtfLeser(const QByteArray& in, QTextDocument& doc) : in_(in), doc_(doc), cursor_(&doc) {}

  RtfResult Lies() {
    // Without undo records and with one edit block, inserting costs a fraction.
    const bool undo = doc_.isUndoRedoEnabled();
    doc_.setUndoRedoEnabled(false);
    doc_.clear();
    cursor_ = QTextCursor(&doc_);
    cursor_.beginEditBlock();
    RtfResult r = Lies_Inhalt();
    cursor_.endEditBlock();
    doc_.setUndoRedoEnabled(undo);
    return r;
  }

 private:
  RtfResult Lies_Inhalt() {
    if (!Beginnt_mit_rtf()) return {false, QStringLiteral("Die Datei enthält keinen RTF-Text.")};
    bool fertig = false;
    QString fehler;
    while (pos_ < in_.size() && !fertig && fehler.isEmpty()) {
      const char c = in_[pos_++];
      switch (c) {
        case '{':
          fallback_ = 0;
          if (gruppen_.size() >= kMaxDepth) {
            fehler = QStringLiteral("Der RTF-Text ist zu tief verschachtelt.");
            break;
          }
          gruppen_.push_back(gruppen_.empty() ? Gruppe{} : gruppen_.back());
          break;
        case '}':
          fallback_ = 0;
          Schreibe_aus();
          if (gruppen_.size() == 1) schluss_absatz_ = gruppen_.back().absatz;
          if (!gruppen_.empty()) gruppen_.pop_back();
          fertig = gruppen_.empty();
          break;
        case '\\':
          Lies_Steuerwort();
          break;
        case '\r':
        case '\n':
          break;
        default:
          if (fallback_ == 0 && Ist_einfacher_Text(c) && aktuell().ziel == Ziel::Text) {
            Schreibe_Lauf();
            break;
          }
          Zeichen_aus_Text(static_cast<unsigned char>(c));
      }
    }
    if (fehler.isEmpty() && !fertig) fehler = QStringLiteral("Der RTF-Text ist unvollständig.");
    Schreibe_aus();
    cursor_.setBlockFormat(Blockformat(gruppen_.empty() ? schluss_absatz_ : gruppen_.back().absatz));
    if (!fehler.isEmpty()) return {false, fehler};
    return {true, {}};
  }

  bool Beginnt_mit_rtf() {
    if (in_.startsWith("\xEF\xBB\xBF")) pos_ = 3;
    while (pos_ < in_.size() && Ist_Leerraum(in_[pos_])) ++pos_;
    return in_.mid(pos_, 5) == "{\\rtf";
  }

  // The state in force; before the first group (never after the check) a default one.
  Gruppe& aktuell() {
    if (gruppen_.empty()) gruppen_.push_back(Gruppe{});
    return gruppen_.back();
  }

  // One byte of text, or the fallback of a \uN being skipped.
  void Zeichen_aus_Text(unsigned char b) {
    if (fallback_ > 0) {
      --fallback_;
      return;
    }
    if (b == '\t') {
      Schreibe(u'\t');
      return;
    }
    if (b < 0x20) return;
    Zeichen(Zeichen_aus_1252(b));
  }

  // A character that belongs to the current destination.
  void Zeichen(char16_t z) {
    Gruppe& g = aktuell();
    switch (g.ziel) {
      case Ziel::Text:
        Schreibe(z);
        break;
      case Ziel::Schrifttabelle:
        if (z == u';') {
          schriften_.insert(schriftnummer_, schriftname_.trimmed());
          formate_.clear();
          schriftname_.clear();
        } else {
          schriftname_ += QChar(z);
        }
        break;
      case Ziel::Farbtabelle:
        if (z == u';') {
          farben_.push_back(farbe_gesetzt_ ? QColor(rot_, gruen_, blau_) : QColor());
          formate_.clear();
          rot_ = gruen_ = blau_ = 0;
          farbe_gesetzt_ = false;
        }
        break;
      case Ziel::Ueberspringen:
        break;
    }
  }

  void Lies_Steuerwort() {
    if (pos_ >= in_.size()) return;
    const char c = in_[pos_];
    if (!Ist_Buchstabe(c)) {
      ++pos_;
      Lies_Steuersymbol(c);
      return;
    }
    const qsizetype start = pos_;
    while (pos_ < in_.size() && pos_ - start < 32 && Ist_Buchstabe(in_[pos_])) ++pos_;
    const std::string_view wort(in_.constData() + start, static_cast<size_t>(pos_ - start));
    bool hat_zahl = false;
    bool negativ = false;
    long long zahl = 0;
    if (pos_ < in_.size() && in_[pos_] == '-') {
      negativ = true;
      ++pos_;
    }
    const qsizetype ziffern = pos_;
    while (pos_ < in_.size() && Ist_Ziffer(in_[pos_])) {
      if (pos_ - ziffern < 10) zahl = zahl * 10 + (in_[pos_] - '0');
      ++pos_;
    }
    hat_zahl = pos_ > ziffern;
    if (pos_ < in_.size() && in_[pos_] == ' ') ++pos_;
    const int wert = static_cast<int>(std::clamp(negativ ? -zahl : zahl, -2147483647LL, 2147483647LL));

    if (wort == "bin") {  // raw binary data follows, whatever the destination
      pos_ += std::clamp<qsizetype>(wert, 0, in_.size() - pos_);
      return;
    }
    if (fallback_ > 0) {
      --fallback_;
      return;
    }
    Steuerwort(wort, hat_zahl, wert);
  }

  void Lies_Steuersymbol(char c) {
    if (c == '\'') {
      const int hoch = pos_ < in_.size() ? Hexziffer(in_[pos_]) : -1;
      const int tief = pos_ + 1 < in_.size() ? Hexziffer(in_[pos_ + 1]) : -1;
      if (hoch < 0) return;
      ++pos_;
      if (tief < 0) return;  // an incomplete escape is dropped
      ++pos_;
      if (fallback_ > 0) {
        --fallback_;
        return;
      }
      Zeichen(Zeichen_aus_1252(static_cast<unsigned char>(hoch * 16 + tief)));
      return;
    }
    if (fallback_ > 0) {
      --fallback_;
      return;
    }
    switch (c) {
      case '\\':
      case '{':
      case '}':
        Zeichen(static_cast<char16_t>(c));
        break;
      case '~':
        Zeichen(u'\u00A0');
        break;
      case '_':
        Zeichen(u'\u2011');
        break;
      case '*':
        aktuell().ziel = Ziel::Ueberspringen;
        break;
      case '\r':
      case '\n':
        if (aktuell().ziel == Ziel::Text) Absatz();
        break;
      default:  // \- optional hyphen, \: index entries and unknown symbols
        break;
    }
  }

  static int Hexziffer(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
  }

  static bool Ist_uebersprungenes_Ziel(std::string_view w) {
    static constexpr std::string_view kZiele[] = {"pict",
                                                  "object",
                                                  "header",
                                                  "headerl",
                                                  "headerr",
                                                  "headerf",
                                                  "footer",
                                                  "footerl",
                                                  "footerr",
                                                  "footerf",
                                                  "footnote",
                                                  "info",
                                                  "stylesheet",
                                                  "listtable",
                                                  "listoverridetable",
                                                  "revtbl",
                                                  "rsidtbl",
                                                  "generator",
                                                  "xmlnstbl",
                                                  "fldinst",
                                                  "themedata",
                                                  "colorschememapping",
                                                  "latentstyles",
                                                  "datastore",
                                                  "nonshppict",
                                                  "pntext",
                                                  "pntxta",
                                                  "pntxtb",
                                                  "private",
                                                  "annotation",
                                                  "atnid",
                                                  "atnauthor",
                                                  "bkmkstart",
                                                  "bkmkend",
                                                  "txe",
                                                  "xe",
                                                  "tc",
                                                  "mmathPr",
                                                  "filetbl",
                                                  "userprops"};
    return std::find(std::begin(kZiele), std::end(kZiele), w) != std::end(kZiele);
  }

  void Steuerwort(std::string_view w, bool hat_zahl, int n) {
    Gruppe& g = aktuell();
    if (g.ziel == Ziel::Ueberspringen) return;
    if (w == "fonttbl") {
      g.ziel = Ziel::Schrifttabelle;
      return;
    }
    if (w == "colortbl") {
      g.ziel = Ziel::Farbtabelle;
      return;
    }
    if (Ist_uebersprungenes_Ziel(w)) {
      g.ziel = Ziel::Ueberspringen;
      return;
    }
    if (w == "u") {
      const int code = n < 0 ? n + 65536 : n;
      if (code > 0 && code <= 0xFFFF) Zeichen(static_cast<char16_t>(code));
      fallback_ = g.uc;
      return;
    }
    if (w == "uc") {
      g.uc = std::clamp(n, 0, 16);
      return;
    }
    if (g.ziel == Ziel::Schrifttabelle) {
      if (w == "f") {
        schriftnummer_ = n;
        schriftname_.clear();
      }
      return;
    }
    if (g.ziel == Ziel::Farbtabelle) {
      const int anteil = std::clamp(n, 0, 255);
      if (w == "red") rot_ = anteil;
      if (w == "green") gruen_ = anteil;
      if (w == "blue") blau_ = anteil;
      farbe_gesetzt_ = farbe_gesetzt_ || w == "red" || w == "green" || w == "blue";
      return;
    }
    Textsteuerwort(w, hat_zahl, n, g);
  }

  void Textsteuerwort(std::string_view w, bool hat_zahl, int n, Gruppe& g) {
    const bool an = !hat_zahl || n != 0;
    Zeichenformat& z = g.zeichen;
    Absatzformat& a = g.absatz;
    const auto twips = [n] { return std::clamp(n, -31680, 31680); };  // at most 22 inches
    if (w == "par" || w == "sect" || w == "page" || w == "row") {
      Absatz();
    } else if (w == "line") {
      Schreibe(u'\u2028');
    } else if (w == "tab" || w == "cell") {
      Schreibe(u'\t');
    } else if (w == "pard") {
      a = Absatzformat{};
    } else if (w == "plain") {
      z = Zeichenformat{};
    } else if (w == "b") {
      z.fett = an;
    } else if (w == "i") {
      z.kursiv = an;
    } else if (w == "ul" || w == "uld" || w == "uldb" || w == "ulw" || w == "uldash" || w == "ulth") {
      z.unterstrichen = an;
    } else if (w == "ulnone") {
      z.unterstrichen = false;
    } else if (w == "strike") {
      z.durchgestrichen = an;
    } else if (w == "super") {
      z.hoehe = 1;
    } else if (w == "sub") {
      z.hoehe = -1;
    } else if (w == "nosupersub") {
      z.hoehe = 0;
    } else if (w == "f") {
      z.schrift = n;
    } else if (w == "fs") {
      // Below 1 pt Qt warns on every text run and shows nothing readable anyway.
      z.halbpunkte = n > 0 ? std::clamp(n, 2, 1000) : 24;
    } else if (w == "cf") {
      z.farbe = n;
    } else if (w == "cb" || w == "highlight") {
      z.hintergrund = n;
    } else if (w == "deff") {
      standardschrift_ = n;
      formate_.clear();
    } else if (w == "ql") {
      a.ausrichtung = Qt::AlignLeft;
    } else if (w == "qc") {
      a.ausrichtung = Qt::AlignHCenter;
    } else if (w == "qr") {
      a.ausrichtung = Qt::AlignRight;
    } else if (w == "qj") {
      a.ausrichtung = Qt::AlignJustify;
    } else if (w == "li") {
      a.links = twips();
    } else if (w == "ri") {
      a.rechts = twips();
    } else if (w == "fi") {
      a.erste_zeile = twips();
    } else if (w == "sb") {
      a.davor = twips();
    } else if (w == "sa") {
      a.danach = twips();
    } else {
      Sonderzeichen(w);
    }
  }

  void Sonderzeichen(std::string_view w) {
    static constexpr std::pair<std::string_view, char16_t> kZeichen[] = {
        {"emdash", u'\u2014'},  {"endash", u'\u2013'},    {"bullet", u'\u2022'},    {"lquote", u'\u2018'},
        {"rquote", u'\u2019'},  {"ldblquote", u'\u201C'}, {"rdblquote", u'\u201D'}, {"emspace", u'\u2003'},
        {"enspace", u'\u2002'}, {"qmspace", u'\u2005'}};
    for (const auto& [name, z] : kZeichen)
      if (name == w) Schreibe(z);
  }

  // A run of plain text from the byte before pos_ on, appended in one go.
  void Schreibe_Lauf() {
    const qsizetype anfang = pos_ - 1;
    while (pos_ < in_.size() && Ist_einfacher_Text(in_[pos_])) ++pos_;
    if (!puffer_.isEmpty() && puffer_format_ != aktuell().zeichen) Schreibe_aus();
    if (puffer_.isEmpty()) puffer_format_ = aktuell().zeichen;
    puffer_ += QLatin1StringView(in_.constData() + anfang, pos_ - anfang);
  }

  void Schreibe(char16_t z) {
    if (aktuell().ziel != Ziel::Text) return;
    if (!puffer_.isEmpty() && puffer_format_ != aktuell().zeichen) Schreibe_aus();
    if (puffer_.isEmpty()) puffer_format_ = aktuell().zeichen;
    puffer_ += QChar(z);
  }

  void Schreibe_aus() {
    if (puffer_.isEmpty()) return;
    cursor_.insertText(puffer_, Zeichenformat_fuer(puffer_format_));
    puffer_.clear();
  }

  void Absatz() {
    Schreibe_aus();
    cursor_.setBlockFormat(Blockformat(aktuell().absatz));
    cursor_.insertBlock(Blockformat(aktuell().absatz), Zeichenformat_fuer(aktuell().zeichen));
  }

  // Documents use few distinct formats: build each once.
  const QTextCharFormat& Zeichenformat_fuer(const Zeichenformat& z) {
    for (const auto& [schluessel, format] : formate_)
      if (schluessel == z) return format;
    formate_.emplace_back(z, Baue_Zeichenformat(z));
    return formate_.back().second;
  }

  QTextCharFormat Baue_Zeichenformat(const Zeichenformat& z) const {
    QTextCharFormat f;
    f.setFontWeight(z.fett ? QFont::Bold : QFont::Normal);
    f.setFontItalic(z.kursiv);
    f.setFontUnderline(z.unterstrichen);
    f.setFontStrikeOut(z.durchgestrichen);
    if (z.hoehe > 0) f.setVerticalAlignment(QTextCharFormat::AlignSuperScript);
    if (z.hoehe < 0) f.setVerticalAlignment(QTextCharFormat::AlignSubScript);
    f.setFontPointSize(z.halbpunkte / 2.0);
    const auto schrift = schriften_.constFind(z.schrift < 0 ? standardschrift_ : z.schrift);
    if (schrift != schriften_.constEnd() && !schrift->isEmpty()) f.setFontFamilies(QStringList{*schrift});
    if (z.farbe > 0 && z.farbe < static_cast<int>(farben_.size()) && farben_[z.farbe].isValid())
      f.setForeground(farben_[z.farbe]);
    if (z.hintergrund > 0 && z.hintergrund < static_cast<int>(farben_.size()) && farben_[z.hintergrund].isValid())
      f.setBackground(farben_[z.hintergrund]);
    return f;
  }

  static QTextBlockFormat Blockformat(const Absatzformat& a) {
    QTextBlockFormat f;
    f.setAlignment(a.ausrichtung);
    f.setLeftMargin(a.links / kTwipsPerPixel);
    f.setRightMargin(a.rechts / kTwipsPerPixel);
    f.setTextIndent(a.erste_zeile / kTwipsPerPixel);
    f.setTopMargin(a.davor / kTwipsPerPixel);
    f.setBottomMargin(a.danach / kTwipsPerPixel);
    return f;
  }

  const QByteArray& in_;
  QTextDocument& doc_;
  QTextCursor cursor_;
  qsizetype pos_ = 0;
  std::vector<Gruppe> gruppen_;
  Absatzformat schluss_absatz_;  // paragraph format when the outermost group closed
  int fallback_ = 0;             // \uN fallback units still to skip

  QString puffer_;  // text not yet inserted, all in puffer_format_
  Zeichenformat puffer_format_;

  QHash<int, QString> schriften_;
  int schriftnummer_ = 0;
  QString schriftname_;
  int standardschrift_ = 0;

  std::vector<QColor> farben_;
  std::vector<std::pair<Zeichenformat, QTextCharFormat>> formate_;
  int rot_ = 0, gruen_ = 0, blau_ = 0;
  bool farbe_gesetzt_ = false;
};

}  // namespace

RtfResult Lies_RTF(const QByteArray& rtf, QTextDocument& doc) {
  RtfLeser leser(rtf, doc);
  return leser.Lies();
}

RtfResult Lies_RTF_Datei(const QString& path, QTextDocument& doc) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly))
    return {false, QStringLiteral("Die Datei \"%1\" kann nicht gelesen werden.").arg(path)};
  if (file.size() > kMaxFileSize) return {false, QStringLiteral("Die Datei \"%1\" ist zu groß.").arg(path)};
  const QByteArray data = file.readAll();
  if (file.error() != QFileDevice::NoError)
    return {false, QStringLiteral("Die Datei \"%1\" kann nicht gelesen werden.").arg(path)};
  return Lies_RTF(data, doc);
}

}  // namespace help
