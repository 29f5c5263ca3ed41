#pragma once

#include <QColor>

#include "platform/fonts.h"

namespace platform {

enum class TPenStyle { psSolid, psDash, psDot, psDashDot, psClear };
// Raster operation of pen and brush: copy, xor with the pen colour, its negation, invert.
enum class TPenMode { pmCopy, pmXor, pmNotXor, pmNot };

struct TPen {
  QColor Color = Qt::black;
  int Width = 1;
  TPenStyle Style = TPenStyle::psSolid;
  TPenMode Mode = TPenMode::pmCopy;

  friend bool operator==(const TPen&, const TPen&) = default;
};

enum class TBrushStyle { bsSolid, bsClear };

struct TBrush {
  QColor Color = Qt::white;
  TBrushStyle Style = TBrushStyle::bsSolid;

  friend bool operator==(const TBrush&, const TBrush&) = default;
};

}  // namespace platform
