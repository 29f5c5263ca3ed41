#pragma once

// Calculator dialogs of single components: resistor, capacitor and coil, high and low
// pass, capacitance and inductance from the construction.

#include <QDialog>
#include <QString>

class QLabel;
class QLineEdit;
class QPushButton;

namespace calculators {

class TBerechne_WiderstandDlg : public QDialog {
 public:
  explicit TBerechne_WiderstandDlg(QWidget* parent = nullptr);

  void OKBtnClick();

  QLineEdit *Edit1, *Edit2, *Edit3;  // U, I, R
  QPushButton *OKBtn, *CancelBtn;
};

class TBerechne_C_und_LDLG : public QDialog {
 public:
  explicit TBerechne_C_und_LDLG(QWidget* parent = nullptr);

  void FormShow();
  void Button1Click();  // capacitor group
  void Button2Click();  // coil group

  QString Variante;                                   // "Kondensator" or "Spule"
  QLineEdit *Edit1, *Edit2, *Edit3, *Edit4, *Edit5;   // C, Xc, f, Ueff, Ieff
  QLineEdit *Edit6, *Edit7, *Edit8, *Edit9, *Edit10;  // L, XL, f, Ueff, Ieff
  QPushButton *Button1, *Button2, *CancelBtn;

 protected:
  void showEvent(QShowEvent* event) override;
};

class TBerechne_Hoch_TiefpassDlg : public QDialog {
 public:
  explicit TBerechne_Hoch_TiefpassDlg(QWidget* parent = nullptr);

  void OKBtnClick();

  QLineEdit *Edit1, *Edit2;  // R, C
  QPushButton *OKBtn, *CancelBtn;
};

class TBerechne_Kapazitaet_InduktivitaetDLG : public QDialog {
 public:
  explicit TBerechne_Kapazitaet_InduktivitaetDLG(QWidget* parent = nullptr);

  void FormShow();
  void OKBtnClick();    // capacitance
  void Button1Click();  // inductance

  QString Variante;                          // "Kondensator" or "Spule"
  QLineEdit *Edit1, *Edit2, *Edit3, *Edit4;  // er, A, d, result C
  QLineEdit *Edit5, *Edit6, *Edit7, *Edit8;  // ur, n, l, A
  QLineEdit* Edit9;                          // result L
  QPushButton *OKBtn, *Button1, *CancelBtn;

 protected:
  void showEvent(QShowEvent* event) override;
};

// The standard conversion of a number text: "." as decimal separator only, blanks around
// it allowed; anything else throws FloatError.
long double Lies_Zahl_streng(const QString& text);

}  // namespace calculators
