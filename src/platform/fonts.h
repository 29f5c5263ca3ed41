#pragma once

#include <QColor>
#include <QFont>
#include <QString>

namespace platform {

enum class TFontPitch { fpDefault, fpFixed, fpVariable };

// Font of a canvas in the platform's terms. Size is in points at 96 dpi; Height, when not 0,
// is the character height in pixels and wins over Size (its sign is ignored).
struct TFont {
  QString Name = "MS Sans Serif";
  int Size = 8;
  int Height = 0;
  bool Bold = false, Italic = false, Underline = false;
  TFontPitch Pitch = TFontPitch::fpDefault;
  QColor Color = Qt::black;

  void SetSize(int pt);
  void SetHeight(int px);
  // Character height in pixels that this font draws with.
  int PixelSize() const;

  friend bool operator==(const TFont&, const TFont&) = default;
};

// Points at 96 dpi to pixels: Round(pt * 96 / 72), so 10 pt = 13 px and 8 pt = 11 px.
int points_to_pixels(int pt);

// Family that stands in for a face name of the platform: "Arial" and "MS Sans Serif" ->
// "Liberation Sans", "Times New Roman" -> "Liberation Serif", "Courier New" -> "Liberation Mono",
// "System" -> "DejaVu Sans Mono"; other names are kept.
QString substitute_family(const QString& name);

// The QFont a canvas draws with: pixel sized (independent of the screen's dpi), no antialiasing,
// no kerning. "System" is always bold. Fixed pitch asked of a proportional face picks the fixed
// face "Liberation Mono" instead, as the platform's font mapper does.
QFont resolve_font(const TFont& font);

// The QFont of dialogs, menus and the status bar: family, size and style as resolve_font, but
// rendered normally (antialiased, kerned, the platform's hinting), so that digits stay apart
// and words whole at every screen scale. The pixel-exact rendering is for canvases only.
QFont widget_font(const TFont& font);

}  // namespace platform
