#pragma once

#include <QWidget>

namespace platform {

enum class TBevelShape { bsBox, bsFrame, bsTopLine, bsBottomLine, bsLeftLine, bsRightLine, bsSpacer };
enum class TBevelStyle { bsLowered, bsRaised };

// Decorative sunken or raised box, frame or line. It takes no mouse input: clicks reach what lies below.
class Bevel : public QWidget {
  Q_OBJECT

 public:
  explicit Bevel(QWidget* parent = nullptr, TBevelShape shape = TBevelShape::bsBox,
                 TBevelStyle style = TBevelStyle::bsLowered);

  TBevelShape Shape() const { return shape_; }
  TBevelStyle Style() const { return style_; }
  void SetShape(TBevelShape shape);
  void SetStyle(TBevelStyle style);

 protected:
  void paintEvent(QPaintEvent* e) override;

 private:
  TBevelShape shape_;
  TBevelStyle style_;
};

}  // namespace platform
