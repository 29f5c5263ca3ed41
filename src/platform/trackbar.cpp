#include "platform/trackbar.h"

#include <algorithm>

#include "platform/safe_call.h"
#include "platform/scrollbar.h"

namespace platform {

TrackBar::TrackBar(QWidget* parent, Qt::Orientation orientation) : QSlider(orientation, parent) {
  // A vertical slider counts upwards by default; this one has Min at the top, and the keys follow the thumb.
  if (orientation == Qt::Vertical) {
    setInvertedAppearance(true);
    setInvertedControls(true);
  }
  setTickPosition(orientation == Qt::Vertical ? TicksRight : TicksBelow);
  ++silent_;
  setRange(0, 10);
  --silent_;
  setTickInterval(1);
  setSingleStep(1);
  setPageStep(2);
  connect(this, &QAbstractSlider::valueChanged, this, &TrackBar::ValueChanged);
}

void TrackBar::SetMin(int min) {
  ++silent_;
  setRange(min, std::max(min, maximum()));
  --silent_;
}

void TrackBar::SetMax(int max) {
  ++silent_;
  setRange(std::min(minimum(), max), max);
  --silent_;
}

void TrackBar::SetPosition(int pos) {
  ++silent_;
  setValue(pos);
  --silent_;
}

void TrackBar::ValueChanged() {
  if (silent_ > 0) return;
  if (OnChange) guarded(OnChange);
}

void TrackBar::paintEvent(QPaintEvent* e) {
  QSlider::paintEvent(e);
  paint_focus_frame(*this);
}

}  // namespace platform
