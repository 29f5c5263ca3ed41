#include "platform/pdf_print_job.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QSaveFile>

namespace platform {
namespace {

constexpr int kDpi = 300;

class PdfPrintJob : public PrintJob {
 public:
  PdfPrintJob(std::unique_ptr<QSaveFile> file, const QString& title) : file_(std::move(file)), writer_(file_.get()) {
    writer_.setTitle(title);
    writer_.setCreator(QStringLiteral("Velumat"));
    writer_.setResolution(kDpi);
    writer_.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(10, 10, 10, 10),
                                      QPageLayout::Millimeter));
  }
  QPaintDevice* device() override { return &writer_; }
  int PageWidth() const override { return Page().width(); }
  int PageHeight() const override { return Page().height(); }
  bool EndDoc() override { return file_->commit(); }

 private:
  QRect Page() const { return writer_.pageLayout().paintRectPixels(kDpi); }
  std::unique_ptr<QSaveFile> file_;
  QPdfWriter writer_;
};

}  // namespace

std::unique_ptr<PrintJob> pdf_print_job(const QString& path, const QString& title) {
  auto file = std::make_unique<QSaveFile>(path);
  if (!file->open(QIODevice::WriteOnly)) return nullptr;
  return std::make_unique<PdfPrintJob>(std::move(file), title);
}

}  // namespace platform
