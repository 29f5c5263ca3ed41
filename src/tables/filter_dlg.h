#pragma once

// The dialogs of the frequency tables: filter chain and trap circuit (R, C and L), high and
// low pass (R and C). Vertical track bars set the values within the chosen ranges.

#include "tables/tabellen_dialog.h"
#include "tables/tabellenwerte.h"

class QLabel;
class QPushButton;

namespace tables {

// R and C with their ranges, value labels and the save and cancel buttons.
class TFilterDlg : public TTabellenDlg {
 public:
  void TrackBar1Change();  // R
  void TrackBar2Change();  // C
  void RadioGroup1Click();
  void RadioGroup2Click();
  virtual void Gib_labels_aus() = 0;

  platform::TrackBar* TrackBar1;
  platform::TrackBar* TrackBar2;
  platform::RadioGroup* RadioGroup1;  // "Widerstandsbereich:"
  platform::RadioGroup* RadioGroup2;  // "Kapazitätsbereich:"
  QLabel* RLabel;
  QLabel* CLabel;
  QPushButton* Speichern;  // "speichern"
  QPushButton* CancelBtn;

 protected:
  TFilterDlg(QWidget* parent, const QString& name, const QString& caption, int client_w, int client_h);
  // The R and C labels of the ranges chosen so far.
  void Gib_R_C_aus();
  void Speichere(Filter filter);
};

// Filter chain (series) and trap circuit (parallel): 21 rows around fr.
class TSchwingkreistabelleDlg : public TFilterDlg {
 public:
  void FormShow() override;
  void TrackBar3Change();  // L
  void RadioGroup3Click();
  void Gib_labels_aus() override;  // also stores fr

  QLabel* Label1;  // heading
  platform::TrackBar* TrackBar3;
  platform::RadioGroup* RadioGroup3;  // "Induktivitätsbereich:"
  QLabel* LLabel;
  QLabel* FLabel;

 protected:
  TSchwingkreistabelleDlg(QWidget* parent, const QString& name, Filter filter);

 private:
  Filter filter_;
};

class TBerechne_Tabelle_SiebketteDLG : public TSchwingkreistabelleDlg {
 public:
  explicit TBerechne_Tabelle_SiebketteDLG(QWidget* parent = nullptr);
  void OKBtnClick();  // save
  QPushButton* OKBtn;
};

class TBerechne_Tabelle_SperrkreisDLG : public TSchwingkreistabelleDlg {
 public:
  explicit TBerechne_Tabelle_SperrkreisDLG(QWidget* parent = nullptr);
  void Button1Click();  // save
  QPushButton* Button1;
};

// High or low pass, told its kind by Variante ("Hochpass" or "Tiefpass").
class TBerechne_Tabelle_HochpassDLG : public TFilterDlg {
 public:
  explicit TBerechne_Tabelle_HochpassDLG(QWidget* parent = nullptr);
  void FormShow() override;
  void Gib_labels_aus() override;
  void OKBtnClick();  // save

  QString Variante;
  QLabel* Image1;  // high pass
  QLabel* Image2;  // low pass
  QLabel *f3Label, *F6Label, *F12Label, *F24Label;
  QPushButton* OKBtn;

 private:
  bool Tiefpass() const { return Variante == QLatin1String("Tiefpass"); }
};

}  // namespace tables
