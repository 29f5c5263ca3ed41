#pragma once

#include <gtest/gtest.h>
#include <QTemporaryDir>

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
