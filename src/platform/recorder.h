#pragma once

#include <QColor>
#include <QList>
#include <QString>
#include <vector>

#include "platform/canvas_types.h"

namespace platform {

// One drawing primitive as a canvas carried it out, with the canvas state it used.
// args by op:
//   "LineTo"      x0, y0, x1, y1 (from the pen position to the end point)
//   "Polyline"    x0, y0, x1, y1, ...
//   "Rectangle", "Ellipse", "FillRect"   left, top, right, bottom (right and bottom exclusive)
//   "TextOut"     x, y (text in `text`)
//   "Pixel"       x, y (colour in `color`)
//   "Draw"        x, y, image width, image height
//   "StretchDraw" left, top, right, bottom, image width, image height
//   "CopyRect"    dest left, top, right, bottom, source left, top, right, bottom
struct RecordedOp {
  QString op;
  QList<int> args;
  QColor penColor;
  int penWidth = 1;
  TPenStyle penStyle = TPenStyle::psSolid;
  TPenMode penMode = TPenMode::pmCopy;
  QColor brushColor;
  TBrushStyle brushStyle = TBrushStyle::bsSolid;
  QString fontName;
  int fontSize = 0;    // points
  int fontHeight = 0;  // pixels the text is drawn with
  bool fontBold = false;
  bool fontItalic = false;
  bool fontUnderline = false;
  QColor fontColor;
  bool textTransparent = false;
  QColor color;  // colour of a "Pixel"
  QString text;
};

// Log of the primitives of a canvas, for tests that check what a drawing did.
class Recorder {
 public:
  void add(RecordedOp op) { ops_.push_back(std::move(op)); }
  const std::vector<RecordedOp>& ops() const { return ops_; }
  void clear() { ops_.clear(); }

  // All operations named op, in drawing order.
  std::vector<RecordedOp> ops(const QString& op) const;
  std::vector<RecordedOp> texts() const { return ops(QStringLiteral("TextOut")); }
  std::vector<RecordedOp> lines() const { return ops(QStringLiteral("LineTo")); }
  // First TextOut of exactly this text, or nullptr.
  const RecordedOp* findText(const QString& text) const;
  // First TextOut whose text contains part, or nullptr.
  const RecordedOp* findTextContaining(const QString& part) const;
  int count(const QString& op) const;
  // All texts joined with a newline, handy in failure messages.
  QString allText() const;

 private:
  std::vector<RecordedOp> ops_;
};

}  // namespace platform
