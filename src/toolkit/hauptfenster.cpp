#include "toolkit/hauptfenster.h"

namespace {
THauptfenster* g_window = nullptr;
}

THauptfenster* Hauptfenster() { return g_window; }
void Setze_Hauptfenster(THauptfenster* window) { g_window = window; }
