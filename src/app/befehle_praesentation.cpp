// In front of a class: zoom of the drawing for the projector, and keyboard commands.
#include <QAction>
#include <QFontMetrics>
#include <QLabel>
#include <algorithm>

#include "app/form1.h"
#include "platform/ini_file.h"
#include "platform/safe_call.h"
#include "platform/services.h"
#include "toolkit/farben.h"

namespace {

const QString kSektion = QStringLiteral("Einstellungen");
const QString kSchluessel = QStringLiteral("Zoom");
constexpr int kZoom_min = 100;
constexpr int kZoom_max = 300;

// An unknown or damaged value means no zoom.
int Gueltiger_Zoom(int prozent) { return prozent >= kZoom_min && prozent <= kZoom_max ? prozent : 100; }

}  // namespace

void TForm1::Lade_Zoom() {
  const platform::IniFile ini(Pfad_Einstellungsdatei());
  zoom_ = Gueltiger_Zoom(ini.ReadInteger(kSektion, kSchluessel, 100));
}

void TForm1::Setze_Zoom(int prozent, bool speichern) {
  zoom_ = Gueltiger_Zoom(prozent);
  FormShow();
  Invalidate();
  if (!speichern) return;
  platform::IniFile ini(Pfad_Einstellungsdatei());
  // Unchanged, the file stays as it is (a file without the key already means 100 %).
  if (ini.ReadInteger(kSektion, kSchluessel, 100) == zoom_) return;
  ini.WriteInteger(kSektion, kSchluessel, zoom_);
  if (!ini.UpdateFile())
    platform::services().message_boxes->Error(
        QStringLiteral("Velumat"), QStringLiteral("Die Vergrößerung konnte nicht in die Datei\n%1\ngeschrieben werden.")
                                       .arg(Pfad_Einstellungsdatei()));
}

void TForm1::Zeige_Zoom() {
  QLabel* panel = panels_[2];
  if (zoom_ == 100) {
    panel->setFixedWidth(50);
    return;
  }
  panel->setText(QStringLiteral("Zoom %1 %").arg(zoom_));
  const int breite = QFontMetrics(panel->font()).horizontalAdvance(panel->text()) + 2 * panel->frameWidth() + 6;
  panel->setFixedWidth(std::max(50, breite));
}

void TForm1::Zoomgroesser1Click() {
  const int* naechste = std::upper_bound(std::begin(kZoomstufen), std::end(kZoomstufen), zoom_);
  if (naechste != std::end(kZoomstufen)) Setze_Zoom(*naechste, true);
}

void TForm1::Zoomkleiner1Click() {
  const int* stufe = std::lower_bound(std::begin(kZoomstufen), std::end(kZoomstufen), zoom_);
  if (stufe != std::begin(kZoomstufen)) Setze_Zoom(*(stufe - 1), true);
}

void TForm1::Zoomnormal1Click() { Setze_Zoom(100, true); }

// As a left click on the drawing.
void TForm1::Neuzeichnen1Click() { Invalidate(); }

// As a right click on the drawing.
void TForm1::Parameterdialog1Click() { Oeffne_Parameterdialog(); }

void TForm1::Vollbild1Click() { setWindowState(windowState() ^ Qt::WindowFullScreen); }

// Shortcuts of the main window only (a dialog's text fields keep Ctrl+C and the like); none
// uses Alt, which the menu mnemonics have.
void TForm1::Richte_Tastenkuerzel_ein() {
  const struct {
    const char* pfad;
    QKeySequence taste;
  } menue[] = {
      {"Rechenhilfe", QKeySequence(Qt::Key_F1)},
      {"Datei/Drucken", QKeySequence(Qt::CTRL | Qt::Key_P)},
      {"Datei/Ergebnisse/kopieren/farbig", QKeySequence(Qt::CTRL | Qt::Key_C)},
      {"Datei/Ergebnisse/speichern", QKeySequence(Qt::CTRL | Qt::Key_S)},
      {"Datei/Beenden", QKeySequence(Qt::CTRL | Qt::Key_Q)},
  };
  for (const auto& k : menue) {
    if (QAction* action = Aktion(QString::fromUtf8(k.pfad))) {
      action->setShortcut(k.taste);
      action->setShortcutContext(Qt::WindowShortcut);
    }
  }
  const struct {
    const char* name;
    QList<QKeySequence> tasten;
    void (TForm1::*handler)();
  } ohne_menue[] = {
      {"Zoomgroesser1",
       {QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)},
       &TForm1::Zoomgroesser1Click},
      {"Zoomkleiner1", {QKeySequence(Qt::CTRL | Qt::Key_Minus)}, &TForm1::Zoomkleiner1Click},
      {"Zoomnormal1", {QKeySequence(Qt::CTRL | Qt::Key_0)}, &TForm1::Zoomnormal1Click},
      {"Neuzeichnen1", {QKeySequence(Qt::Key_F5)}, &TForm1::Neuzeichnen1Click},
      {"Parameterdialog1",
       {QKeySequence(Qt::SHIFT | Qt::Key_F10), QKeySequence(Qt::Key_Menu)},
       &TForm1::Parameterdialog1Click},
      {"Vollbild1", {QKeySequence(Qt::Key_F11)}, &TForm1::Vollbild1Click},
  };
  for (const auto& k : ohne_menue) {
    auto* action = new QAction(this);
    action->setObjectName(QString::fromUtf8(k.name));
    action->setShortcuts(k.tasten);
    action->setShortcutContext(Qt::WindowShortcut);
    addAction(action);
    const auto handler = k.handler;
    platform::safe_connect(action, &QAction::triggered, this, [this, handler](bool) { (this->*handler)(); });
  }
}

QPoint TForm1::Zeichenpunkt(const QPointF& widget_pos) const {
  return QPoint(static_cast<int>(std::floor(widget_pos.x() / Zoomfaktor())),
                static_cast<int>(std::floor(widget_pos.y() / Zoomfaktor())));
}
