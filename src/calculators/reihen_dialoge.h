#pragma once

// Calculator dialogs of series circuits.

#include <QDialog>
#include <QString>

class QLabel;
class QLineEdit;
class QPushButton;

namespace calculators {

class TRC_RL_ReiheDLG : public QDialog {
 public:
  explicit TRC_RL_ReiheDLG(QWidget* parent = nullptr);

  void FormShow();
  void OKBtnClick();    // R and C
  void Button1Click();  // R and L

  QString Variante;                                             // "RC" or "RL"
  QLineEdit *Edit1, *Edit2, *Edit3, *Edit4, *Edit5, *Edit6;     // C, Xc, f, Ueff, Ieff, R
  QLineEdit *Edit7, *Edit8, *Edit9, *Edit10, *Edit11, *Edit12;  // L, XL, f, Ueff, Ieff, R
  QPushButton *OKBtn, *Button1, *CancelBtn;

 protected:
  void showEvent(QShowEvent* event) override;
};

class TBerechneRCL_ReiheDLG : public QDialog {
 public:
  explicit TBerechneRCL_ReiheDLG(QWidget* parent = nullptr);

  void FormShow();
  void OKBtnClick();

  QString Variante;                                                          // "RCL_ohne_R" or "RCL_mit_R"
  QLineEdit *Edit1, *Edit2, *Edit3, *Edit4, *Edit5, *Edit6, *Edit7, *Edit8;  // C, Xc, f, Ueff, Ieff, L, XL, R
  QLabel *LabelR, *LabelOhm;                                                 // "R =" and "Ohm" beside Edit8
  QLabel *Image1, *Image2;                                                   // C and L; R, C and L
  QPushButton *OKBtn, *CancelBtn;

 protected:
  void showEvent(QShowEvent* event) override;
};

}  // namespace calculators
