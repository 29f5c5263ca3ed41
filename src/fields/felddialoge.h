#pragma once

#include <QString>

#include "platform/scrollbar.h"
#include "toolkit/themendialog.h"

class QCheckBox;
class QLabel;
namespace platform {
class BitBtn;
class SpeedButton;
}  // namespace platform

// Common ground of the four field dialogs: the view controls (rotation bars, unit buttons,
// "Standard", "nur Aufriß", "nur Bild") and the electron group; the capacitor, screen and
// magnet groups where the dialog has them. Every control writes its shared value and
// redraws the main window.
class TFeldDlg : public TThemendialog {
 public:
  struct TAufbau {
    QString name, caption;
    QString drehung[3];  // object names of the x, y and z rotation bars
    bool kondensator = false, schirm = false, magnet = false;
    bool nur_Ve = false;  // Ub and the angle are shown disabled and do nothing
    int Uc_Schritte = 1000;
  };

  void FormShow();
  void FormClick() override;

  void xScrollBarScroll(platform::TScrollCode code, int& position);
  void yScrollBarScroll(platform::TScrollCode code, int& position);
  void zScrollBarScroll(platform::TScrollCode code, int& position);
  void SpeedButton1Click();
  void SpeedButton2Click();
  void SpeedButton3Click();
  void SpeedButton4Click();
  void SpeedButton5Click();
  void SpeedButton6Click();
  void BitBtn1Click();
  void BitBtn2Click();
  void CheckBox1Click();
  void UbScrollBarChange();
  void VeScrollBarChange();
  void AlphaScrollBarChange();
  void UcScrollBarChange();
  void dScrollBarChange();
  void lScrollBarChange();
  void aScrollBarChange();
  void BScrollBarChange();

  platform::ScrollBar *xScrollBar, *yScrollBar, *zScrollBar;
  platform::SpeedButton *SpeedButton1, *SpeedButton2, *SpeedButton3, *SpeedButton4, *SpeedButton5, *SpeedButton6;
  platform::BitBtn *BitBtn1, *BitBtn2;
  QCheckBox* CheckBox1;
  platform::ScrollBar *UbScrollBar, *VeScrollBar, *AlphaScrollBar;
  QLabel *UbName, *WinkelName, *UbLabel, *VeLabel, *AlphaLabel;
  // Only in the dialogs with these groups, else null.
  platform::ScrollBar *UcScrollBar = nullptr, *dScrollBar = nullptr, *lScrollBar = nullptr;
  platform::ScrollBar *aScrollBar = nullptr, *BScrollBar = nullptr;
  QLabel *UcLabel = nullptr, *dLabel = nullptr, *lLabel = nullptr, *aLabel = nullptr, *BLabel = nullptr;

 protected:
  explicit TFeldDlg(QWidget* parent, const TAufbau& aufbau);
  // Top left corner of the frame from the main window's frame, its client width and status
  // bar height, and the dialog's frame size.
  virtual QPoint Platz(const QRect& rahmen, int CW, int S, int w, int h) const = 0;

  void showEvent(QShowEvent* event) override;

 private:
  QLabel* Neues_Wertlabel(const QString& name, int y);
  platform::ScrollBar* Zeile(const QString& name, const QString& text, int y, int min, int max, int w = 121);
  void Schreibe_Labels();
  void Platziere();

  TAufbau aufbau_;
};

class TEFeldDlg : public TFeldDlg {
 public:
  explicit TEFeldDlg(QWidget* parent = nullptr);

 protected:
  QPoint Platz(const QRect& rahmen, int CW, int S, int w, int h) const override;
};

class TMagnetfeldDlg : public TFeldDlg {
 public:
  explicit TMagnetfeldDlg(QWidget* parent = nullptr);

 protected:
  QPoint Platz(const QRect& rahmen, int CW, int S, int w, int h) const override;
};

class TE_und_BFeldDlg : public TFeldDlg {
 public:
  explicit TE_und_BFeldDlg(QWidget* parent = nullptr);

 protected:
  QPoint Platz(const QRect& rahmen, int CW, int S, int w, int h) const override;
};

class TEB_gekreuztDlg : public TFeldDlg {
 public:
  explicit TEB_gekreuztDlg(QWidget* parent = nullptr);

 protected:
  QPoint Platz(const QRect& rahmen, int CW, int S, int w, int h) const override;
};
