#pragma once

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <string>
#include <vector>

#include "calculators/rahmen.h"
#include "common/fake_hauptfenster.h"
#include "platform/safe_call.h"
#include "platform/service_doubles.h"
#include "toolkit/schaltung.h"
#include "toolkit/zeichenmodus.h"

// Every shared circuit value equal.
inline bool Gleich(const TSchaltung& a, const TSchaltung& b) {
  const real48 TSchaltung::*felder[] = {
      &TSchaltung::Ug,       &TSchaltung::Ueff,  &TSchaltung::Ieff,  &TSchaltung::R,     &TSchaltung::R_min,
      &TSchaltung::R_max,    &TSchaltung::C,     &TSchaltung::C_min, &TSchaltung::C_max, &TSchaltung::L,
      &TSchaltung::L_min,    &TSchaltung::L_max, &TSchaltung::f,     &TSchaltung::f_min, &TSchaltung::f_max,
      &TSchaltung::R_Zeiger, &TSchaltung::RL,    &TSchaltung::Xc,    &TSchaltung::XL,    &TSchaltung::Z,
      &TSchaltung::phi,      &TSchaltung::fr,    &TSchaltung::Imax,  &TSchaltung::Imin};
  for (auto feld : felder)
    if (static_cast<long double>(a.*feld) != static_cast<long double>(b.*feld)) return false;
  return true;
}

// Fresh shared state, message-box double, a fake main window and a recording error handler.
class RechnerTest : public ::testing::Test {
 protected:
  RechnerTest() {
    Zeichenmodus = TZeichenmodus{};
    Schaltung = TSchaltung{};
    calculators::Kondensator_Geometrie = {};
    calculators::Spulen_Geometrie = {};
    Setze_Hauptfenster(&fenster);
    platform::set_exception_handler([this](const std::exception& e) { fehler.emplace_back(e.what()); });
  }
  ~RechnerTest() override {
    Setze_Hauptfenster(nullptr);
    platform::set_exception_handler(nullptr);
  }

  static void Tippe(QLineEdit* edit, const QString& text) {
    edit->clear();
    QTest::keyClicks(edit, text);
  }
  static void Klicke(QPushButton* knopf) { QTest::mouseClick(knopf, Qt::LeftButton); }

  size_t Meldungen() const { return dienste.message_boxes.calls.size(); }
  bool Nur_Fehlermeldung() const {
    const auto& calls = dienste.message_boxes.calls;
    return calls.size() == 1 && calls[0].kind == platform::MessageBoxesDouble::Kind::Error &&
           calls[0].title == "Fehler" &&
           calls[0].text == "Ihre Eingaben enhalten einen Fehler !\nIch kann nicht alle Werte berechnen !";
  }

  platform::ScopedTestServices dienste;
  FakeHauptfenster fenster;
  std::vector<std::string> fehler;  // what reached the application-wide handler
};
