#include "app/application.h"

#include "platform/buttons.h"
#include "platform/safe_call.h"

TApplication::TApplication(int& argc, char** argv) : QApplication(argc, argv) {
  // No display name: the window system would append it to every dialog caption.
  setApplicationName("velumat");
  platform::install_dialog_keys(*this);
}

bool TApplication::notify(QObject* receiver, QEvent* event) {
  bool result = false;
  platform::guarded([&] { result = QApplication::notify(receiver, event); });
  return result;
}
