#include "platform/canvas.h"

#include <climits>

#include <QFontMetrics>
#include <QPaintEngine>
#include <QPen>
#include <QPolygon>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <span>

namespace platform {

namespace {

// On/off run lengths of the styled pens of width 1, in pixels, starting with "on".
std::span<const int> dash_pattern(TPenStyle s) {
  static constexpr int dash[] = {18, 6};
  static constexpr int dot[] = {3, 3};
  static constexpr int dash_dot[] = {9, 6, 3, 6};
  switch (s) {
    case TPenStyle::psDash:
      return dash;
    case TPenStyle::psDot:
      return dot;
    case TPenStyle::psDashDot:
      return dash_dot;
    default:
      return {};
  }
}

bool pattern_on(std::span<const int> pattern, std::int64_t pos) {
  int total = 0;
  for (int n : pattern) total += n;
  int p = static_cast<int>(pos % total);
  for (std::size_t k = 0; k < pattern.size(); ++k) {
    if (p < pattern[k]) return k % 2 == 0;
    p -= pattern[k];
  }
  return false;
}

// Floor division for a non-negative numerator and a positive denominator.
std::int64_t div_floor(std::int64_t n, std::int64_t d) { return n / d; }

// Collects the pixels of a line as runs of 1-pixel-high (or -wide) rectangles.
class RunCollector {
 public:
  explicit RunCollector(bool horizontal) : horizontal_(horizontal) {}
  // Closed runs go to out instead of the collector's own list.
  RunCollector(bool horizontal, std::vector<QRect>& out) : horizontal_(horizontal), out_(&out) {}
  void add(int x, int y) {
    if (open_) {
      if (horizontal_ && y == fixed_ && (x == lo_ - 1 || x == hi_ + 1)) {
        lo_ = std::min(lo_, x);
        hi_ = std::max(hi_, x);
        return;
      }
      if (!horizontal_ && x == fixed_ && (y == lo_ - 1 || y == hi_ + 1)) {
        lo_ = std::min(lo_, y);
        hi_ = std::max(hi_, y);
        return;
      }
      close();
    }
    open_ = true;
    fixed_ = horizontal_ ? y : x;
    lo_ = hi_ = horizontal_ ? x : y;
  }
  void close() {
    if (!open_) return;
    (out_ ? *out_ : rects_)
        .push_back(horizontal_ ? QRect(lo_, fixed_, hi_ - lo_ + 1, 1) : QRect(fixed_, lo_, 1, hi_ - lo_ + 1));
    open_ = false;
  }
  std::vector<QRect>& rects() {
    close();
    return rects_;
  }

 private:
  bool horizontal_;
  bool open_ = false;
  int fixed_ = 0, lo_ = 0, hi_ = 0;
  std::vector<QRect> rects_;
  std::vector<QRect>* out_ = nullptr;
};

// Half-open range [lo, hi) of pixel columns x lo..hi-1 in one row.
struct Span {
  int lo = 0, hi = 0;
  bool empty() const { return hi <= lo; }
};

// Row y of the ellipse whose bounding box is [x1, x2) x [y1, y2), grown by g pixels on every side:
// the pixels whose centres lie inside the ellipse.
Span ellipse_row(int x1, int y1, int x2, int y2, double g, int y) {
  const double a = (x2 - x1) / 2.0 + g, b = (y2 - y1) / 2.0 + g;
  if (a <= 0 || b <= 0) return {};
  const double cx = x1 + (x2 - x1 - 1) / 2.0, cy = y1 + (y2 - y1 - 1) / 2.0;
  const double d = (y - cy) / b;
  const double t = 1 - d * d;
  if (t < 0) return {};
  const double half = a * std::sqrt(t);
  const int lo = static_cast<int>(std::ceil(cx - half - 1e-9));
  const int hi = static_cast<int>(std::floor(cx + half + 1e-9)) + 1;
  return {lo, hi};
}

void add_span(std::vector<QRect>& out, int y, int lo, int hi) {
  if (hi > lo) out.emplace_back(lo, y, hi - lo, 1);
}

}  // namespace

QImage make_image(int w, int h) {
  QImage img(std::max(w, 0), std::max(h, 0), QImage::Format_RGB32);
  img.fill(Qt::white);
  return img;
}

Canvas::Canvas(QPaintDevice* device) : device_(device) { begin(); }

Canvas::Canvas(QPaintDevice* device, std::function<void()> present_hook)
    : device_(device), present_hook_(std::move(present_hook)) {
  begin();
}

Canvas::~Canvas() {
  flush_path();
  if (painter_.isActive()) painter_.end();
}

void Canvas::begin() {
  raster_ = false;
  if (!device_ || device_->width() <= 0 || device_->height() <= 0) return;
  if (!painter_.begin(device_)) return;
  raster_ = painter_.paintEngine() && painter_.paintEngine()->type() == QPaintEngine::Raster;
  painter_.setRenderHint(QPainter::Antialiasing, false);
  painter_.setRenderHint(QPainter::TextAntialiasing, false);
  painter_.setRenderHint(QPainter::SmoothPixmapTransform, false);
  // Pictures keep their exact pixels in PDF and print output (no JPEG).
  painter_.setRenderHint(QPainter::LosslessImageRendering, true);
}

void Canvas::SetDevice(QPaintDevice* device) {
  flush_path();
  if (painter_.isActive()) painter_.end();
  device_ = device;
  font_cache_.reset();
  begin();
}

const QImage* Canvas::image() const {
  if (device_ && device_->devType() == QInternal::Image) return static_cast<const QImage*>(device_);
  return nullptr;
}

int Canvas::Width() const {
  if (!device_) return 0;
  return static_cast<int>(std::lround(device_->width() / device_->devicePixelRatioF()));
}

int Canvas::Height() const {
  if (!device_) return 0;
  return static_cast<int>(std::lround(device_->height() / device_->devicePixelRatioF()));
}

void Canvas::present() {
  flush_path();
  if (present_hook_) present_hook_();
}

QRegion Canvas::TakeDirtyRegion() {
  QRegion region;
  if (dirty_all_) {
    region = QRect(0, 0, Width(), Height());
  } else {
    // A few rectangles per animation step; a region of them stays small.
    for (const QRect& r : dirty_) region += r;
  }
  dirty_.clear();
  dirty_all_ = false;
  return region;
}

void Canvas::mark_dirty(const QString& op, const QList<int>& args, const QString& text) {
  if (dirty_all_) return;
  if (dirty_.size() > 256) {
    dirty_all_ = true;
    dirty_.clear();
    return;
  }
  const int grow = Pen.Width + 1;
  auto span = [&](int from, int to) {
    int left = INT_MAX, top = INT_MAX, right = INT_MIN, bottom = INT_MIN;
    for (int i = from; i + 1 < to; i += 2) {
      left = std::min(left, args[i]);
      right = std::max(right, args[i]);
      top = std::min(top, args[i + 1]);
      bottom = std::max(bottom, args[i + 1]);
    }
    if (left > right) return;
    dirty_.push_back(QRect(QPoint(left, top), QPoint(right, bottom)).adjusted(-grow, -grow, grow, grow));
  };
  if (op == QLatin1String("LineTo") || op == QLatin1String("Polyline")) {
    span(0, static_cast<int>(args.size()));
  } else if (op == QLatin1String("TextOut")) {
    dirty_.push_back(QRect(args[0] - 2, args[1] - 2, TextWidth(text) + 4, font_cache().height + 4));
  } else if (op == QLatin1String("Pixel")) {
    dirty_.push_back(QRect(args[0], args[1], 1, 1));
  } else if (op == QLatin1String("Draw")) {
    dirty_.push_back(QRect(args[0], args[1], args[2], args[3]));
  } else {
    // Rectangle, Ellipse, FillRect, StretchDraw, CopyRect: left, top, right, bottom first
    dirty_.push_back(Rect(args[0], args[1], args[2], args[3]).adjusted(-grow, -grow, grow, grow));
  }
}

void Canvas::record(const QString& op, QList<int> args, const QString& text, const QColor& c) {
  // Anything but a line ends a collected path first, so the drawing order stays.
  if (op != QLatin1String("LineTo") && op != QLatin1String("Polyline")) flush_path();
  if (present_hook_) mark_dirty(op, args, text);
  if (!recorder_) return;
  RecordedOp r;
  r.op = op;
  r.args = std::move(args);
  r.penColor = Pen.Color;
  r.penWidth = Pen.Width;
  r.penStyle = Pen.Style;
  r.penMode = Pen.Mode;
  r.brushColor = Brush.Color;
  r.brushStyle = Brush.Style;
  r.fontName = Font.Name;
  r.fontSize = Font.Size;
  r.fontHeight = Font.PixelSize();
  r.fontBold = Font.Bold;
  r.fontItalic = Font.Italic;
  r.fontUnderline = Font.Underline;
  r.fontColor = Font.Color;
  r.textTransparent = TextTransparent();
  r.color = c;
  r.text = text;
  recorder_->add(std::move(r));
}

// ---- state -------------------------------------------------------------------------------

void Canvas::realize_brush() {
  if (Brush == realized_brush_) return;
  realized_brush_ = Brush;
  text_transparent_ = Brush.Style == TBrushStyle::bsClear;
}

void Canvas::SetTextTransparent(bool t) {
  realize_brush();
  text_transparent_ = t;
}

bool Canvas::TextTransparent() const {
  if (!(Brush == realized_brush_)) return Brush.Style == TBrushStyle::bsClear;
  return text_transparent_;
}

QColor Canvas::background_color() const { return realized_brush_.Color; }

const Canvas::FontCache& Canvas::font_cache() {
  if (!font_cache_ || !(font_cache_->key == Font)) {
    FontCache c;
    c.key = Font;
    c.font = resolve_font(Font);
    const QFontMetrics fm = device_ ? QFontMetrics(c.font, device_) : QFontMetrics(c.font);
    c.ascent = fm.ascent();
    c.height = fm.ascent() + fm.descent();
    font_cache_ = std::move(c);
  }
  return *font_cache_;
}

void Canvas::set_raster_op(bool uses_pen_mode) {
  QPainter::CompositionMode m = QPainter::CompositionMode_SourceOver;
  if (raster_ && uses_pen_mode) {
    switch (Pen.Mode) {
      case TPenMode::pmXor:
        m = QPainter::RasterOp_SourceXorDestination;
        break;
      case TPenMode::pmNotXor:
        m = QPainter::RasterOp_NotSourceXorDestination;
        break;
      case TPenMode::pmNot:
        m = QPainter::RasterOp_NotDestination;
        break;
      case TPenMode::pmCopy:
        break;
    }
  }
  if (painter_.compositionMode() != m) painter_.setCompositionMode(m);
}

void Canvas::fill_rects(const std::vector<QRect>& rects, const QColor& c) {
  if (rects.empty()) return;
  painter_.setPen(Qt::NoPen);
  painter_.setBrush(c);
  painter_.drawRects(rects.data(), static_cast<int>(rects.size()));
}

// ---- lines -------------------------------------------------------------------------------

QRect Canvas::line_clip() const {
  QRect r(0, 0, Width(), Height());
  const QTransform t = painter_.transform();
  if (!t.isIdentity()) r = t.inverted().mapRect(r);
  return r.adjusted(-1, -1, 1, 1);
}

// Pixel layout of the platform's thin lines: a Bresenham walk from a that stops one step short
// of b. Ties are broken towards the start in four octants and towards the end in the other four,
// so that a line and its reverse cover the same pixels. Step i lands on
// minor(i) = floor((2 * dminor * i + dmajor + bias - 1) / (2 * dmajor)).
void Canvas::draw_thin_line(QPoint a, QPoint b, std::int64_t& dash_pos, ThinRuns* runs) {
  const std::int64_t dx = std::int64_t(b.x()) - a.x(), dy = std::int64_t(b.y()) - a.y();
  const std::int64_t adx = std::llabs(dx), ady = std::llabs(dy);
  const bool x_major = adx > ady;
  const std::int64_t len = x_major ? adx : ady;
  if (len == 0) return;

  int octant;
  if (dx >= 0)
    octant = dy >= 0 ? (dx >= dy ? 1 : 2) : (dx >= -dy ? 8 : 7);
  else
    octant = dy >= 0 ? (-dx >= dy ? 4 : 3) : (-dx >= -dy ? 5 : 6);
  const std::int64_t bias = (octant == 3 || octant == 5 || octant == 6 || octant == 8) ? 1 : 0;

  const int xinc = dx > 0 ? 1 : (dx < 0 ? -1 : 0);
  const int yinc = dy > 0 ? 1 : (dy < 0 ? -1 : 0);
  const std::int64_t dmaj = x_major ? adx : ady, dmin = x_major ? ady : adx;
  const int major0 = x_major ? a.x() : a.y(), minor0 = x_major ? a.y() : a.x();
  const int major_inc = x_major ? xinc : yinc, minor_inc = x_major ? yinc : xinc;

  // Only steps whose major coordinate lies on the target are walked.
  const QRect clip = runs ? runs->clip : line_clip();
  const std::int64_t cmin = x_major ? clip.left() : clip.top(), cmax = x_major ? clip.right() : clip.bottom();
  const std::int64_t mnmin = x_major ? clip.top() : clip.left(), mnmax = x_major ? clip.bottom() : clip.right();
  std::int64_t i_lo = major_inc > 0 ? cmin - major0 : major0 - cmax;
  std::int64_t i_hi = major_inc > 0 ? cmax - major0 : major0 - cmin;
  i_lo = std::max<std::int64_t>(i_lo, 0);
  i_hi = std::min<std::int64_t>(i_hi, len - 1);

  const auto pattern = dash_pattern(Pen.Style);
  const bool opaque_gaps = !pattern.empty() && !text_transparent_;
  RunCollector on = runs ? RunCollector(x_major, runs->on) : RunCollector(x_major);
  RunCollector off(x_major);
  for (std::int64_t i = i_lo; i <= i_hi; ++i) {
    const std::int64_t m = minor0 + minor_inc * div_floor(2 * dmin * i + dmaj + bias - 1, 2 * dmaj);
    if (m < mnmin || m > mnmax) continue;
    const int maj = static_cast<int>(major0 + major_inc * i);
    const int x = x_major ? maj : static_cast<int>(m), y = x_major ? static_cast<int>(m) : maj;
    if (pattern.empty() || pattern_on(pattern, dash_pos + i))
      on.add(x, y);
    else if (opaque_gaps)
      off.add(x, y);
  }
  dash_pos += len;
  if (runs) {
    on.close();
    return;
  }

  set_raster_op(true);
  fill_rects(on.rects(), Pen.Color);
  fill_rects(off.rects(), background_color());
}

void Canvas::draw_line(QPoint a, QPoint b, std::int64_t& dash_pos) {
  if (!active() || Pen.Style == TPenStyle::psClear) return;
  if (Pen.Width > 1) {
    // Wide pens draw solid with round ends, as the platform's do.
    flush_path();
    set_raster_op(true);
    painter_.setPen(QPen(Pen.Color, Pen.Width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter_.setBrush(Qt::NoBrush);
    if (a != b) painter_.drawLine(a, b);
    return;
  }
  if (raster_) {
    draw_thin_line(a, b, dash_pos);
    return;
  }
  if (a == b) return;
  // Consecutive thin lines of one pen become one path, so their dash pattern runs on.
  if (path_ && path_->pen == Pen && path_->points.back() == a) {
    path_->points.push_back(b);
    return;
  }
  flush_path();
  path_ = VectorPath{Pen, {a, b}};
}

void Canvas::flush_path() {
  if (!path_) return;
  const VectorPath path = std::move(*path_);
  path_.reset();
  if (!active()) return;
  QPen p(path.pen.Color, 1, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
  const auto pattern = dash_pattern(path.pen.Style);
  if (!pattern.empty()) {
    QList<qreal> dashes;
    for (int n : pattern) dashes << n;
    p.setDashPattern(dashes);
  }
  set_raster_op(false);
  painter_.setPen(p);
  painter_.setBrush(Qt::NoBrush);
  QPolygonF linie;
  for (const QPoint& q : path.points) linie << QPointF(q) + QPointF(0.5, 0.5);
  painter_.drawPolyline(linie);
}

void Canvas::MoveTo(int x, int y) { pen_pos_ = QPoint(x, y); }

void Canvas::LineTo(int x, int y) {
  const QPoint from = pen_pos_, to(x, y);
  std::int64_t dash_pos = 0;
  draw_line(from, to, dash_pos);
  pen_pos_ = to;
  record(QStringLiteral("LineTo"), {from.x(), from.y(), x, y});
}

void Canvas::Polyline(const std::vector<QPoint>& pts) {
  QList<int> args;
  for (const QPoint& p : pts) args << p.x() << p.y();
  record(QStringLiteral("Polyline"), args);
  if (!active() || pts.size() < 2 || Pen.Style == TPenStyle::psClear) return;
  if (Pen.Width > 1) {
    // One stroke, so that joints are covered once (matters for xor).
    flush_path();
    set_raster_op(true);
    painter_.setPen(QPen(Pen.Color, Pen.Width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter_.setBrush(Qt::NoBrush);
    painter_.drawPolyline(QPolygon(QList<QPoint>(pts.begin(), pts.end())));
    return;
  }
  std::int64_t dash_pos = 0;
  if (raster_ && Pen.Style == TPenStyle::psSolid) {
    // One fill for all segments: a curve of many short segments costs little more than its pixels.
    ThinRuns runs{line_clip(), {}};
    for (std::size_t k = 1; k < pts.size(); ++k) draw_thin_line(pts[k - 1], pts[k], dash_pos, &runs);
    set_raster_op(true);
    fill_rects(runs.on, Pen.Color);
    return;
  }
  for (std::size_t k = 1; k < pts.size(); ++k) draw_line(pts[k - 1], pts[k], dash_pos);
}

// ---- areas -------------------------------------------------------------------------------

void Canvas::Rectangle(int x1, int y1, int x2, int y2) {
  record(QStringLiteral("Rectangle"), {x1, y1, x2, y2});
  if (!active()) return;
  if (x1 > x2) std::swap(x1, x2);
  if (y1 > y2) std::swap(y1, y2);
  realize_brush();
  set_raster_op(true);
  const bool fill = Brush.Style == TBrushStyle::bsSolid;

  if (Pen.Style == TPenStyle::psClear) {
    if (fill && x2 - x1 > 1 && y2 - y1 > 1) fill_rects({Rect(x1, y1, x2 - 1, y2 - 1)}, Brush.Color);
    return;
  }
  if (x2 <= x1 || y2 <= y1) return;

  const int w = std::max(1, Pen.Width);
  if (w == 1 && Pen.Style != TPenStyle::psSolid && x2 - x1 > 1 && y2 - y1 > 1) {
    if (fill) fill_rects({Rect(x1 + 1, y1 + 1, x2 - 1, y2 - 1)}, Brush.Color);
    const int r = x2 - 1, b = y2 - 1;
    std::int64_t dash_pos = 0;
    draw_line({x1, y1}, {r, y1}, dash_pos);
    draw_line({r, y1}, {r, b}, dash_pos);
    draw_line({r, b}, {x1, b}, dash_pos);
    draw_line({x1, b}, {x1, y1}, dash_pos);
    return;
  }

  const QRect outer = Rect(x1 - w / 2, y1 - w / 2, x2 + (w - 1) / 2, y2 + (w - 1) / 2);
  const QRect inner = outer.adjusted(w, w, -w, -w);
  if (inner.width() <= 0 || inner.height() <= 0) {
    fill_rects({outer}, Pen.Color);
    return;
  }
  if (fill) fill_rects({inner}, Brush.Color);
  fill_rects(
      {QRect(outer.left(), outer.top(), outer.width(), w), QRect(outer.left(), inner.bottom() + 1, outer.width(), w),
       QRect(outer.left(), inner.top(), w, inner.height()), QRect(inner.right() + 1, inner.top(), w, inner.height())},
      Pen.Color);
}

void Canvas::FillRect(const QRect& r) {
  record(QStringLiteral("FillRect"), {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()});
  if (!active() || r.width() <= 0 || r.height() <= 0) return;
  realize_brush();
  set_raster_op(false);
  fill_rects({r}, Brush.Color);
}

void Canvas::Ellipse(int x1, int y1, int x2, int y2) {
  record(QStringLiteral("Ellipse"), {x1, y1, x2, y2});
  if (!active()) return;
  if (x1 > x2) std::swap(x1, x2);
  if (y1 > y2) std::swap(y1, y2);
  realize_brush();
  const bool fill = Brush.Style == TBrushStyle::bsSolid;
  const bool pen = Pen.Style != TPenStyle::psClear;

  if (!raster_) {
    set_raster_op(false);
    if (pen)
      painter_.setPen(QPen(Pen.Color, std::max(1, Pen.Width)));
    else
      painter_.setPen(Qt::NoPen);
    if (fill)
      painter_.setBrush(Brush.Color);
    else
      painter_.setBrush(Qt::NoBrush);
    painter_.drawEllipse(QRectF(x1 + 0.5, y1 + 0.5, x2 - x1 - 1, y2 - y1 - 1));
    return;
  }

  set_raster_op(true);
  std::vector<QRect> outline, interior;
  if (!pen) {
    if (!fill) return;
    for (int y = y1; y < y2 - 1; ++y) {
      const Span s = ellipse_row(x1, y1, x2 - 1, y2 - 1, 0, y);
      add_span(interior, y, s.lo, s.hi);
    }
    fill_rects(interior, Brush.Color);
    return;
  }
  if (x2 <= x1 || y2 <= y1) return;

  const int w = std::max(1, Pen.Width);
  if (w == 1) {
    // Outline: the pixels of the filled ellipse that a neighbouring row does not cover.
    auto row = [&](int y) { return (y < y1 || y >= y2) ? Span{} : ellipse_row(x1, y1, x2, y2, 0, y); };
    Span above = row(y1 - 1), cur = row(y1);
    for (int y = y1; y < y2; ++y) {
      const Span below = row(y + 1);
      if (!cur.empty()) {
        if (above.empty() || below.empty()) {
          add_span(outline, y, cur.lo, cur.hi);
        } else {
          const int left_end = std::max(cur.lo + 1, std::max(above.lo, below.lo));
          const int right_start = std::min(cur.hi - 1, std::min(above.hi, below.hi));
          if (left_end >= right_start) {
            add_span(outline, y, cur.lo, cur.hi);
          } else {
            add_span(outline, y, cur.lo, left_end);
            add_span(interior, y, left_end, right_start);
            add_span(outline, y, right_start, cur.hi);
          }
        }
      }
      above = cur;
      cur = below;
    }
  } else {
    const double g_out = (w - 1) / 2.0, g_in = g_out - w;
    const int top = y1 - (w - 1) / 2 - 1, bottom = y2 + (w - 1) / 2 + 1;
    for (int y = top; y < bottom; ++y) {
      const Span o = ellipse_row(x1, y1, x2, y2, g_out, y);
      if (o.empty()) continue;
      const Span i = ellipse_row(x1, y1, x2, y2, g_in, y);
      if (i.empty()) {
        add_span(outline, y, o.lo, o.hi);
      } else {
        add_span(outline, y, o.lo, i.lo);
        add_span(interior, y, i.lo, i.hi);
        add_span(outline, y, i.hi, o.hi);
      }
    }
  }
  if (fill) fill_rects(interior, Brush.Color);
  fill_rects(outline, Pen.Color);
}

// ---- pixels ------------------------------------------------------------------------------

QColor Canvas::Pixel(int x, int y) const {
  const QImage* img = image();
  if (!img) return QColor();
  const qreal dpr = img->devicePixelRatio();
  const int px = static_cast<int>(std::floor(x * dpr)), py = static_cast<int>(std::floor(y * dpr));
  if (!img->valid(px, py)) return QColor();
  return QColor::fromRgb(img->pixel(px, py));
}

void Canvas::SetPixel(int x, int y, const QColor& c) {
  record(QStringLiteral("Pixel"), {x, y}, QString(), c);
  if (!active()) return;
  set_raster_op(false);
  fill_rects({QRect(x, y, 1, 1)}, c);
}

// ---- text --------------------------------------------------------------------------------

int Canvas::TextWidth(const QString& s) {
  const FontCache& fc = font_cache();
  const QFontMetrics fm = device_ ? QFontMetrics(fc.font, device_) : QFontMetrics(fc.font);
  return fm.horizontalAdvance(s);
}

int Canvas::TextHeight(const QString&) { return font_cache().height; }

void Canvas::TextOut(int x, int y, const QString& s) {
  realize_brush();
  record(QStringLiteral("TextOut"), {x, y}, s);
  const int w = TextWidth(s);
  if (active()) {
    const FontCache& fc = font_cache();
    set_raster_op(false);
    if (!text_transparent_ && w > 0) fill_rects({QRect(x, y, w, fc.height)}, Brush.Color);
    painter_.setFont(fc.font);
    painter_.setPen(QPen(Font.Color));
    painter_.setBrush(Qt::NoBrush);
    painter_.drawText(QPoint(x, y + fc.ascent), s);
  }
  pen_pos_ = QPoint(x + w, y);
}

// ---- images ------------------------------------------------------------------------------

void Canvas::Draw(int x, int y, const QImage& img) {
  record(QStringLiteral("Draw"), {x, y, img.width(), img.height()});
  if (!active() || img.isNull()) return;
  set_raster_op(false);
  painter_.drawImage(QPoint(x, y), img);
}

void Canvas::StretchDraw(const QRect& r, const QImage& img) {
  record(QStringLiteral("StretchDraw"),
         {r.left(), r.top(), r.left() + r.width(), r.top() + r.height(), img.width(), img.height()});
  if (!active() || img.isNull() || r.width() <= 0 || r.height() <= 0) return;
  set_raster_op(false);
  painter_.drawImage(QRectF(r), img);
}

void Canvas::CopyRect(const QRect& dest, const QImage& src, const QRect& srcRect) {
  record(QStringLiteral("CopyRect"),
         {dest.left(), dest.top(), dest.left() + dest.width(), dest.top() + dest.height(), srcRect.left(),
          srcRect.top(), srcRect.left() + srcRect.width(), srcRect.top() + srcRect.height()});
  if (!active() || src.isNull() || dest.width() <= 0 || dest.height() <= 0) return;
  set_raster_op(false);
  painter_.drawImage(QRectF(dest), src, QRectF(srcRect));
}

}  // namespace platform
