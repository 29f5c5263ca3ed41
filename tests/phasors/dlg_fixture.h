#pragma once

#include <gtest/gtest.h>
#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QTest>

#include "common/fake_hauptfenster.h"
#include "common/scrollbar_teil.h"

#include "platform/scrollbar.h"
#include "toolkit/farben.h"
#include "toolkit/schaltung.h"
#include "toolkit/zeichenmodus.h"

// Fresh shared state and the fake main window; helpers that drive a scroll bar with the mouse.
class DlgTest : public ::testing::Test {
 protected:
  DlgTest() {
    Zeichenmodus = TZeichenmodus{};
    Schaltung = TSchaltung{};
    Einstellungen = TEinstellungen{};
    Setze_Hauptfenster(&window);
  }
  ~DlgTest() override { Setze_Hauptfenster(nullptr); }

  static QRect Teil(platform::ScrollBar& bar, QStyle::SubControl sc) { return Scrollbar_Teil(bar, sc); }

  static void Maus(platform::ScrollBar& bar, QEvent::Type type, QPoint at, Qt::MouseButtons held) {
    ::Maus(&bar, type, at, held);
  }

  // Presses the thumb and moves it dx pixels to the right, without releasing it.
  static QPoint Ziehe(platform::ScrollBar& bar, int dx) {
    const QPoint start = Teil(bar, QStyle::SC_ScrollBarSlider).center();
    Maus(bar, QEvent::MouseButtonPress, start, Qt::LeftButton);
    Maus(bar, QEvent::MouseMove, start + QPoint(dx / 2, 0), Qt::LeftButton);
    Maus(bar, QEvent::MouseMove, start + QPoint(dx, 0), Qt::LeftButton);
    return start + QPoint(dx, 0);
  }
  static void Loslassen(platform::ScrollBar& bar, QPoint at) {
    Maus(bar, QEvent::MouseButtonRelease, at, Qt::NoButton);
  }

  static void Klicke(platform::ScrollBar& bar, QStyle::SubControl sc) {
    QTest::mouseClick(&bar, Qt::LeftButton, Qt::NoModifier, Teil(bar, sc).center());
  }
  static void Pfeil_rechts(platform::ScrollBar& bar) { Klicke(bar, QStyle::SC_ScrollBarAddLine); }
  static void Pfeil_links(platform::ScrollBar& bar) { Klicke(bar, QStyle::SC_ScrollBarSubLine); }
  static void Seite_rechts(platform::ScrollBar& bar) { Klicke(bar, QStyle::SC_ScrollBarAddPage); }

  static QString Text(const QLabel* label) { return label->text(); }

  FakeHauptfenster window{782, 550, 20, {100, 50}};
};
