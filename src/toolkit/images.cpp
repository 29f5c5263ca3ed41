#include "toolkit/images.h"

#include <QPainter>

namespace {

// Pixel-exact drawing on a white picture. Coordinates are inclusive pixel positions;
// every shape is made of filled rectangles so no end-point or antialiasing rules apply.
class Zeichnung {
 public:
  Zeichnung(int breite, int hoehe) : bild_(breite, hoehe, QImage::Format_RGB32) {
    bild_.fill(Qt::white);
    painter_.begin(&bild_);
    painter_.setRenderHint(QPainter::Antialiasing, false);
  }

  QImage fertig() {
    painter_.end();
    return bild_;
  }

  void Flaeche(int x0, int y0, int x1, int y1, Qt::GlobalColor farbe = Qt::black) {
    painter_.fillRect(QRect(QPoint(x0, y0), QPoint(x1, y1)), farbe);
  }
  void Waagerecht(int x0, int x1, int y) { Flaeche(x0, y, x1, y); }
  void Senkrecht(int x, int y0, int y1) { Flaeche(x, y0, x, y1); }

  void Rahmen(int x0, int y0, int x1, int y1) {
    Flaeche(x0, y0, x1, y1);
    Flaeche(x0 + 1, y0 + 1, x1 - 1, y1 - 1, Qt::white);
  }

  // Closed rectangular loop of wire.
  void Schleife(int x0, int y0, int x1, int y1) {
    Waagerecht(x0, x1, y0);
    Waagerecht(x0, x1, y1);
    Senkrecht(x0, y0, y1);
    Senkrecht(x1, y0, y1);
  }

  // Resistor: hollow rectangle over a horizontal wire from x0 to x1 / a vertical wire from y0 to y1.
  void Widerstand_waagerecht(int x0, int x1, int y, int halb = 3) { Rahmen(x0, y - halb, x1, y + halb); }
  void Widerstand_senkrecht(int x, int y0, int y1, int halb = 3) { Rahmen(x - halb, y0, x + halb, y1); }

  // Coil: filled black rectangle.
  void Spule_waagerecht(int x0, int x1, int y, int halb = 3) { Flaeche(x0, y - halb, x1, y + halb); }
  void Spule_senkrecht(int x, int y0, int y1, int halb = 3) { Flaeche(x - halb, y0, x + halb, y1); }

  // Capacitor: two plates, two pixels thick, three pixels apart, centred on (x, y).
  void Kondensator_waagerecht(int x, int y, int halb = 5) {
    Flaeche(x - 1, y, x + 1, y, Qt::white);
    Flaeche(x - 3, y - halb, x - 2, y + halb);
    Flaeche(x + 2, y - halb, x + 3, y + halb);
  }
  void Kondensator_senkrecht(int x, int y, int halb = 5) {
    Flaeche(x, y - 1, x, y + 1, Qt::white);
    Flaeche(x - halb, y - 3, x + halb, y - 2);
    Flaeche(x - halb, y + 2, x + halb, y + 3);
  }

  // Terminal: small hollow square on a wire.
  void Klemme(int x, int y) { Rahmen(x - 2, y - 2, x + 2, y + 2); }

  // Generator connection: two terminals in the middle of the wire from x0 to x1 at y, the wire open between them.
  void Anschluss(int x0, int x1, int y) {
    const int m = (x0 + x1) / 2;
    const int rechts = (x0 + x1) % 2 == 0 ? m + 4 : m + 5;
    Flaeche(m - 1, y, rechts - 3, y, Qt::white);
    Klemme(m - 4, y);
    Klemme(rechts, y);
  }

  // Junction of wires.
  void Knoten(int x, int y) { Flaeche(x - 1, y - 1, x + 1, y + 1); }

 private:
  QImage bild_;
  QPainter painter_;
};

QImage Zeichne_R() {
  Zeichnung z(34, 20);
  z.Schleife(3, 5, 30, 15);
  z.Widerstand_waagerecht(10, 23, 5);
  z.Anschluss(3, 30, 15);
  return z.fertig();
}

QImage Zeichne_C() {
  Zeichnung z(27, 25);
  z.Schleife(3, 7, 23, 19);
  z.Kondensator_waagerecht(13, 7);
  z.Anschluss(3, 23, 19);
  return z.fertig();
}

QImage Zeichne_L() {
  Zeichnung z(52, 23);
  z.Schleife(3, 6, 48, 17);
  z.Spule_waagerecht(15, 36, 6);
  z.Anschluss(3, 48, 17);
  return z.fertig();
}

QImage Zeichne_RC() {
  Zeichnung z(66, 26);
  z.Schleife(3, 7, 62, 20);
  z.Widerstand_waagerecht(11, 26, 7);
  z.Kondensator_waagerecht(45, 7);
  z.Anschluss(3, 62, 20);
  return z.fertig();
}

QImage Zeichne_RL() {
  Zeichnung z(63, 20);
  z.Schleife(3, 5, 59, 15);
  z.Widerstand_waagerecht(9, 24, 5);
  z.Spule_waagerecht(37, 52, 5);
  z.Anschluss(3, 59, 15);
  return z.fertig();
}

QImage Zeichne_RCL() {
  Zeichnung z(77, 24);
  z.Schleife(3, 6, 73, 18);
  z.Widerstand_waagerecht(9, 22, 6);
  z.Spule_waagerecht(31, 46, 6);
  z.Kondensator_waagerecht(60, 6);
  z.Anschluss(3, 73, 18);
  return z.fertig();
}

QImage Zeichne_CL() {
  Zeichnung z(56, 25);
  z.Schleife(3, 7, 52, 19);
  z.Kondensator_waagerecht(15, 7);
  z.Spule_waagerecht(29, 44, 7);
  z.Anschluss(3, 52, 19);
  return z.fertig();
}

QImage Zeichne_RCL_parallel() {
  Zeichnung z(34, 49);
  z.Schleife(3, 6, 30, 43);
  z.Waagerecht(3, 30, 18);
  z.Waagerecht(3, 30, 30);
  z.Kondensator_waagerecht(16, 6, 4);
  z.Spule_waagerecht(10, 23, 18);
  z.Widerstand_waagerecht(10, 23, 30);
  z.Anschluss(3, 30, 43);
  return z.fertig();
}

// Two branches in parallel on a 29 pixel high picture: upper at y = 5, lower at y = 15, generator below.
void Zwei_Zweige(Zeichnung& z, int breite) {
  z.Schleife(3, 5, breite - 4, 24);
  z.Waagerecht(3, breite - 4, 15);
  z.Anschluss(3, breite - 4, 24);
}

QImage Zeichne_C_parallel_R() {
  Zeichnung z(43, 29);
  Zwei_Zweige(z, 43);
  z.Kondensator_waagerecht(21, 5, 4);
  z.Widerstand_waagerecht(14, 28, 15);
  return z.fertig();
}

QImage Zeichne_L_parallel_R() {
  Zeichnung z(36, 29);
  Zwei_Zweige(z, 36);
  z.Spule_waagerecht(11, 24, 5);
  z.Widerstand_waagerecht(11, 24, 15);
  return z.fertig();
}

QImage Zeichne_C_parallel_L() {
  Zeichnung z(43, 29);
  Zwei_Zweige(z, 43);
  z.Kondensator_waagerecht(21, 5, 4);
  z.Spule_waagerecht(14, 28, 15);
  return z.fertig();
}

QImage Zeichne_Hochpass() {
  Zeichnung z(33, 30);
  z.Waagerecht(4, 28, 6);
  z.Waagerecht(4, 28, 24);
  z.Kondensator_waagerecht(12, 6, 4);
  z.Senkrecht(21, 6, 24);
  z.Widerstand_senkrecht(21, 10, 20);
  z.Knoten(21, 6);
  z.Knoten(21, 24);
  z.Klemme(4, 6);
  z.Klemme(4, 24);
  z.Klemme(28, 6);
  z.Klemme(28, 24);
  return z.fertig();
}

QImage Zeichne_Tiefpass() {
  Zeichnung z(42, 27);
  z.Waagerecht(4, 37, 5);
  z.Waagerecht(4, 37, 21);
  z.Widerstand_waagerecht(10, 22, 5);
  z.Senkrecht(29, 5, 21);
  z.Kondensator_senkrecht(29, 13, 5);
  z.Knoten(29, 5);
  z.Knoten(29, 21);
  z.Klemme(4, 5);
  z.Klemme(4, 21);
  z.Klemme(37, 5);
  z.Klemme(37, 21);
  return z.fertig();
}

QImage Zeichne_LS_Schwingkreis() {
  Zeichnung z(53, 48);
  z.Schleife(6, 9, 46, 38);
  z.Kondensator_waagerecht(26, 9, 6);
  z.Spule_waagerecht(15, 37, 38, 4);
  return z.fertig();
}

}  // namespace

TImages::TImages()
    : RImage(Zeichne_R()),
      CImage(Zeichne_C()),
      LImage(Zeichne_L()),
      RCImage(Zeichne_RC()),
      RLImage(Zeichne_RL()),
      RCLImage(Zeichne_RCL()),
      CLImage(Zeichne_CL()),
      RCL_parallelImage(Zeichne_RCL_parallel()),
      Hochpass_image(Zeichne_Hochpass()),
      Tiefpass_Image(Zeichne_Tiefpass()),
      LSSchwingkreisImage(Zeichne_LS_Schwingkreis()),
      Image1(Zeichne_C_parallel_R()),
      Image2(Zeichne_L_parallel_R()),
      Image3(Zeichne_C_parallel_L()) {}

TImages& Images() {
  static TImages images;
  return images;
}
