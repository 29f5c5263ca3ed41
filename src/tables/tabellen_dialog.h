#pragma once

// Common ground of the table dialogs: fixed client size in the dialog font, labels, track
// bars and radio groups at their places, and the range selectors of R, C and L.

#include <QDialog>
#include <QString>
#include <QStringList>

class QLabel;
namespace platform {
class RadioGroup;
class TrackBar;
}  // namespace platform

namespace tables {

class TTabellenDlg : public QDialog {
 public:
  // Runs when the dialog is shown (the program exec(), tests show()); an export without
  // dialogs calls it alone to get the values the dialog opens with.
  virtual void FormShow() = 0;

 protected:
  TTabellenDlg(QWidget* parent, const QString& name, const QString& caption, int client_w, int client_h);

  QLabel* Neues_Label(const QString& name, const QString& text, int x, int y, int w = 0);
  platform::RadioGroup* Neue_Radiogruppe(const QString& name, const QString& caption, const QStringList& items,
                                         const QRect& ort, int spalten);
  // Vertical, the smallest value at the bottom (see Schieberwert).
  platform::TrackBar* Neue_Trackbar(const QString& name, int x, int y, int w, int h);

  void Zentriere();  // on the screen; Platziere_unten_rechts (dialog_bausteine) places in the main window

  void showEvent(QShowEvent* event) override;
};

// Value of a vertical track bar whose top end gives the largest value.
int Schieberwert(const platform::TrackBar* bar);

// "Widerstandsbereich:", "Kapazitätsbereich:" and "Induktivitätsbereich:": items, and what a
// range click does to its track bar (range 1 .. maximum, position at the smallest value).
extern const QStringList Widerstandsbereiche;
extern const QStringList Kapazitaetsbereiche;
extern const QStringList Induktivitaetsbereiche;
void Setze_Widerstandsbereich(platform::TrackBar* bar, int item);
void Setze_Kapazitaets_Induktivitaetsbereich(platform::TrackBar* bar);
// The unit of one track-bar step: 1 pF, 1 nF, 1 uF, 1 mF; 1 uH, 1 mH.
long double Kapazitaetsschritt(int item);
long double Induktivitaetsschritt(int item);
// Value labels: R in Ohm (kOhm in the MOhm range), C and L in the unit of their range.
QString R_Text(long double R, int item);
QString C_Text(long double C, int item);
QString L_Text(long double L, int item);

}  // namespace tables
