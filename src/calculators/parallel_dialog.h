#pragma once

// Calculator dialog of the four parallel circuits.

#include <QDialog>
#include <QString>

class QLabel;
class QLineEdit;
class QPushButton;

namespace calculators {

class TBerechne_ParallelSchaltungenDLG : public QDialog {
 public:
  explicit TBerechne_ParallelSchaltungenDLG(QWidget* parent = nullptr);

  void FormShow();
  void OKBtnClick();    // R and C
  void Button1Click();  // R and L
  void Button2Click();  // C and L, with R for "RCL_parallel"
  void Berechne_CL_parallel();
  void Berechne_RCL_parallel();

  QString Variante;  // "RC_parallel", "RL_parallel", "CL_parallel" or "RCL_parallel"
  QLineEdit *Edit1, *Edit2, *Edit3, *Edit4, *Edit5, *Edit6;     // C, Xc, f, Ueff, Ieff, R
  QLineEdit *Edit7, *Edit8, *Edit9, *Edit10, *Edit11, *Edit12;  // L, XL, f, Ueff, Ieff, R
  QLineEdit *Edit13, *Edit14, *Edit15, *Edit16, *Edit17;        // C, Xc, f, Ueff, Ieff
  QLineEdit *Edit19, *Edit20, *Edit21;                          // L, XL, R
  QLabel *LabelR, *LabelOhm;                                    // "R =" and "Ohm" beside Edit21
  QLabel *Image1, *Image2;                                      // C and R, L and R in parallel
  QLabel *Image3, *Image4;                                      // C and L; R, C and L in parallel
  QPushButton *OKBtn, *Button1, *Button2, *CancelBtn;

 protected:
  void showEvent(QShowEvent* event) override;
};

}  // namespace calculators
