#pragma once

#include <functional>

#include <QWidget>

class QToolButton;

namespace platform {

enum class TUDBtnType { btNext, btPrev };

// Pair of arrow buttons that steps a position between Min and Max by Increment.
// The upper (btNext) arrow steps up. OnClick fires only when the position actually changed.
class UpDown : public QWidget {
  Q_OBJECT

 public:
  explicit UpDown(QWidget* parent = nullptr);

  int Min() const { return min_; }
  int Max() const { return max_; }
  int Position() const { return position_; }
  int Increment() const { return increment_; }
  bool Wrap() const { return wrap_; }

  void SetMin(int min);
  void SetMax(int max);
  // Silent, clamped to Min .. Max.
  void SetPosition(int pos);
  void SetIncrement(int step) { increment_ = step; }
  void SetWrap(bool wrap) { wrap_ = wrap; }

  QToolButton* NextButton() const { return next_; }
  QToolButton* PrevButton() const { return prev_; }

  std::function<void(TUDBtnType btn)> OnClick;

 protected:
  void resizeEvent(QResizeEvent* e) override;

 private:
  void Step(TUDBtnType btn);

  int min_ = 0;
  int max_ = 100;
  int position_ = 0;
  int increment_ = 1;
  bool wrap_ = false;
  QToolButton* next_;
  QToolButton* prev_;
};

}  // namespace platform
