#pragma once

#include <QPoint>
#include <QString>
#include <array>
#include <vector>

#include "toolkit/real48.h"

// Partial Fourier sums of both syntheses as plain functions, without a canvas.

// The seven signals of Fourier 1, in the order of the dialog's radio group.
enum class Fouriersignal {
  Rechteck,
  Dreieck,
  Saegezahn_steigend,
  Saegezahn_fallend,
  Nadelimpuls_negativ,
  Impulse_pos_neg,
  Zweiweg_Gleichrichtung
};
inline constexpr int kAnzahlSignale = 7;

// How a signal's amplitude follows from the harmonic number n, and which function a term uses.
enum class Amplitudenregel { B_durch_n, B_durch_n_Quadrat, B_durch_n_plus_1_mal_n_minus_1 };
enum class Gliedform { Sinus, Kosinus, Kosinus_beta_mal_Sinus };

struct TSignaldaten {
  QString Radiotext;  // item of the radio group
  QString Titel;      // title in the drawing
  QString Formel;     // formula line under the title
  long double n1, B, s1;
  int Schritt;             // n advances by this
  bool Vorzeichenwechsel;  // the sign flips from term to term
  Amplitudenregel Amplitude;
  Gliedform Form;
  bool Gleichanteil;  // B/2 added to the sum only
};

const TSignaldaten& Signalform(Fouriersignal signal);

// One term: harmonic number, sign and amplitude, each held as a stored real.
struct TFourierglied {
  real48 n, s, a;
};

// The fundamental and N harmonics of the signal.
std::vector<TFourierglied> Fourierglieder(Fouriersignal signal, int N);
// s * a * (sin(n x), cos(n x) or cos(n beta) sin(n x)).
long double Gliedwert(Fouriersignal signal, const TFourierglied& glied, long double x);

// Plot and text area of both syntheses for a client area of CW x CH (status bar included).
struct TFourierrahmen {
  int Left, Top, Right, Bottom;
  int X0, Ymid;
  int Amp;  // pixels for the value 1
  int W;    // plot width
  // A window too narrow for a curve: frame only.
  bool Ohne_Breite() const { return W - X0 <= 0; }
};
TFourierrahmen Berechne_Fourierrahmen(int CW, int CH);

inline constexpr int kPunkte = 361;  // one per degree, 0 ... 360

// Fourier 1: each term as a thin polyline around the axis (fundamental first) and the thick
// sum, every polyline starting at (X0, Ymid); S are the running sums in pixels.
struct TFourier1_Kurven {
  std::vector<std::vector<QPoint>> Glieder;
  std::vector<QPoint> Summe;
  std::array<real48, kPunkte> S;
};
TFourier1_Kurven Berechne_Fourier1(Fouriersignal signal, int N, const TFourierrahmen& rahmen);

// Fourier 2: a0, a1 ... a8 (sine series), then b1 ... b8 (cosine series).
inline constexpr int kKoeffizienten = 17;
using TKoeffizienten = std::array<real48, kKoeffizienten>;

// a0/2 + sum a_k sin(k phi) + sum b_k cos(k phi).
long double Fourier2_Wert(const TKoeffizienten& K, long double phi);
// The stretches of the curve inside the plot, one polyline each.
std::vector<std::vector<QPoint>> Berechne_Fourier2(const TKoeffizienten& K, const TFourierrahmen& rahmen);
// "  a1 = -0.300": name and value of coefficient i.
QString Koeffiziententext(int i, long double wert);
