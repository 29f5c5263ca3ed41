#pragma once

#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include <QImage>
#include <QSize>
#include <QString>

#include "platform/services.h"

// Test doubles of the services: they record every call and answer as scripted. No dialog opens.
namespace platform {

class MessageBoxesDouble : public MessageBoxes {
 public:
  enum class Kind { Confirm, Error, Information, Warning };
  struct Call {
    Kind kind;
    QString title;
    QString text;
  };

  bool Confirm(const QString& title, const QString& text) override;
  void Error(const QString& title, const QString& text) override;
  void Information(const QString& title, const QString& text) override;
  void Warning(const QString& title, const QString& text) override;

  std::vector<Call> calls;
  // Answers to Confirm, first one first; when empty, confirm_default.
  std::deque<bool> confirm_answers;
  bool confirm_default = true;
};

class FileDialogsDouble : public FileDialogs {
 public:
  struct Call {
    QString title;
    QString filter;
    QString default_name;
  };

  std::optional<QString> SaveFileName(const QString& title, const QString& filter,
                                      const QString& default_name) override;

  std::vector<Call> calls;
  std::optional<QString> answer;  // nothing: the user cancels
};

class BeeperDouble : public Beeper {
 public:
  void Beep() override { ++count; }
  int count = 0;
};

class CursorDouble : public Cursor {
 public:
  void BeginWait() override;
  void EndWait() override;
  int begin_count = 0;
  int end_count = 0;
  int depth = 0;  // > 0 while the hourglass shows
};

class ClipboardDouble : public Clipboard {
 public:
  void SetImage(const QImage& image) override;
  void SetRichText(const QString& html, const QString& plain) override;
  QImage image;
  QString html;
  QString plain;
  int image_count = 0;
  int text_count = 0;
};

class PrinterDouble : public Printer {
 public:
  bool Available() override { return available; }
  bool Setup(QWidget* parent) override;
  std::unique_ptr<PrintJob> BeginDoc(const QString& title) override;

  bool available = true;
  bool setup_answer = true;
  bool end_doc_fails = false;  // EndDoc reports failure and keeps no page
  int setup_count = 0;
  QSize page_size{4800, 6800};
  std::vector<QString> titles;  // of every begun document
  std::vector<QImage> pages;    // of every ended document, white where nothing was drawn
};

class EventsDouble : public Events {
 public:
  void ProcessMessages() override;
  int count = 0;
  std::function<void()> on_process;  // runs on every call, e.g. to press a key
};

// Swaps the doubles in for its lifetime and restores the services it found.
class ScopedTestServices {
 public:
  ScopedTestServices();
  ~ScopedTestServices();
  ScopedTestServices(const ScopedTestServices&) = delete;
  ScopedTestServices& operator=(const ScopedTestServices&) = delete;

  MessageBoxesDouble message_boxes;
  FileDialogsDouble file_dialogs;
  BeeperDouble beeper;
  CursorDouble cursor;
  ClipboardDouble clipboard;
  PrinterDouble printer;
  EventsDouble events;

 private:
  Services saved_;
};

}  // namespace platform
