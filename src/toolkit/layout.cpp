#include "toolkit/layout.h"

#include "toolkit/hauptfenster.h"
#include "toolkit/real48.h"

TLayout Layout;

void Bereite_Fenster_vor(int W, int H, int status_bar_height) {
  Layout.W = W;
  Layout.H = H;
  Layout.Textspalte_x = Div(W, 4) * 3;
  Layout.Text_oben = 0;
  Layout.r0 = static_cast<int>(Trunc(H * 2.0L / 7.0L));
  Layout.cx = Layout.r0 + 2;
  Layout.cy = static_cast<int>(Div(H, 2));
  Layout.x0 = Layout.cx + Layout.r0 + 5;
  Layout.x1 = W - 2;
  Layout.Kurven_Breite = W;
  Layout.Kurven_Hoehe = H - status_bar_height;
}

void Bereite_Fenster_vor(const THauptfenster& window) {
  Bereite_Fenster_vor(window.ClientWidth(), window.ClientHeight(), window.StatusBarHeight());
}
