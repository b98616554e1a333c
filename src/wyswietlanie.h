#ifndef KWADRAT11_WYSWIETLANIE_H
#define KWADRAT11_WYSWIETLANIE_H

#include "zasady.h"

// Writes the board to standard output as a labelled grid, empty cells as
// dots. Does not flush: the next read of standard input, or exit, does.
void wyswietlPlansze(const int plansza[][ROZMIAR]);

#endif
