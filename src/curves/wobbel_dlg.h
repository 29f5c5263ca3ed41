#pragma once

#include "curves/kurven_dialog.h"
#include "platform/scrollbar.h"

class QLabel;

// "Wobbelgenerator:" of the filter chain and the trap circuit. U and fs follow every scroll
// code of their bars; C, L and R redraw on every change; the zoom follows its bar on release
// and arrow steps, while dragged only its label moves.
class TWobbelsiebketteDlg : public TKurvenDlg {
  Q_OBJECT
 public:
  explicit TWobbelsiebketteDlg(QWidget* parent = nullptr);

  void FormShow() override;
  void FormClick() override;
  void ScrollBar1Scroll(platform::TScrollCode code, int& position);
  void ScrollBar2Change();
  void ScrollBar3Change();
  void ScrollBar4Change();
  void ScrollBar5Scroll(platform::TScrollCode code, int& position);
  void ScrollBar6Scroll(platform::TScrollCode code, int& position);

  QLabel* Label1;
  QLabel* Label2;
  QLabel* Label3;
  QLabel* Label4;
  QLabel* Label9;                   // "Startfrequenz"
  QLabel* Label12;                  // "Zoom"
  platform::ScrollBar* ScrollBar1;  // U, 1 .. 100 V
  platform::ScrollBar* ScrollBar2;  // C, logarithmic over 1 nF .. 100 uF
  platform::ScrollBar* ScrollBar3;  // L, logarithmic over 1 uH .. 10 mH
  platform::ScrollBar* ScrollBar4;  // R, logarithmic over 1 .. 100 Ohm
  platform::ScrollBar* ScrollBar5;  // fs, 100 .. 10000 Hz
  platform::ScrollBar* ScrollBar6;  // zoom = position * 0.2, 1 .. 200
  QLabel* Label5;
  QLabel* Label6;
  QLabel* Label7;
  QLabel* Label8;
  QLabel* Label10;
  QLabel* Label11;
};

// "Wobbelgenerator: Hoch-Teifpass": R and C follow their bars at once; the drawing follows on
// release, arrow steps and page clicks.
class THoch_TiefpassDlg : public TKurvenDlg {
  Q_OBJECT
 public:
  explicit THoch_TiefpassDlg(QWidget* parent = nullptr);

  void FormShow() override;
  void FormClick() override;
  void ScrollBar1Change();
  void ScrollBar2Change();
  void ScrollBar1Scroll(platform::TScrollCode code, int& position);  // of both bars

  QLabel* Label1;
  QLabel* Label2;
  platform::ScrollBar* ScrollBar1;  // R, logarithmic over 1 .. 1000 Ohm
  platform::ScrollBar* ScrollBar2;  // C, logarithmic over 1 nF .. 1 mF
  QLabel* Label3;
  QLabel* Label4;
};
