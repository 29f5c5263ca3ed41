#include "platform/updown.h"

#include <algorithm>
#include <cstdint>
#include <tuple>

#include <QToolButton>

#include "platform/safe_call.h"

namespace platform {

UpDown::UpDown(QWidget* parent) : QWidget(parent), next_(new QToolButton(this)), prev_(new QToolButton(this)) {
  for (auto [button, arrow, kind] :
       {std::tuple{next_, Qt::UpArrow, TUDBtnType::btNext}, std::tuple{prev_, Qt::DownArrow, TUDBtnType::btPrev}}) {
    button->setArrowType(arrow);
    button->setAutoRepeat(true);
    button->setFocusPolicy(Qt::NoFocus);
    connect(button, &QToolButton::clicked, this, [this, kind = kind] { Step(kind); });
  }
  resize(17, 25);
}

void UpDown::SetMin(int min) {
  min_ = min;
  max_ = std::max(max_, min_);
  position_ = std::clamp(position_, min_, max_);
}

void UpDown::SetMax(int max) {
  max_ = max;
  min_ = std::min(min_, max_);
  position_ = std::clamp(position_, min_, max_);
}

void UpDown::SetPosition(int pos) { position_ = std::clamp(pos, min_, max_); }

void UpDown::Step(TUDBtnType btn) {
  const std::int64_t delta = btn == TUDBtnType::btNext ? increment_ : -std::int64_t{increment_};
  std::int64_t next = position_ + delta;
  if (next > max_) next = wrap_ ? min_ : max_;
  if (next < min_) next = wrap_ ? max_ : min_;
  if (next == position_) return;
  position_ = static_cast<int>(next);
  if (OnClick) guarded([&] { OnClick(btn); });
}

void UpDown::resizeEvent(QResizeEvent* e) {
  QWidget::resizeEvent(e);
  const int half = height() / 2;
  next_->setGeometry(0, 0, width(), half);
  prev_->setGeometry(0, half, width(), height() - half);
}

}  // namespace platform
