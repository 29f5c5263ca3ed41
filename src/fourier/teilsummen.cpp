#include "fourier/teilsummen.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "toolkit/number_text.h"

namespace {

constexpr long double kPi = std::numbers::pi_v<long double>;

using A = Amplitudenregel;
using G = Gliedform;

const TSignaldaten kSignale[kAnzahlSignale] = {
    {"Rechtecksignal", "Rechtecksignal", "y = sin(x) + sin(3x)/3 + sin(5x)/5+ ...", 1, 1, 1, 2, false, A::B_durch_n,
     G::Sinus, false},
    {"Dreiecksignal", "Dreiecksignal", "y = sin(x) - sin(3x)/(3*3) + sin(5x)/(5*5)-..+ ...", 1, 0.8L, 1, 2, true,
     A::B_durch_n_Quadrat, G::Sinus, false},
    {"Sägezahn (steigend)", "Ansteigendes Sägezahnsignal", "y = sin(x) - sin(2x)/2 + sin(3x)/3 -..+ ...", 1, 0.5L, 1, 1,
     true, A::B_durch_n, G::Sinus, false},
    {"Sägezahn (fallend)", "Abfallendes Sägezahnsignal", "y = -sin(x) + sin(2x)/2 - sin(3x)/3 +..- ...", 1, 0.5L, -1, 1,
     true, A::B_durch_n, G::Sinus, false},
    {"negativer Nadelimpuls", "Negativer Nadelimpuls", "y = cos(x) - cos(2x)/2 + cos(3x)/3 -..+ ...", 1, 0.2L, 1, 1,
     true, A::B_durch_n, G::Kosinus, false},
    {"pos, neg. Impulse", "Positive und negativer Rechteckimpulse",
     "y = cos(ß)*sinx + cos(3ß)*sin(3x)/3 + cos(5ß)*sin(5x)/5 + ...", 1, 1, 1, 2, false, A::B_durch_n,
     G::Kosinus_beta_mal_Sinus, false},
    {"gleichgerichteter Wechselstrom ", "Gleichgerichteter Wechselstrom",
     "y = A - B(cos(2x)/(1*3) + cos(4x)/(3*5) + cos(6x)/(5*7) + ...)", 2, 0.9L, -1, 2, false,
     A::B_durch_n_plus_1_mal_n_minus_1, G::Kosinus, true},
};

long double Amplitude(const TSignaldaten& f, long double n) {
  switch (f.Amplitude) {
    case A::B_durch_n:
      return f.B / n;
    case A::B_durch_n_Quadrat:
      return f.B / (n * n);
    case A::B_durch_n_plus_1_mal_n_minus_1:
      return f.B / ((n + 1) * (n - 1));
  }
  return 0;
}

// Trunc for pixel coordinates: the plain conversion on the common path, the checked one
// (which throws on NaN and infinity) only for far-off values.
int Ganzzahl(long double v) {
  if (std::fabs(v) < 1e9L) return static_cast<int>(v);
  return static_cast<int>(std::clamp<long long>(Trunc(v), -1000000000, 1000000000));
}

}  // namespace

const TSignaldaten& Signalform(Fouriersignal signal) { return kSignale[static_cast<int>(signal)]; }

std::vector<TFourierglied> Fourierglieder(Fouriersignal signal, int N) {
  const TSignaldaten& f = Signalform(signal);
  std::vector<TFourierglied> glieder;
  glieder.reserve(static_cast<std::size_t>(std::max(N, 0)) + 1);
  TFourierglied g{f.n1, f.s1, Amplitude(f, f.n1)};
  glieder.push_back(g);
  for (int k = 0; k < N; ++k) {
    g.n = g.n + f.Schritt;
    if (f.Vorzeichenwechsel) g.s = -g.s;
    g.a = Amplitude(f, g.n);
    glieder.push_back(g);
  }
  return glieder;
}

long double Gliedwert(Fouriersignal signal, const TFourierglied& glied, long double x) {
  // The sine and cosine in double: 128 harmonics take some 46 000 of them per drawing, and the
  // result is stored in 40 bits anyway.
  const double nx = static_cast<double>(glied.n * x);
  switch (Signalform(signal).Form) {
    case G::Sinus:
      return glied.s * glied.a * std::sin(nx);
    case G::Kosinus:
      return glied.s * glied.a * std::cos(nx);
    case G::Kosinus_beta_mal_Sinus:
      return glied.s * glied.a * std::cos(static_cast<double>(glied.n * (kPi / 3))) * std::sin(nx);
  }
  return 0;
}

TFourierrahmen Berechne_Fourierrahmen(int CW, int CH) {
  TFourierrahmen r{};
  r.Left = 2;
  r.Top = 2;
  r.Right = CW / 2 - 10;
  r.Bottom = CH / 2 - 10;
  r.X0 = r.Left + 2;
  r.Ymid = (r.Top + r.Bottom) / 2;
  r.Amp = r.Ymid - r.Top - 2;
  r.W = r.Right - 2 - r.X0;
  return r;
}

TFourier1_Kurven Berechne_Fourier1(Fouriersignal signal, int N, const TFourierrahmen& r) {
  std::array<real48, kPunkte> x;
  std::array<int, kPunkte> P;
  for (int i = 0; i < kPunkte; ++i) {
    x[i] = i * kPi / 180;
    P[i] = Ganzzahl(i * r.W * (1.0L / 360) + 0.5L) + r.X0;
  }
  auto punkt = [&](int i, long double v) { return QPoint(P[i], r.Ymid - Ganzzahl(v + 0.5L)); };
  auto neue_linie = [&] {
    std::vector<QPoint> linie;
    linie.reserve(kPunkte + 1);
    linie.emplace_back(r.X0, r.Ymid);
    return linie;
  };

  TFourier1_Kurven k;
  const std::vector<TFourierglied> glieder = Fourierglieder(signal, N);
  k.Glieder.reserve(glieder.size());
  for (std::size_t j = 0; j < glieder.size(); ++j) {
    std::vector<QPoint> linie = neue_linie();
    for (int i = 0; i < kPunkte; ++i) {
      // Each term is stored before it is added, so the sum carries the stored precision.
      const real48 v = Gliedwert(signal, glieder[j], x[i]) * r.Amp;
      k.S[i] = j == 0 ? v : real48(k.S[i] + v);
      linie.push_back(punkt(i, v));
    }
    k.Glieder.push_back(std::move(linie));
  }
  const TSignaldaten& f = Signalform(signal);
  k.Summe = neue_linie();
  for (int i = 0; i < kPunkte; ++i) {
    if (f.Gleichanteil) k.S[i] = k.S[i] + f.B * 0.5L * r.Amp;
    k.Summe.push_back(punkt(i, k.S[i]));
  }
  return k;
}

long double Fourier2_Wert(const TKoeffizienten& K, long double phi) {
  long double y = K[0] * 0.5L;
  for (int k = 1; k <= 8; ++k) y += K[k] * std::sin(k * phi);
  for (int k = 1; k <= 8; ++k) y += K[8 + k] * std::cos(k * phi);
  return y;
}

std::vector<std::vector<QPoint>> Berechne_Fourier2(const TKoeffizienten& K, const TFourierrahmen& r) {
  std::vector<std::vector<QPoint>> stuecke;
  // A window so narrow that the plot has no width: no curve (and no division by zero).
  if (r.Ohne_Breite()) return stuecke;
  const int skala = (r.Bottom - r.Top) / 4;  // pixels per unit
  auto zeile = [&](long double y) { return Ganzzahl(r.Ymid - y * skala + 0.5L); };
  auto innen = [&](int py) { return r.Top < py && py < r.Bottom; };

  long double y0 = K[0] / 2;
  for (int k = 1; k <= 8; ++k) y0 += K[8 + k];
  QPoint zuletzt(r.X0, zeile(real48(y0)));  // the pen position
  std::vector<QPoint> stueck;
  for (int u = r.X0; u <= r.W; ++u) {
    const real48 t = static_cast<long double>(u - r.X0) / (r.W - r.X0);
    const real48 phi = 2 * kPi * t;
    const real48 y = Fourier2_Wert(K, phi);
    const QPoint p(u, zeile(y));
    if (innen(p.y())) {
      if (stueck.empty()) {
        if (innen(zuletzt.y())) {
          stueck.push_back(zuletzt);
        } else {
          // Re-entry: the line starts on the plot's first row inside, where the step from the
          // last point crosses it, not at that point outside, which may lie in the texts below.
          const int rand = zuletzt.y() <= r.Top ? r.Top + 1 : r.Bottom - 1;
          const long double anteil = static_cast<long double>(rand - zuletzt.y()) / (p.y() - zuletzt.y());
          stueck.emplace_back(zuletzt.x() + Ganzzahl((p.x() - zuletzt.x()) * anteil + 0.5L), rand);
        }
      }
      stueck.push_back(p);
    } else if (!stueck.empty()) {
      stuecke.push_back(std::move(stueck));
      stueck.clear();
    }
    zuletzt = p;
  }
  if (!stueck.empty()) stuecke.push_back(std::move(stueck));
  return stuecke;
}

QString Koeffiziententext(int i, long double wert) {
  const QString name = i <= 8 ? QString("a%1").arg(i) : QString("b%1").arg(i - 8);
  return "  " + name + " = " + Formatiere_Festkomma(wert);
}
