#pragma once

#include <functional>

#include <QScrollBar>

namespace platform {

enum class TScrollCode {
  scLineUp,
  scLineDown,
  scPageUp,
  scPageDown,
  scPosition,
  scTrack,
  scTop,
  scBottom,
  scEndScroll
};

// A dotted frame round a control that has the keyboard focus; call at the end of paintEvent.
void paint_focus_frame(QWidget& w);

// Scroll bar with change and scroll events.
// Home and End act as a drag of the thumb to that end and its release.
// OnScroll(code, pos) comes first with the position the action leads to; the handler may change pos.
// Then the position is set, which fires OnChange when it changed. Setting the position from code
// fires OnChange as well. A thumb drag reports scTrack per move, scPosition once on release; every
// user action ends with scEndScroll.
class ScrollBar : public QScrollBar {
  Q_OBJECT

 public:
  explicit ScrollBar(QWidget* parent = nullptr, Qt::Orientation orientation = Qt::Horizontal);

  int Min() const { return minimum(); }
  int Max() const { return maximum(); }
  int Position() const { return value(); }
  int SmallChange() const { return singleStep(); }
  int LargeChange() const { return pageStep(); }

  void SetMin(int min);
  void SetMax(int max);
  void SetPosition(int pos);
  // Sets all three at once; OnChange fires at most once, when the position ends up different.
  void SetParams(int pos, int min, int max);
  void SetSmallChange(int step) { setSingleStep(step); }
  void SetLargeChange(int step) { setPageStep(step); }

  std::function<void()> OnChange;
  std::function<void(TScrollCode code, int& pos)> OnScroll;

 protected:
  void mousePressEvent(QMouseEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;
  void keyPressEvent(QKeyEvent* e) override;
  void paintEvent(QPaintEvent* e) override;
#if QT_CONFIG(wheelevent)
  void wheelEvent(QWheelEvent* e) override;
#endif

 private:
  void ActionTriggered(int action);
  void ThumbReleased();
  void ValueChanged(int value);
  void Scroll(TScrollCode code, int& pos);
  void FinishScroll();

  int reported_ = 0;         // position OnChange last reported
  int batch_depth_ = 0;      // inside SetParams: OnChange waits until the end
  bool mouse_down_ = false;  // a mouse button is held on the bar
  bool scrolled_ = false;    // codes were sent that still need scEndScroll
};

}  // namespace platform
