#pragma once

#include <gtest/gtest.h>
#include <QApplication>
#include <QStringList>
#include <QTemporaryDir>
#include <QTimer>

#include "platform/service_doubles.h"
#include "toolkit/farben.h"
#include "toolkit/schaltung.h"
#include "toolkit/zeichenmodus.h"

// Fresh shared state, service doubles and a settings file in a temporary folder.
class AppTest : public ::testing::Test {
 protected:
  AppTest() {
    Zeichenmodus = TZeichenmodus{};
    Schaltung = TSchaltung{};
    Farben = TFarben{};
    Einstellungen = TEinstellungen{};
    Setze_Pfad_Einstellungsdatei(ini_path());
  }
  ~AppTest() override { Setze_Pfad_Einstellungsdatei(QString()); }

  QString ini_path() const { return dir_.filePath("velumat.ini"); }

  QTemporaryDir dir_;
  platform::ScopedTestServices services_;
};

// Closes the modal dialog that opens and remembers its name.
struct DialogSchliesser {
  QStringList gesehen;
  QTimer timer;
  DialogSchliesser() {
    timer.setInterval(10);
    QObject::connect(&timer, &QTimer::timeout, [this] {
      if (QWidget* w = QApplication::activeModalWidget()) {
        gesehen << w->objectName();
        w->close();
      }
    });
    timer.start();
  }
};
