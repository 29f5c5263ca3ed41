#pragma once

class THauptfenster;

// Layout values derived from the main window's client size (status bar included in H).
struct TLayout {
  int W = 0, H = 0;
  int Textspalte_x = 0;  // left edge of the phasor text block
  int Text_oben = 0;
  int cx = 0, cy = 0, r0 = 0;               // phasor circle
  int x0 = 0, x1 = 0;                       // time axis
  int Kurven_Breite = 0, Kurven_Hoehe = 0;  // area of the curve drawings
};

extern TLayout Layout;

void Bereite_Fenster_vor(int client_width, int client_height, int status_bar_height);
void Bereite_Fenster_vor(const THauptfenster& window);
