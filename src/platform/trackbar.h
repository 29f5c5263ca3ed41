#pragma once

#include <functional>

#include <QSlider>

namespace platform {

// Track bar, vertical by default, position Min at the top (left when horizontal).
// OnChange fires on user moves only; every setter is silent.
class TrackBar : public QSlider {
  Q_OBJECT

 public:
  explicit TrackBar(QWidget* parent = nullptr, Qt::Orientation orientation = Qt::Vertical);

  int Min() const { return minimum(); }
  int Max() const { return maximum(); }
  int Position() const { return value(); }
  int Frequency() const { return tickInterval(); }
  int LineSize() const { return singleStep(); }
  int PageSize() const { return pageStep(); }

  void SetMin(int min);
  void SetMax(int max);
  void SetPosition(int pos);
  void SetFrequency(int ticks) { setTickInterval(ticks); }
  void SetLineSize(int step) { setSingleStep(step); }
  void SetPageSize(int step) { setPageStep(step); }

  std::function<void()> OnChange;

 protected:
  void paintEvent(QPaintEvent* e) override;

 private:
  void ValueChanged();

  int silent_ = 0;  // > 0 while code changes the value
};

}  // namespace platform
