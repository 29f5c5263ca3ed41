#include "toolkit/title_picture.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <cmath>
#include <numbers>

namespace {

constexpr int kBreite = 155;
constexpr int kHoehe = 89;

const QColor kSilber(0xC0, 0xC0, 0xC0);
const QColor kGrau(0x80, 0x80, 0x80);
const QColor kNavy(0x00, 0x00, 0x80);
const QColor kRot(0xC0, 0x00, 0x00);
const QColor kBlau(0x00, 0x00, 0xFF);

// Bevelled edge of the rectangle (x0, y0)..(x1, y1), inclusive: light upper left, dark lower right.
void Zeichne_Kante(QPainter& p, int x0, int y0, int x1, int y1, const QColor& hell, const QColor& dunkel) {
  p.fillRect(x0, y0, x1 - x0 + 1, 1, hell);
  p.fillRect(x0, y0, 1, y1 - y0 + 1, hell);
  p.fillRect(x0, y1, x1 - x0 + 1, 1, dunkel);
  p.fillRect(x1, y0, 1, y1 - y0 + 1, dunkel);
}

}  // namespace

QImage Titelbild() {
  QImage bild(kBreite, kHoehe, QImage::Format_RGB32);
  bild.fill(kSilber);
  QPainter p(&bild);
  p.setRenderHint(QPainter::Antialiasing, false);

  // Raised panel with a sunken white window for the diagram.
  Zeichne_Kante(p, 0, 0, kBreite - 1, kHoehe - 1, Qt::white, Qt::black);
  Zeichne_Kante(p, 1, 1, kBreite - 2, kHoehe - 2, QColor(0xDF, 0xDF, 0xDF), kGrau);
  const int fx0 = 7, fy0 = 6, fx1 = kBreite - 8, fy1 = 56;
  Zeichne_Kante(p, fx0 - 2, fy0 - 2, fx1 + 2, fy1 + 2, kGrau, Qt::white);
  Zeichne_Kante(p, fx0 - 1, fy0 - 1, fx1 + 1, fy1 + 1, QColor(0x40, 0x40, 0x40), QColor(0xDF, 0xDF, 0xDF));
  p.fillRect(fx0, fy0, fx1 - fx0 + 1, fy1 - fy0 + 1, Qt::white);

  // Phasor circle with its axes and the time axis of the line diagram.
  const int cx = 31, cy = 31, r = 20;
  const int tx0 = cx + r + 6, tx1 = fx1 - 4;
  p.setPen(QPen(Qt::black, 1));
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(QPoint(cx, cy), r, r);
  p.fillRect(fx0 + 2, cy, tx1 - fx0 - 1, 1, Qt::black);
  p.fillRect(cx, cy - r - 3, 1, 2 * r + 7, Qt::black);
  p.fillRect(tx0, cy - r - 2, 1, 2 * r + 5, Qt::black);

  // Phasor at 40 degrees and the sine wave it traces, starting at the phasor's height.
  const double phi = 40.0 * std::numbers::pi / 180.0;
  const QPointF mitte(cx + 0.5, cy + 0.5);
  const QPointF spitze = mitte + QPointF(r * std::cos(phi), -r * std::sin(phi));

  p.setPen(QPen(kGrau, 1, Qt::DotLine));
  p.drawLine(QPointF(spitze.x(), spitze.y()), QPointF(tx0 + 0.5, spitze.y()));

  p.setRenderHint(QPainter::Antialiasing, true);
  QPainterPath sinus;
  const double periode = tx1 - tx0;
  for (int i = 0; i <= 2 * static_cast<int>(periode); ++i) {
    const double x = i / 2.0;
    const QPointF punkt(tx0 + 0.5 + x, cy + 0.5 - r * std::sin(phi + 2 * std::numbers::pi * x / periode));
    if (i == 0)
      sinus.moveTo(punkt);
    else
      sinus.lineTo(punkt);
  }
  p.setPen(QPen(kBlau, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawPath(sinus);

  const double kopf = 6.0, breite = 3.0;
  const QPointF richtung(std::cos(phi), -std::sin(phi));
  const QPointF quer(-richtung.y(), richtung.x());
  const QPointF basis = spitze - kopf * richtung;
  p.setPen(QPen(kRot, 2.0, Qt::SolidLine, Qt::FlatCap));
  p.drawLine(mitte, basis);
  p.setPen(Qt::NoPen);
  p.setBrush(kRot);
  p.drawPolygon(QPolygonF({spitze, basis + breite * quer, basis - breite * quer}));

  // The program's name, engraved into the panel.
  p.setRenderHint(QPainter::Antialiasing, false);
  p.setRenderHint(QPainter::TextAntialiasing, true);
  QFont schrift("Liberation Sans");
  schrift.setPixelSize(24);
  schrift.setBold(true);
  schrift.setItalic(true);
  p.setFont(schrift);
  const QRect textfeld(0, fy1 + 3, kBreite, kHoehe - 2 - (fy1 + 3));
  p.setPen(Qt::white);
  p.drawText(textfeld.translated(1, 1), Qt::AlignCenter, QStringLiteral("Velumat"));
  p.setPen(kNavy);
  p.drawText(textfeld, Qt::AlignCenter, QStringLiteral("Velumat"));
  p.end();
  return bild;
}
