#pragma once

#include "curves/kurven_dialog.h"
#include "platform/scrollbar.h"

class QLabel;

// Common ground of the two modulation dialogs: the bar of the square periods and steps
// (ScrollBar6) and that of the sine frequency (ScrollBar5), each enabled only for the signal
// forms it acts on. Every bar writes its value and redraws on a line step and on the released
// thumb, lets only its label follow a drag, and ignores other scroll codes.
class TModulationDlg : public TKurvenDlg {
  Q_OBJECT
 public:
  void FormShow() override;
  void FormClick() override;
  void ScrollBar6Scroll(platform::TScrollCode code, int& position);
  void ScrollBar5Scroll(platform::TScrollCode code, int& position);

  QLabel* Label2;                   // "Rechteck-Treppen-Freq.:"
  platform::ScrollBar* ScrollBar6;  // square periods and steps, 2 .. 6
  QLabel* Label5;
  QLabel* Label3;                   // "Signalfrequenz:"
  platform::ScrollBar* ScrollBar5;  // sine frequency, 1 .. 8
  QLabel* Label6;

 protected:
  TModulationDlg(QWidget* parent, const QString& name, const QString& caption, int client_w, int client_h,
                 bool frequenz, int y6, int y5);

  // Row n: name label "Labeln" at (4, y - 2), the bar at (144, y), value label "Label(n+3)" at
  // x = 400 showing "+".
  void Neue_Zeile(int y, const QString& text, int zeile, int balken, QLabel*& name, platform::ScrollBar*& bar,
                  QLabel*& wert, int min, int max);

 private:
  // Bottom right corner of the main window's outer frame, above the status bar.
  void Platziere_am_Hauptfenster();
  // The window system adds the dialog's frame only once it is shown: placed again as soon
  // as the frame is known, looking every 10 ms at most versuche times.
  void Platziere_mit_Rahmen(int versuche);

  bool frequenz_;
};

// "Amplitudenmodulation: Werte ändern": also the carrier factor k (ScrollBar4, k = position / 5).
class TAModulationDLG : public TModulationDlg {
  Q_OBJECT
 public:
  explicit TAModulationDLG(QWidget* parent = nullptr);

  void FormShow() override;
  void ScrollBar4Scroll(platform::TScrollCode code, int& position);

  QLabel* Label1;                   // "Mod.frequenz (Faktor):"
  platform::ScrollBar* ScrollBar4;  // 1 .. 20
  QLabel* Label4;
};

// "Frequenzmodulation: Werte ändern"
class TFModulationDlg : public TModulationDlg {
  Q_OBJECT
 public:
  explicit TFModulationDlg(QWidget* parent = nullptr);
};
