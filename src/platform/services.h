#pragma once

#include <memory>
#include <optional>

#include <QString>

class QImage;
class QPaintDevice;
class QWidget;

namespace platform {

// Modal message boxes with German buttons.
class MessageBoxes {
 public:
  virtual ~MessageBoxes() = default;
  // Question with "Ja" and "Nein"; true on "Ja".
  virtual bool Confirm(const QString& title, const QString& text) = 0;
  virtual void Error(const QString& title, const QString& text) = 0;
  virtual void Information(const QString& title, const QString& text) = 0;
  virtual void Warning(const QString& title, const QString& text) = 0;
};

class FileDialogs {
 public:
  virtual ~FileDialogs() = default;
  // The chosen file name; nothing when the user cancels.
  virtual std::optional<QString> SaveFileName(const QString& title, const QString& filter,
                                              const QString& default_name) = 0;
};

class Beeper {
 public:
  virtual ~Beeper() = default;
  virtual void Beep() = 0;
};

// Hourglass cursor; calls nest.
class Cursor {
 public:
  virtual ~Cursor() = default;
  virtual void BeginWait() = 0;
  virtual void EndWait() = 0;
};

class Clipboard {
 public:
  virtual ~Clipboard() = default;
  virtual void SetImage(const QImage& image) = 0;
  // Formatted text for programs that take it, plain text for the others.
  virtual void SetRichText(const QString& html, const QString& plain) = 0;
};

// One printed document. Paint on device() (page coordinates in device pixels), finish the painter,
// then call EndDoc, which is false when the document could not be finished.
class PrintJob {
 public:
  virtual ~PrintJob() = default;
  virtual QPaintDevice* device() = 0;
  virtual int PageWidth() const = 0;
  virtual int PageHeight() const = 0;
  virtual bool EndDoc() = 0;
};

class Printer {
 public:
  virtual ~Printer() = default;
  virtual bool Available() = 0;
  // Printer setup dialog; the choice applies to the next document. False when cancelled.
  virtual bool Setup(QWidget* parent) = 0;
  // Null when no printer is available.
  virtual std::unique_ptr<PrintJob> BeginDoc(const QString& title) = 0;
};

class Events {
 public:
  virtual ~Events() = default;
  // Handles pending window events and returns.
  virtual void ProcessMessages() = 0;
};

// The services in use; none is owned here.
struct Services {
  MessageBoxes* message_boxes;
  FileDialogs* file_dialogs;
  Beeper* beeper;
  Cursor* cursor;
  Clipboard* clipboard;
  Printer* printer;
  Events* events;
};

// The Qt implementations unless a test has swapped in others.
Services& services();
// The Qt implementations.
Services real_services();

// Hourglass cursor for the lifetime of the object.
class HourglassCursor {
 public:
  HourglassCursor() : cursor_(services().cursor) { cursor_->BeginWait(); }
  ~HourglassCursor() { cursor_->EndWait(); }
  HourglassCursor(const HourglassCursor&) = delete;
  HourglassCursor& operator=(const HourglassCursor&) = delete;

 private:
  Cursor* cursor_;  // the one that showed the hourglass ends it, even if the services were swapped meanwhile
};

}  // namespace platform
