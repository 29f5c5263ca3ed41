#include "app/form1.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QMouseEvent>
#include <QScreen>
#include <QStatusBar>
#include <QThread>
#include <cmath>

#include "app/einstellungen_dlg.h"
#include "app/zeichenflaeche.h"
#include "calculators/blatt_zeichnen.h"
#include "curves/hoch_tiefpass.h"
#include "curves/lc_schwingkreis.h"
#include "curves/modulation.h"
#include "curves/modulation_dlg.h"
#include "curves/resonanz.h"
#include "curves/schaltvorgaenge.h"
#include "curves/schaltvorgang_dlg.h"
#include "curves/schwingkreis_dlg.h"
#include "curves/wobbel.h"
#include "curves/wobbel_dlg.h"
#include "fields/ansicht.h"
#include "fields/felddialoge.h"
#include "fields/feldzeichnungen.h"
#include "fourier/fouriersynthese.h"
#include "phasors/cf_lf_dlg.h"
#include "phasors/drehstrom.h"
#include "phasors/drehstrom_dlg.h"
#include "phasors/einzelzeiger.h"
#include "phasors/rclf_reihen_dlg.h"
#include "phasors/reihenzeiger.h"
#include "phasors/rlf_rcf_clf_dlg.h"
#include "phasors/rpanel_dlg.h"
#include "platform/fonts.h"
#include "platform/safe_call.h"
#include "platform/services.h"
#include "tables/tabelle_zeichnen.h"
#include "toolkit/farben.h"
#include "toolkit/grundelemente.h"
#include "toolkit/images.h"
#include "toolkit/layout.h"
#include "toolkit/schaltung.h"
#include "toolkit/title_picture.h"

namespace {
const QString kProgrammtitel = QStringLiteral("Velumat");
const QString kFehlertext =
    QStringLiteral("In der Abwendung ist ein Eingabefehler aufgetreten !\nKann nicht alle Werte berechnen !");
}  // namespace

TForm1::TForm1(QWidget* parent) : QMainWindow(parent) {
  setObjectName("Form1");
  setWindowTitle(kProgrammtitel);
  canvas_font_.Name = "Arial";
  canvas_font_.SetHeight(13);
  canvas_font_.Bold = true;
  setFont(widget_font(canvas_font_));

  area_ = new TZeichenflaeche(this);
  area_->setObjectName("Zeichenflaeche");
  setCentralWidget(area_);
  area_->on_mouse_press = [this](QMouseEvent* e) {
    const QPoint p = Zeichenpunkt(e->position());
    FormMouseDown(e->button(), p.x(), p.y());
  };
  area_->on_mouse_move = [this](QMouseEvent* e) {
    const QPoint p = Zeichenpunkt(e->position());
    FormMouseMove(p.x(), p.y());
  };
  area_->on_mouse_release = [this](QMouseEvent*) { FormMouseUp(); };
  area_->on_resize = [this] { FormResize(); };

  TFont bar_font;
  bar_font.Name = "MS Sans Serif";
  bar_font.SetHeight(11);
  bar_font.Bold = true;
  const int widths[3] = {200, 200, 50};
  QStatusBar* bar = statusBar();
  bar->setObjectName("StatusBar1");
  bar->setSizeGripEnabled(false);
  for (int i = 0; i < 3; ++i) {
    panels_[i] = new QLabel(bar);
    panels_[i]->setObjectName(QString("Panel%1").arg(i));
    panels_[i]->setFont(widget_font(bar_font));
    panels_[i]->setFixedWidth(widths[i]);
    panels_[i]->setFrameShape(QFrame::Panel);
    panels_[i]->setFrameShadow(QFrame::Sunken);
    QPalette pal = panels_[i]->palette();
    pal.setColor(QPalette::WindowText, pal.color(QPalette::Active, QPalette::Highlight));
    panels_[i]->setPalette(pal);
    bar->addWidget(panels_[i], i == 2 ? 1 : 0);
  }

  titelbild_ = new QLabel(area_);
  titelbild_->setObjectName("Image2");
  titelbild_->setPixmap(QPixmap::fromImage(Titelbild()));
  titelbild_->setScaledContents(true);
  titelbild_->resize(155, 89);

  Baue_Menue();
  Richte_Tastenkuerzel_ein();
  // Menus use the system's menu font (8 pt, so all ten fit the normal window), not the
  // window's bold drawing font.
  TFont menu_font;
  menu_font.Name = "MS Sans Serif";
  menu_font.SetSize(8);
  menuBar()->setFont(widget_font(menu_font));
  resize(782, 550 + menuBar()->sizeHint().height());
  FormCreate();
  Setze_Hauptfenster(this);
  // A key may be let go while a menu or a message box has the keyboard: watch every release.
  qApp->installEventFilter(this);
}

TForm1::~TForm1() {
  if (Hauptfenster() == this) Setze_Hauptfenster(nullptr);
  platform::set_exception_handler(nullptr);
}

void TForm1::FormCreate() {
  Einstellungen.Verzoegerung = 0;
  Lade_Grundeinstellungen();
  key_held_ = false;
  Einstellungen.Werte_sofort = false;
  {
    TEinstellungenDlg dlg(this);
    dlg.Read_iniFile();
  }
  Lade_Zoom();
  if (Einstellungen.Maximiert)
    setWindowState(windowState() | Qt::WindowMaximized);
  else
    setWindowState(windowState() & ~Qt::WindowMaximized);
  platform::set_exception_handler([this](const std::exception& e) { AppException(e); });
}

// ---- THauptfenster ----

void TForm1::Invalidate() {
  key_held_ = false;  // the running turn ends; it must not wait for a key
  if (redraw_queued_) return;
  redraw_queued_ = true;
  QMetaObject::invokeMethod(
      this, [this] { platform::guarded([this] { Zeichne_ausstehend(); }); }, Qt::QueuedConnection);
}

// Zoomed, the drawing lays out for the client size divided by the zoom (rounded up, so that it
// covers the window); the status bar keeps its height.
int TForm1::ClientWidth() const {
  return zoom_ == 100 ? client_w_ : static_cast<int>(std::ceil(client_w_ / Zoomfaktor()));
}
int TForm1::ClientHeight() const {
  if (zoom_ == 100) return client_h_;
  const int leiste = StatusBarHeight();
  return static_cast<int>(std::ceil((client_h_ - leiste) / Zoomfaktor())) + leiste;
}
int TForm1::StatusBarHeight() const { return statusBar()->sizeHint().height(); }

// Zoomed, the rectangle keeps the drawing's size but ends where the window ends, so dialogs
// placed at its right or bottom edge stay at the window's edge.
QRect TForm1::ClientRectOnScreen() const {
  const QPoint top_left = area_->mapToGlobal(QPoint(0, 0));
  const QPoint verschoben(client_w_ - ClientWidth(), client_h_ - ClientHeight());
  return QRect(top_left + verschoben, QSize(ClientWidth(), ClientHeight()));
}

// ---- Painting ----

namespace {

int Ereignisschleife() { return QThread::currentThread()->loopLevel(); }

}  // namespace

void TForm1::Zeichne_ausstehend() {
  if (!redraw_queued_) return;
  // A redraw asked for while a drawing runs in the same event loop waits until that drawing
  // has ended; its animation sees the request and stops early. In a modal dialog opened
  // meanwhile it draws at once: the drawing below cannot go on before the dialog closes.
  if (zeichnungen_.empty() || Ereignisschleife() > zeichnungen_.back().schleife) Neu_zeichnen();
}

bool TForm1::Neuzeichnen_ausstehend() const {
  return !zeichnungen_.empty() && (schliesst_ || redraw_queued_ || redraw_count_ != zeichnungen_.back().nummer);
}

void TForm1::Neu_zeichnen() {
  redraw_queued_ = false;
  ++redraw_count_;
  Canvas& canvas = area_->canvas_for(ClientWidth(), ClientHeight(), !zeichnungen_.empty(), Zoomfaktor());
  zeichnungen_.push_back({Ereignisschleife(), redraw_count_});
  struct Abschluss {
    TForm1& form;
    ~Abschluss() {
      // Drawn over by a drawing in a dialog meanwhile, or asked for again: draw anew.
      const bool uebermalt = form.redraw_count_ != form.zeichnungen_.back().nummer;
      form.zeichnungen_.pop_back();
      if (uebermalt || form.redraw_queued_) {
        form.redraw_queued_ = false;
        form.Invalidate();
      }
    }
  } abschluss{*this};
  canvas.Brush.Style = TBrushStyle::bsSolid;
  canvas.Brush.Color = fensterfarbe_;
  canvas.FillRect(QRect(0, 0, ClientWidth(), ClientHeight()));
  canvas.Font = canvas_font_;
  try {
    zeichnen(canvas);
  } catch (...) {
    area_->update();
    throw;
  }
  area_->update();
}

const QImage& TForm1::Hintergrundbild() const { return area_->image(); }

void TForm1::Init_Graphik(Canvas& canvas) {
  titelbild_->hide();
  canvas.Pen.Color = QColor(0x80, 0x80, 0x80);
  canvas.Brush.Style = TBrushStyle::bsSolid;
  canvas.Brush.Color = Farben.Hintergrund;
  canvas.Rectangle(0, 0, ClientWidth(), ClientHeight());
  canvas.Pen.Width = 1;
  canvas.Pen.Color = Farben.Text;
}

void TForm1::zeichnen(Canvas& canvas) {
  const TZeichenmodus& m = Zeichenmodus;
  if (m.Zeigerdiagramm) {
    Init_Graphik(canvas);
    Zeichne_Zeigerrahmen(canvas);
    const TImages& bilder = Images();
    const struct {
      bool set;
      const QImage& bild;
      void (*zeichne)(Canvas&);
    } phasor_topics[] = {
        {m.nur_Widerstand, bilder.RImage, Zeichne_R_Zeiger},
        {m.nur_Kondensator, bilder.CImage, Zeichne_C_Zeiger},
        {m.nur_Spule, bilder.LImage, Zeichne_L_Zeiger},
        {m.Widerstand_Kondensator, bilder.RCImage, Zeichne_RC_Zeiger},
        {m.Widerstand_Spule, bilder.RLImage, Zeichne_RL_Zeiger},
        {m.Widerstand_Kondensator_Spule, bilder.RCLImage, Zeichne_RCL_Zeiger},
        {m.Kondensator_Spule, bilder.CLImage, Zeichne_CL_Zeiger},
    };
    for (const auto& topic : phasor_topics) {
      if (!topic.set) continue;
      canvas.Draw(1, 1, topic.bild);
      topic.zeichne(canvas);
    }
    if (m.Drehstrom) Zeichne_Drehstrom(canvas);
  }
  const TImages& bilder = Images();
  const int W = ClientWidth();
  if (m.Serienschwingkreis) {
    Init_Graphik(canvas);
    Zeichne_Serienschwingkreis(canvas, Schaltung.R, Schaltung.C, Schaltung.L, Schaltung.Ueff);
    canvas.Draw(W - bilder.RCLImage.width() - 5, 50, bilder.RCLImage);
  }
  if (m.Parallelschwingkreis) {
    Init_Graphik(canvas);
    Zeichne_Parallelschwingkreis(canvas, Schaltung.R, Schaltung.C, Schaltung.L, Schaltung.Ueff);
    canvas.Draw(W - bilder.RCLImage.width() - 5, 50, bilder.RCLImage);
  }
  if (m.LC_Schwingkreis) {
    Init_Graphik(canvas);
    Zeichne_LC_Schwingkreis(canvas);
    canvas.Draw(W - bilder.LSSchwingkreisImage.width() - 8, 50, bilder.LSSchwingkreisImage);
  }
  if (m.Wobbel_Siebkette) {
    Init_Graphik(canvas);
    Zeichne_Siebkette(canvas, Schaltung.fs, Schaltung.R, Schaltung.C, Schaltung.L);
    canvas.Draw(W - bilder.RCLImage.width() - 5, 50, bilder.RCLImage);
  }
  if (m.Wobbel_Sperrkreis) {
    Init_Graphik(canvas);
    Zeichne_Sperrkreis(canvas, Schaltung.fs, Schaltung.R, Schaltung.C, Schaltung.L);
    canvas.Draw(W - bilder.RCLImage.width() - 5, 5, bilder.RCL_parallelImage);
  }
  if (m.Wobbel_Hoch_Tiefpass) {
    Init_Graphik(canvas);
    Zeichne_Hoch_Tiefpass(canvas, Schaltung.Ueff, Schaltung.R, Schaltung.C);
    canvas.Draw(W - bilder.RCLImage.width() - 5, 150, bilder.Hochpass_image);
    canvas.Draw(W - bilder.RCLImage.width() - 5, 250, bilder.Tiefpass_Image);
  }
  if (m.Amplitudenmodulation) {
    Init_Graphik(canvas);
    Zeichne_Modulation(canvas);
  }
  if (m.Frequenzmodulation) {
    Init_Graphik(canvas);
    Zeichne_Modulation(canvas);
  }
  if (m.Schaltvorgang_RC) {
    Init_Graphik(canvas);
    Zeichne_Kondensator_Schaltvorgang(canvas, Schaltung.Ug, Schaltung.R, Schaltung.C);
    canvas.Draw(W - bilder.RCImage.width() - 12, 5, bilder.RCImage);
  }
  if (m.Schaltvorgang_RL) {
    Init_Graphik(canvas);
    Zeichne_Spule_Schaltvorgang(canvas, Schaltung.Ug, Schaltung.R, Schaltung.L);
    canvas.Draw(W - bilder.RLImage.width() - 12, 5, bilder.RLImage);
  }
  for (const calculators::Blattmodus blatt : calculators::Rechenblaetter) {
    if (!(m.*blatt)) continue;
    Init_Graphik(canvas);
    calculators::Zeichne_Rechenblatt(canvas, blatt);
  }
  for (const tables::Tabellenblatt& tabelle : tables::Tabellenblaetter) {
    if (!(m.*tabelle.modus)) continue;
    Init_Graphik(canvas);
    tabelle.zeichne(canvas);
  }
  if (m.Fourier1) {
    Init_Graphik(canvas);
    Zeichne_Fourier1(canvas);
  }
  if (m.Fourier2) {
    Init_Graphik(canvas);
    Zeichne_Fourier2(canvas);
  }
  const struct {
    bool set;
    void (*zeichne)(Canvas&);
  } feldthemen[] = {{m.E_Feld, Zeichne_E_Feld},
                    {m.B_Feld, Zeichne_B_Feld},
                    {m.EB_Feld, Zeichne_EB_Feld},
                    {m.EB_gekreuzt, Zeichne_EB_gekreuzt}};
  for (const auto& thema : feldthemen) {
    if (!thema.set) continue;
    Init_Graphik(canvas);
    thema.zeichne(canvas);
  }
}

void TForm1::Setze_Client_Groesse(int w, int h) {
  fixed_client_size_ = true;
  client_w_ = w;
  client_h_ = h;
  FormShow();
}

bool TForm1::Titelbild_sichtbar() const { return !titelbild_->isHidden(); }

// ---- Mode ----

void TForm1::Prepare() {
  canvas_font_ = TFont{};
  canvas_font_.Name = "System";
  canvas_font_.Pitch = TFontPitch::fpFixed;
  canvas_font_.SetSize(10);
  Zeichenmodus.Loeschen();
}

void TForm1::AppException(const std::exception&) {
  if (error_box_open_) return;
  error_box_open_ = true;
  struct Reset {
    bool& flag;
    ~Reset() { flag = false; }
  } reset{error_box_open_};
  platform::services().message_boxes->Error(kProgrammtitel, kFehlertext);
}

// ---- Window events ----

void TForm1::showEvent(QShowEvent* event) {
  schliesst_ = false;
  QMainWindow::showEvent(event);
  FormShow();
}

void TForm1::FormShow() {
  if (!fixed_client_size_) {
    client_w_ = area_->width();
    client_h_ = area_->height() + StatusBarHeight();
  }
  Bereite_Fenster_vor(*this);
  const QFontMetrics metrics(resolve_font(canvas_font_));
  panels_[0]->setFixedWidth(metrics.horizontalAdvance(QStringLiteral("Werte ändern mit der rechten Maustaste")));
  panels_[0]->setText(QStringLiteral("Werte ändern: Rechte Maustaste"));
  setWindowTitle(kProgrammtitel);
  panels_[2]->setText(kProgrammtitel);
  panels_[1]->setText(QStringLiteral("Neu zeichnen: Linke Maustaste"));
  Platziere_Titelbild();
  Zeige_Zoom();
}

void TForm1::Platziere_Titelbild() {
  // A widget on the drawing area: it grows with the zoom, in widget pixels.
  titelbild_->resize(qRound(155 * Zoomfaktor()), qRound(89 * Zoomfaktor()));
  const int rand = qRound(2 * Zoomfaktor());
  titelbild_->move(client_w_ - titelbild_->width() - rand, client_h_ - StatusBarHeight() - titelbild_->height() - rand);
}

void TForm1::FormResize() {
  FormShow();
  if (Zeichenmodus.Elektron_im_Feld()) Setze_Themenansicht();
  Invalidate();
}

void TForm1::FormMouseDown(Qt::MouseButton button, int x, int y) {
  if (button == Qt::RightButton) {
    Oeffne_Parameterdialog();
    return;
  }
  if (button != Qt::LeftButton) return;
  if (!Zeichenmodus.Elektron_im_Feld()) {
    if (!key_held_) Invalidate();
    return;
  }
  // The origin of the field view follows the mouse from a press within 5 pixels of it.
  if (Am_Ursprung(x, y, 5)) {
    platform::services().beeper->Beep();
    dragging_ = true;
  } else {
    area_->setToolTip(QString());
  }
}

void TForm1::FormMouseMove(int x, int y) {
  if (!Zeichenmodus.Elektron_im_Feld()) return;
  area_->setToolTip(Am_Ursprung(x, y, 5) ? QStringLiteral("Koordinatensystem verschieben") : QString());
  if (dragging_) {
    Verschiebe_Ursprung(x, y);
    Invalidate();
  }
}

void TForm1::FormMouseUp() { dragging_ = false; }

void TForm1::FormKeyDown() { key_held_ = true; }
void TForm1::FormKeyUp() { key_held_ = false; }

void TForm1::keyPressEvent(QKeyEvent* event) {
  if (!event->isAutoRepeat()) FormKeyDown();
  QMainWindow::keyPressEvent(event);
}

void TForm1::keyReleaseEvent(QKeyEvent* event) {
  if (!event->isAutoRepeat()) FormKeyUp();
  QMainWindow::keyReleaseEvent(event);
}

// A held key ends with its release anywhere in the program, with the loss of the keyboard and
// when the program quits; otherwise a paused turn would wait for good.
bool TForm1::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type typ = event->type();
  if (typ == QEvent::KeyRelease && !static_cast<QKeyEvent*>(event)->isAutoRepeat()) key_held_ = false;
  if (typ == QEvent::ApplicationDeactivate) key_held_ = false;
  if (typ == QEvent::Quit) {
    key_held_ = false;
    schliesst_ = true;
  }
  return QMainWindow::eventFilter(watched, event);
}

void TForm1::changeEvent(QEvent* event) {
  if (event->type() == QEvent::ActivationChange && !isActiveWindow()) key_held_ = false;
  QMainWindow::changeEvent(event);
}

bool TForm1::FormCloseQuery() {
  return platform::services().message_boxes->Confirm(kProgrammtitel,
                                                     QStringLiteral("Möchten Sie das Priogramm tatsächlich beenden ?"));
}

void TForm1::closeEvent(QCloseEvent* event) {
  bool ok = false;
  platform::guarded([&] { ok = FormCloseQuery(); });
  if (ok) {
    // A turn still running below this event must not keep the closed window's process alive.
    schliesst_ = true;
    key_held_ = false;
    event->accept();
  } else {
    event->ignore();
  }
}

namespace {
template <typename Dialog>
void Zeige_Dialog(QWidget* owner) {
  Dialog dlg(owner);
  dlg.exec();
}
}  // namespace

// The parameter dialog of the current topic, tested in a fixed order.
void TForm1::Oeffne_Parameterdialog() {
  if (ohne_dialoge_) return;
  const TZeichenmodus& m = Zeichenmodus;
  if (m.nur_Widerstand) Zeige_Dialog<TRpanelDlg>(this);
  if (m.nur_Kondensator || m.nur_Spule) Zeige_Dialog<TCf_Lf_Dlg>(this);
  if (m.Widerstand_Kondensator || m.Widerstand_Spule || m.Kondensator_Spule) Zeige_Dialog<TRLF_RCF_CLFDlg>(this);
  if (m.Widerstand_Kondensator_Spule) Zeige_Dialog<TRCLf_reihenDLG>(this);
  if (m.Drehstrom) Zeige_Dialog<TDrehstromDlg>(this);
  if (m.Serienschwingkreis) Zeige_Dialog<TSerienschwinkreisDlg>(this);
  if (m.Parallelschwingkreis) Zeige_Dialog<TSperrschwingkreisDlg>(this);
  if (m.LC_Schwingkreis) Zeige_Dialog<TLCSchwingkreisDlg>(this);
  if (m.Wobbel_Siebkette || m.Wobbel_Sperrkreis) Zeige_Dialog<TWobbelsiebketteDlg>(this);
  if (m.Wobbel_Hoch_Tiefpass) Zeige_Dialog<THoch_TiefpassDlg>(this);
  if (m.Amplitudenmodulation) Zeige_Dialog<TAModulationDLG>(this);
  if (m.Frequenzmodulation) Zeige_Dialog<TFModulationDlg>(this);
  if (m.Schaltvorgang_RC) Zeige_Dialog<TAuf_entlade_KondDlg>(this);
  if (m.Schaltvorgang_RL) Zeige_Dialog<TEin_aus_SpuleDLG>(this);
  if (m.E_Feld) Zeige_Dialog<TEFeldDlg>(this);
  if (m.B_Feld) Zeige_Dialog<TMagnetfeldDlg>(this);
  if (m.EB_Feld) Zeige_Dialog<TE_und_BFeldDlg>(this);
  if (m.EB_gekreuzt) Zeige_Dialog<TEB_gekreuztDlg>(this);
}

// ---- Menu commands ----

void TForm1::Thema_gewaehlt() {
  Invalidate();
  if (Einstellungen.Werte_sofort && !ohne_dialoge_) FormMouseDown(Qt::RightButton, 100, 100);
}

void TForm1::Zeigerthema(bool TZeichenmodus::*flag, void (*startwerte)()) {
  Prepare();
  Zeichenmodus.Zeigerdiagramm = true;
  Zeichenmodus.*flag = true;
  if (startwerte != nullptr) startwerte();
  Thema_gewaehlt();
}

void TForm1::Programmeinstellungen1Click() {
  if (!ohne_dialoge_) {
    TEinstellungenDlg dlg(this);
    dlg.exec();
  }
  Invalidate();
}

void TForm1::Ausgabefensterschliessen1Click() {
  Prepare();
  fensterfarbe_ = QColor(0xC0, 0xC0, 0xC0);
  titelbild_->show();
  Invalidate();
}

void TForm1::Beenden1Click() { close(); }
