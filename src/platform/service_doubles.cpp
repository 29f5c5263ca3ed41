#include "platform/service_doubles.h"

namespace platform {

bool MessageBoxesDouble::Confirm(const QString& title, const QString& text) {
  calls.push_back({Kind::Confirm, title, text});
  if (confirm_answers.empty()) return confirm_default;
  const bool answer = confirm_answers.front();
  confirm_answers.pop_front();
  return answer;
}

void MessageBoxesDouble::Error(const QString& title, const QString& text) {
  calls.push_back({Kind::Error, title, text});
}

void MessageBoxesDouble::Information(const QString& title, const QString& text) {
  calls.push_back({Kind::Information, title, text});
}

void MessageBoxesDouble::Warning(const QString& title, const QString& text) {
  calls.push_back({Kind::Warning, title, text});
}

std::optional<QString> FileDialogsDouble::SaveFileName(const QString& title, const QString& filter,
                                                       const QString& default_name) {
  calls.push_back({title, filter, default_name});
  return answer;
}

void CursorDouble::BeginWait() {
  ++begin_count;
  ++depth;
}

void CursorDouble::EndWait() {
  ++end_count;
  --depth;
}

void ClipboardDouble::SetImage(const QImage& img) {
  image = img;
  ++image_count;
}

void ClipboardDouble::SetRichText(const QString& h, const QString& p) {
  html = h;
  plain = p;
  ++text_count;
}

namespace {

class ImagePrintJob : public PrintJob {
 public:
  ImagePrintJob(QSize size, std::vector<QImage>& pages, bool fails)
      : page_(size, QImage::Format_RGB32), pages_(pages), fails_(fails) {
    page_.fill(Qt::white);
  }
  QPaintDevice* device() override { return &page_; }
  int PageWidth() const override { return page_.width(); }
  int PageHeight() const override { return page_.height(); }
  bool EndDoc() override {
    if (fails_) return false;
    pages_.push_back(page_);
    return true;
  }

 private:
  QImage page_;
  std::vector<QImage>& pages_;
  bool fails_;
};

}  // namespace

bool PrinterDouble::Setup(QWidget*) {
  ++setup_count;
  return setup_answer;
}

std::unique_ptr<PrintJob> PrinterDouble::BeginDoc(const QString& title) {
  if (!available) return nullptr;
  titles.push_back(title);
  return std::make_unique<ImagePrintJob>(page_size, pages, end_doc_fails);
}

void EventsDouble::ProcessMessages() {
  ++count;
  if (on_process) on_process();
}

ScopedTestServices::ScopedTestServices() : saved_(services()) {
  services() = Services{&message_boxes, &file_dialogs, &beeper, &cursor, &clipboard, &printer, &events};
}

ScopedTestServices::~ScopedTestServices() { services() = saved_; }

}  // namespace platform
