#pragma once

#include <QMouseEvent>
#include <QWidget>

namespace platform {

// A left click on a window's free area: pressed and released on the window itself, not on
// one of its controls or labels. The window hands its press and release events to it.
class FreeAreaClick {
 public:
  // True (and the event accepted) when the press may start such a click.
  bool Press(QWidget& window, QMouseEvent& event) {
    pressed_ = event.button() == Qt::LeftButton && window.childAt(event.position().toPoint()) == nullptr;
    if (pressed_) event.accept();
    return pressed_;
  }
  // True when the release completes it.
  bool Release(const QWidget& window, const QMouseEvent& event) {
    const bool click =
        pressed_ && event.button() == Qt::LeftButton && window.rect().contains(event.position().toPoint());
    pressed_ = false;
    return click;
  }

 private:
  bool pressed_ = false;
};

}  // namespace platform
