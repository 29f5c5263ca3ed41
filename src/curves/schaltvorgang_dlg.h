#pragma once

#include "curves/kurven_dialog.h"
#include "platform/radiogroup.h"
#include "platform/scrollbar.h"
#include "toolkit/real48.h"

class QLabel;

// R and C (or L) of a switching topic on logarithmic bars that redraw on every change, and the
// time axis: constant (always 5 Tau) or fixed in seconds at the present 5 Tau.
class TSchaltvorgangDlg : public TKurvenDlg {
  Q_OBJECT
 public:
  void FormShow() override;
  void FormClick() override;
  void ScrollBar1Change();
  void ScrollBar2Change();
  void RadioGroup1Click();

  QLabel* Label1;
  QLabel* Label3;
  platform::ScrollBar* ScrollBar1;  // R
  platform::ScrollBar* ScrollBar2;  // C or L
  QLabel* Label2;
  QLabel* Label4;
  platform::RadioGroup* RadioGroup1;

 protected:
  // What distinguishes the capacitor from the coil dialog.
  struct TArt {
    long double R_min, R_max;
    real48* Bauteil;  // C or L in the shared state
    long double min, max;
    QString (*Text)(long double);
    bool* konstante_Achse;
    real48* Tau_Achse;
    long double (*Tau)();
  };
  TSchaltvorgangDlg(QWidget* parent, const QString& name, const QString& caption, int client_w, int client_h,
                    const QString& bauteil, const TArt& art);

 private:
  TArt art_;
  bool zeigt_an_ = false;  // FormShow sets the radio group: no click
};

// "Auf-und Entladevorgang beim Kondensator"
class TAuf_entlade_KondDlg : public TSchaltvorgangDlg {
  Q_OBJECT
 public:
  explicit TAuf_entlade_KondDlg(QWidget* parent = nullptr);
};

// "Ein-Ausschaltvorgang bei der Spule:"
class TEin_aus_SpuleDLG : public TSchaltvorgangDlg {
  Q_OBJECT
 public:
  explicit TEin_aus_SpuleDLG(QWidget* parent = nullptr);
};
