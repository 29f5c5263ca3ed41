#pragma once

#include <QDialog>
#include <array>
#include <functional>
#include <memory>

#include "exercises/aufgaben.h"

class QLabel;
class QPushButton;
namespace platform {
class Bevel;
class RadioGroup;
}  // namespace platform

namespace exercises {

// "Erstellen von Aufgaben:": a random exercise of the chosen type with its given values on
// the left and its solution on the right. The display mode of the main window stays as it is.
class TAufgabenerstellenDlg : public QDialog {
  Q_OBJECT
 public:
  explicit TAufgabenerstellenDlg(QWidget* parent = nullptr);
  ~TAufgabenerstellenDlg() override;

  // Draws from z instead of a generator seeded from the clock when the dialog shows (tests).
  void Setze_Zufallsquelle(std::unique_ptr<Zufallsquelle> z);
  // Opens the calculation help at an entry; by default the help dialog, modal (tests replace it).
  std::function<void(int eintrag)> Oeffne_Hilfe;

  void FormShow();
  void RadioGroup1Click();  // also "Neue Aufgabe"
  void Button1Click();      // "Berechnungshinweise"

  const TAufgabe& Aufgabe() const { return aufgabe_; }

  platform::RadioGroup* RadioGroup1;
  QLabel* StaticText1;
  QLabel* StaticText2;
  platform::Bevel* Bevel3;
  std::array<QLabel*, 13> Label{};  // Label1 .. Label12 at their numbers
  QPushButton* Button1;
  QPushButton* Button2;
  QPushButton* CancelBtn;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void Zeige_Aufgabe();

  std::unique_ptr<Zufallsquelle> zufall_;
  TAufgabe aufgabe_;
  bool gezeigt_ = false;
};

}  // namespace exercises
