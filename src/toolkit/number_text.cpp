#include "toolkit/number_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

#include "platform/float_error.h"

namespace {

// Significant digits of |x| and the decimal exponent of the first one: |x| = d0.d1d2... * 10^exponent.
struct Ziffern {
  std::string ziffern;
  int exponent = 0;
};

// significant = 0 asks for the shortest digits that read back to the same value.
template <typename T>
Ziffern zerlege(T betrag, int significant) {
  char buf[64];
  const auto r = significant > 0
                     ? std::to_chars(buf, buf + sizeof buf, betrag, std::chars_format::scientific, significant - 1)
                     : std::to_chars(buf, buf + sizeof buf, betrag, std::chars_format::scientific);
  const std::string_view text(buf, static_cast<std::size_t>(r.ptr - buf));
  const std::size_t e = text.find('e');
  Ziffern z;
  for (const char c : text.substr(0, e))
    if (c != '.') z.ziffern += c;
  const std::string_view exp = text.substr(e + 1);
  std::from_chars(exp.data() + (exp.front() == '+' ? 1 : 0), exp.data() + exp.size(), z.exponent);
  return z;
}

void erhoehe(std::string& zahl) {
  for (auto it = zahl.rbegin(); it != zahl.rend(); ++it) {
    if (*it != '9') {
      ++*it;
      return;
    }
    *it = '0';
  }
  zahl.insert(zahl.begin(), '1');
}

// x * 10^shift with a fixed number of decimals, rounded once, half away from zero, from the exact
// decimal expansion of the binary value: no intermediate cut to fewer digits and no rounded
// product. A value that rounds to zero is written without a sign.
std::string fest(long double x, int decimals, int shift = 0) {
  if (!std::isfinite(x)) throw FloatError("Ungültige Gleitkommaoperation");
  // Every long double from 2^-137 on has at most 200 binary, and so decimal, fraction digits;
  // smaller values have only zeros where they are rounded here.
  constexpr int kBruchstellen = 200;
  char buf[std::numeric_limits<long double>::max_exponent10 + kBruchstellen + 8];
  const auto r = std::to_chars(buf, buf + sizeof buf, std::fabs(x), std::chars_format::fixed, kBruchstellen);
  std::string ziffern(buf, r.ptr);
  const std::size_t punkt_alt = ziffern.find('.');
  ziffern.erase(punkt_alt, 1);
  int punkt = static_cast<int>(punkt_alt) + shift;
  if (punkt < 1) {
    ziffern.insert(0, static_cast<std::size_t>(1 - punkt), '0');
    punkt = 1;
  }
  const auto behalten = static_cast<std::size_t>(punkt + decimals);
  if (ziffern.size() <= behalten) ziffern.append(behalten + 1 - ziffern.size(), '0');
  std::string n = ziffern.substr(0, behalten);  // the result times 10^decimals
  if (ziffern[behalten] >= '5') erhoehe(n);
  const std::size_t erste = std::min(n.find_first_not_of('0'), n.size() - static_cast<std::size_t>(decimals) - 1);
  n.erase(0, erste);
  const bool null = n.find_first_not_of('0') == std::string::npos;
  std::string text = (x < 0 && !null) ? "-" : "";
  text += n.substr(0, n.size() - static_cast<std::size_t>(decimals));
  if (decimals > 0) text += "." + n.substr(n.size() - static_cast<std::size_t>(decimals));
  return text;
}

bool endet_mit(const std::string& text, std::string_view ende) {
  return text.size() >= ende.size() && std::string_view(text).substr(text.size() - ende.size()) == ende;
}

bool ziffer(char c) { return c >= '0' && c <= '9'; }

// Whether the unsigned number text "digits [. digits] [E [sign] digits]" is below 1 in value:
// the decimal exponent of its first significant digit is negative.
bool winzig(std::string_view zahl) {
  const std::size_t e = std::min(zahl.find_first_of("Ee"), zahl.size());
  const std::string_view mantisse = zahl.substr(0, e);
  const std::size_t punkt = std::min(mantisse.find('.'), mantisse.size());
  const std::size_t erste = mantisse.find_first_not_of("0.");
  if (erste == std::string_view::npos) return true;
  // Decimal exponent of the first significant digit, saturated far beyond any real's range.
  constexpr long long kGrenze = 1'000'000'000;
  long long exponent =
      erste < punkt ? static_cast<long long>(punkt - erste) - 1 : -static_cast<long long>(erste - punkt);
  if (e < zahl.size()) {
    std::size_t j = e + 1;
    const bool minus = j < zahl.size() && zahl[j] == '-';
    if (j < zahl.size() && (zahl[j] == '+' || zahl[j] == '-')) ++j;
    long long wert = 0;
    for (; j < zahl.size(); ++j) wert = std::min(kGrenze, wert * 10 + (zahl[j] - '0'));
    exponent += minus ? -wert : wert;
  }
  return exponent < 0;
}

// A real in the form [sign] digits [. digits] [E [sign] digits] with at least one mantissa digit
// (".5" and "5." count). Anything else, also a number followed by other characters, is none.
std::optional<long double> lies_zahl(std::string_view text) {
  std::size_t i = 0;
  bool negativ = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negativ = text[i++] == '-';
  const std::size_t start = i;
  std::size_t stellen = 0;
  while (i < text.size() && ziffer(text[i])) ++i, ++stellen;
  if (i < text.size() && text[i] == '.') {
    ++i;
    while (i < text.size() && ziffer(text[i])) ++i, ++stellen;
  }
  if (stellen == 0) return std::nullopt;
  if (i < text.size() && (text[i] == 'E' || text[i] == 'e')) {
    ++i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    const std::size_t exp_start = i;
    while (i < text.size() && ziffer(text[i])) ++i;
    if (i == exp_start) return std::nullopt;
  }
  if (i != text.size()) return std::nullopt;
  std::string rumpf(text.substr(start));  // from_chars takes no "+" before the exponent digits
  if (const std::size_t plus = rumpf.find('+'); plus != std::string::npos) rumpf.erase(plus, 1);
  long double wert = 0;
  const auto r = std::from_chars(rumpf.data(), rumpf.data() + rumpf.size(), wert, std::chars_format::general);
  if (r.ec == std::errc::result_out_of_range) {
    // Out of range by the value, not by the exponent's sign: "0.000…01" with thousands of
    // zeros is tiny, "1000…0E-5" with thousands of digits is huge.
    if (!winzig(rumpf)) throw FloatError("Gleitkommaüberlauf");
    wert = 0;
  }
  return negativ ? -wert : wert;
}

}  // namespace

QString Trimme(const QString& text) {
  qsizetype anfang = 0;
  qsizetype ende = text.size();
  while (anfang < ende && text[anfang] == QLatin1Char(' ')) ++anfang;
  while (ende > anfang && text[ende - 1] == QLatin1Char(' ')) --ende;
  return text.mid(anfang, ende - anfang);
}

QString Formatiere_Festkomma(long double x) {
  std::string text = fest(x, 3);
  // Keep "0.000" for a value that is not zero but would otherwise read as plain 0.
  if (endet_mit(text, "000") && !(x != 0 && text == "0.000")) text.resize(text.size() - 4);
  return QString::fromLatin1(text);
}

QString Formatiere_Wert(long double x) {
  // The last step whose test holds decides the form; each step is rounded from x itself.
  struct Stufe {
    bool gilt;
    int shift;
    const char* suffix;
  };
  const Stufe stufen[] = {{x >= 1e6L, -6, "E+6"},   {x >= 1e9L, -9, "E+9"}, {x >= 1e12L, -12, "E+12"},
                          {x <= 1e-3L, 3, "E-3"},   {x <= 1e-6L, 6, "E-6"}, {x <= 1e-9L, 9, "E-9"},
                          {x <= 1e-12L, 12, "E-12"}};
  const Stufe* form = nullptr;
  for (const Stufe& s : stufen)
    if (s.gilt) form = &s;
  std::string text = form ? fest(x, 3, form->shift) + form->suffix : fest(x, std::fabs(x) > 1 ? 3 : 5);
  // Three zeros after the point go: before the exponent, or at the end of a plain number.
  const std::size_t punkt = text.find('.');
  const std::size_t e = text.find('E');
  if (punkt != std::string::npos && punkt > 0) {
    if (e != std::string::npos && e > punkt && text.compare(punkt + 1, e - punkt - 1, "000") == 0) {
      text.erase(punkt, 4);
    } else if (e == std::string::npos && text.compare(punkt + 1, std::string::npos, "000") == 0) {
      text.erase(punkt);
    }
  }
  return QString::fromLatin1(text);
}

QString Setze_Vorsatz(const QString& text) {
  struct Vorsatz {
    const char* suffix;
    const char* prefix;
  };
  static constexpr Vorsatz kVorsaetze[] = {{"E+9", " G"}, {"E+6", " M"}, {"E+3", " k"}, {"E-3", " m"},
                                           {"E-6", " u"}, {"E-9", " n"}, {"E-12", " p"}};
  for (const auto& v : kVorsaetze) {
    const QLatin1String suffix(v.suffix);
    if (text.endsWith(suffix)) return text.left(text.size() - suffix.size()) + QLatin1String(v.prefix);
  }
  return text + QLatin1Char(' ');
}

QString Dezimalkomma(const QString& text) {
  QString result = text;
  const qsizetype punkt = result.indexOf(QLatin1Char('.'));
  if (punkt >= 0) result[punkt] = QLatin1Char(',');
  return result;
}

// A text that is not a number reads as 0: a text without any digit, a number followed by other
// characters ("5 V", "1,5,3") and a fraction with a part that is not a number ("1/x"). The
// calculators treat 0 as a missing value and ask for it.
long double Lies_Wert(const QString& text) {
  QString t = Trimme(text);
  const qsizetype komma = t.indexOf(QLatin1Char(','));
  if (komma >= 0) t[komma] = QLatin1Char('.');
  // Only ASCII can form a number; anything else is replaced so it cannot match.
  std::string s;
  s.reserve(static_cast<std::size_t>(t.size()));
  for (const QChar c : t) s += c.unicode() < 128 ? static_cast<char>(c.unicode()) : '?';
  const std::size_t strich = s.find('/');
  if (strich == std::string::npos) return lies_zahl(s).value_or(0);
  const auto trim = [](std::string_view v) {
    while (!v.empty() && v.front() == ' ') v.remove_prefix(1);
    while (!v.empty() && v.back() == ' ') v.remove_suffix(1);
    return v;
  };
  const std::string_view ganz(s);
  const auto zaehler = lies_zahl(trim(ganz.substr(0, strich)));
  const auto nenner = lies_zahl(trim(ganz.substr(strich + 1)));
  if (!zaehler || !nenner) return 0;
  if (*nenner == 0) throw FloatError("Division durch Null");
  const long double quotient = *zaehler / *nenner;
  if (!std::isfinite(quotient)) throw FloatError("Gleitkommaüberlauf");
  return quotient;
}

QString Formatiere_Allgemein(long double x) {
  if (std::isnan(x)) return QStringLiteral("NAN");
  const double d = static_cast<double>(x);
  if (std::isinf(d)) return QLatin1String(d < 0 ? "-INF" : "INF");
  if (d == 0) return QStringLiteral("0");
  Ziffern z = zerlege(std::fabs(d), 0);
  if (z.ziffern.size() > 15) {
    z = zerlege(std::fabs(d), 15);
    z.ziffern.erase(z.ziffern.find_last_not_of('0') + 1);
  }
  std::string text = d < 0 ? "-" : "";
  const std::string& ziffern = z.ziffern;
  const auto anzahl = static_cast<int>(ziffern.size());
  if (z.exponent < -5 || z.exponent >= 15) {
    text += ziffern.substr(0, 1);
    if (anzahl > 1) text += "." + ziffern.substr(1);
    text += z.exponent < 0 ? "E-" : "E+";
    text += std::to_string(std::abs(z.exponent));
  } else if (z.exponent < 0) {
    text += "0." + std::string(static_cast<std::size_t>(-z.exponent - 1), '0') + ziffern;
  } else {
    const int ganz = z.exponent + 1;
    if (anzahl <= ganz) {
      text += ziffern + std::string(static_cast<std::size_t>(ganz - anzahl), '0');
    } else {
      text += ziffern.substr(0, static_cast<std::size_t>(ganz)) + "." + ziffern.substr(static_cast<std::size_t>(ganz));
    }
  }
  return QString::fromLatin1(text);
}
