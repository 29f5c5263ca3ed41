#pragma once

#include "curves/kurven_dialog.h"
#include "platform/scrollbar.h"

class QLabel;

// U, C, L and R of a resonant circuit. U follows its bar on release and arrow steps
// (dragging moves only the label); C, L and R redraw on every change.
class TResonanzDlg : public TKurvenDlg {
  Q_OBJECT
 public:
  void FormShow() override;
  void FormClick() override;
  void ScrollBar1Scroll(platform::TScrollCode code, int& position);
  void ScrollBar2Change();
  void ScrollBar3Change();
  void ScrollBar4Change();

  QLabel* Label1;
  QLabel* Label2;
  QLabel* Label3;
  QLabel* Label4;
  platform::ScrollBar* ScrollBar1;  // U, 1 .. 100 V
  platform::ScrollBar* ScrollBar2;  // C, logarithmic
  platform::ScrollBar* ScrollBar3;  // L, logarithmic
  platform::ScrollBar* ScrollBar4;  // R, logarithmic
  QLabel* Label5;
  QLabel* Label6;
  QLabel* Label7;
  QLabel* Label8;

 protected:
  TResonanzDlg(QWidget* parent, const QString& name, const QString& caption, int client_w, int client_h);
};

// "Serienschwingkreis"
class TSerienschwinkreisDlg : public TResonanzDlg {
  Q_OBJECT
 public:
  explicit TSerienschwinkreisDlg(QWidget* parent = nullptr);
};

// "Sperrschwingkreis:" (the parallel resonant circuit)
class TSperrschwingkreisDlg : public TResonanzDlg {
  Q_OBJECT
 public:
  explicit TSperrschwingkreisDlg(QWidget* parent = nullptr);
};

// "L-C - Schwingkreis:": U and R in half steps, C and L logarithmic; every change redraws.
class TLCSchwingkreisDlg : public TKurvenDlg {
  Q_OBJECT
 public:
  explicit TLCSchwingkreisDlg(QWidget* parent = nullptr);

  void FormShow() override;
  void FormClick() override;
  void ScrollBar1Change();
  void ScrollBar2Change();
  void ScrollBar3Change();
  void ScrollBar4Change();

  QLabel* Label1;
  QLabel* Label2;
  QLabel* Label3;
  QLabel* Label4;
  platform::ScrollBar* ScrollBar1;  // U = position / 2, 1 .. 200
  platform::ScrollBar* ScrollBar2;  // C
  platform::ScrollBar* ScrollBar3;  // L
  platform::ScrollBar* ScrollBar4;  // R = position / 2, 1 .. 2000
  QLabel* Label5;
  QLabel* Label6;
  QLabel* Label7;
  QLabel* Label8;
};
