#include "zasady.h"

bool sprawdzRozwiazanie(const int plansza[][ROZMIAR])
{
    for (int i = 0; i < ROZMIAR; ++i) {
        // A column sum takes in cells whose own row has not been range-tested
        // yet, so it may meet the 32-bit extremes: a wider accumulator keeps
        // the addition defined.
        long long sumaWiersza = 0;
        long long sumaKolumny = 0;
        for (int j = 0; j < ROZMIAR; ++j) {
            const int wartosc = plansza[i][j];
            if (wartosc <= 0 || wartosc > 9) {
                return false;
            }
            sumaWiersza += wartosc;
            sumaKolumny += plansza[j][i];
        }
        if (sumaWiersza != DOCELOWA_SUMA || sumaKolumny != DOCELOWA_SUMA) {
            return false;
        }
    }
    return true;
}
