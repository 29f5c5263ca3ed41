#pragma once

#include <exception>
#include <functional>
#include <stdexcept>
#include <utility>

#include <QObject>

// Exceptions must never cross Qt's signal and event machinery. Every control handler is
// connected through safe_connect; what it throws goes to the installed exception handler
// (the application's AppException), and the program goes on.
namespace platform {

using ExceptionHandler = std::function<void(const std::exception&)>;

void set_exception_handler(ExceptionHandler handler);
// Passes e to the installed handler; without one it is dropped (tests, early start).
void report_exception(const std::exception& e);

// Runs f; a thrown exception is reported instead of propagating.
template <typename F>
void guarded(F&& f) noexcept {
  try {
    std::forward<F>(f)();
  } catch (const std::exception& e) {
    report_exception(e);
  } catch (...) {
    report_exception(std::runtime_error("Unbekannter Fehler"));
  }
}

template <typename Sender, typename Signal, typename Handler>
QMetaObject::Connection safe_connect(Sender* sender, Signal signal, QObject* context, Handler handler) {
  return QObject::connect(sender, signal, context, [handler](auto&&... args) {
    guarded([&] { handler(std::forward<decltype(args)>(args)...); });
  });
}

}  // namespace platform
