#pragma once

#include <QApplication>

// The application object: the net under every event handler. An exception that escapes a
// handler goes to the main window's error box instead of crossing the event loop.
class TApplication : public QApplication {
 public:
  TApplication(int& argc, char** argv);
  bool notify(QObject* receiver, QEvent* event) override;
};
