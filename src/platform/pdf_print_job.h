#pragma once

#include <QString>
#include <memory>

#include "platform/services.h"

namespace platform {

// A print job that writes one A4 portrait page into a PDF file instead of a printer, for
// machines without one. Null when the file cannot be opened for writing; the file is only
// replaced when EndDoc finishes it.
std::unique_ptr<PrintJob> pdf_print_job(const QString& path, const QString& title);

}  // namespace platform
