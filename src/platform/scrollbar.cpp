#include "platform/scrollbar.h"

#include <algorithm>

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

#include "platform/safe_call.h"

namespace platform {

ScrollBar::ScrollBar(QWidget* parent, Qt::Orientation orientation) : QScrollBar(orientation, parent) {
  setRange(0, 100);
  setSingleStep(1);
  setPageStep(1);
  setContextMenuPolicy(Qt::NoContextMenu);
  setFocusPolicy(Qt::StrongFocus);
  reported_ = value();
  connect(this, &QAbstractSlider::actionTriggered, this, &ScrollBar::ActionTriggered);
  connect(this, &QAbstractSlider::sliderReleased, this, &ScrollBar::ThumbReleased);
  connect(this, &QAbstractSlider::valueChanged, this, &ScrollBar::ValueChanged);
}

void ScrollBar::SetMin(int min) { SetParams(value(), min, std::max(min, maximum())); }

void ScrollBar::SetMax(int max) { SetParams(value(), std::min(minimum(), max), max); }

void ScrollBar::SetPosition(int pos) { setValue(pos); }

void ScrollBar::SetParams(int pos, int min, int max) {
  ++batch_depth_;
  setRange(min, max);
  setValue(pos);
  --batch_depth_;
  ValueChanged(value());
}

void ScrollBar::ValueChanged(int v) {
  if (batch_depth_ > 0 || v == reported_) return;
  reported_ = v;
  if (OnChange) guarded(OnChange);
}

void ScrollBar::Scroll(TScrollCode code, int& pos) {
  if (code != TScrollCode::scEndScroll) scrolled_ = true;
  if (OnScroll) guarded([&] { OnScroll(code, pos); });
}

void ScrollBar::ActionTriggered(int action) {
  TScrollCode code;
  switch (action) {
    case SliderSingleStepSub:
      code = TScrollCode::scLineUp;
      break;
    case SliderSingleStepAdd:
      code = TScrollCode::scLineDown;
      break;
    case SliderPageStepSub:
      code = TScrollCode::scPageUp;
      break;
    case SliderPageStepAdd:
      code = TScrollCode::scPageDown;
      break;
    case SliderToMinimum:
      code = TScrollCode::scTop;
      break;
    case SliderToMaximum:
      code = TScrollCode::scBottom;
      break;
    case SliderMove:
      // A move without the thumb held comes from the wheel: report it as line steps.
      if (isSliderDown()) {
        code = TScrollCode::scTrack;
      } else {
        code = sliderPosition() < value() ? TScrollCode::scLineUp : TScrollCode::scLineDown;
      }
      break;
    default:
      return;
  }
  int pos = sliderPosition();
  Scroll(code, pos);
  pos = std::clamp(pos, minimum(), maximum());
  // Qt sets the value from the slider position once this signal returns.
  if (pos != sliderPosition()) setSliderPosition(pos);
}

void ScrollBar::ThumbReleased() {
  int pos = sliderPosition();
  Scroll(TScrollCode::scPosition, pos);
  setValue(std::clamp(pos, minimum(), maximum()));
}

void ScrollBar::FinishScroll() {
  if (!scrolled_ || mouse_down_) return;
  scrolled_ = false;
  int pos = value();
  Scroll(TScrollCode::scEndScroll, pos);
}

void paint_focus_frame(QWidget& w) {
  if (!w.hasFocus()) return;
  QPainter p(&w);
  p.setPen(QPen(w.palette().color(QPalette::WindowText), 1, Qt::DotLine));
  p.setBrush(Qt::NoBrush);
  p.drawRect(w.rect().adjusted(0, 0, -1, -1));
}

void ScrollBar::paintEvent(QPaintEvent* e) {
  QScrollBar::paintEvent(e);
  paint_focus_frame(*this);
}

void ScrollBar::mousePressEvent(QMouseEvent* e) {
  mouse_down_ = true;
  QScrollBar::mousePressEvent(e);
}

void ScrollBar::mouseReleaseEvent(QMouseEvent* e) {
  QScrollBar::mouseReleaseEvent(e);
  if (e->buttons() == Qt::NoButton) {
    mouse_down_ = false;
    FinishScroll();
  }
}

void ScrollBar::keyPressEvent(QKeyEvent* e) {
  // QScrollBar inverts its controls for the wheel, which would turn the arrow keys round.
  SliderAction action = SliderNoAction;
  switch (e->key()) {
    case Qt::Key_Left:
    case Qt::Key_Up:
      action = SliderSingleStepSub;
      break;
    case Qt::Key_Right:
    case Qt::Key_Down:
      action = SliderSingleStepAdd;
      break;
    case Qt::Key_PageUp:
      action = SliderPageStepSub;
      break;
    case Qt::Key_PageDown:
      action = SliderPageStepAdd;
      break;
    case Qt::Key_Home:
    case Qt::Key_End: {
      // As if the thumb were dragged to that end and released: handlers that follow a drag
      // and its release update value, label and drawing.
      int pos = e->key() == Qt::Key_Home ? minimum() : maximum();
      Scroll(TScrollCode::scTrack, pos);
      setValue(std::clamp(pos, minimum(), maximum()));
      pos = value();
      Scroll(TScrollCode::scPosition, pos);
      setValue(std::clamp(pos, minimum(), maximum()));
      e->accept();
      FinishScroll();
      return;
    }
    default:
      QScrollBar::keyPressEvent(e);
      return;
  }
  triggerAction(action);
  e->accept();
  FinishScroll();
}

#if QT_CONFIG(wheelevent)
void ScrollBar::wheelEvent(QWheelEvent* e) {
  QScrollBar::wheelEvent(e);
  FinishScroll();
}
#endif

}  // namespace platform
