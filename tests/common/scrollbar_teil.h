#pragma once

#include <QApplication>
#include <QMouseEvent>
#include <QRect>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionSlider>

// Where a part of a shown scroll bar lies (arrows, trough halves, thumb), for mouse tests.
inline QRect Scrollbar_Teil(const QScrollBar& bar, QStyle::SubControl sc) {
  QStyleOptionSlider opt;
  opt.initFrom(&bar);
  opt.subControls = QStyle::SC_All;
  opt.orientation = bar.orientation();
  opt.minimum = bar.minimum();
  opt.maximum = bar.maximum();
  opt.sliderPosition = bar.sliderPosition();
  opt.sliderValue = bar.value();
  opt.singleStep = bar.singleStep();
  opt.pageStep = bar.pageStep();
  return bar.style()->subControlRect(QStyle::CC_ScrollBar, &opt, sc, &bar);
}

// Sends one mouse event with the left button as the one that changed, held the buttons held.
inline void Maus(QWidget* ziel, QEvent::Type type, QPoint at, Qt::MouseButtons held) {
  QMouseEvent e(type, at, ziel->mapToGlobal(at), Qt::LeftButton, held, Qt::NoModifier);
  QApplication::sendEvent(ziel, &e);
}
