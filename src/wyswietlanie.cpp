#include "wyswietlanie.h"

#include <iomanip>
#include <iostream>

void wyswietlPlansze(const int plansza[][ROZMIAR])
{
    std::cout << "\n   | K1 | K2 | K3 |\n";
    std::cout << "---+----+----+----+\n";
    for (int r = 0; r < ROZMIAR; ++r) {
        std::cout << "W" << r + 1 << " | ";
        for (int c = 0; c < ROZMIAR; ++c) {
            if (plansza[r][c] == 0) {
                std::cout << " . | ";
            } else {
                // The width is a minimum: longer values push the line right.
                std::cout << std::setw(2) << plansza[r][c] << " | ";
            }
        }
        std::cout << "\n---+----+----+----+\n";
    }
}
