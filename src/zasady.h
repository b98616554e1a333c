#ifndef KWADRAT11_ZASADY_H
#define KWADRAT11_ZASADY_H

// Rules of the puzzle: the board's shape, the target sum, the starting
// layout and the judgement of a filled board. No input or output here.

inline constexpr int ROZMIAR = 3;
inline constexpr int DOCELOWA_SUMA = 11;

// Row by row; 0 marks an empty cell.
inline constexpr int UKLAD_POCZATKOWY[ROZMIAR][ROZMIAR] = {
    {4, 0, 5},
    {0, 3, 0},
    {0, 6, 0},
};

// True when every cell holds 1 to 9 and every row and column sums to
// DOCELOWA_SUMA. The board is only read.
bool sprawdzRozwiazanie(const int plansza[][ROZMIAR]);

#endif
