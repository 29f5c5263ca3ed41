#pragma once

// The dialogs of the reactance tables: a decade of capacitance or inductance.

#include "tables/tabellen_dialog.h"

class QImage;
class QLabel;
class QPushButton;
namespace platform {
class Bevel;
}

namespace tables {

class TDekadenDlg : public TTabellenDlg {
 public:
  void FormShow() override;
  void RadioGroup1Click();
  void OKBtnClick();    // applies the chosen decade
  void Button1Click();  // saves the table

  platform::Bevel* Bevel1;
  platform::RadioGroup* RadioGroup1;
  QLabel* Image1;
  QPushButton* Button1;  // "speichern"
  QPushButton* CancelBtn;

 protected:
  TDekadenDlg(QWidget* parent, const QString& name, const QString& caption, int client_w, int client_h, bool induktiv);

 private:
  bool induktiv_;
};

class TBerechne_Tabelle_KondDLG : public TDekadenDlg {
 public:
  explicit TBerechne_Tabelle_KondDLG(QWidget* parent = nullptr);
};

class TBerechne_Tabelle_SpuleDLG : public TDekadenDlg {
 public:
  explicit TBerechne_Tabelle_SpuleDLG(QWidget* parent = nullptr);
};

}  // namespace tables
