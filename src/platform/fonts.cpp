#include "platform/fonts.h"

#include <cstdlib>

namespace platform {

namespace {

bool is_fixed_family(const QString& family) {
  return family == QLatin1String("Liberation Mono") || family == QLatin1String("DejaVu Sans Mono");
}

}  // namespace

int points_to_pixels(int pt) {
  // pt * 4 / 3 rounded half away from zero, in integers.
  const int n = pt * 96;
  return n >= 0 ? (n + 36) / 72 : -((-n + 36) / 72);
}

void TFont::SetSize(int pt) {
  Size = pt;
  Height = 0;
}

void TFont::SetHeight(int px) {
  Height = px;
  const int n = std::abs(px) * 72;
  Size = (n + 48) / 96;
}

int TFont::PixelSize() const {
  const int px = Height != 0 ? std::abs(Height) : points_to_pixels(Size);
  return px > 0 ? px : 1;
}

QString substitute_family(const QString& name) {
  const QString n = name.trimmed();
  if (n.compare(QLatin1String("Arial"), Qt::CaseInsensitive) == 0) return QStringLiteral("Liberation Sans");
  if (n.compare(QLatin1String("MS Sans Serif"), Qt::CaseInsensitive) == 0) return QStringLiteral("Liberation Sans");
  if (n.compare(QLatin1String("Times New Roman"), Qt::CaseInsensitive) == 0) return QStringLiteral("Liberation Serif");
  if (n.compare(QLatin1String("Courier New"), Qt::CaseInsensitive) == 0) return QStringLiteral("Liberation Mono");
  if (n.compare(QLatin1String("System"), Qt::CaseInsensitive) == 0) return QStringLiteral("DejaVu Sans Mono");
  return n;
}

QFont resolve_font(const TFont& font) {
  QString family = substitute_family(font.Name);
  const bool system = font.Name.trimmed().compare(QLatin1String("System"), Qt::CaseInsensitive) == 0;
  if (font.Pitch == TFontPitch::fpFixed && !is_fixed_family(family)) family = QStringLiteral("Liberation Mono");

  QFont f(family);
  f.setPixelSize(font.PixelSize());
  f.setBold(font.Bold || system);
  f.setItalic(font.Italic);
  f.setUnderline(font.Underline);
  f.setKerning(false);
  f.setFixedPitch(is_fixed_family(family));
  f.setStyleHint(is_fixed_family(family) ? QFont::Monospace : QFont::AnyStyle,
                 QFont::StyleStrategy(QFont::NoAntialias | QFont::PreferMatch));
  f.setHintingPreference(QFont::PreferFullHinting);
  return f;
}

QFont widget_font(const TFont& font) {
  QFont f = resolve_font(font);
  f.setKerning(true);
  f.setStyleStrategy(QFont::PreferMatch);
  f.setHintingPreference(QFont::PreferDefaultHinting);
  return f;
}

}  // namespace platform
