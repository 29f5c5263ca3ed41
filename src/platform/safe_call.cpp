#include "platform/safe_call.h"

#include <stdexcept>

namespace platform {
namespace {
ExceptionHandler& handler_slot() {
  static ExceptionHandler h;
  return h;
}
}  // namespace

void set_exception_handler(ExceptionHandler handler) { handler_slot() = std::move(handler); }

void report_exception(const std::exception& e) {
  auto& h = handler_slot();
  if (h) {
    try {
      h(e);
    } catch (...) {
      // The error box itself failed; nothing more can be done without crossing the event loop.
    }
  }
}

}  // namespace platform
