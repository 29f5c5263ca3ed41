#pragma once

#include <QImage>

// The program's title picture (155 x 89): name, phasor circle and sine wave on a raised panel.
QImage Titelbild();
