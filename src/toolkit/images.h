#pragma once

#include <QImage>

// The small circuit pictures shown beside the drawings and in the dialogs:
// black line art on white, drawn once by code at their fixed sizes.
class TImages {
 public:
  TImages();

  const QImage RImage;               // resistor, 34 x 20
  const QImage CImage;               // capacitor, 27 x 25
  const QImage LImage;               // coil, 52 x 23
  const QImage RCImage;              // R and C in series, 66 x 26
  const QImage RLImage;              // R and L in series, 63 x 20
  const QImage RCLImage;             // R, L and C in series, 77 x 24
  const QImage CLImage;              // C and L in series, 56 x 25
  const QImage RCL_parallelImage;    // C, L and R in parallel, 34 x 49
  const QImage Hochpass_image;       // high pass: series C, R across the output, 33 x 30
  const QImage Tiefpass_Image;       // low pass: series R, C across the output, 42 x 27
  const QImage LSSchwingkreisImage;  // LC loop, capacitor above, coil below, 53 x 48
  const QImage Image1;               // C and R in parallel, 43 x 29
  const QImage Image2;               // L and R in parallel, 36 x 29
  const QImage Image3;               // C and L in parallel, 43 x 29
};

// The one picture module of the program, created on first use (needs the QApplication).
TImages& Images();
