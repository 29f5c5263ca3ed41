#include "toolkit/schaltung.h"

TSchaltung Schaltung;
