// Output of the drawing: copy to the clipboard in colour or black and white, save as a bitmap,
// print, printer setup; and the off-screen rendering they share with --export.
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <algorithm>
#include <optional>

#include "app/form1.h"
#include "app/zeichenflaeche.h"
#include "platform/pdf_print_job.h"
#include "platform/safe_call.h"
#include "platform/services.h"
#include "toolkit/farben.h"
#include "toolkit/layout.h"
#include "toolkit/real48.h"

namespace {

const QString kTitel = QStringLiteral("Velumat");
const QString kBilddatei = QStringLiteral("ZEICHNUNG.BMP");

// Every output draws with the delay switched off and shows the hourglass meanwhile; at the end
// the cursor goes back and the delay is restored, also when the drawing throws.
class Ausgabe_Rahmen {
 public:
  Ausgabe_Rahmen() : verzoegerung_(Einstellungen.Verzoegerung) {
    Einstellungen.Verzoegerung = 0;
    sanduhr_.emplace();
  }
  ~Ausgabe_Rahmen() {
    sanduhr_.reset();
    Einstellungen.Verzoegerung = verzoegerung_;
  }
  Ausgabe_Rahmen(const Ausgabe_Rahmen&) = delete;
  Ausgabe_Rahmen& operator=(const Ausgabe_Rahmen&) = delete;

 private:
  int verzoegerung_;
  std::optional<platform::HourglassCursor> sanduhr_;
};

// Runs f when the scope ends, however it ends; what f throws is reported, not propagated.
template <typename F>
class Danach {
 public:
  explicit Danach(F f) : f_(std::move(f)) {}
  ~Danach() { platform::guarded(f_); }
  Danach(const Danach&) = delete;
  Danach& operator=(const Danach&) = delete;

 private:
  F f_;
};

// Without a printer the drawing can go into a PDF file instead; null when the user declines.
std::unique_ptr<platform::PrintJob> Pdf_statt_Drucker() {
  platform::Services& dienste = platform::services();
  if (!dienste.message_boxes->Confirm(kTitel, QStringLiteral("Es ist kein Drucker eingerichtet.\n"
                                                             "Soll die Zeichnung stattdessen in eine "
                                                             "PDF-Datei gedruckt werden?")))
    return nullptr;
  std::optional<QString> name = dienste.file_dialogs->SaveFileName(
      QStringLiteral("In PDF-Datei drucken"), QStringLiteral("PDF-Dateien (*.pdf)"), QStringLiteral("ZEICHNUNG.PDF"));
  if (!name) return nullptr;
  if (QFileInfo(*name).suffix().isEmpty()) *name += QStringLiteral(".pdf");
  auto job = platform::pdf_print_job(*name, kTitel);
  if (!job)
    dienste.message_boxes->Error(kTitel, QStringLiteral("Die Datei %1 kann nicht geschrieben werden.").arg(*name));
  return job;
}

}  // namespace

// ---- Off-screen rendering ----

// In pixels of the window, whatever the zoom: a zoomed drawing is rendered at full resolution.
QSize TForm1::Bildgroesse() const { return QSize(std::max(client_w_, 1), std::max(client_h_ - StatusBarHeight(), 1)); }

void TForm1::Zeichne_Ausgabe(Canvas& canvas, platform::Recorder* recorder) {
  // A fresh surface: without a topic the output is the plain background.
  canvas.Brush.Style = TBrushStyle::bsSolid;
  canvas.Brush.Color = Farben.Hintergrund;
  canvas.FillRect(QRect(0, 0, canvas.Width(), canvas.Height()));
  canvas.SetRecorder(recorder);
  canvas.Pen.Mode = TPenMode::pmCopy;
  canvas.Font = canvas_font_;
  zeichnen(canvas);
}

void TForm1::Zeichne_Image1(platform::Recorder* recorder) {
  Image1 = QImage(Bildgroesse(), QImage::Format_RGB32);
  if (Image1.isNull()) return;  // too little memory: the caller reports the empty image
  Image1.setDevicePixelRatio(Zoomfaktor());
  if (zoom_ != 100) Image1.fill(Farben.Hintergrund);  // the last pixels of a rounded-down zoomed size
  Canvas canvas(&Image1);
  Zeichne_Ausgabe(canvas, recorder);
}

QImage TForm1::Zeichne_Bild(platform::Recorder* recorder) {
  Ausgabe_Rahmen rahmen;
  Zeichne_Image1(recorder);
  return Image1;
}

void TForm1::Zeichne_auf(QPaintDevice& device, platform::Recorder* recorder) {
  Ausgabe_Rahmen rahmen;
  Canvas canvas(&device);
  if (zoom_ != 100 && canvas.painter().isActive()) canvas.painter().scale(Zoomfaktor(), Zoomfaktor());
  Zeichne_Ausgabe(canvas, recorder);
}

// ---- Copy ----

void TForm1::kopieren1Click() {
  Ausgabe_Rahmen rahmen;
  Zeichne_Image1(nullptr);
  platform::services().clipboard->SetImage(Image1);
}

void TForm1::schwarzweiss1Click() {
  Schwarzweiss_Farben();
  const Danach zurueck([this] {
    Lade_Grundeinstellungen();
    Invalidate();
  });
  Ausgabe_Rahmen rahmen;
  Zeichne_Image1(nullptr);
  platform::services().clipboard->SetImage(Image1);
}

// ---- Save ----

void TForm1::speichern1Click() {
  QString pfad = QDir::current().filePath(kBilddatei);
  // Started from a launcher whose working folder is read-only (for example "/"): ask where to
  // save, starting in the user's pictures folder.
  if (!QFileInfo(QDir::currentPath()).isWritable()) {
    const QString bilder = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    const auto gewaehlt = platform::services().file_dialogs->SaveFileName(
        QStringLiteral("Zeichnung speichern"), QStringLiteral("Bitmap-Dateien (*.bmp)"),
        QDir(bilder.isEmpty() ? QDir::homePath() : bilder).filePath(kBilddatei));
    if (!gewaehlt) return;
    pfad = *gewaehlt;
  }
  QString fehler;
  {
    const platform::HourglassCursor sanduhr;
    Image1 = QImage(Bildgroesse(), QImage::Format_RGB32);
    {
      // What the drawing area shows, title picture included, pixel for pixel; nothing is
      // redrawn. The status bar is left out rather than squeezed into the picture with it.
      const QImage fenster = area_->grab().toImage();
      Canvas canvas(&Image1);
      canvas.Pen.Mode = TPenMode::pmCopy;
      canvas.CopyRect(QRect(QPoint(0, 0), Image1.size()), fenster, QRect(QPoint(0, 0), fenster.size()));
    }
    QSaveFile datei(pfad);
    if (!datei.open(QIODevice::WriteOnly) || !Image1.save(&datei, "BMP") || !datei.commit())
      fehler = datei.errorString();
  }
  platform::Services& dienste = platform::services();
  if (!fehler.isEmpty()) {
    dienste.message_boxes->Error(
        kTitel, QStringLiteral("Die Zeichnung kann nicht unter %1 gespeichert werden:\n%2\n\n"
                               "Bitte das Programm aus einem Ordner starten, in den geschrieben werden darf.")
                    .arg(QDir::toNativeSeparators(pfad), fehler));
    return;
  }
  const QString name = QFileInfo(pfad).absolutePath() == QDir::current().absolutePath()
                           ? QFileInfo(pfad).fileName()
                           : QDir::toNativeSeparators(pfad);
  dienste.message_boxes->Information(kTitel, QStringLiteral("Die Zeichung wurde unter %1 gespeichert").arg(name));
}

// ---- Print ----

void TForm1::Zeichung1Click() {
  platform::Services& dienste = platform::services();
  std::unique_ptr<platform::PrintJob> job;
  if (!dienste.printer->Available()) {
    job = Pdf_statt_Drucker();
    if (!job) return;
  }
  Schwarzweiss_Farben();
  const Danach zurueck([this] {
    Lade_Grundeinstellungen();
    Bereite_Fenster_vor(*this);
  });
  bool gedruckt = false;
  {
    Ausgabe_Rahmen rahmen;
    if (!job) job = dienste.printer->BeginDoc(kTitel);
    if (job) {
      Zeichne_Image1(nullptr);
      gedruckt = Drucke(*job);
    }
  }
  if (!gedruckt) dienste.message_boxes->Error(kTitel, QStringLiteral("Der Drucker kann die Zeichnung nicht drucken."));
}

bool TForm1::Drucke(platform::PrintJob& job) {
  const int w = static_cast<int>(Trunc(Einstellungen.Druckfaktor * job.PageWidth()));
  const int h = static_cast<int>(Trunc(w * 0.7L));
  // The picture keeps its proportions: scaled alike in both directions to fit the box of
  // w x h, centred in it, so circles stay round and angles right on paper.
  const long double bw = Image1.width(), bh = Image1.height();
  const long double massstab = bw > 0 && bh > 0 ? std::min(w / bw, h / bh) : 0;
  const int dw = static_cast<int>(Round(bw * massstab)), dh = static_cast<int>(Round(bh * massstab));
  {
    Canvas drucker(job.device());
    if (!drucker.painter().isActive()) return false;
    drucker.StretchDraw(platform::Rect((w - dw) / 2, (h - dh) / 2, (w - dw) / 2 + dw, (h - dh) / 2 + dh), Image1);
  }
  return job.EndDoc();
}

void TForm1::Druckereinrichtung1Click() {
  platform::Services& dienste = platform::services();
  if (!dienste.printer->Available()) {
    dienste.message_boxes->Information(kTitel, QStringLiteral("Es ist kein Drucker eingerichtet.\n"
                                                              "\"Drucken\" bietet dann an, die Zeichnung "
                                                              "in eine PDF-Datei zu drucken."));
    return;
  }
  dienste.printer->Setup(this);
}
