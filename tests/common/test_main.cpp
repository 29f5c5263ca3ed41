#include <gtest/gtest.h>
#include <QApplication>
#include <QLocale>
#include <clocale>
#include <cstdlib>

#include "common/german_locale.h"
#include "platform/buttons.h"

namespace {
bool g_german = false;
}

bool german_locale_active() { return g_german; }

int main(int argc, char** argv) {
  // Test discovery runs the binary at build time without the test environment.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  // The keys every dialog of the program has.
  platform::install_dialog_keys(app);
  // Number texts must not depend on the process locale: run every test under a German one.
  g_german = std::setlocale(LC_ALL, "de_DE.UTF-8") != nullptr;
  QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
