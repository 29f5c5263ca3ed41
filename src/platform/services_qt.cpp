// The services on top of Qt.
#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QFileDialog>
#include <QGuiApplication>
#include <QImage>
#include <QMessageBox>
#include <QMimeData>
#include <QPageLayout>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>

#include "platform/services.h"

namespace platform {
namespace {

QWidget* dialog_parent() { return QApplication::activeWindow(); }

class QtMessageBoxes : public MessageBoxes {
 public:
  bool Confirm(const QString& title, const QString& text) override {
    QMessageBox box(QMessageBox::Question, title, text, QMessageBox::NoButton, dialog_parent());
    QPushButton* yes = box.addButton(QStringLiteral("Ja"), QMessageBox::YesRole);
    QPushButton* no = box.addButton(QStringLiteral("Nein"), QMessageBox::NoRole);
    box.setDefaultButton(yes);
    box.setEscapeButton(no);
    box.exec();
    return box.clickedButton() == yes;
  }
  // Error boxes carry the single button "Abbrechen", as the program's error texts expect.
  void Error(const QString& title, const QString& text) override {
    QMessageBox box(QMessageBox::Critical, title, text, QMessageBox::NoButton, dialog_parent());
    QPushButton* abbrechen = box.addButton(QStringLiteral("Abbrechen"), QMessageBox::RejectRole);
    box.setDefaultButton(abbrechen);
    box.setEscapeButton(abbrechen);
    box.exec();
  }
  void Information(const QString& title, const QString& text) override { Show(QMessageBox::Information, title, text); }
  void Warning(const QString& title, const QString& text) override { Show(QMessageBox::Warning, title, text); }

 private:
  static void Show(QMessageBox::Icon icon, const QString& title, const QString& text) {
    QMessageBox box(icon, title, text, QMessageBox::NoButton, dialog_parent());
    box.setDefaultButton(box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole));
    box.exec();
  }
};

class QtFileDialogs : public FileDialogs {
 public:
  std::optional<QString> SaveFileName(const QString& title, const QString& filter,
                                      const QString& default_name) override {
    const QString name = QFileDialog::getSaveFileName(dialog_parent(), title, default_name, filter);
    if (name.isEmpty()) return std::nullopt;
    return name;
  }
};

class QtBeeper : public Beeper {
 public:
  void Beep() override { QApplication::beep(); }
};

class QtCursor : public Cursor {
 public:
  void BeginWait() override { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
  void EndWait() override { QGuiApplication::restoreOverrideCursor(); }
};

class QtClipboard : public Clipboard {
 public:
  void SetImage(const QImage& image) override { QGuiApplication::clipboard()->setImage(image); }
  void SetRichText(const QString& html, const QString& plain) override {
    auto* data = new QMimeData;
    data->setHtml(html);
    data->setText(plain);
    QGuiApplication::clipboard()->setMimeData(data);  // takes ownership
  }
};

class QtPrintJob : public PrintJob {
 public:
  explicit QtPrintJob(QPrinter& printer) : printer_(printer) {}
  QPaintDevice* device() override { return &printer_; }
  int PageWidth() const override { return Page().width(); }
  int PageHeight() const override { return Page().height(); }
  // The document goes to the printer when the painter on device() ends.
  bool EndDoc() override { return true; }

 private:
  QRect Page() const { return printer_.pageLayout().paintRectPixels(printer_.resolution()); }
  QPrinter& printer_;
};

class QtPrinter : public Printer {
 public:
  bool Available() override { return !QPrinterInfo::availablePrinterNames().isEmpty(); }
  bool Setup(QWidget* parent) override {
    if (!Available()) return false;
    QPrintDialog dialog(&Get(), parent);
    dialog.setOption(QAbstractPrintDialog::PrintToFile, false);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    return dialog.exec() == QDialog::Accepted;
  }
  std::unique_ptr<PrintJob> BeginDoc(const QString& title) override {
    if (!Available()) return nullptr;
    Get().setDocName(title);
    return std::make_unique<QtPrintJob>(Get());
  }

 private:
  // Created on first use, when the application exists, and kept so the setup applies to later
  // prints; it goes with the application, before Qt's print support is torn down.
  static QPrinter& Get() {
    if (!printer_slot()) {
      printer_slot() = std::make_unique<QPrinter>(QPrinter::HighResolution);
      printer_slot()->setPageOrientation(QPageLayout::Portrait);
      qAddPostRoutine([] { printer_slot().reset(); });
    }
    return *printer_slot();
  }
  static std::unique_ptr<QPrinter>& printer_slot() {
    static std::unique_ptr<QPrinter> printer;
    return printer;
  }
};

class QtEvents : public Events {
 public:
  void ProcessMessages() override { QCoreApplication::processEvents(); }
};

}  // namespace

Services real_services() {
  static QtMessageBoxes message_boxes;
  static QtFileDialogs file_dialogs;
  static QtBeeper beeper;
  static QtCursor cursor;
  static QtClipboard clipboard;
  static QtPrinter printer;
  static QtEvents events;
  return Services{&message_boxes, &file_dialogs, &beeper, &cursor, &clipboard, &printer, &events};
}

Services& services() {
  static Services current = real_services();
  return current;
}

}  // namespace platform
