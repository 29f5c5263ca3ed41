#include "app/application.h"

#include "platform/safe_call.h"

TApplication::TApplication(int& argc, char** argv) : QApplication(argc, argv) {
  setApplicationName("velumat");
  setApplicationDisplayName("Velumat");
}

bool TApplication::notify(QObject* receiver, QEvent* event) {
  bool result = false;
  platform::guarded([&] { result = QApplication::notify(receiver, event); });
  return result;
}
