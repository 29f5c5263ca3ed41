#pragma once

#include <QDialog>

class QCheckBox;
class QPushButton;
namespace platform {
class RadioGroup;
}

// "Programmeinstellungen:": colour scheme, drawing delay, window state, print size,
// pausing and immediate dialogs; read from and written to the settings file.
class TEinstellungenDlg : public QDialog {
  Q_OBJECT
 public:
  explicit TEinstellungenDlg(QWidget* parent = nullptr);

  void Read_iniFile();
  void Setze_Einstellungen();
  void OKBtnClick();
  void FormShow();

  platform::RadioGroup* RadioGroup1;
  platform::RadioGroup* RadioGroup2;
  platform::RadioGroup* RadioGroup3;
  platform::RadioGroup* RadioGroup4;
  QCheckBox* CheckBox1;
  QCheckBox* CheckBox2;
  QPushButton* OKBtn;
  QPushButton* CancelBtn;

 protected:
  void showEvent(QShowEvent* event) override;
};
