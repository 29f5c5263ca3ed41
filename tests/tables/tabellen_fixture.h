#pragma once

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <string>
#include <vector>

#include "common/fake_hauptfenster.h"
#include "platform/safe_call.h"
#include "platform/service_doubles.h"
#include "tables/tabellenwerte.h"
#include "toolkit/farben.h"
#include "toolkit/formulas.h"
#include "toolkit/schaltung.h"
#include "toolkit/zeichenmodus.h"

// Fresh shared state as on a fresh start, service doubles, a fake main window and a
// recording error handler.
class TabellenTest : public ::testing::Test {
 protected:
  TabellenTest() {
    Zeichenmodus = TZeichenmodus{};
    Schaltung = TSchaltung{};
    Farben = TFarben{};
    tables::Kapazitaetsdekade = {};
    tables::Induktivitaetsdekade = {};
    Setze_Hauptfenster(&fenster);
    platform::set_exception_handler([this](const std::exception& e) { fehler.emplace_back(e.what()); });
  }
  ~TabellenTest() override {
    Setze_Hauptfenster(nullptr);
    platform::set_exception_handler(nullptr);
  }

  // U 10 V, R 1 Ohm, C 1 uF, L 1 mH and their fr: the values the filter dialogs open with.
  static void Oeffnungswerte() {
    Schaltung.Ug = 10;
    Schaltung.R = 1;
    Schaltung.C = 1e-6L;
    Schaltung.L = 1e-3L;
    Schaltung.fr = Berechne_fr(Schaltung.L, Schaltung.C);
  }

  QByteArray Inhalt(const QString& pfad) const {
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
  }

  platform::ScopedTestServices dienste;
  FakeHauptfenster fenster;
  std::vector<std::string> fehler;  // what reached the application-wide handler
  QTemporaryDir ordner;
};
