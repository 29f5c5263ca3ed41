#pragma once

#include <QFont>
#include <QImage>
#include <QPaintDevice>
#include <QPainter>
#include <QPoint>
#include <QRect>
#include <QRegion>
#include <QString>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "platform/canvas_types.h"
#include "platform/fonts.h"
#include "platform/recorder.h"

namespace platform {

// Rectangle in the platform's terms: left, top, right, bottom with right and bottom exclusive,
// so Rect(0, 0, 10, 5) covers 10 x 5 pixels (the QRect of x 0..9, y 0..4).
inline QRect Rect(int left, int top, int right, int bottom) { return QRect(left, top, right - left, bottom - top); }

// A white RGB32 image, for off-screen drawings.
QImage make_image(int w, int h);

// Drawing surface with the platform's drawing model over one QPainter that stays active for the
// canvas' lifetime (a redraw nested inside another one draws through the same painter).
//
// Pen, Brush and Font are plain members, read by every primitive. Coordinates are pixels;
// drawing is never antialiased. On raster targets lines of width 1 are laid out pixel by pixel
// the platform's way: the start point is drawn, the end point is not, and a line covers the
// same pixels in both directions. Vector targets (SVG, PDF, printer) get plain lines; thin
// lines of one pen that join end to start go out as one path, so dash patterns run on.
//
// QRect arguments are ordinary QRects: they cover x()..x()+width()-1. Build them from the
// platform's exclusive right/bottom with Rect(left, top, right, bottom).
class Canvas {
 public:
  explicit Canvas(QPaintDevice* device);
  // Window canvas: present() calls present_hook.
  Canvas(QPaintDevice* device, std::function<void()> present_hook);
  ~Canvas();
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;

  // Ends the painter on the old device and begins one on the new (window resize); the pen
  // position, Pen, Brush, Font and background mode stay.
  void SetDevice(QPaintDevice* device);
  QPaintDevice* device() const { return device_; }
  // The target image when the canvas draws on a QImage, else nullptr.
  const QImage* image() const;

  TPen Pen;
  TBrush Brush;
  TFont Font;

  void MoveTo(int x, int y);
  // Line from the pen position to (x, y) without its end point; the pen moves to (x, y).
  void LineTo(int x, int y);
  QPoint PenPos() const { return pen_pos_; }
  void SetPenPos(const QPoint& p) { pen_pos_ = p; }

  // Outline with Pen, interior with Brush unless it is clear; right and bottom exclusive.
  // With a clear pen the filled area is one pixel narrower and lower, as on the platform.
  void Rectangle(int x1, int y1, int x2, int y2);
  void Rectangle(const QRect& r) { Rectangle(r.left(), r.top(), r.left() + r.width(), r.top() + r.height()); }
  // Fills r with Brush.Color (pen and pen mode play no part).
  void FillRect(const QRect& r);
  // Ellipse inside the bounding box, right and bottom exclusive.
  void Ellipse(int x1, int y1, int x2, int y2);
  // Lines through the points, each end point excluded; a dash pattern runs on across the
  // corners. Neither uses nor moves the pen position.
  void Polyline(const std::vector<QPoint>& pts);

  // Pixels[x][y]: an invalid colour outside the image or on a target that cannot be read.
  QColor Pixel(int x, int y) const;
  void SetPixel(int x, int y, const QColor& c);

  // Background mode of text (and of the gaps of styled lines). Opaque fills the text cell
  // with Brush.Color. As on the platform, selecting a changed brush resets the mode:
  // transparent for a clear brush, opaque for a solid one.
  void SetTextTransparent(bool t);
  bool TextTransparent() const;
  // Text in Font.Color with the top-left corner of its cell at (x, y); moves the pen
  // position to (x + TextWidth(s), y).
  void TextOut(int x, int y, const QString& s);
  int TextWidth(const QString& s);
  int TextHeight(const QString& s);

  void Draw(int x, int y, const QImage& img);
  void StretchDraw(const QRect& r, const QImage& img);
  // Copies srcRect of src into dest, stretched to fit.
  void CopyRect(const QRect& dest, const QImage& src, const QRect& srcRect);

  // Size of the target in drawing pixels.
  int Width() const;
  int Height() const;

  // Window canvas: pushes the drawing to the screen now. Elsewhere nothing.
  void present();
  // True for the canvas of a window (one made with a present hook).
  bool IsWindowCanvas() const { return static_cast<bool>(present_hook_); }
  // True on pixel targets (images, the window); false on SVG, PDF and printers, where a
  // line painted over in the background colour would stay in the document.
  bool IsRaster() const { return raster_; }
  // Window canvas: what was drawn since the last call, in drawing pixels, so that present()
  // need only push that part. Everything once the painter was handed out.
  QRegion TakeDirtyRegion();

  // Logs every primitive into r; nullptr detaches.
  void SetRecorder(Recorder* r) { recorder_ = r; }
  Recorder* recorder() const { return recorder_; }

  // Escape hatch for what the platform's canvas cannot do. Leave the painter's state as found.
  QPainter& painter() {
    flush_path();
    dirty_all_ = true;
    return painter_;
  }

 private:
  struct FontCache {
    TFont key;
    QFont font;
    int ascent = 0;
    int height = 0;
  };

  void begin();
  bool active() const { return painter_.isActive(); }
  bool raster() const { return raster_; }
  void realize_brush();
  QColor background_color() const;
  const FontCache& font_cache();
  void set_raster_op(bool uses_pen_mode);
  void fill_rects(const std::vector<QRect>& rects, const QColor& c);
  // Draws the line from a to b (end excluded) with Pen; dash_pos carries the pattern position.
  void draw_line(QPoint a, QPoint b, std::int64_t& dash_pos);
  // With runs, a solid line only adds its pixel runs to runs->on, inside runs->clip, for one
  // fill of a whole polyline.
  struct ThinRuns {
    QRect clip;
    std::vector<QRect> on;
  };
  void draw_thin_line(QPoint a, QPoint b, std::int64_t& dash_pos, ThinRuns* runs = nullptr);
  QRect line_clip() const;
  // Draws the collected vector path, if any.
  void flush_path();
  void record(const QString& op, QList<int> args, const QString& text = QString(), const QColor& c = QColor());
  void mark_dirty(const QString& op, const QList<int>& args, const QString& text);

  QPaintDevice* device_ = nullptr;
  std::function<void()> present_hook_;
  QPainter painter_;
  bool raster_ = false;
  QPoint pen_pos_;
  bool text_transparent_ = false;
  TBrush realized_brush_;
  std::optional<FontCache> font_cache_;
  Recorder* recorder_ = nullptr;
  std::vector<QRect> dirty_;
  bool dirty_all_ = false;
  // Vector targets: thin lines of one pen that join end to start, not drawn yet.
  struct VectorPath {
    TPen pen;
    std::vector<QPoint> points;
  };
  std::optional<VectorPath> path_;
};

}  // namespace platform
