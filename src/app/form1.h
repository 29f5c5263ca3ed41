#pragma once

#include <QColor>
#include <QImage>
#include <QMainWindow>
#include <QMap>
#include <QPoint>
#include <exception>
#include <vector>

#include "platform/recorder.h"
#include "platform/services.h"
#include "toolkit/grundelemente.h"
#include "toolkit/hauptfenster.h"
#include "toolkit/zeichenmodus.h"

class QAction;
class QLabel;
class QMenu;
class TZeichenflaeche;
enum class TSignalform;

// The main window: menu, status bar, display mode and the dispatch of painting.
class TForm1 : public QMainWindow, public THauptfenster {
  Q_OBJECT
 public:
  explicit TForm1(QWidget* parent = nullptr);
  ~TForm1() override;

  // THauptfenster
  void Invalidate() override;
  int ClientWidth() const override;
  int ClientHeight() const override;
  int StatusBarHeight() const override;
  QRect ClientRectOnScreen() const override;
  QWidget* Widget() override { return this; }
  bool KeyHeld() const override { return key_held_; }
  bool Neuzeichnen_ausstehend() const override;
  TFont CanvasFont() const override { return canvas_font_; }

  void Prepare();
  void Init_Graphik(Canvas& canvas);
  void zeichnen(Canvas& canvas);
  void AppException(const std::exception& e);

  void FormCreate();
  void FormShow();
  void FormResize();
  void FormMouseDown(Qt::MouseButton button, int x, int y);
  void FormMouseMove(int x, int y);
  void FormMouseUp();
  void FormKeyDown();
  void FormKeyUp();
  bool FormCloseQuery();

  // Menu: the action of a path such as "Zeigerdiagramm/nur Kondensator", and every topic path.
  QAction* Aktion(const QString& path) const;
  QStringList Themen() const;
  // Carries out a menu command by its path; false when there is no such enabled command.
  bool Fuehre_Thema_aus(const QString& path);

  // The drawing of the current topic into Image1 at client width x (client height - status bar),
  // finished at once (delay 0): what copying puts on the clipboard.
  QImage Zeichne_Bild(platform::Recorder* recorder = nullptr);
  // The same drawing onto another target of that size (SVG, PDF), delay 0.
  void Zeichne_auf(QPaintDevice& device, platform::Recorder* recorder = nullptr);
  // Size of Image1 in pixels: client width x (client height - status bar height), unzoomed.
  QSize Bildgroesse() const;
  // Lays the window out for a client area of w x h (status bar included) without a screen.
  void Setze_Client_Groesse(int w, int h);
  // Runs a queued redraw now (tests, export).
  void Zeichne_ausstehend();
  // While set, menu commands select their topic but open no dialog (off-screen export).
  void Setze_ohne_Dialoge(bool on) { ohne_dialoge_ = on; }
  bool Ohne_Dialoge() const { return ohne_dialoge_; }

  QColor Fensterfarbe() const { return fensterfarbe_; }
  bool Titelbild_sichtbar() const;
  const QImage& Hintergrundbild() const;  // the window's backing image
  int Redraw_Anzahl() const { return redraw_count_; }

  // Menu handlers, named after their items.
  void Programmeinstellungen1Click();
  void Ausgabefensterschliessen1Click();
  void Beenden1Click();
  void nurWiderstand1Click();
  void nurKondensator1Click();
  void nurSpule1Click();
  void WiderstandundKondensator1Click();
  void WiderstandundSpule1Click();
  void KondensatorundSpule1Click();
  void WiderstandKondensatorundSpule1Click();
  void Drehstrom1Click();
  void Rechenhilfe1Click();
  void Serienschwingkreis1Click();
  void Parallelschwingkreis1Click();
  void LCSchwingkreis1Click();
  void WiderstandmitKondensator1Click();
  void WiderstandmitSpule1Click();

  // Elektron im Feld
  void ElektronimEFeld1Click();
  void ElektronimBFeld1Click();
  void ElektronimEBFeld1Click();
  void ElektronimgekreuztenEBFeld1Click();

  // Wobbelgenerator
  void Siebkette1Click();
  void Sperrkreis1Click();
  void HochTiefpass1Click();

  // Fouriersynthese
  void Fourier11Click();
  void Fourier21Click();

  // Amplitudenmodulation, Frequenzmodulation
  void AM_ansteigend1Click();
  void AM_abfallend1Click();
  void AM_Rechteck1Click();
  void AM_Treppe1Click();
  void AM_Sinus1Click();
  void FM_ansteigend1Click();
  void FM_abfallend1Click();
  void FM_Rechteck1Click();
  void FM_Treppe1Click();
  void FM_Sinus1Click();

  // Berechnungen
  void BerechneWiderstand1Click();
  void BerechneKondensator1Click();
  void BerechneSpule1Click();
  void BerechneRCReihe1Click();
  void BerechneRLReihe1Click();
  void BerechneCLReihe1Click();
  void BerechneRCLReihe1Click();
  void BerechneRCParallel1Click();
  void BerechneRLParallel1Click();
  void BerechneCLParallel1Click();
  void BerechneRCLParallel1Click();
  void BerechneHochTiefpass1Click();
  void KapazitaeteinesKondensators1Click();
  void InduktivitaeteinerSpule1Click();

  // Aufgaben
  void erstellen1Click();

  // Tabellen
  void TabelleKapazitaeten1Click();
  void TabelleInduktivitaeten1Click();
  void TabelleSiebkette1Click();
  void TabelleSperrkreis1Click();
  void TabelleHochpass1Click();
  void TabelleTiefpass1Click();

  // Experimente
  void ExperimentRCReihe1Click();
  void ExperimentRLReihe1Click();
  void ExperimentRCLReihe1Click();
  void ExperimentRCParallel1Click();
  void ExperimentRLParallel1Click();
  void ExperimentCLParallel1Click();
  void ExperimentRCLParallel1Click();

  // Output of the drawing: copy, save, print.
  void kopieren1Click();
  void schwarzweiss1Click();
  void speichern1Click();
  void Zeichung1Click();
  void Druckereinrichtung1Click();

  // Presentation: zoom of the drawing (percent) and the keyboard commands without a menu item.
  static constexpr int kZoomstufen[] = {100, 125, 150, 200, 250, 300};
  int Zoom() const { return zoom_; }
  // Sets the zoom (100..300 %), lays the drawing out anew; stored in the settings file on request.
  void Setze_Zoom(int prozent, bool speichern);
  void Zoomgroesser1Click();
  void Zoomkleiner1Click();
  void Zoomnormal1Click();
  void Neuzeichnen1Click();
  void Parameterdialog1Click();
  void Vollbild1Click();

 protected:
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void changeEvent(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct TMenuEintrag;
  void Baue_Menue();
  void Fuege_Eintraege_hinzu(QMenu* menu, const QString& path, const std::vector<TMenuEintrag>& entries);
  void Richte_Aktion_ein(QAction* action, const TMenuEintrag& e, const QString& path);
  void Neu_zeichnen();
  // Prepare, the phasor group and the topic's flag, its start values, then the common end.
  void Zeigerthema(bool TZeichenmodus::*flag, void (*startwerte)() = nullptr);
  void Thema_gewaehlt();  // end of the phasor, curve and field commands
  void Kurventhema(bool TZeichenmodus::*flag, void (*startwerte)());
  void Modulationsthema(bool frequenz, TSignalform form);
  void Oeffne_Parameterdialog();
  void Platziere_Titelbild();
  void Zeichne_Image1(platform::Recorder* recorder);
  void Zeichne_Ausgabe(Canvas& canvas, platform::Recorder* recorder);
  bool Drucke(platform::PrintJob& job);  // false when the printer does not take the page
  // Presentation
  void Richte_Tastenkuerzel_ein();
  void Lade_Zoom();
  void Zeige_Zoom();
  qreal Zoomfaktor() const { return zoom_ / 100.0; }
  QPoint Zeichenpunkt(const QPointF& widget_pos) const;  // widget position to drawing pixels

  QImage Image1;  // off-screen surface of copy, save and print
  TZeichenflaeche* area_ = nullptr;
  QLabel* panels_[3] = {nullptr, nullptr, nullptr};
  QLabel* titelbild_ = nullptr;
  QMap<QString, QAction*> actions_;
  QStringList topic_paths_;
  TFont canvas_font_;
  QColor fensterfarbe_{0xC0, 0xC0, 0xC0};
  bool key_held_ = false;
  bool schliesst_ = false;  // closing or quitting: a running turn ends at once
  bool dragging_ = false;
  bool redraw_queued_ = false;
  struct TLaufende_Zeichnung {
    int schleife;  // event-loop level it runs in
    int nummer;    // redraw count when it began
  };
  std::vector<TLaufende_Zeichnung> zeichnungen_;  // innermost last
  int redraw_count_ = 0;
  bool error_box_open_ = false;
  bool ohne_dialoge_ = false;
  int client_w_ = 0;
  int client_h_ = 0;
  bool fixed_client_size_ = false;
  int zoom_ = 100;  // percent
};
