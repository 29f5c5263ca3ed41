#include "app/application.h"

#include <QIcon>

#include "platform/buttons.h"
#include "platform/safe_call.h"

TApplication::TApplication(int& argc, char** argv) : QApplication(argc, argv) {
  // No display name: the window system would append it to every dialog caption.
  setApplicationName("velumat");
  setApplicationVersion(VELUMAT_VERSION);
  // Task switchers find the desktop file, with its name and icon.
  setDesktopFileName("de.velumat.Velumat");
  QIcon symbol;
  for (int px : {48, 128, 256}) symbol.addFile(QStringLiteral(":/symbol/velumat-%1.png").arg(px), QSize(px, px));
  setWindowIcon(symbol);
  platform::install_dialog_keys(*this);
}

bool TApplication::notify(QObject* receiver, QEvent* event) {
  bool result = false;
  platform::guarded([&] { result = QApplication::notify(receiver, event); });
  return result;
}
